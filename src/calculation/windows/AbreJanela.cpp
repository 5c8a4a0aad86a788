#include "calculation/windows/AbreJanela.h"

// Until the calculation window exists, opening a case does nothing.
void AbreJanela(bool, QString &) {}
