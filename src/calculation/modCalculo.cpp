#include "modCalculo.h"

#include <algorithm>

namespace calculation {

std::array<QString, 3> NomePlaca;
std::array<QString, 4> NomeFluido;
std::array<QString, 6> NomeTomada;
std::array<QString, FieldCount> NomeCampo;
std::array<QString, UnitCodeCount> NomeUnidade;
QString Sublinha;
QString Espaco;

void IniciaTabelas()
{
    Sublinha = QStringLiteral("_");
    Espaco = QStringLiteral(" ");

    NomePlaca = {};
    NomePlaca[1] = QStringLiteral("Placa de quirasol");
    NomePlaca[2] = QStringLiteral("Quirasol de restricão");

    NomeFluido = {};
    NomeFluido[1] = QStringLiteral("Liqüido");
    NomeFluido[2] = QStringLiteral("Gas");
    NomeFluido[3] = QStringLiteral("Vapor");

    NomeTomada = {};
    NomeTomada[1] = QStringLiteral("Flange Taps");
    NomeTomada[2] = QStringLiteral("Radius Taps");
    NomeTomada[3] = QStringLiteral("Vena Contracta");
    NomeTomada[4] = QStringLiteral("Corner Taps");
    NomeTomada[5] = QStringLiteral("Pipe Taps(2 1/2D e 8D)");

    NomeCampo = {};
    NomeCampo[2] = QStringLiteral("Vazão de projeto");
    NomeCampo[4] = QStringLiteral("Diâmetro interno do tubo");
    NomeCampo[5] = QStringLiteral("Pressão diferencial");
    NomeCampo[8] = QStringLiteral("Temperatura de leitura");
    NomeCampo[9] = QStringLiteral("Temperatura de projeto");
    NomeCampo[10] = QStringLiteral("Pressão Absoluta (leit)");
    NomeCampo[12] = QStringLiteral("Pressão Absoluta (proj)");
    NomeCampo[14] = QStringLiteral("Pressão satur. vapor a T.P.");
    NomeCampo[16] = QStringLiteral("Umidade de Projeto");
    NomeCampo[17] = QStringLiteral("Massa Específica (leit)");
    NomeCampo[18] = QStringLiteral("Massa Específica (proj)");
    NomeCampo[19] = QStringLiteral("Massa Específica (a 0ºC)");
    NomeCampo[20] = QStringLiteral("Viscosidade dinâmica (proj)");
    NomeCampo[22] = QStringLiteral("Densidade relativa (leit)");
    NomeCampo[23] = QStringLiteral("Densidade relativa (proj)");
    NomeCampo[24] = QStringLiteral("Densidade relativa (Ar = 1)");
    NomeCampo[25] = QStringLiteral("Fator Compensado (leit)");
    NomeCampo[26] = QStringLiteral("Fator Compensado (proj)");
    NomeCampo[27] = QStringLiteral("Relação k=Cp/Cv");
    NomeCampo[28] = QStringLiteral("Relação Vz.Usual/Vz.Max.");
    NomeCampo[29] = QStringLiteral("Fator do material utilizado");

    NomeUnidade = {};
    NomeUnidade[1] = QStringLiteral("M³/h");
    NomeUnidade[2] = QStringLiteral("Kg/h");
    NomeUnidade[3] = QStringLiteral("T/h");
    NomeUnidade[4] = QStringLiteral("mm");
    NomeUnidade[5] = QStringLiteral("Pa");
    NomeUnidade[6] = QStringLiteral("Kg/m²");
    NomeUnidade[7] = QStringLiteral("mmCA");
    NomeUnidade[8] = QStringLiteral("ºC");
    NomeUnidade[10] = QStringLiteral("kPa");
    NomeUnidade[11] = QStringLiteral("Kg/cm²");
    NomeUnidade[16] = QStringLiteral("%");
    NomeUnidade[17] = QStringLiteral("Kg/m³");
    NomeUnidade[20] = QStringLiteral("cP");
    NomeUnidade[21] = QStringLiteral("Pa.s");
    NomeUnidade[29] = QStringLiteral("Aço inox 304/316");
    NomeUnidade[30] = QStringLiteral("Outro material");
}

bool HasValueBox(int field)
{
    return std::find(CamposDados.begin(), CamposDados.end(), field) != CamposDados.end();
}

bool HasUnitList(int field)
{
    return HasValueBox(field) && (field < ReadingFactorField || field > FlowRatioField);
}

} // namespace calculation
