#include "GridRules.h"

#include "platform/Numbers.h"

namespace calculation {

const QList<int> &InitialRowOrder()
{
    static const QList<int> order = {0, 2, 4, 5, 8, 9, 10, 12, 14, 16,
                                     1, 17, 18, 19, 20, 25, 26, 27, 28, 29};
    return order;
}

bool HasRow(int field)
{
    return InitialRowOrder().contains(field);
}

QList<int> FieldUnits(int field, int fluidClass)
{
    switch (field) {
    case FlowField:
        if (fluidClass == Steam)
            return {UnitKgh, UnitTh};
        if (fluidClass < 0)
            return {UnitM3h};
        return {UnitM3h, UnitKgh, UnitTh};
    case 4:
        return {4};
    case 5:
        return {5, 6, 7};
    case 8:
    case 9:
        return {8};
    case 10:
    case 12:
    case 14:
        return {10, 11};
    case 16:
        return {16};
    case 17:
    case 18:
    case 19:
        return {17, 0};
    case 20:
        return {20, 21};
    case 29:
        return {29, 30};
    default:
        return {};
    }
}

QList<int> ClassFields(int fluidClass)
{
    switch (fluidClass) {
    case Liquid:
        return {8, 9, 17, 18, 20};
    case Gas:
        return {8, 9, 10, 12, 14, 16, 19, 25, 26, 20, 27};
    case Steam:
        return {9, 12, 18, 20, 27};
    default:
        return {};
    }
}

std::optional<int> MassDensityEntry(int fluidClass)
{
    if (fluidClass == Gas)
        return 1;
    if (fluidClass == Steam)
        return 0;
    return std::nullopt;
}

QList<FieldMark> FlowUnitRule(int unitCode, int fluidClass)
{
    const bool volume = unitCode == UnitM3h;
    QList<FieldMark> marks = {{ReadingTemperatureField, volume}, {ReadingDensityField, volume}};
    if (fluidClass == Gas)
        marks << FieldMark{ReadingPressureField, volume} << FieldMark{ReadingFactorField, volume};
    return marks;
}

RowLayout OrganizaCampos(const std::function<bool(int)> &applicable, int barHeight)
{
    RowLayout layout;
    // The tag row and fields 2, 4 and 5 keep the first positions.
    int p = 4;
    bool massDensityPlaced = false;
    for (int n = DifferentialPressureField + 1; n <= LastField + 1; ++n) {
        if (!HasRow(n))
            continue;
        if (applicable(n)) {
            if (n >= ReadingDensityField && !massDensityPlaced) {
                layout.massDensityPosition = p++;
                massDensityPlaced = true;
            }
            layout.rows.append({n, true, p++});
        } else {
            layout.rows.append({n, false, 0});
        }
    }
    layout.positions = p;
    layout.panelHeight = RowPitch * p;
    const double m = p - (barHeight + 1) / double(RowPitch);
    if (m > 0) {
        layout.scrollBarEnabled = true;
        layout.scrollBarMaximum = int(platform::RoundHalfEven(m));
    }
    return layout;
}

std::optional<float> FatorDP(int position)
{
    switch (position) {
    case 0:
        return 1.0f;
    case 1:
        return 0.102f;
    case 2:
        return 0.1022f;
    default:
        return std::nullopt;
    }
}

int ScrollToShow(float row, int current)
{
    if (row <= float(current))
        return int(platform::RoundHalfEven(row));
    if (row >= float(current + VisibleRows))
        return int(platform::RoundHalfEven(row - VisibleRows + 1));
    return current;
}

QString MaterialFactorText(const QString &designTemperature)
{
    const auto t = platform::ParseNumber(designTemperature);
    if (!t)
        return {};
    return platform::FormatDouble(1 + (*t - 20) * 3.4E-05);
}

QString ReadingPressureText(int unitPosition)
{
    return platform::FormatDouble(unitPosition == 0 ? 101.325 : 1.03323);
}

std::optional<QString> StandardReadingPressure(int fluidClass, int flowPosition,
                                               int pressurePosition)
{
    if (fluidClass != Gas || flowPosition != 0)
        return std::nullopt;
    return ReadingPressureText(pressurePosition);
}

QString ProposedFluidName(const QString &entryText)
{
    const qsizetype open = entryText.indexOf(QLatin1Char('('));
    if (open < 0)
        return entryText + QStringLiteral(" utilizado");
    const qsizetype start = open + 1;
    const qsizetype end = entryText.size() - 1; // the last character is left out
    return end > start ? entryText.mid(start, end - start) : QString();
}

QString FluidSelectorEntry(const QString &className, const QString &answer)
{
    if (answer.isEmpty())
        return className;
    return className + QStringLiteral(" (") + answer + QLatin1Char(')');
}

int KeyFilter(int code)
{
    if (code == 8)
        return code;
    if (code == 46)
        return 44;
    if (code >= 42 && code <= 57)
        return code;
    return 0;
}

QString FilterPastedText(const QString &text)
{
    QString filtered;
    for (const QChar c : text) {
        const int code = KeyFilter(c.unicode());
        if (code != 0 && code != 8)
            filtered += QChar(code);
    }
    return filtered;
}

QString FormattedText(const QString &text)
{
    const auto value = platform::ParseNumber(text);
    return value ? platform::FormatDouble(*value) : text;
}

QPoint CalculatorPosition(const QRect &window, const QRect &field, int calculatorHeight)
{
    const int boxBottom = field.y() + field.height();
    const int windowBottom = window.y() + window.height();
    if (boxBottom + calculatorHeight < windowBottom)
        return {field.x(), boxBottom};
    return {field.x(), field.y() - calculatorHeight};
}

QString NewCaseTitle(int number)
{
    return QStringLiteral("Cálculo ") + QString::number(number);
}

} // namespace calculation
