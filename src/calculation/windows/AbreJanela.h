#pragma once
// Opening a case in a new calculation window: the case windows' opener. The program gives
// it to its state at start (ProgramState::caseOpener), and the frame opens cases through it.

#include <QString>

// abrir false: a new untitled case, titled by the raised ContadorCalculos() of the program
// state; true: the case file `caminho`, or, when it is empty, the one the user picks in the
// open dialog (written back into `caminho`). The case window goes into the loaded main
// window; without one nothing opens.
void AbreJanela(bool abrir, QString &caminho);
