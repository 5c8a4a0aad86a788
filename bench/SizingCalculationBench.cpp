// One full sizing calculation (head, reading, conversion, iteration, results, closing lines)
// per fluid class and tap type, with a host that keeps the report lines as a window would.
#include "calculation/SampleCases.h"

#include <benchmark/benchmark.h>

namespace {

class ListHost final : public calculation::CalculationHost
{
public:
    QStringList items;
    void focusField(int) override {}
    void writeField(int, const QString &) override {}
    void clearReport() override { items.clear(); }
    void addReportItem(const QString &item) override { items.append(item); }
    void showReport(const QString &, const QString &, const QString &,
                    const QString &) override
    {
    }
};

void OneCalculation(benchmark::State &state)
{
    calculation::IniciaTabelas();
    const int fluido = int(state.range(0));
    const int tomada = int(state.range(1));
    const calculation::CaseSnapshot modelo = fluido == calculation::Liquid ? samples::Liquid(tomada)
                                            : fluido == calculation::Gas   ? samples::Gas(tomada)
                                                                           : samples::Steam(tomada);
    ListHost host;
    int completos = 0;
    for (auto _ : state) {
        calculation::CaseSnapshot caso = modelo;
        const calculation::CalculationResult r = calculation::cmdCalcular_Click(caso, host);
        completos += r.complete;
        benchmark::DoNotOptimize(r.Beta);
    }
    if (completos != state.iterations())
        state.SkipWithError("a calculation did not complete");
    state.SetLabel(calculation::NomeFluido[fluido + 1].toStdString() + " / "
                   + calculation::NomeTomada[tomada].toStdString());
}

BENCHMARK(OneCalculation)
    ->ArgsProduct({{calculation::Liquid, calculation::Gas, calculation::Steam},
                   {calculation::FlangeTaps, calculation::RadiusTaps, calculation::VenaContracta,
                    calculation::CornerTaps}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
