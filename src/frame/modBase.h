#pragma once
// Shared procedures of the frame: the error box, the recent-files list, the case and report
// folders, the case to open from the command line, the printer dialog, the busy state and
// text selection. The bodies that need widgets (AtualizaMRU, HabilitaMenu, SelecionaTexto)
// live with the windows (frame/windows/modBaseJanelas.cpp); everything else is QtCore.

#include <QString>
#include <array>

class QLineEdit;
class QWidget;

// Run-time error numbers the program reports (a cancelled dialog is platform::ErroCancelado).
constexpr int ErroSemMemoria = 7;
constexpr int ErroArquivoNaoEncontrado = 53;
constexpr int ErroAcessoArquivo = 75;

// A run-time failure: its number and description, as MostraErro shows them.
struct ErroExecucao {
    int numero = 0;
    QString descricao;
};

// Folder of case files and of exported reports; set by Main (DefinePastas), read by the
// case and report windows. Forward slashes.
extern QString PathSaves;
extern QString PathRelatorios;

// The case file to open, from the command line or from a second start's hand-off.
extern QString ArquivoAbrir;

// The recent-files list: four paths, element 0 the newest, empty elements last.
extern std::array<QString, 4> ListaMRU;

// The one report of an unexpected run-time error: restores the default pointer and shows
// "Informação de Erro Código :<numero>" with "Descrição do Erro: <descricao>..." (critical).
void MostraErro(int numero, const QString &descricao);

// Set by the window side at start: puts the mouse pointer back to its default shape.
extern void (*RestauraPonteiroPadrao)();

// Sets PathSaves and PathRelatorios: the program folder plus "/Saves" and "/Relatorios"
// when that folder is writable, else the same two under the user's documents folder plus
// the application title. Creates neither folder.
void DefinePastas(const QString &pastaPrograma);

// Records a path as the newest recent file (letter case ignored when comparing).
void AddFileMRU(const QString &caminho);

// A path as the recent-files menu shows it: whole up to 30 characters, else the root,
// folders of more than five characters cut to three and "..", and the file name.
QString EncurtaCaminho(const QString &caminho);

// Fills a window's recent-files items, found by object name: QActions "mnuArquivoMRU1" to
// "mnuArquivoMRU4" and "mnuArquivoMRUVazio". A window without them is passed over.
void AtualizaMRU(QWidget *janela);

// Busy state: false shows the hourglass and disables the main window, true restores both.
void HabilitaMenu(bool estado);

// The printer dialog on the program's one printer: setup true gives the print set-up (the
// printer and its paper, orientation and margins), false the print dialog. True when the
// user confirmed it; Cancel or a failure give false. The chosen printer and copies are left
// in platform::Impressora(); the copies are returned through copias as well.
bool ConfiguraImpressora(bool setup, int *copias = nullptr);

// Selects the whole text of a text box.
void SelecionaTexto(QLineEdit *caixa);
