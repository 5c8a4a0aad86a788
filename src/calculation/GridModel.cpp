#include "GridModel.h"

#include "modCalculo.h"

#include <utility>

namespace calculation {

namespace {

constexpr int MassDensityEntries = 2;

bool InList(int position, qsizetype entries)
{
    return position >= -1 && position < entries;
}

} // namespace

GridModel::GridModel()
{
    for (int i = 0; i < FluidEntryCount; ++i)
        fluidEntries[i] = NomeFluido[i + 1];
    grid.massDensity = -1;
    const QList<int> &order = InitialRowOrder();
    for (int p = 0; p < order.size(); ++p)
        rows[order[p]] = {order[p], true, p};
}

void GridModel::report(GridChange::Kind kind, int field, int position, bool flag,
                       const QString &text, const QString &answer)
{
    GridChange change;
    change.kind = kind;
    change.field = field;
    change.position = position;
    change.flag = flag;
    change.text = text;
    change.answer = answer;
    changes.push_back(std::move(change));
}

template <typename Action>
GridChanges GridModel::collect(Action action)
{
    changes.clear();
    action();
    return std::exchange(changes, {});
}

GridChanges GridModel::Load()
{
    return collect([this] {
        grid.gridEnabled = false;
        report(GridChange::GridEnabled, 0, 0, false);
        // CarregaUnidades: every list filled, then each on its first entry.
        for (int n = 0; n <= LastField; ++n) {
            if (!HasUnitList(n))
                continue;
            units[n].clear();
            for (const int code : FieldUnits(n))
                units[n].append({code, NomeUnidade[code]});
            grid.fields[n].unitPosition = -1;
            grid.fields[n].unitCode = -1;
            report(GridChange::UnitList, n);
        }
        for (int n = 0; n <= LastField; ++n)
            setUnit(n, 0, false);
        setMassDensity(0, false);
    });
}

// ---------------------------------------------------------------------------------------
// The user's actions

GridChanges GridModel::choosePlate(int position)
{
    return collect([&] {
        if (InList(position, PlateEntryCount))
            setPlate(position);
    });
}

GridChanges GridModel::chooseFluid(int position)
{
    return collect([&] {
        if (InList(position, FluidEntryCount) && fluidChosen(position)) {
            const QString &entry = fluidEntries[position];
            report(GridChange::FluidName, 0, position, false, entry, ProposedFluidName(entry));
        }
    });
}

GridChanges GridModel::nameFluid(const QString &answer)
{
    return collect([&] {
        const int position = grid.fluid;
        if (position < 0)
            return;
        fluidEntries[position] = FluidSelectorEntry(NomeFluido[position + 1], answer);
        report(GridChange::FluidEntry, 0, position, false, fluidEntries[position]);
        fluidNamed(position);
    });
}

GridChanges GridModel::chooseTap(int position)
{
    return collect([&] {
        if (InList(position, TapEntryCount))
            setTap(position);
    });
}

GridChanges GridModel::chooseUnit(int field, int position)
{
    return collect([&] { setUnit(field, position, true); });
}

GridChanges GridModel::nameMaterial(const QString &answer)
{
    return collect([&] {
        const int position = grid.fields[MaterialField].unitPosition;
        material = answer;
        if (!answer.isEmpty() && position > 0) {
            units[MaterialField][position].text = answer;
            report(GridChange::UnitEntry, MaterialField, position, false, answer);
        }
        materialLocked = false;
        report(GridChange::Locked, MaterialField, 0, false);
    });
}

GridChanges GridModel::chooseMassDensity(int position)
{
    return collect([&] { setMassDensity(position, true); });
}

GridChanges GridModel::typeText(int field, const QString &text)
{
    return collect([&] { setText(field, text); });
}

GridChanges GridModel::typeTag(const QString &text)
{
    return collect([&] { setTag(text); });
}

void GridModel::setReportHeader(const QString &date, const QString &serviceOrder,
                                const QString &client)
{
    grid.date = date;
    grid.serviceOrder = serviceOrder;
    grid.client = client;
}

GridChanges GridModel::apply(const LoadStep &step)
{
    return collect([&] {
        switch (step.kind) {
        case LoadStep::ReportDate:
            grid.date = step.text;
            break;
        case LoadStep::ServiceOrder:
            grid.serviceOrder = step.text;
            break;
        case LoadStep::Client:
            grid.client = step.text;
            break;
        case LoadStep::Plate:
            if (InList(step.position, PlateEntryCount) && step.position != grid.plate)
                setPlate(step.position);
            break;
        case LoadStep::FluidEntryText:
            if (step.position >= 0 && step.position < FluidEntryCount) {
                fluidEntries[step.position] = step.text;
                if (step.position == grid.fluid)
                    grid.fluidText = step.text;
                report(GridChange::FluidEntry, 0, step.position, false, step.text);
            }
            break;
        case LoadStep::Fluid:
            // While a case is read the entry keeps the text the file gave it, unasked.
            if (InList(step.position, FluidEntryCount) && step.position != grid.fluid
                && fluidChosen(step.position))
                fluidNamed(step.position);
            break;
        case LoadStep::Tap:
            if (InList(step.position, TapEntryCount) && step.position != grid.tap)
                setTap(step.position);
            break;
        case LoadStep::Tag:
            setTag(step.text);
            break;
        case LoadStep::FieldText:
            setText(step.field, step.text);
            break;
        case LoadStep::FieldUnit:
            setUnit(step.field, step.position, false);
            break;
        case LoadStep::MassDensity:
            setMassDensity(step.position, false);
            break;
        }
    });
}

// ---------------------------------------------------------------------------------------
// The handlings

void GridModel::mark(int field, bool applicable)
{
    if (!HasRow(field))
        return;
    grid.fields[field].applicable = applicable;
    report(GridChange::Mark, field, 0, applicable);
}

// Lista: the grid is in use exactly while plate, fluid and tap are chosen.
void GridModel::enableGrid()
{
    grid.gridEnabled = grid.plate > -1 && grid.fluid > -1 && grid.tap > -1;
    report(GridChange::GridEnabled, 0, 0, grid.gridEnabled);
}

void GridModel::setPlate(int position)
{
    grid.plate = position;
    report(GridChange::Plate, 0, position);
    enableGrid();
}

// The fluid selector on position: its handling up to the fluid's name, which follows when a
// class is chosen (true).
bool GridModel::fluidChosen(int position)
{
    grid.fluid = position;
    grid.fluidText = position >= 0 ? fluidEntries[position] : QString();
    report(GridChange::Fluid, 0, position);
    if (position < 0)
        return false;
    fluidVariable = position;
    return true;
}

void GridModel::fluidNamed(int position)
{
    grid.fluidText = fluidEntries[position];
    NomeFluido[0] = grid.fluidText;
    AlteraEscalas(position);
    enableGrid();
}

void GridModel::setTag(const QString &text)
{
    if (text == grid.tag)
        return;
    grid.tag = text;
    report(GridChange::Tag, TagField, 0, false, text);
}

void GridModel::setTap(int position)
{
    grid.tap = position;
    grid.tapText = position >= 0 ? NomeTomada[position + 1] : QString();
    NomeTomada[0] = grid.tapText;
    report(GridChange::Tap, 0, position);
    enableGrid();
}

// A unit list set to position: from code only when it moves, by the user's pick always.
void GridModel::setUnit(int field, int position, bool pick)
{
    if (!HasUnitList(field))
        return;
    GridField &f = grid.fields[field];
    if (!InList(position, units[field].size()) || (!pick && position == f.unitPosition))
        return;
    f.unitPosition = position;
    f.unitCode = position >= 0 ? units[field][position].code : -1;
    report(GridChange::Unit, field, position);
    unitChanged(field);
}

void GridModel::unitChanged(int field)
{
    fluidVariable = grid.fluid;
    const int position = grid.fields[field].unitPosition;
    switch (field) {
    case FlowField:
        for (const FieldMark &m : FlowUnitRule(grid.fields[FlowField].unitCode, grid.fluid))
            mark(m.field, m.applicable);
        break;
    case DifferentialPressureField:
        if (const auto factor = FatorDP(position))
            grid.fatorDP = *factor;
        break;
    case ReadingPressureField:
    case DesignPressureField:
    case SaturationPressureField:
        for (const int n : AbsolutePressureFields)
            setUnit(n, position, false);
        if (const auto text = StandardReadingPressure(
                grid.fluid, grid.fields[FlowField].unitPosition, position))
            setText(ReadingPressureField, *text);
        break;
    case MaterialField:
        // Steel: the box is locked and the factor follows the design temperature. Another
        // material is named by the user.
        if (position == 0) {
            materialLocked = true;
            report(GridChange::Locked, MaterialField, 0, true);
            textChanged(DesignTemperatureField);
        } else if (position > 0) {
            report(GridChange::MaterialName, MaterialField, position, false,
                    units[MaterialField][position].text);
        }
        break;
    default:
        break;
    }
}

void GridModel::setText(int field, const QString &text)
{
    if (!HasValueBox(field) || grid.fields[field].text == text)
        return;
    grid.fields[field].text = text;
    report(GridChange::Text, field, 0, false, text);
    textChanged(field);
}

// A value box's handling: steel's factor follows the design temperature.
void GridModel::textChanged(int field)
{
    if (field == DesignTemperatureField && grid.fields[MaterialField].unitPosition == 0)
        setText(MaterialField, MaterialFactorText(grid.fields[DesignTemperatureField].text));
}

// The mass/density selector set to position: from code only when it moves.
void GridModel::setMassDensity(int position, bool pick)
{
    if (!InList(position, MassDensityEntries) || (!pick && position == grid.massDensity))
        return;
    grid.massDensity = position;
    massDensityChanged();
}

void GridModel::massDensityChanged()
{
    report(GridChange::MassDensity, MassDensityField, grid.massDensity);
    for (const int n : DensityFields)
        setUnit(n, grid.massDensity, false);
}

void GridModel::AlteraEscalas(int fluidClass)
{
    for (int n = MassDensityField; n <= DifferentialPressureField; ++n)
        mark(n, true);
    for (int n = DifferentialPressureField + 1; n <= LastField; ++n)
        mark(n, false);
    for (const int n : ClassFields(fluidClass))
        mark(n, true);
    // Liquid runs the selector's handling again for the entry it stands on; gas and steam
    // set their entry, and its handling follows also when the entry was chosen already.
    const auto entry = MassDensityEntry(fluidClass);
    if (fluidClass == Liquid || (entry && grid.massDensity == *entry))
        massDensityChanged();
    else if (entry)
        setMassDensity(*entry, false);
    mark(FlowRatioField, true);
    mark(MaterialField, true);
    const QList<int> flowUnits = FieldUnits(FlowField, fluidClass);
    if (units[FlowField].size() != flowUnits.size()) {
        // Rebuilt, the list has no entry chosen until its first is.
        units[FlowField].clear();
        for (const int code : flowUnits)
            units[FlowField].append({code, NomeUnidade[code]});
        grid.fields[FlowField].unitPosition = -1;
        grid.fields[FlowField].unitCode = -1;
        report(GridChange::UnitList, FlowField);
        setUnit(FlowField, 0, false);
    }
    OrganizaCampos();
}

void GridModel::OrganizaCampos()
{
    lastLayout = calculation::OrganizaCampos(
        [this](int n) { return HasRow(n) && grid.fields[n].applicable; });
    for (const RowPlace &row : lastLayout->rows) {
        rows[row.field].visible = row.visible;
        if (row.visible)
            rows[row.field].position = row.position;
    }
    if (lastLayout->massDensityPosition >= 0)
        rows[MassDensityField].position = lastLayout->massDensityPosition;
    report(GridChange::Layout);
}

} // namespace calculation
