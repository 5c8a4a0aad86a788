#include "CasoDoArquivo.h"

#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"

namespace datasheet {

using namespace calculation;

CasoCalculo CasoDoArquivo(const Caso &arquivo)
{
    CasoCalculo caso;
    caso.Placa = arquivo.placa + 1;
    caso.Fluido = arquivo.fluido;
    caso.Tomada = arquivo.tomada + 1;
    caso.textoFluido = arquivo.itemFluido;
    caso.textoTomada = caso.Tomada > 0 ? NomeTomada[caso.Tomada] : QString();
    caso.tag = arquivo.tag;
    caso.Data = arquivo.data;
    caso.OS = arquivo.os;
    caso.Cliente = arquivo.cliente;
    // The fluid class chooses relative density for gas; the units the density fields were
    // saved with bring back the choice they were typed in, as the window does.
    caso.densidadeRelativa =
        EscolhaMassaDensidade(arquivo).value_or(arquivo.fluido == FluidoGas ? 1 : 0) == 1;

    // Unit lists start on their first entry; relative density moves 17 to 19 to the second.
    std::array<int, 31> posicao{};
    if (caso.densidadeRelativa)
        posicao[17] = posicao[18] = posicao[19] = 1;
    for (const RegistroCampo &registro : arquivo.campos) {
        if (registro.texto)
            caso.campos[registro.campo].texto = *registro.texto;
        // An index the list does not have leaves the list where it was.
        const QList<int> unidades = UnidadesDoCampo(registro.campo, arquivo.fluido);
        if (!registro.unidade || *registro.unidade < 0 || *registro.unidade >= unidades.size())
            continue;
        const int p = *registro.unidade;
        posicao[registro.campo] = p;
        // The three absolute pressures share one unit; for gas in M³/h each setting also
        // writes one standard atmosphere into the reading pressure (field 10).
        if (registro.campo == 10 || registro.campo == 12 || registro.campo == 14) {
            posicao[10] = posicao[12] = posicao[14] = p;
            if (arquivo.fluido == FluidoGas && posicao[2] == 0)
                caso.campos[10].texto = TextoPressaoLeitura(p);
        }
    }
    for (const int n : CamposDados) {
        CampoCaso &campo = caso.campos[n];
        campo.temLista = CampoComUnidade(n);
        if (!campo.temLista)
            continue;
        campo.posicaoUnidade = posicao[n];
        campo.codigoUnidade = UnidadesDoCampo(n, arquivo.fluido).value(posicao[n], -1);
    }
    caso.FatorDP = FatorDP(posicao[5]).value_or(1.0f);
    return caso;
}

} // namespace datasheet
