#include "frame/Opcoes.h"

#include "frame/modRegistro.h"

namespace frame {

bool OpcaoMarcada(int indice, const QString &guardado)
{
    if (indice < 0 || indice >= NumeroOpcoes)
        return false;
    return guardado != QLatin1String(ChavesOpcoes[size_t(indice)].desmarcada);
}

QString ValorOpcao(bool marcada)
{
    return marcada ? QStringLiteral("1") : QStringLiteral("0");
}

QString TextoBarra(bool visivel)
{
    return visivel ? QStringLiteral("True") : QStringLiteral("False");
}

std::array<bool, NumeroOpcoes> LeOpcoes(const std::array<bool, NumeroBarras> &barras)
{
    for (int i = 0; i < NumeroBarras; ++i) {
        const ChaveOpcao &opcao = ChavesOpcoes[size_t(i)];
        SaveConfig(QLatin1String(opcao.secao), QLatin1String(opcao.chave),
                   TextoBarra(barras[size_t(i)]));
    }
    std::array<bool, NumeroOpcoes> marcadas{};
    for (int i = 0; i < NumeroOpcoes; ++i) {
        const ChaveOpcao &opcao = ChavesOpcoes[size_t(i)];
        marcadas[size_t(i)] =
            OpcaoMarcada(i, GetConfig(QLatin1String(opcao.secao), QLatin1String(opcao.chave)));
    }
    return marcadas;
}

void GravaOpcoes(const std::array<bool, NumeroOpcoes> &marcadas)
{
    for (int i = 0; i < NumeroOpcoes; ++i) {
        const ChaveOpcao &opcao = ChavesOpcoes[size_t(i)];
        SaveConfig(QLatin1String(opcao.secao), QLatin1String(opcao.chave),
                   ValorOpcao(marcadas[size_t(i)]));
    }
}

bool EstadoOpcoes::OpcaoAlterada()
{
    if (m_carregando)
        return false;
    m_alteradas = true;
    return true;
}

} // namespace frame
