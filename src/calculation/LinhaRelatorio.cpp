#include "LinhaRelatorio.h"

#include "modCalculo.h"
#include "platform/Numbers.h"

#include <QLatin1Char>
#include <cmath>

namespace calculation {

namespace {

// Columns before the value: the label column (33), its blank and the blank before the value.
constexpr int LabelColumn = 33;
// Room for the value, the unit and the second leader: 78 - 35 - 2 blanks.
constexpr int ValueAndUnitWidth = LineWidth - LabelColumn - 4;

QChar FirstOr(const QString &fill, char padrao)
{
    return fill.isEmpty() ? QLatin1Char(padrao) : fill.at(0);
}

void Repeat(QString &linha, QChar c, qsizetype count)
{
    if (count > 0)
        linha.resize(linha.size() + count, c);
}

// The line, after prefix (the report item's blank, or nothing), built in one buffer.
QString BuildLine(QLatin1StringView prefix, const QString &rotulo, const QString &valor,
                  const QString &unidade)
{
    const QChar espaco = FirstOr(Espaco, ' ');
    const QChar sublinha = FirstOr(Sublinha, '_');
    QString linha;
    linha.reserve(prefix.size() + std::max<qsizetype>(LineWidth, 35 + valor.size()));
    linha += prefix;
    linha += rotulo;
    linha += espaco;
    Repeat(linha, sublinha, LabelColumn - rotulo.size());
    linha += espaco;
    linha += valor;
    if (!unidade.isEmpty()) {
        const qsizetype leader = ValueAndUnitWidth - valor.size() - unidade.size();
        if (leader >= 0) {
            linha += espaco;
            Repeat(linha, sublinha, leader);
            linha += espaco;
            linha += unidade;
        }
    }
    return linha;
}

} // namespace

QString LinhaRelatorio(const QString &rotulo, const QString &valor, const QString &unidade)
{
    return BuildLine(QLatin1StringView(), rotulo, valor, unidade);
}

QString ReportItem(const QString &rotulo, const QString &valor, const QString &unidade)
{
    return BuildLine(QLatin1StringView(" "), rotulo, valor, unidade);
}

QString TitleLine(const QString &titulo)
{
    const int n = int(platform::RoundHalfEven((LineWidth - titulo.size()) / 2.0));
    const QString fill(std::max(n, 0), QLatin1Char('='));
    return fill + titulo + fill;
}

QString ReportItem(const QString &linha)
{
    return QLatin1Char(' ') + linha;
}

namespace {

// 10^k as its 15-digit text reads back: the decimal power itself (1E-05 is the double
// nearest to 0,00001), taken from a table where it can be.
double DecimalPower(int k, double calculated)
{
    static constexpr double powers[] = {
        1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12,
        1e-11, 1e-10, 1e-9,  1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,
        1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,   1e7,   1e8,   1e9,   1e10,
        1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21, 1e22};
    if (k >= -22 && k <= 22)
        return powers[k + 22];
    return QString::number(calculated, 'g', 15).toDouble();
}

} // namespace

double Arredonda(double valor, int digitos)
{
    if (!(valor > 0) || !std::isfinite(valor))
        return valor;
    const int e = int(std::floor(std::log(valor) / std::log(10.0)));
    const int k = digitos - e;
    const double escala = std::pow(10.0, k);
    // The divisor is the power of ten as its text reads back, as the rounding always did.
    const double m = DecimalPower(k, escala);
    const double arredondado = std::floor(valor * escala + 0.5) / m;
    return std::isfinite(arredondado) ? arredondado : valor;
}

} // namespace calculation
