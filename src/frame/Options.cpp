#include "frame/Options.h"

#include "frame/modRegistro.h"

namespace frame {

bool IsOptionTicked(int indice, const QString &guardado)
{
    if (indice < 0 || indice >= OptionCount)
        return false;
    return guardado != QLatin1String(OptionKeys[size_t(indice)].untickedText);
}

QString OptionValue(bool marcada)
{
    return marcada ? QStringLiteral("1") : QStringLiteral("0");
}

QString BarStateText(bool visivel)
{
    return visivel ? QStringLiteral("True") : QStringLiteral("False");
}

std::array<bool, OptionCount> ReadOptions(const std::array<bool, BarCount> &barras)
{
    for (int i = 0; i < BarCount; ++i) {
        const OptionKey &opcao = OptionKeys[size_t(i)];
        SaveConfig(QLatin1String(opcao.section), QLatin1String(opcao.key),
                   BarStateText(barras[size_t(i)]));
    }
    std::array<bool, OptionCount> marcadas{};
    for (int i = 0; i < OptionCount; ++i) {
        const OptionKey &opcao = OptionKeys[size_t(i)];
        marcadas[size_t(i)] =
            IsOptionTicked(i, GetConfig(QLatin1String(opcao.section), QLatin1String(opcao.key)));
    }
    return marcadas;
}

void WriteOptions(const std::array<bool, OptionCount> &marcadas)
{
    for (int i = 0; i < OptionCount; ++i) {
        const OptionKey &opcao = OptionKeys[size_t(i)];
        SaveConfig(QLatin1String(opcao.section), QLatin1String(opcao.key),
                   OptionValue(marcadas[size_t(i)]));
    }
}

bool OptionsState::OpcaoAlterada()
{
    if (m_loading)
        return false;
    m_changed = true;
    return true;
}

} // namespace frame
