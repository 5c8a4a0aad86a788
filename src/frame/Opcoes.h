#pragma once
// The six switches of the options dialog: where each is kept in the settings store, when a
// stored text ticks its box, and whether the dialog has changes to apply.

#include <QString>
#include <array>

namespace frame {

constexpr int NumeroOpcoes = 6;
// The first four switches are the main window's bars, in this order.
enum OpcaoBarra : int {
    OpcaoBarraPadrao = 0,
    OpcaoBarraCalculo = 1,
    OpcaoEtiqueta = 2,
    OpcaoStatusBar = 3,
    NumeroBarras = 4,
};
constexpr int OpcaoAssocia = 4;
constexpr int OpcaoDicasIniciar = 5;

struct ChaveOpcao
{
    const char *secao;
    const char *chave;
    const char *desmarcada; // the one stored text that leaves the box unticked
};

constexpr std::array<ChaveOpcao, NumeroOpcoes> ChavesOpcoes{{
    {"Config", "Barra0", "False"},
    {"Config", "Barra1", "False"},
    {"Config", "Barra2", "False"},
    {"Config", "Barra3", "False"},
    {"System", "Associa", "0"},
    {"Config", "DicasIniciar", "0"},
}};

// A box is ticked unless its stored text is exactly its "unticked" text; a setting never
// stored reads as empty and so ticks its box.
bool OpcaoMarcada(int indice, const QString &guardado);
// The text a box is applied as: "1" ticked, "0" unticked.
QString ValorOpcao(bool marcada);
// The text a bar's state is kept as: "True" or "False".
QString TextoBarra(bool visivel);

// Opening the dialog: stores the main window's four bar states as "True"/"False", then reads
// the six switches and gives which boxes are ticked.
std::array<bool, NumeroOpcoes> LeOpcoes(const std::array<bool, NumeroBarras> &barras);
// Applying: stores every box as "1" or "0", in box order.
void GravaOpcoes(const std::array<bool, NumeroOpcoes> &marcadas);

// CarregandoOpcoes and OpcoesAlteradas of the dialog.
class EstadoOpcoes
{
public:
    void InicioCarga() { m_carregando = true; }
    void FimCarga() { m_carregando = false; }
    // A box changed: true when this counts as a change (the dialog is not filling its
    // boxes), which then also sets OpcoesAlteradas. Applying does not clear it.
    bool OpcaoAlterada();
    bool Carregando() const { return m_carregando; }
    bool Alteradas() const { return m_alteradas; }

private:
    bool m_carregando = false;
    bool m_alteradas = false;
};

} // namespace frame
