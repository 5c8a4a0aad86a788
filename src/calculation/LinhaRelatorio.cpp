#include "LinhaRelatorio.h"

#include "modCalculo.h"
#include "platform/Numbers.h"

#include <QLatin1Char>
#include <cmath>

namespace calculation {

namespace {

// Columns before the value: the label column (33), its blank and the blank before the value.
constexpr int ColunaRotulo = 33;
// Room for the value, the unit and the second leader: 78 - 35 - 2 blanks.
constexpr int LarguraValorUnidade = LarguraLinha - ColunaRotulo - 4;

QString Repete(const QString &fill, qsizetype count)
{
    const QChar c = fill.isEmpty() ? QLatin1Char('_') : fill.at(0);
    return QString(std::max<qsizetype>(count, 0), c);
}

} // namespace

QString LinhaRelatorio(const QString &rotulo, const QString &valor, const QString &unidade)
{
    const QString espaco = Espaco.isEmpty() ? QStringLiteral(" ") : Espaco;
    QString linha = rotulo + espaco + Repete(Sublinha, ColunaRotulo - rotulo.size()) + espaco
                    + valor;
    if (!unidade.isEmpty()) {
        const qsizetype leader = LarguraValorUnidade - valor.size() - unidade.size();
        if (leader >= 0)
            linha += espaco + Repete(Sublinha, leader) + espaco + unidade;
    }
    return linha;
}

QString LinhaTitulo(const QString &titulo)
{
    const int n = int(platform::ArredondaPar((LarguraLinha - titulo.size()) / 2.0));
    const QString fill(std::max(n, 0), QLatin1Char('='));
    return fill + titulo + fill;
}

QString ItemRelatorio(const QString &linha)
{
    return QLatin1Char(' ') + linha;
}

double Arredonda(double valor, int digitos)
{
    if (!(valor > 0) || !std::isfinite(valor))
        return valor;
    const int e = int(std::floor(std::log(valor) / std::log(10.0)));
    const int k = digitos - e;
    const double escala = std::pow(10.0, k);
    // The divisor is the power of ten as its text reads back, as the rounding always did.
    const double m = QString::number(escala, 'g', 15).toDouble();
    const double arredondado = std::floor(valor * escala + 0.5) / m;
    return std::isfinite(arredondado) ? arredondado : valor;
}

} // namespace calculation
