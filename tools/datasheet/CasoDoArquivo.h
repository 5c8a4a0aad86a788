#pragma once
// The calculation's snapshot of a case read from a case file, as a calculation window holds
// it right after opening that file.

#include "calculation/ArquivoCalculo.h"
#include "calculation/Calculo.h"

namespace datasheet {

// Selectors from the stored positions; every value field with its stored text and unit
// entry (by index, with that entry's unit code), fields without a record empty on their
// first entry; the mass/density choice the fluid class gives while loading: relative density
// for gas, specific mass for liquid and steam; the pressure-unit rule that runs while the
// unit lists are set.
calculation::CasoCalculo CasoDoArquivo(const calculation::Caso &arquivo);

} // namespace datasheet
