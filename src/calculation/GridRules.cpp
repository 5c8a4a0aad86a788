#include "GridRules.h"

#include "platform/Numbers.h"

namespace calculation {

const QList<int> &InitialRowOrder()
{
    static const QList<int> ordem = {0, 2, 4, 5, 8, 9, 10, 12, 14, 16,
                                     1, 17, 18, 19, 20, 25, 26, 27, 28, 29};
    return ordem;
}

bool HasRow(int campo)
{
    return InitialRowOrder().contains(campo);
}

QList<int> FieldUnits(int campo, int classeFluido)
{
    switch (campo) {
    case 2:
        if (classeFluido == Steam)
            return {UnitKgh, UnitTh};
        if (classeFluido < 0)
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

QList<int> ClassFields(int classeFluido)
{
    switch (classeFluido) {
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

std::optional<int> MassDensityEntry(int classeFluido)
{
    if (classeFluido == Gas)
        return 1;
    if (classeFluido == Steam)
        return 0;
    return std::nullopt;
}

QList<FieldMark> FlowUnitRule(int codigoUnidade, int classeFluido)
{
    const bool volume = codigoUnidade == UnitM3h;
    QList<FieldMark> marcas = {{8, volume}, {17, volume}};
    if (classeFluido == Gas)
        marcas << FieldMark{10, volume} << FieldMark{25, volume};
    return marcas;
}

RowLayout OrganizaCampos(const std::function<bool(int)> &aplicavel, int alturaBarra)
{
    RowLayout d;
    int p = 4;
    bool massaColocada = false;
    for (int n = 6; n <= LastField + 1; ++n) {
        if (!HasRow(n))
            continue;
        if (aplicavel(n)) {
            if (n >= 17 && !massaColocada) {
                d.massDensityPosition = p++;
                massaColocada = true;
            }
            d.rows.append({n, true, p++});
        } else {
            d.rows.append({n, false, 0});
        }
    }
    d.positions = p;
    d.panelHeight = RowPitch * p;
    const double m = p - (alturaBarra + 1) / double(RowPitch);
    if (m > 0) {
        d.scrollBarEnabled = true;
        d.scrollBarMaximum = int(platform::RoundHalfEven(m));
    }
    return d;
}

std::optional<float> FatorDP(int posicao)
{
    switch (posicao) {
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

int ScrollToShow(float linha, int atual)
{
    if (linha <= float(atual))
        return int(platform::RoundHalfEven(linha));
    if (linha >= float(atual + VisibleRows))
        return int(platform::RoundHalfEven(linha - VisibleRows + 1));
    return atual;
}

QString MaterialFactorText(const QString &temperaturaProjeto)
{
    const auto t = platform::ParseNumber(temperaturaProjeto);
    if (!t)
        return {};
    return platform::FormatDouble(1 + (*t - 20) * 3.4E-05);
}

QString ReadingPressureText(int posicaoUnidade)
{
    return platform::FormatDouble(posicaoUnidade == 0 ? 101.325 : 1.03323);
}

std::optional<QString> StandardReadingPressure(int fluidClass, int flowPosition,
                                               int pressurePosition)
{
    if (fluidClass != Gas || flowPosition != 0)
        return std::nullopt;
    return ReadingPressureText(pressurePosition);
}

QString ProposedFluidName(const QString &textoEntrada)
{
    const qsizetype abre = textoEntrada.indexOf(QLatin1Char('('));
    if (abre < 0)
        return textoEntrada + QStringLiteral(" utilizado");
    const qsizetype inicio = abre + 1;
    const qsizetype fim = textoEntrada.size() - 1; // the last character is left out
    return fim > inicio ? textoEntrada.mid(inicio, fim - inicio) : QString();
}

QString FluidSelectorEntry(const QString &nomeClasse, const QString &resposta)
{
    if (resposta.isEmpty())
        return nomeClasse;
    return nomeClasse + QStringLiteral(" (") + resposta + QLatin1Char(')');
}

int KeyFilter(int codigo)
{
    if (codigo == 8)
        return codigo;
    if (codigo == 46)
        return 44;
    if (codigo >= 42 && codigo <= 57)
        return codigo;
    return 0;
}

QString FilterPastedText(const QString &texto)
{
    QString filtrado;
    for (const QChar c : texto) {
        const int codigo = KeyFilter(c.unicode());
        if (codigo != 0 && codigo != 8)
            filtrado += QChar(codigo);
    }
    return filtrado;
}

QString FormattedText(const QString &texto)
{
    const auto valor = platform::ParseNumber(texto);
    return valor ? platform::FormatDouble(*valor) : texto;
}

QPoint CalculatorPosition(const QRect &janela, const QRect &campo, int alturaCalculadora)
{
    const int fundoCampo = campo.y() + campo.height();
    const int fundoJanela = janela.y() + janela.height();
    if (fundoCampo + alturaCalculadora < fundoJanela)
        return {campo.x(), fundoCampo};
    return {campo.x(), campo.y() - alturaCalculadora};
}

QString NewCaseTitle(int numero)
{
    return QStringLiteral("Cálculo ") + QString::number(numero);
}

} // namespace calculation
