#include "CaseMapping.h"

#include "GridRules.h"
#include "modCalculo.h"

namespace calculation {

namespace {

// Entries of the three selectors.
constexpr int PlateEntries = 2;
constexpr int FluidEntries = 3;
constexpr int TapEntries = 4;
constexpr int MassDensityEntries = 2;

bool InList(int position, int entries)
{
    return position >= -1 && position < entries;
}

// A freshly loaded calculation window without its widgets. Its settings behave as the
// window's controls do: a list set from code to an entry it has, other than the selected
// one, runs the list's change handling at once; a value box given another text runs its
// change handling. The handlings below are the window's, as far as they change what the
// grid's state holds (enabled states, labels, the row layout and the questions stay with
// the window).
class LoadedGrid
{
public:
    LoadedGrid()
    {
        for (int i = 0; i < FluidEntries; ++i)
            fluidEntries[i] = NomeFluido[i + 1];
        flowUnits = FieldUnits(2);
        // The window's own loading: every unit list on its first entry, then specific mass.
        state.massDensity = -1;
        for (int n = 0; n <= LastField; ++n)
            setUnit(n, 0);
        setMassDensity(0);
    }

    void apply(const LoadStep &step)
    {
        switch (step.kind) {
        case LoadStep::ReportDate:
            state.date = step.text;
            break;
        case LoadStep::ServiceOrder:
            state.serviceOrder = step.text;
            break;
        case LoadStep::Client:
            state.client = step.text;
            break;
        case LoadStep::Plate:
            if (InList(step.position, PlateEntries))
                state.plate = step.position;
            break;
        case LoadStep::FluidEntryText:
            if (step.position >= 0 && step.position < FluidEntries)
                fluidEntries[step.position] = step.text;
            break;
        case LoadStep::Fluid:
            setFluid(step.position);
            break;
        case LoadStep::Tap:
            if (InList(step.position, TapEntries))
                state.tap = step.position;
            break;
        case LoadStep::Tag:
            state.tag = step.text;
            break;
        case LoadStep::FieldText:
            setText(step.field, step.text);
            break;
        case LoadStep::FieldUnit:
            setUnit(step.field, step.position);
            break;
        case LoadStep::MassDensity:
            setMassDensity(step.position);
            break;
        }
    }

    GridState finish()
    {
        state.fluidText = state.fluid >= 0 ? fluidEntries[state.fluid] : QString();
        state.tapText = state.tap >= 0 ? NomeTomada[state.tap + 1] : QString();
        return state;
    }

private:
    QList<int> units(int campo) const
    {
        return campo == 2 ? flowUnits : FieldUnits(campo);
    }

    // CampoDados: the row's applicability mark.
    void mark(int campo, bool applicable)
    {
        if (HasRow(campo))
            state.fields[campo].applicable = applicable;
    }

    void setText(int campo, const QString &text)
    {
        if (!HasValueBox(campo) || state.fields[campo].text == text)
            return;
        state.fields[campo].text = text;
        textChanged(campo);
    }

    // The value box's change handling: steel's material factor follows the design temperature.
    void textChanged(int campo)
    {
        if (campo == 9 && state.fields[29].unitPosition == 0)
            setText(29, MaterialFactorText(state.fields[9].text));
    }

    void setUnit(int campo, int position)
    {
        if (!HasUnitList(campo))
            return;
        const QList<int> codes = units(campo);
        GridField &field = state.fields[campo];
        if (!InList(position, int(codes.size())) || position == field.unitPosition)
            return;
        field.unitPosition = position;
        field.unitCode = codes.value(position, -1);
        unitChanged(campo);
    }

    // The unit list's change handling.
    void unitChanged(int campo)
    {
        const int position = state.fields[campo].unitPosition;
        switch (campo) {
        case 2:
            for (const FieldMark &m : FlowUnitRule(state.fields[2].unitCode, state.fluid))
                mark(m.field, m.applicable);
            break;
        case 5:
            if (const auto fator = FatorDP(position))
                state.fatorDP = *fator;
            break;
        case 10:
        case 12:
        case 14:
            for (const int n : AbsolutePressureFields)
                setUnit(n, position);
            if (const auto text = StandardReadingPressure(state.fluid,
                                                          state.fields[2].unitPosition, position))
                setText(10, *text);
            break;
        case 29:
            // Steel: the factor from the design temperature. Another material is named by a
            // question of the window's; the grid's state keeps nothing of it.
            if (position == 0)
                textChanged(9);
            break;
        default:
            break;
        }
    }

    void setFluid(int position)
    {
        if (!InList(position, FluidEntries) || position == state.fluid)
            return;
        state.fluid = position;
        if (position >= 0)
            AlteraEscalas(position); // while loading, the entry keeps the name the file gave
    }

    void AlteraEscalas(int classeFluido)
    {
        for (int n = 1; n <= 5; ++n)
            mark(n, true);
        for (int n = 6; n <= LastField; ++n)
            mark(n, false);
        for (const int n : ClassFields(classeFluido))
            mark(n, true);
        const auto entrada = MassDensityEntry(classeFluido);
        if (classeFluido == Liquid || (entrada && state.massDensity == *entrada))
            massDensityChanged();
        else if (entrada)
            setMassDensity(*entrada);
        mark(28, true);
        mark(29, true);
        const QList<int> flow = FieldUnits(2, classeFluido);
        if (flowUnits.size() != flow.size()) {
            // Rebuilt, the list has no entry selected until its first is chosen.
            flowUnits = flow;
            state.fields[2].unitPosition = -1;
            state.fields[2].unitCode = -1;
            setUnit(2, 0);
        }
    }

    void setMassDensity(int position)
    {
        if (!InList(position, MassDensityEntries) || position == state.massDensity)
            return;
        state.massDensity = position;
        massDensityChanged();
    }

    void massDensityChanged()
    {
        for (const int n : DensityFields)
            setUnit(n, state.massDensity);
    }

    GridState state;
    std::array<QString, FluidEntries> fluidEntries;
    QList<int> flowUnits;
};

} // namespace

std::vector<LoadStep> LoadSteps(const CaseFileReading &leitura)
{
    std::vector<LoadStep> steps;
    const CaseFile &caso = leitura.caseFile;
    const int itens = leitura.ok() ? int(HeaderItems) : leitura.itemsRead;
    auto add = [&](LoadStep::Kind kind, int position, const QString &text = {}) {
        steps.push_back({kind, 0, position, text});
    };
    if (itens >= ItemDate)
        add(LoadStep::ReportDate, 0, caso.date);
    if (itens >= ItemServiceOrder)
        add(LoadStep::ServiceOrder, 0, caso.serviceOrder);
    if (itens >= ItemClient)
        add(LoadStep::Client, 0, caso.client);
    if (itens >= ItemPlate)
        add(LoadStep::Plate, caso.plate);
    // The entry's text first, so the fluid handling finds the user's name in it.
    if (itens >= ItemFluidText)
        add(LoadStep::FluidEntryText, caso.fluid, caso.fluidText);
    if (itens >= ItemFluid)
        add(LoadStep::Fluid, caso.fluid);
    if (itens >= ItemTap)
        add(LoadStep::Tap, caso.tap);
    if (itens >= ItemTag)
        add(LoadStep::Tag, 0, caso.tag);
    if (!leitura.ok())
        return steps;

    for (const FieldRecord &registro : caso.fields) {
        const int n = registro.field;
        if (!HasValueBox(n))
            continue;
        if (registro.text)
            steps.push_back({LoadStep::FieldText, n, 0, *registro.text});
        if (registro.unit && HasUnitList(n))
            steps.push_back({LoadStep::FieldUnit, n, *registro.unit, {}});
    }
    // Without this a case would reopen reading its densities in the other sense.
    if (const auto massaDensidade = MassDensityChoice(caso))
        add(LoadStep::MassDensity, *massaDensidade);
    return steps;
}

GridState GridStateFromCase(const CaseFileReading &leitura)
{
    LoadedGrid grade;
    for (const LoadStep &step : LoadSteps(leitura))
        grade.apply(step);
    return grade.finish();
}

CaseSnapshot SnapshotFromGrid(const GridState &grade)
{
    CaseSnapshot caso;
    caso.Placa = grade.plate + 1;
    caso.Fluido = grade.fluid;
    caso.Tomada = grade.tap + 1;
    caso.fluidText = grade.fluidText;
    caso.tapText = grade.tapText;
    caso.tag = grade.tag;
    for (const int n : CamposDados) {
        const GridField &field = grade.fields[n];
        SnapshotField &campo = caso.fields[n];
        campo.text = field.text;
        campo.hasUnitList = HasUnitList(n);
        if (campo.hasUnitList) {
            campo.unitPosition = field.unitPosition;
            campo.unitCode = field.unitPosition < 0 ? -1 : field.unitCode;
        }
    }
    caso.relativeDensity = grade.massDensity == 1;
    caso.FatorDP = grade.fatorDP;
    caso.Data = grade.date;
    caso.OS = grade.serviceOrder;
    caso.Cliente = grade.client;
    return caso;
}

CaseFile CaseFromGrid(const GridState &grade)
{
    CaseFile caso;
    caso.date = grade.date;
    caso.serviceOrder = grade.serviceOrder;
    caso.client = grade.client;
    caso.plate = grade.plate;
    caso.fluid = grade.fluid;
    caso.fluidText = grade.fluidText;
    caso.tap = grade.tap;
    caso.tag = grade.tag;
    for (int n = 2; n <= LastField; ++n) {
        const GridField &field = grade.fields[n];
        if (!HasRow(n) || !field.applicable)
            continue;
        caso.fields.push_back({n, HasValueBox(n) ? field.text : QString(),
                               HasUnitList(n) ? field.unitPosition : 0});
    }
    return caso;
}

std::optional<int> MassDensityChoice(const CaseFile &caso)
{
    std::optional<int> escolha;
    for (const FieldRecord &registro : caso.fields) {
        if (registro.field >= DensityFields.front() && registro.field <= DensityFields.back()
            && registro.unit && (*registro.unit == 0 || *registro.unit == 1))
            escolha = *registro.unit;
    }
    return escolha;
}

} // namespace calculation
