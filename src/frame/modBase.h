#pragma once
// Shared procedures of the frame without widgets: the error box, the recent-files list, the
// case and report folders and the printer dialog. The folders, the case to open and the list
// itself are the program's state (frame/ProgramState.h). The procedures that work on windows
// (AtualizaMRU, HabilitaMenu, SelecionaTexto) are in frame/windows/modBaseWindows.h.

#include "frame/ProgramState.h"

#include <QString>

// The run-time error numbers of the program running out of memory and of any other failure
// of a procedure (a cancelled dialog is platform::ErrorCancelled, a file that cannot be
// accessed platform::ErrorFileAccess).
constexpr int ErrorOutOfMemory = 7;
constexpr int ErrorInvalidCall = 5;

// The one report of an unexpected run-time error: restores the default pointer (the program
// state's restoreDefaultPointer) and shows "Informação de Erro Código :<numero>" with
// "Descrição do Erro: <descricao>..." (critical).
void MostraErro(int numero, const QString &descricao);

// Sets PathSaves() and PathRelatorios(): the program folder plus "/Saves" and "/Relatorios"
// when that folder is writable, else the same two under the user's documents folder plus
// the application title. Creates neither folder.
void SetFolders(const QString &pastaPrograma);

// Records a path as the newest of ListaMRU() (letter case ignored when comparing).
void AddFileMRU(const QString &caminho);

// A path as the recent-files menu shows it: whole up to 30 characters, else the root,
// folders of more than five characters cut to three and "..", and the file name.
QString ShortenPath(const QString &caminho);

// The printer dialog on the program's one printer: setup true gives the print set-up (the
// printer and its paper, orientation and margins), false the print dialog. True when the
// user confirmed it; Cancel or a failure give false. The chosen printer and copies are left
// in platform::ProgramPrinter(); the copies are returned through copias as well.
bool ConfiguraImpressora(bool setup, int *copias = nullptr);
