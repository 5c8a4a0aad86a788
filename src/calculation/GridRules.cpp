#include "GridRules.h"

#include "platform/Numbers.h"

namespace calculation {

namespace {

// Unit codes of the vocabulary the lists use.
constexpr int UnidadeM3h = 1;
constexpr int UnidadeKgh = 2;
constexpr int UnidadeTh = 3;

} // namespace

const QList<int> &OrdemInicialLinhas()
{
    static const QList<int> ordem = {0, 2, 4, 5, 8, 9, 10, 12, 14, 16,
                                     1, 17, 18, 19, 20, 25, 26, 27, 28, 29};
    return ordem;
}

bool TemLinha(int campo)
{
    return OrdemInicialLinhas().contains(campo);
}

QList<int> UnidadesDoCampo(int campo, int classeFluido)
{
    switch (campo) {
    case 2:
        if (classeFluido == FluidoVapor)
            return {UnidadeKgh, UnidadeTh};
        if (classeFluido < 0)
            return {UnidadeM3h};
        return {UnidadeM3h, UnidadeKgh, UnidadeTh};
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

QList<int> CamposDaClasse(int classeFluido)
{
    switch (classeFluido) {
    case FluidoLiquido:
        return {8, 9, 17, 18, 20};
    case FluidoGas:
        return {8, 9, 10, 12, 14, 16, 19, 25, 26, 20, 27};
    case FluidoVapor:
        return {9, 12, 18, 20, 27};
    default:
        return {};
    }
}

std::optional<int> EntradaMassaDensidade(int classeFluido)
{
    if (classeFluido == FluidoGas)
        return 1;
    if (classeFluido == FluidoVapor)
        return 0;
    return std::nullopt;
}

QList<MarcaCampo> RegraUnidadeVazao(int codigoUnidade, int classeFluido)
{
    const bool volume = codigoUnidade == UnidadeM3h;
    QList<MarcaCampo> marcas = {{8, volume}, {17, volume}};
    if (classeFluido == FluidoGas)
        marcas << MarcaCampo{10, volume} << MarcaCampo{25, volume};
    return marcas;
}

Disposicao OrganizaCampos(const std::function<bool(int)> &aplicavel, int alturaBarra)
{
    Disposicao d;
    int p = 4;
    bool massaColocada = false;
    for (int n = 6; n <= UltimoCampo + 1; ++n) {
        if (!TemLinha(n))
            continue;
        if (aplicavel(n)) {
            if (n >= 17 && !massaColocada) {
                d.posicaoMassaDensidade = p++;
                massaColocada = true;
            }
            d.linhas.append({n, true, p++});
        } else {
            d.linhas.append({n, false, 0});
        }
    }
    d.posicoes = p;
    d.alturaPainel = PassoLinha * p;
    const double m = p - (alturaBarra + 1) / double(PassoLinha);
    if (m > 0) {
        d.barraHabilitada = true;
        d.maximoBarra = int(platform::RoundHalfEven(m));
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

int RolagemParaVisivel(float linha, int atual)
{
    if (linha <= float(atual))
        return int(platform::RoundHalfEven(linha));
    if (linha >= float(atual + LinhasVisiveis))
        return int(platform::RoundHalfEven(linha - LinhasVisiveis + 1));
    return atual;
}

QString TextoFatorMaterial(const QString &temperaturaProjeto)
{
    const auto t = platform::ParseNumber(temperaturaProjeto);
    if (!t)
        return {};
    return platform::FormatDouble(1 + (*t - 20) * 3.4E-05);
}

QString TextoPressaoLeitura(int posicaoUnidade)
{
    return platform::FormatDouble(posicaoUnidade == 0 ? 101.325 : 1.03323);
}

std::optional<QString> StandardReadingPressure(int fluidClass, int flowPosition,
                                               int pressurePosition)
{
    if (fluidClass != FluidoGas || flowPosition != 0)
        return std::nullopt;
    return TextoPressaoLeitura(pressurePosition);
}

QString NomeFluidoProposto(const QString &textoEntrada)
{
    const qsizetype abre = textoEntrada.indexOf(QLatin1Char('('));
    if (abre < 0)
        return textoEntrada + QStringLiteral(" utilizado");
    const qsizetype inicio = abre + 1;
    const qsizetype fim = textoEntrada.size() - 1; // the last character is left out
    return fim > inicio ? textoEntrada.mid(inicio, fim - inicio) : QString();
}

QString TextoEntradaFluido(const QString &nomeClasse, const QString &resposta)
{
    if (resposta.isEmpty())
        return nomeClasse;
    return nomeClasse + QStringLiteral(" (") + resposta + QLatin1Char(')');
}

int FiltroTecla(int codigo)
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
        const int codigo = FiltroTecla(c.unicode());
        if (codigo != 0 && codigo != 8)
            filtrado += QChar(codigo);
    }
    return filtrado;
}

QString TextoFormatado(const QString &texto)
{
    const auto valor = platform::ParseNumber(texto);
    return valor ? platform::FormatDouble(*valor) : texto;
}

QPoint PosicaoCalculadora(const QRect &janela, const QRect &campo, int alturaCalculadora)
{
    const int fundoCampo = campo.y() + campo.height();
    const int fundoJanela = janela.y() + janela.height();
    if (fundoCampo + alturaCalculadora < fundoJanela)
        return {campo.x(), fundoCampo};
    return {campo.x(), campo.y() - alturaCalculadora};
}

QString TituloNovoCalculo(int numero)
{
    return QStringLiteral("Cálculo ") + QString::number(numero);
}

} // namespace calculation
