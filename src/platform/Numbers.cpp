#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace platform {

QLocale ProgramLocale()
{
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString FormatDouble(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinito") : QStringLiteral("Infinito");
    if (value == 0)
        return QStringLiteral("0");

    // Round to 15 significant digits first; the exponent is the one of the rounded value.
    char buffer[64];
    // to_chars writes what printf's "%.14e" writes, several times faster.
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, 14);
    QString text = QString::fromLatin1(buffer, written.ptr - buffer);
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    const int exponent = text.mid(ePos + 1).toInt();
    QString mantissa = text.left(ePos);
    const bool negative = mantissa.startsWith(QLatin1Char('-'));
    if (negative)
        mantissa.remove(0, 1);
    QString digits = mantissa.left(1) + mantissa.mid(2); // 15 digits, no point
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString result;
    if (exponent < -5 || exponent >= 15) {
        result = digits.left(1);
        if (digits.size() > 1)
            result += QLatin1Char(',') + digits.mid(1);
        result += QStringLiteral("E") + QLatin1Char(exponent < 0 ? '-' : '+')
                  + QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    } else if (exponent < 0) {
        result = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        result = digits.left(exponent + 1) + QLatin1Char(',') + digits.mid(exponent + 1);
    }
    return negative ? QLatin1Char('-') + result : result;
}

std::optional<double> ParseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok) {
        // A trailing separator ("5,") or a lone leading separator (",5") is still a number.
        QString mended = trimmed;
        if (mended.endsWith(QLatin1Char(',')))
            mended.chop(1);
        if (mended.startsWith(QLatin1Char(',')) || mended.startsWith(QLatin1String("-,")))
            mended.insert(mended.indexOf(QLatin1Char(',')), QLatin1Char('0'));
        if (mended.isEmpty() || mended == QLatin1String("-"))
            return std::nullopt;
        value = locale.toDouble(mended, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    skipBlanks();
    QByteArray number;
    // from_chars takes a minus sign only: a plus sign is read and left out.
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            number += char(c.unicode());
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            number += '.';
            seenPoint = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            continue; // blanks inside the number are skipped
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    // from_chars reads the point whatever the process's locale is; strtod would follow it.
    double value = 0;
    const auto read = std::from_chars(number.constData(), number.constData() + number.size(),
                                      value, std::chars_format::fixed);
    return read.ec == std::errc() && std::isfinite(value) ? value : 0;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

} // namespace platform
