#pragma once
// The case vocabulary shared by every calculation window: plate types, fluid classes, tap
// types, field labels by field number, unit names by unit code, and the two fill strings of
// the report lines. IniciaTabelas fills them once at start-up, before any window exists.
//
// Field numbers run from 0 to 30 (the value fields are CamposDados); a unit code is an index
// into NomeUnidade and is the item data of every entry of a unit list.
//
// Element 0 of NomeFluido and NomeTomada is one slot for the whole program: the fluid and tap
// selectors of every calculation window write their text there after each pick. The data
// sheet does not print it: each calculation prints its own case's selector texts.

#include <QString>
#include <array>

namespace calculation {

extern std::array<QString, 3> NomePlaca;    // 1 plate, 2 restriction orifice
extern std::array<QString, 4> NomeFluido;   // 1 liquid, 2 gas, 3 steam; 0 latest fluid pick
extern std::array<QString, 6> NomeTomada;   // 1..5 tap types (4 offered); 0 latest tap pick
extern std::array<QString, 31> NomeCampo;   // label by field number
extern std::array<QString, 31> NomeUnidade; // unit name by unit code; 0 = no unit

extern QString Sublinha; // "_", leader of report lines
extern QString Espaco;   // " ", blank between the parts of a report line

void IniciaTabelas();

// The eighteen value fields, in field-number order.
inline constexpr std::array<int, 18> CamposDados = {2,  4,  5,  8,  9,  10, 12, 14, 16,
                                                    17, 18, 19, 20, 25, 26, 27, 28, 29};

// Whether field n is a value field, and whether it has a unit list (all but 25 to 28).
bool HasValueBox(int campo);
bool HasUnitList(int campo);

// Fluid classes as list positions of the fluid selector.
enum FluidClass : int { Liquid = 0, Gas = 1, Steam = 2 };

// Tap types as the window variable Tomada (list position + 1).
enum TapType : int { FlangeTaps = 1, RadiusTaps = 2, VenaContracta = 3, CornerTaps = 4 };

} // namespace calculation
