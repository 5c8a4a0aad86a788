#include "CaseMapping.h"

#include "GridModel.h"
#include "modCalculo.h"

namespace calculation {

std::vector<LoadStep> LoadSteps(const CaseFileReading &reading)
{
    std::vector<LoadStep> steps;
    const CaseFile &file = reading.caseFile;
    const int items = reading.ok() ? int(HeaderItems) : reading.itemsRead;
    auto add = [&](LoadStep::Kind kind, int position, const QString &text = {}) {
        steps.push_back({kind, 0, position, text});
    };
    if (items >= ItemDate)
        add(LoadStep::ReportDate, 0, file.date);
    if (items >= ItemServiceOrder)
        add(LoadStep::ServiceOrder, 0, file.serviceOrder);
    if (items >= ItemClient)
        add(LoadStep::Client, 0, file.client);
    if (items >= ItemPlate)
        add(LoadStep::Plate, file.plate);
    // The entry's text first, so the fluid handling finds the user's name in it.
    if (items >= ItemFluidText)
        add(LoadStep::FluidEntryText, file.fluid, file.fluidText);
    if (items >= ItemFluid)
        add(LoadStep::Fluid, file.fluid);
    if (items >= ItemTap)
        add(LoadStep::Tap, file.tap);
    if (items >= ItemTag)
        add(LoadStep::Tag, 0, file.tag);
    if (!reading.ok())
        return steps;

    for (const FieldRecord &record : file.fields) {
        const int n = record.field;
        if (!HasValueBox(n))
            continue;
        if (record.text)
            steps.push_back({LoadStep::FieldText, n, 0, *record.text});
        if (record.unit && HasUnitList(n))
            steps.push_back({LoadStep::FieldUnit, n, *record.unit, {}});
    }
    // Without this a case would reopen reading its densities in the other sense.
    if (const auto massDensity = MassDensityChoice(file))
        add(LoadStep::MassDensity, *massDensity);
    return steps;
}

GridState GridStateFromCase(const CaseFileReading &reading)
{
    GridModel model;
    model.Load();
    for (const LoadStep &step : LoadSteps(reading))
        for (const GridChange &change : model.apply(step))
            if (change.kind == GridChange::MaterialName)
                model.nameMaterial({}); // nobody names it: the entry keeps its text
    return model.state();
}

CaseSnapshot SnapshotFromGrid(const GridState &grid)
{
    CaseSnapshot snapshot;
    snapshot.Placa = grid.plate + 1;
    snapshot.Fluido = grid.fluid;
    snapshot.Tomada = grid.tap + 1;
    snapshot.fluidText = grid.fluidText;
    snapshot.tapText = grid.tapText;
    snapshot.tag = grid.tag;
    for (const int n : CamposDados) {
        const GridField &field = grid.fields[n];
        SnapshotField &value = snapshot.fields[n];
        value.text = field.text;
        value.hasUnitList = HasUnitList(n);
        if (value.hasUnitList) {
            value.unitPosition = field.unitPosition;
            value.unitCode = field.unitPosition < 0 ? -1 : field.unitCode;
        }
    }
    snapshot.relativeDensity = grid.massDensity == 1;
    snapshot.FatorDP = grid.fatorDP;
    snapshot.Data = grid.date;
    snapshot.OS = grid.serviceOrder;
    snapshot.Cliente = grid.client;
    return snapshot;
}

CaseFile CaseFromGrid(const GridState &grid)
{
    CaseFile file;
    file.date = grid.date;
    file.serviceOrder = grid.serviceOrder;
    file.client = grid.client;
    file.plate = grid.plate;
    file.fluid = grid.fluid;
    file.fluidText = grid.fluidText;
    file.tap = grid.tap;
    file.tag = grid.tag;
    for (int n = FlowField; n <= LastField; ++n) {
        const GridField &field = grid.fields[n];
        if (!HasRow(n) || !field.applicable)
            continue;
        file.fields.push_back({n, HasValueBox(n) ? field.text : QString(),
                               HasUnitList(n) ? field.unitPosition : 0});
    }
    return file;
}

std::optional<int> MassDensityChoice(const CaseFile &file)
{
    std::optional<int> choice;
    for (const FieldRecord &record : file.fields) {
        if (record.field >= DensityFields.front() && record.field <= DensityFields.back()
            && record.unit && (*record.unit == 0 || *record.unit == 1))
            choice = *record.unit;
    }
    return choice;
}

} // namespace calculation
