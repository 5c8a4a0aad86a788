#include "frame/Opcoes.h"

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

bool EstadoOpcoes::OpcaoAlterada()
{
    if (m_carregando)
        return false;
    m_alteradas = true;
    return true;
}

} // namespace frame
