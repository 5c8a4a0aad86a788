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
        flowUnits = UnidadesDoCampo(2);
        // The window's own loading: every unit list on its first entry, then specific mass.
        state.massDensity = -1;
        for (int n = 0; n <= UltimoCampo; ++n)
            setUnit(n, 0);
        setMassDensity(0);
    }

    void apply(const LoadStep &step)
    {
        switch (step.kind) {
        case LoadStep::ReportDate:
            state.data = step.text;
            break;
        case LoadStep::ServiceOrder:
            state.os = step.text;
            break;
        case LoadStep::Client:
            state.cliente = step.text;
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
        return campo == 2 ? flowUnits : UnidadesDoCampo(campo);
    }

    // CampoDados: the row's applicability mark.
    void mark(int campo, bool applicable)
    {
        if (TemLinha(campo))
            state.fields[campo].applicable = applicable;
    }

    void setText(int campo, const QString &text)
    {
        if (!TemCaixaValor(campo) || state.fields[campo].text == text)
            return;
        state.fields[campo].text = text;
        textChanged(campo);
    }

    // The value box's change handling: steel's material factor follows the design temperature.
    void textChanged(int campo)
    {
        if (campo == 9 && state.fields[29].unitPosition == 0)
            setText(29, TextoFatorMaterial(state.fields[9].text));
    }

    void setUnit(int campo, int position)
    {
        if (!TemListaUnidades(campo))
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
            for (const MarcaCampo &m : RegraUnidadeVazao(state.fields[2].unitCode, state.fluid))
                mark(m.campo, m.aplicavel);
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
        for (int n = 6; n <= UltimoCampo; ++n)
            mark(n, false);
        for (const int n : CamposDaClasse(classeFluido))
            mark(n, true);
        const auto entrada = EntradaMassaDensidade(classeFluido);
        if (classeFluido == FluidoLiquido || (entrada && state.massDensity == *entrada))
            massDensityChanged();
        else if (entrada)
            setMassDensity(*entrada);
        mark(28, true);
        mark(29, true);
        const QList<int> flow = UnidadesDoCampo(2, classeFluido);
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

std::vector<LoadStep> LoadSteps(const LeituraCaso &leitura)
{
    std::vector<LoadStep> steps;
    const Caso &caso = leitura.caso;
    const int itens = leitura.ok() ? int(ItensCabecalho) : leitura.itensLidos;
    auto add = [&](LoadStep::Kind kind, int position, const QString &text = {}) {
        steps.push_back({kind, 0, position, text});
    };
    if (itens >= ItemData)
        add(LoadStep::ReportDate, 0, caso.data);
    if (itens >= ItemOS)
        add(LoadStep::ServiceOrder, 0, caso.os);
    if (itens >= ItemCliente)
        add(LoadStep::Client, 0, caso.cliente);
    if (itens >= ItemPlaca)
        add(LoadStep::Plate, caso.placa);
    // The entry's text first, so the fluid handling finds the user's name in it.
    if (itens >= ItemTextoFluido)
        add(LoadStep::FluidEntryText, caso.fluido, caso.itemFluido);
    if (itens >= ItemFluido)
        add(LoadStep::Fluid, caso.fluido);
    if (itens >= ItemTomada)
        add(LoadStep::Tap, caso.tomada);
    if (itens >= ItemTag)
        add(LoadStep::Tag, 0, caso.tag);
    if (!leitura.ok())
        return steps;

    for (const RegistroCampo &registro : caso.campos) {
        const int n = registro.campo;
        if (!TemCaixaValor(n))
            continue;
        if (registro.texto)
            steps.push_back({LoadStep::FieldText, n, 0, *registro.texto});
        if (registro.unidade && TemListaUnidades(n))
            steps.push_back({LoadStep::FieldUnit, n, *registro.unidade, {}});
    }
    // Without this a case would reopen reading its densities in the other sense.
    if (const auto massaDensidade = EscolhaMassaDensidade(caso))
        add(LoadStep::MassDensity, *massaDensidade);
    return steps;
}

GridState GridStateFromCase(const LeituraCaso &leitura)
{
    LoadedGrid grade;
    for (const LoadStep &step : LoadSteps(leitura))
        grade.apply(step);
    return grade.finish();
}

CasoCalculo SnapshotFromGrid(const GridState &grade)
{
    CasoCalculo caso;
    caso.Placa = grade.plate + 1;
    caso.Fluido = grade.fluid;
    caso.Tomada = grade.tap + 1;
    caso.textoFluido = grade.fluidText;
    caso.textoTomada = grade.tapText;
    caso.tag = grade.tag;
    for (const int n : CamposDados) {
        const GridField &field = grade.fields[n];
        CampoCaso &campo = caso.campos[n];
        campo.texto = field.text;
        campo.temLista = TemListaUnidades(n);
        if (campo.temLista) {
            campo.posicaoUnidade = field.unitPosition;
            campo.codigoUnidade = field.unitPosition < 0 ? -1 : field.unitCode;
        }
    }
    caso.densidadeRelativa = grade.massDensity == 1;
    caso.FatorDP = grade.fatorDP;
    caso.Data = grade.data;
    caso.OS = grade.os;
    caso.Cliente = grade.cliente;
    return caso;
}

Caso CaseFromGrid(const GridState &grade)
{
    Caso caso;
    caso.data = grade.data;
    caso.os = grade.os;
    caso.cliente = grade.cliente;
    caso.placa = grade.plate;
    caso.fluido = grade.fluid;
    caso.itemFluido = grade.fluidText;
    caso.tomada = grade.tap;
    caso.tag = grade.tag;
    for (int n = 2; n <= UltimoCampo; ++n) {
        const GridField &field = grade.fields[n];
        if (!TemLinha(n) || !field.applicable)
            continue;
        caso.campos.push_back({n, TemCaixaValor(n) ? field.text : QString(),
                               TemListaUnidades(n) ? field.unitPosition : 0});
    }
    return caso;
}

std::optional<int> EscolhaMassaDensidade(const Caso &caso)
{
    std::optional<int> escolha;
    for (const RegistroCampo &registro : caso.campos) {
        if (registro.campo >= DensityFields.front() && registro.campo <= DensityFields.back()
            && registro.unidade && (*registro.unidade == 0 || *registro.unidade == 1))
            escolha = *registro.unidade;
    }
    return escolha;
}

} // namespace calculation
