#pragma once
// The shared procedures of modBase that work on windows: the recent-files menu of a window,
// the busy state, text selection, and the mouse pointer put back for the error box.

class QLineEdit;
class QWidget;

// Fills a window's recent-files items from ListaMRU(), found by object name: QActions
// "mnuArquivoMRU1" to "mnuArquivoMRU4" and "mnuArquivoMRUVazio". A window without them is
// passed over.
void AtualizaMRU(QWidget *janela);

// Busy state: false shows the hourglass and disables the main window, true restores both.
void HabilitaMenu(bool estado);

// Selects the whole text of a text box.
void SelecionaTexto(QLineEdit *caixa);

// Puts the screen's mouse pointer back to its default shape, clearing any hourglass: the
// program state's restoreDefaultPointer, which Main sets.
void RestoreDefaultPointer();
