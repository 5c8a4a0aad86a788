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

// Field numbers run from 0 to LastField, unit codes from 0 to LastUnitCode.
inline constexpr int LastField = 30;
inline constexpr int FieldCount = LastField + 1;
inline constexpr int LastUnitCode = 30;
inline constexpr int UnitCodeCount = LastUnitCode + 1;

extern std::array<QString, 3> NomePlaca;    // 1 plate, 2 restriction orifice
extern std::array<QString, 4> NomeFluido;   // 1 liquid, 2 gas, 3 steam; 0 latest fluid pick
extern std::array<QString, 6> NomeTomada;   // 1..5 tap types (4 offered); 0 latest tap pick
extern std::array<QString, FieldCount> NomeCampo;      // label by field number
extern std::array<QString, UnitCodeCount> NomeUnidade; // unit name by unit code; 0 = no unit

extern QString Sublinha; // "_", leader of report lines
extern QString Espaco;   // " ", blank between the parts of a report line

void IniciaTabelas();

// The eighteen value fields, in field-number order.
inline constexpr std::array<int, 18> CamposDados = {2,  4,  5,  8,  9,  10, 12, 14, 16,
                                                    17, 18, 19, 20, 25, 26, 27, 28, 29};

// The fields the grid and the calculation name; the numbers between have no row.
enum FieldNumber : int {
    TagField = 0,                  // the tag row, no value
    MassDensityField = 1,          // the mass/density selector's row, no value
    FlowField = 2,                 // design flow
    PipeDiameterField = 4,         // internal pipe diameter
    DifferentialPressureField = 5, // differential pressure
    ReadingTemperatureField = 8,   // temperature at reading conditions
    DesignTemperatureField = 9,    // design temperature
    ReadingPressureField = 10,     // absolute pressure at reading conditions
    DesignPressureField = 12,      // absolute pressure at design conditions
    SaturationPressureField = 14,  // vapour saturation pressure at the design temperature
    HumidityField = 16,            // design humidity
    ReadingDensityField = 17,      // specific mass (or relative density) at reading conditions
    DesignDensityField = 18,       // specific mass (or relative density) at design conditions
    ReferenceDensityField = 19,    // specific mass at 0 ºC (or relative density to air)
    ViscosityField = 20,           // dynamic viscosity at design conditions
    ReadingFactorField = 25,       // compensation factor at reading conditions
    DesignFactorField = 26,        // compensation factor at design conditions
    HeatRatioField = 27,           // k = Cp/Cv
    FlowRatioField = 28,           // usual flow / maximum flow
    MaterialField = 29,            // plate material factor
};
// The labels the density fields 17 to 19 take for relative density: NomeCampo 22 to 24.
inline constexpr int RelativeDensityLabelOffset = 5;

// The unit codes the rules and the calculation name.
enum UnitCode : int {
    UnitM3h = 1,  // "M³/h", volume flow
    UnitKgh = 2,  // "Kg/h"
    UnitTh = 3,   // "T/h"
    UnitMm = 4,   // "mm"
    UnitPa = 5,   // "Pa", the first differential-pressure unit
    UnitKgm3 = 17 // "Kg/m³"
};

// Whether field n is a value field, and whether it has a unit list (all but 25 to 28).
bool HasValueBox(int field);
bool HasUnitList(int field);

// Fluid classes as list positions of the fluid selector.
enum FluidClass : int { Liquid = 0, Gas = 1, Steam = 2 };

// Tap types as the window variable Tomada (list position + 1).
enum TapType : int { FlangeTaps = 1, RadiusTaps = 2, VenaContracta = 3, CornerTaps = 4 };

} // namespace calculation
