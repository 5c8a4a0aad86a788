#pragma once
// The model of a case's grid: what a case window shows of its case (GridState, the entries of
// its lists, the rows' places) and every change a user or a case file makes to it, each
// carried out once by the grid's rules (GridRules.h).
//
// A change is one call (a pick, a typed text, a setting of a case being opened) and returns
// what it changed, in the order the window's change handling runs: a list set from code runs
// its handling at once, so a pressure unit moves the other two before the reading pressure is
// written, and a fluid class marks the rows, sets the density lists, rebuilds the flow list
// and only then stacks the rows. The case window applies each change to its controls as it
// comes; the datasheet tool (GridStateFromCase) feeds the model a case file's settings and
// keeps the state.
//
// Two changes ask the user a name, which the model cannot: FluidName (the user's pick of a
// fluid class) and MaterialName (another material than steel). The caller asks and hands the
// answer to nameFluid or nameMaterial, whose changes complete the action.

#include "calculation/CaseMapping.h"
#include "calculation/GridRules.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace calculation {

// One change, in the order the model made it.
struct GridChange {
    enum Kind {
        Plate,        // the plate selector stands on position and its handling ran
        Fluid,        // the fluid selector stands on position and its handling ran
        FluidName,    // ask the fluid's name: entry text in text, proposed name in answer;
                      // then nameFluid
        FluidEntry,   // the fluid selector's entry at position reads text
        Tap,          // the tap selector stands on position and its handling ran
        GridEnabled,  // the grid in use (flag) or not: plate, fluid and tap chosen
        Mark,         // field's row is marked applicable (flag) or not
        UnitList,     // field's unit list holds new entries (unitEntries), none chosen
        Unit,         // field's unit list stands on position and its handling ran
        UnitEntry,    // field's unit list's entry at position reads text
        Text,         // field's value box reads text and its handling ran
        Locked,       // field's value box is read-only (flag): the factor of steel
        MaterialName, // ask the material's name, text proposed; then nameMaterial
        MassDensity,  // the mass/density selector stands on position; the labels of the
                      // density fields follow (FieldLabel)
        Tag,          // the tag reads text
        Layout,       // the rows are stacked anew (rowPlace, layout)
    };
    Kind kind = Plate;
    int field = 0;
    int position = 0;
    bool flag = false;
    QString text;
    QString answer;
    bool operator==(const GridChange &) const = default;
};
using GridChanges = std::vector<GridChange>;

// An entry of a unit list: its unit code (item data) and the text it shows.
struct UnitEntry {
    int code = 0;
    QString text;
    bool operator==(const UnitEntry &) const = default;
};

class GridModel
{
public:
    // The grid as the window's controls are made: the rows in their design order, the unit
    // lists empty, nothing chosen, the grid not in use.
    GridModel();

    // The window's own loading: the grid not in use, every unit list filled and on its
    // first entry (each running its handling), then specific mass.
    GridChanges Load();

    // The user's picks. A pick runs its handling also on the entry already chosen.
    GridChanges choosePlate(int position);
    GridChanges chooseFluid(int position);
    GridChanges nameFluid(const QString &answer);
    GridChanges chooseTap(int position);
    GridChanges chooseUnit(int field, int position);
    GridChanges nameMaterial(const QString &answer);
    GridChanges chooseMassDensity(int position);
    // A value box's or the tag's text as it now reads (typed, pasted, reformatted, the
    // calculator's result).
    GridChanges typeText(int field, const QString &text);
    GridChanges typeTag(const QString &text);
    // The report header the report window holds (Data, OS, Cliente).
    void setReportHeader(const QString &date, const QString &serviceOrder,
                         const QString &client);

    // One setting of a case being opened (LoadSteps): from code, so a list set to the entry
    // it stands on runs nothing, and the fluid's name is not asked.
    GridChanges apply(const LoadStep &step);

    const GridState &state() const { return grid; }
    // Entries of the selectors: the plate types, fluid classes and tap types offered.
    static constexpr int PlateEntryCount = 2;
    static constexpr int FluidEntryCount = 3;
    static constexpr int TapEntryCount = 4;
    const QString &fluidEntry(int position) const { return fluidEntries.at(position); }
    const QList<UnitEntry> &unitEntries(int field) const { return units.at(field); }
    bool locked(int field) const { return field == MaterialField && materialLocked; }
    // Where a row stands (position = top / row pitch) and whether it shows; rows that exist.
    const RowPlace &rowPlace(int field) const { return rows.at(field); }
    // The latest stacking of the rows, none before the first fluid class.
    const std::optional<RowLayout> &layout() const { return lastLayout; }

    // The window variables the grid's handlers set.
    int Placa() const { return grid.plate + 1; }
    int Fluido() const { return fluidVariable; }
    int Tomada() const { return grid.tap + 1; }
    const QString &Material() const { return material; }

private:
    // Runs an action and returns the changes it made.
    template <typename Action>
    GridChanges collect(Action action);
    void report(GridChange::Kind kind, int field = 0, int position = 0, bool flag = false,
                const QString &text = {}, const QString &answer = {});
    void mark(int field, bool applicable);
    void enableGrid();
    void setPlate(int position);
    bool fluidChosen(int position);
    void fluidNamed(int position);
    void setTap(int position);
    void setTag(const QString &text);
    void setUnit(int field, int position, bool pick);
    void unitChanged(int field);
    void setText(int field, const QString &text);
    void textChanged(int field);
    void setMassDensity(int position, bool pick);
    void massDensityChanged();
    void AlteraEscalas(int fluidClass);
    void OrganizaCampos();

    GridState grid;
    std::array<QString, FluidEntryCount> fluidEntries;
    std::array<QList<UnitEntry>, FieldCount> units;
    std::array<RowPlace, FieldCount> rows;
    std::optional<RowLayout> lastLayout;
    bool materialLocked = false;
    int fluidVariable = -1;
    QString material;
    GridChanges changes; // those of the call under way
};

} // namespace calculation
