#pragma once
// One mapping between a case file, the calculation window's grid and a calculation.
//
//   CaseFileReading --LoadSteps--------> the settings a fresh window makes to open it, in order
//   CaseFileReading --GridStateFromCase-> the grid those settings leave
//   GridState       --SnapshotFromGrid--> CaseSnapshot, what "Calcular" runs on
//   GridState       --CaseFromGrid------> CaseFile, what QuraSave writes
//
// The grid's model (GridModel.h) holds a GridState and takes each setting as the user's
// choice, with every change handling it runs (the flow-unit rule, the pressure units moving
// together, the mass/density choice, the material factor). The case window opens a case by
// handing the steps to its model; GridStateFromCase hands them to a model of its own, so the
// datasheet tool calculates the case a freshly opened window holds.

#include "calculation/ArquivoCalculo.h"
#include "calculation/SizingCalculation.h"
#include "calculation/modCalculo.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace calculation {

// One row of the grid, by field number.
struct GridField {
    QString text;            // the value box (txtDados)
    int unitPosition = -1;   // the unit list's selected entry (cboDados); -1 none or no list
    int unitCode = -1;       // that entry's unit code (its item data); -1 none
    bool applicable = false; // the row's applicability mark is "True"
    bool operator==(const GridField &) const = default;
};

// What a calculation window holds of its case. Every value field is filled whatever its
// applicability: field 10's unit converts the pressures 10, 12 and 14 also where field 10
// itself does not apply.
struct GridState {
    QString date, serviceOrder, client; // report header: the window variables Data, OS, Cliente
    int plate = -1;                     // positions of cboQuirasol, cboFluido and cboTomada
    int fluid = -1;                     // (fluid: 0 liquid, 1 gas, 2 steam)
    int tap = -1;
    QString fluidText;                // the selectors' texts as they read now
    QString tapText;
    QString tag;                      // txtTag
    std::array<GridField, FieldCount> fields; // by field number
    int massDensity = 0;      // cboMassaDensidade: 0 specific mass, 1 relative density
    float fatorDP = 1.0f;     // the window variable FatorDP (field 5's unit factor)
    bool gridEnabled = false; // the grid in use, "Calcular" on: plate, fluid and tap chosen
    bool operator==(const GridState &) const = default;
};

// One setting a window makes while it opens a case file.
struct LoadStep {
    enum Kind {
        ReportDate,     // text into Data
        ServiceOrder,   // text into OS
        Client,         // text into Cliente
        Plate,          // position of the plate selector
        FluidEntryText, // text of the fluid selector's entry at position (the user's name)
        Fluid,          // position of the fluid selector (no name question while loading)
        Tap,            // position of the tap selector
        Tag,            // text of txtTag
        FieldText,      // text of field's value box
        FieldUnit,      // position of field's unit list
        MassDensity,    // position of the mass/density selector
    };
    Kind kind = ReportDate;
    int field = 0;
    int position = 0;
    QString text;
    bool operator==(const LoadStep &) const = default;
};

// The settings that open a case read from a file, in the order a window makes them: the
// header items in file order, only those read when the header is damaged (and then nothing
// more); then per field record its text and its unit; last the mass/density choice the file
// tells (MassDensityChoice). A position may be one the list lacks: a list ignores it.
std::vector<LoadStep> LoadSteps(const CaseFileReading &reading);

// The grid of a freshly loaded window after the steps of LoadSteps: what the window's own
// loading leaves, then each setting with the change handling it runs. The material's name
// (another material than steel) is left unanswered, which changes nothing the state holds.
GridState GridStateFromCase(const CaseFileReading &reading);

// The calculation's snapshot of the grid. The drawing choice (chkDesenho) and the caption
// are the window's; they stay unset.
CaseSnapshot SnapshotFromGrid(const GridState &grid);

// The case to save: the selectors and the header, and one record per applicable row in
// ascending field number (its text, and its unit position or 0 without a unit list).
CaseFile CaseFromGrid(const GridState &grid);

// The mass/density choice a case was saved with (0 specific mass, 1 relative density). The
// file keeps no such item, but the unit index of the density fields 17 to 19 tells it, the
// last of them read winning; nullopt when the file has none of them.
std::optional<int> MassDensityChoice(const CaseFile &file);

} // namespace calculation
