#pragma once
// The six switches of the options dialog: where each is kept in the settings store, when a
// stored text ticks its box, and whether the dialog has changes to apply.

#include <QString>
#include <array>

namespace frame {

constexpr int OptionCount = 6;
// The first four switches are the main window's bars, in this order.
enum OptionBar : int {
    OptionStandardBar = 0,
    OptionCalculationBar = 1,
    OptionLabels = 2,
    OptionStatusBar = 3,
    BarCount = 4,
};
constexpr int OptionAssociate = 4;
constexpr int OptionTipsAtStart = 5;

struct OptionKey
{
    const char *section;
    const char *key;
    const char *untickedText; // the one stored text that leaves the box unticked
};

constexpr std::array<OptionKey, OptionCount> OptionKeys{{
    {"Config", "Barra0", "False"},
    {"Config", "Barra1", "False"},
    {"Config", "Barra2", "False"},
    {"Config", "Barra3", "False"},
    {"System", "Associa", "0"},
    {"Config", "DicasIniciar", "0"},
}};

// A box is ticked unless its stored text is exactly its "unticked" text; a setting never
// stored reads as empty and so ticks its box.
bool IsOptionTicked(int indice, const QString &guardado);
// The text a box is applied as: "1" ticked, "0" unticked.
QString OptionValue(bool marcada);
// The text a bar's state is kept as: "True" or "False".
QString BarStateText(bool visivel);

// Opening the dialog: stores the main window's four bar states as "True"/"False", then reads
// the six switches and gives which boxes are ticked.
std::array<bool, OptionCount> ReadOptions(const std::array<bool, BarCount> &barras);
// Applying: stores every box as "1" or "0", in box order.
void WriteOptions(const std::array<bool, OptionCount> &marcadas);

// CarregandoOpcoes and OpcoesAlteradas of the dialog.
class OptionsState
{
public:
    void BeginLoad() { m_loading = true; }
    void EndLoad() { m_loading = false; }
    // A box changed: true when this counts as a change (the dialog is not filling its
    // boxes), which then also sets OpcoesAlteradas. Applying does not clear it.
    bool OpcaoAlterada();
    bool Carregando() const { return m_loading; }
    bool Changed() const { return m_changed; }

private:
    bool m_loading = false;
    bool m_changed = false;
};

} // namespace frame
