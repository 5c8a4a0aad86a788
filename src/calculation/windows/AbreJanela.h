#pragma once
// Opening a case in a new calculation window.

#include <QString>

// abrir false: a new untitled case, titled by the raised ContadorCalculos() of the program
// state; true: the case file `caminho`, or, when it is empty, the one the user picks in the
// open dialog (written back into `caminho`).
void AbreJanela(bool abrir, QString &caminho);
