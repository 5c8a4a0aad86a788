#pragma once
// Opening a case in a new calculation window.

#include <QString>

// abrir false: a new untitled case; true: the case file `caminho`, or, when it is empty,
// the one the user picks in the open dialog (written back into `caminho`).
void AbreJanela(bool abrir, QString &caminho);

// Number of the last untitled case of this run ("Cálculo 1", "Cálculo 2"...): raised for
// each new case, never reset or reused.
extern long ContadorCalculos;
