#pragma once
// The rules of the calculation window's data grid, apart from any widget: which rows exist,
// which fields a fluid class and the flow unit make applicable, the unit list of every field,
// how the applicable rows are stacked and how far the grid scrolls, the differential-pressure
// factor, the scroll-into-view rule, the material factor that follows the design temperature,
// the key filter of a value box and where the calculator opens beside a box.
//
// Field numbers and unit codes are those of the case vocabulary (fields 0 to 30, unit codes
// 0 to 30). Fluid class is the fluid selector's position: 0 liquid, 1 gas, 2 steam, -1 none.

#include "calculation/modCalculo.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace calculation {

// Geometry of the grid, in pixels.
constexpr int RowPitch = 25;         // row pitch
constexpr int VisibleRows = 9;       // rows the visible window holds
constexpr int BarraVHeight = 224;    // height of the scroll bar = the visible window

// The twenty row panels in their design order (position p = index in this list).
const QList<int> &InitialRowOrder();
bool HasRow(int field);

// Unit codes of a field's list, in list order. Field 2 depends on the class: one entry
// ("M³/h") before any class is chosen (fluidClass -1), codes 2 and 3 for steam, 1 to 3
// otherwise. Empty for a field without a list.
QList<int> FieldUnits(int field, int fluidClass = -1);

// The fields a fluid class marks applicable, beyond 1 to 5 and 28, 29, in the order the
// class marks them. Empty for any other class value.
QList<int> ClassFields(int fluidClass);

// Entry the class gives the mass/density selector: gas 1 (relative density), steam 0
// (specific mass); liquid keeps the current entry (nullopt), as does any other value.
std::optional<int> MassDensityEntry(int fluidClass);

// The flow-unit rule: (field, applicable) in the order they are applied, for the chosen flow
// unit code. Fields 8 and 17 follow "M³/h"; for gas fields 10 and 25 follow it too.
struct FieldMark {
    int field;
    bool applicable;
    bool operator==(const FieldMark &) const = default;
};
QList<FieldMark> FlowUnitRule(int unitCode, int fluidClass);

// Stacking of the applicable rows (rows 6 and up; the tag row and fields 2, 4 and 5 keep
// positions 0 to 3). The mass/density row goes right before the first applicable field
// numbered 17 or more.
struct RowPlace {
    int field = 0;
    bool visible = true;
    int position = 0; // meaningful when visible
    bool operator==(const RowPlace &) const = default;
};
struct RowLayout {
    QList<RowPlace> rows;             // rows 6 to 30 that exist, ascending
    int massDensityPosition = -1;     // -1: not placed, it keeps where it was
    int positions = 0;                // next free position = rows stacked
    int panelHeight = 0;              // height of the scrolled panel
    bool scrollBarEnabled = false;
    int scrollBarMaximum = 0;         // maximum and large change, when enabled
};
RowLayout OrganizaCampos(const std::function<bool(int)> &applicable,
                         int barHeight = BarraVHeight);

// Factor from Pa to the differential-pressure unit at a list position: 1 "Pa", 0.102
// "Kg/m²", 0.1022 "mmCA", in single precision; nullopt for any other position.
std::optional<float> FatorDP(int position);

// Scroll value that brings the row at a position into the visible window, from the current
// scroll value: a row above goes to the top, a row below becomes the last visible one.
int ScrollToShow(float row, int current);

// Text of field 29 for stainless steel, from the text of field 9 (design temperature):
// 1 + (T - 20) x 3.4E-05 in its default text form, empty when field 9 is not a number.
QString MaterialFactorText(const QString &designTemperature);

// Reading pressure of one standard atmosphere in the pressure unit at a list position:
// "101,325" for kPa (0), "1,03323" for Kg/cm².
QString ReadingPressureText(int unitPosition);

// The pressure-unit rule: the absolute pressures (reading, design, saturation) always show
// one unit, so a change of any of their lists sets the other two to the same position.
inline constexpr std::array<int, 3> AbsolutePressureFields = {
    ReadingPressureField, DesignPressureField, SaturationPressureField};
// What that change then writes into the reading pressure (field 10): while gas is measured
// in M³/h (the flow list on its first entry), one standard atmosphere in the unit now chosen;
// otherwise nothing (nullopt), and field 10 keeps its text.
std::optional<QString> StandardReadingPressure(int fluidClass, int flowPosition,
                                               int pressurePosition);

// The fields the mass/density selector moves together: its position becomes theirs.
inline constexpr std::array<int, 3> DensityFields = {ReadingDensityField, DesignDensityField,
                                                     ReferenceDensityField};

// The fluid name proposed by the fluid prompt for an entry's text: the name inside its
// parentheses, or the text followed by " utilizado" when it has none.
QString ProposedFluidName(const QString &entryText);
// The entry text after the prompt: the class name, with the answer in parentheses if any.
QString FluidSelectorEntry(const QString &className, const QString &answer);

// Key filter of a value box: the character code to insert, 0 to discard it. The point types
// the decimal comma; Enter is discarded (it acts on release); Backspace and the characters
// * + , - / and digits pass.
int KeyFilter(int code);
// Pasted or dropped text through the key filter, character by character as if typed;
// Backspace, which types no character, is dropped too.
QString FilterPastedText(const QString &text);

// The general formatting applied when a value box is left: a number comes back in its
// default text form, any other text unchanged.
QString FormattedText(const QString &text);

// Where the calculator's frame opens (its top-left corner, screen pixels): directly below the
// box, left edges aligned, when its outer height (title bar and borders included) fits above
// the bottom of the case window; otherwise directly above it.
QPoint CalculatorPosition(const QRect &window, const QRect &field, int calculatorHeight);

// Title of the n-th untitled case of a run.
QString NewCaseTitle(int number);

} // namespace calculation
