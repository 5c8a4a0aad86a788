#include "SizingCalculation.h"

#include "LinhaRelatorio.h"
#include "modCalculo.h"
#include "platform/AppInfo.h"
#include "platform/Interaction.h"
#include "platform/Numbers.h"

#include <cmath>

namespace calculation {

namespace {

using platform::FormatDouble;

const QString InterruptedTitle = QStringLiteral("Cálculo interrompido");

// Thrown to end a run early, after its message (if any) was shown.
struct EndOfRun {
};

double AtLeastZero(double x)
{
    return x >= 0 ? x : 0;
}

// One run of the calculation: the locals of cmdCalcular_Click and its local subroutines.
class Run
{
public:
    Run(CaseSnapshot &snapshot, CalculationHost &host) : snapshot(snapshot), host(host) {}

    void Execute()
    {
        WriteHead();
        ReadFields();
        SizingFactor();
        IterateBeta();
        ComputedQuantities();
        Results();
        FabricationDrawing();
        Closing();
        r.complete = true;
    }

    CalculationResult r;

private:
    CaseSnapshot &snapshot;
    CalculationHost &host;
    std::array<double, FieldCount> Dados{};
    int TipoVazao = 0;
    int EscalaDP = 0;
    double FatorMaterial = 0;
    double PressaoVapor = 0;
    double VazaoMassica = 0;
    double DiamTubo = 0;
    double CoefCalculado = 0;

    bool IsLiquid() const { return snapshot.Fluido == calculation::Liquid; }
    bool IsGas() const { return snapshot.Fluido == calculation::Gas; }
    bool IsSteam() const { return snapshot.Fluido == calculation::Steam; }

    // --- report lines ---

    void AddRel(const QString &line) { host.addReportItem(ReportItem(line)); }

    void LinhaResultado(const QString &label, double value, const QString &unit = {})
    {
        host.addReportItem(ReportItem(label, FormatDouble(value), unit));
    }

    // Reads field Campo: writes its line, and for an empty field shows the message and puts
    // the focus there. Returns the field's text.
    QString SubDisplay()
    {
        const SnapshotField &field = snapshot.fields[r.Campo];
        const QString text = field.text;
        if (text.isEmpty()) {
            platform::MsgBox(QStringLiteral("O campo '")
                                 + FieldLabel(r.Campo, snapshot.relativeDensity)
                                 + QStringLiteral("' não foi preenchido"),
                             platform::vbExclamation,
                             QStringLiteral("Todos os campos devem ser preenchidos"));
            host.focusField(r.Campo);
        }
        QString unit;
        if (field.hasUnitList && field.unitPosition >= 0 && field.unitCode >= 0
            && field.unitCode <= LastUnitCode)
            unit = NomeUnidade[field.unitCode];
        // A relative density is printed under the label the user saw, without a unit.
        if (snapshot.relativeDensity && r.Campo >= ReadingDensityField
            && r.Campo <= ReferenceDensityField)
            unit.clear();
        host.addReportItem(
            ReportItem(FieldLabel(r.Campo, snapshot.relativeDensity), text, unit));
        return text;
    }

    // --- early ends ---

    [[noreturn]] void Fail(const QString &text)
    {
        platform::MsgBox(text, platform::vbExclamation, InterruptedTitle);
        throw EndOfRun{};
    }

    QString QuotedLabel(int field) const
    {
        return QStringLiteral("'") + FieldLabel(field, snapshot.relativeDensity)
               + QStringLiteral("'");
    }

    // The quoted labels of fields as a message lists them: 'A', 'B' e 'C'.
    QString QuotedLabels(std::initializer_list<int> fields) const
    {
        QString list;
        const int last = int(fields.size()) - 1;
        int i = 0;
        for (const int field : fields) {
            if (i > 0)
                list += i == last ? QStringLiteral(" e ") : QStringLiteral(", ");
            list += QuotedLabel(field);
            ++i;
        }
        return list;
    }

    // value is a divisor taken from that field.
    void MustNotBeZero(double value, int field)
    {
        if (value == 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(field)
                 + QStringLiteral(" não pode ser zero."));
    }

    // value goes under a square root and comes from that field.
    void MustNotBeNegative(double value, int field)
    {
        if (value < 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(field)
                 + QStringLiteral(" não pode ser negativo."));
    }

    // A temperature of that field in ºC that divides: it must not be absolute zero.
    void MustNotBeAbsoluteZero(double celsius, int field)
    {
        if (celsius + 273.15 == 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(field)
                 + QStringLiteral(" não pode ser -273,15 ºC (zero absoluto)."));
    }

    // --- local subroutines of the reading ---

    void LerEscala() { r.Escala = snapshot.fields[r.Campo].unitPosition + 1; }

    void LerEscala(int field)
    {
        r.Campo = field;
        LerEscala();
    }

    void LerCampo()
    {
        const QString text = SubDisplay();
        if (text.isEmpty())
            throw EndOfRun{};
        const std::optional<double> value = platform::ParseNumber(text);
        if (!value)
            Fail(QStringLiteral("O campo ") + QuotedLabel(r.Campo)
                 + QStringLiteral(" não contém um número: \"") + text + QStringLiteral("\""));
        Dados[r.Campo] = *value;
    }

    void LerCampo(int field)
    {
        r.Campo = field;
        LerCampo();
    }

    void LerMaterial()
    {
        LerEscala(MaterialField);
        if (r.Escala == 1) {
            FatorMaterial = 1 + 3.4E-05 * (Dados[DesignTemperatureField] - 20);
            const QString text = FormatDouble(FatorMaterial);
            host.writeField(MaterialField, text);
            snapshot.fields[MaterialField].text = text;
            LerCampo();
        } else {
            LerCampo();
            FatorMaterial = Dados[MaterialField];
        }
    }

    void ConverteUnidades()
    {
        if (EscalaDP == 1)
            Dados[DifferentialPressureField] = Dados[DifferentialPressureField] * 98.0665 / 10;
        else if (EscalaDP == 2)
            Dados[DifferentialPressureField] = Dados[DifferentialPressureField] * 9.79763;
        if (snapshot.fields[ReadingPressureField].unitPosition != 0) {
            Dados[ReadingPressureField] = Dados[ReadingPressureField] * 98.0665;
            Dados[DesignPressureField] = Dados[DesignPressureField] * 98.0665;
            Dados[SaturationPressureField] = Dados[SaturationPressureField] * 98.0665;
        }
        if (snapshot.fields[ViscosityField].unitPosition == 1)
            Dados[ViscosityField] = Dados[ViscosityField] * 1000;
        if (snapshot.relativeDensity) {
            Dados[ReadingDensityField] = Dados[ReadingDensityField] * 999.08;
            Dados[DesignDensityField] = Dados[DesignDensityField] * 999.08;
        } else {
            Dados[ReferenceDensityField] = Dados[ReferenceDensityField] / 1.29307;
        }
    }

    // --- stage 0: head of the data sheet ---

    void WriteHead()
    {
        host.clearReport();
        r.Campo = 0;
        r.Escala = 0;
        const QString plate = snapshot.Placa >= 0 && snapshot.Placa < int(NomePlaca.size())
                                  ? NomePlaca[snapshot.Placa]
                                  : QString();
        AddRel(QString());
        AddRel(TitleLine(QStringLiteral(" Dados para cálculo - ") + plate
                         + QStringLiteral(" ")));
        AddRel(QString());
        AddRel(LinhaRelatorio(QStringLiteral("Fluido utilizado"), snapshot.fluidText, {}));
        AddRel(LinhaRelatorio(QStringLiteral("Tipo de tomada"), snapshot.tapText, {}));
        AddRel(LinhaRelatorio(QStringLiteral("Tag"), snapshot.tag, {}));
    }

    // --- stage 1: reading ---

    void ReadFlow()
    {
        LerEscala(FlowField);
        if (!IsSteam()) {
            if (r.Escala == 1) {
                TipoVazao = 1;
                LerCampo();
            } else if (r.Escala == 2) {
                LerCampo();
                TipoVazao = 2;
            } else if (r.Escala == 3) {
                LerCampo();
                Dados[FlowField] = Dados[FlowField] * 1000;
                TipoVazao = 2;
            }
        } else {
            if (r.Escala == 1) {
                LerCampo();
            } else if (r.Escala == 2) {
                LerCampo();
                Dados[FlowField] = Dados[FlowField] * 1000;
            }
            TipoVazao = 2;
        }
    }

    void ReadFields()
    {
        ReadFlow();
        LerCampo(PipeDiameterField);
        LerEscala(DifferentialPressureField);
        LerCampo();
        EscalaDP = r.Escala - 1;
        if (TipoVazao != 2)
            LerCampo(ReadingTemperatureField);
        LerCampo(DesignTemperatureField);
        if (IsLiquid()) {
            if (TipoVazao != 2)
                LerCampo(ReadingDensityField);
            LerCampo(DesignDensityField);
        } else {
            LerEscala(DesignPressureField);
            if (IsGas() && TipoVazao != 2) {
                // The reading pressure is one standard atmosphere in field 12's unit.
                if (r.Escala == 1)
                    Dados[ReadingPressureField] = 101.325;
                else if (r.Escala == 2)
                    Dados[ReadingPressureField] = 1.03323;
            }
            LerCampo();
            if (IsSteam())
                LerCampo(DesignDensityField);
            if (IsGas()) {
                LerCampo(HumidityField);
                if (Dados[HumidityField] != 0)
                    LerCampo(SaturationPressureField);
                LerCampo(ReferenceDensityField);
                if (TipoVazao != 2)
                    LerCampo(ReadingFactorField);
                LerCampo(DesignFactorField);
            }
        }
        LerEscala(ViscosityField);
        LerCampo();
        if (IsLiquid()) {
            LerCampo(FlowRatioField);
            ConverteUnidades();
            LerMaterial();
        } else {
            LerCampo(HeatRatioField);
            LerCampo(FlowRatioField);
            LerMaterial();
            ConverteUnidades();
        }
        DiamTubo = Dados[PipeDiameterField];
        r.DiamTubo = DiamTubo;
    }

    // --- stage 2: density, flow and sizing factor ---

    void SizingFactor()
    {
        const double D = DiamTubo;
        const double Fa = FatorMaterial;
        const double dp = Dados[DifferentialPressureField];
        MustNotBeZero(D, PipeDiameterField);
        MustNotBeNegative(D, PipeDiameterField);
        MustNotBeZero(dp, DifferentialPressureField);
        MustNotBeNegative(dp, DifferentialPressureField);
        MustNotBeZero(Fa, MaterialField);
        double &rho = r.DensidadeProjeto;
        double &Q = r.VazaoProjeto;
        double &S = r.CoeficienteCarga;

        if (IsLiquid()) {
            const int flowUnit = snapshot.fields[FlowField].unitCode;
            const bool volumetric = flowUnit >= 0 && flowUnit <= LastUnitCode
                                     && NomeUnidade[flowUnit] == NomeUnidade[UnitM3h];
            VazaoMassica = volumetric ? Dados[FlowField] * Dados[ReadingDensityField]
                                       : Dados[FlowField];
            rho = Dados[DesignDensityField];
            MustNotBeZero(rho, DesignDensityField);
            MustNotBeNegative(rho, DesignDensityField);
            S = VazaoMassica
                / (0.0039986 * D * D * Fa * std::sqrt(dp) * std::sqrt(rho));
            Q = VazaoMassica / rho;
        } else {
            if (IsGas()) {
                PressaoVapor = Dados[SaturationPressureField] * Dados[HumidityField] / 100;
                const double pv = PressaoVapor;
                MustNotBeZero(Dados[ReferenceDensityField], ReferenceDensityField);
                MustNotBeZero(Dados[DesignFactorField], DesignFactorField);
                MustNotBeAbsoluteZero(Dados[DesignTemperatureField], DesignTemperatureField);
                const double p = Dados[DesignPressureField];
                const double d = Dados[ReferenceDensityField];
                const double z = Dados[DesignFactorField];
                const double t = Dados[DesignTemperatureField];
                rho = ((p - pv) + 0.622 * pv / d) * d * 3.4837 / (z * (t + 273.15));
                if (!(rho > 0))
                    Fail(QStringLiteral("A massa específica de projeto calculada (")
                         + FormatDouble(rho)
                         + QStringLiteral(") tem que ser maior que zero.\n\nVerifique os campos ")
                         + QuotedLabels({DesignPressureField, ReferenceDensityField,
                                         DesignFactorField, DesignTemperatureField})
                         + QStringLiteral("."));
            } else {
                rho = Dados[DesignDensityField];
                MustNotBeZero(rho, DesignDensityField);
                MustNotBeNegative(rho, DesignDensityField);
            }
            if (TipoVazao == 2) {
                Q = Dados[FlowField] / rho;
            } else {
                GasVolumetricFlow();
            }
            S = Q * std::sqrt(rho) / (0.0039986 * D * D * Fa * std::sqrt(dp));
        }

        r.Velocidade = 353.67 * Dados[FlowRatioField] * Q / (D * D);
        MustNotBeZero(Dados[ViscosityField], ViscosityField);
        r.Reynolds = rho * D * r.Velocidade / Dados[ViscosityField];

        if (!(S > 0.006 && S < 0.5)) {
            platform::MsgBox(QStringLiteral("Valor de Coeficiente de 'Coeficiente de Carga' "
                                            "fora dos limites: (0,006 a 0,5)"),
                             platform::vbExclamation,
                             QStringLiteral("Coeficiente de Carga = ") + FormatDouble(S));
            r.Escala = platform::MsgBox(QStringLiteral("Deseja alterar o dados para cálculo?"),
                                        platform::vbYesNo | platform::vbQuestion);
            if (r.Escala == platform::vbYes)
                throw EndOfRun{};
        }
    }

    // Gas measured in M³/h: flow at design conditions from the reading conditions.
    void GasVolumetricFlow()
    {
        const double pv = PressaoVapor;
        MustNotBeZero(Dados[ReadingFactorField], ReadingFactorField);
        MustNotBeNegative(Dados[DesignFactorField], DesignFactorField);
        MustNotBeZero(Dados[DesignPressureField], DesignPressureField);
        r.Fs = Dados[ReadingFactorField] / std::sqrt(Dados[DesignFactorField]);
        const double y = pv / Dados[DesignPressureField];
        const double humidity = 1 + y * (0.622 / Dados[ReferenceDensityField] - 1);
        if (!(humidity > 0))
            Fail(QStringLiteral("O fator de umidade 'Fu' não pode ser calculado.\n\n"
                                 "Verifique os campos ")
                 + QuotedLabels({HumidityField, SaturationPressureField, DesignPressureField})
                 + QStringLiteral("."));
        r.Fu = (1 - y) / std::sqrt(humidity);
        MustNotBeAbsoluteZero(Dados[ReadingTemperatureField], ReadingTemperatureField);
        if (Dados[DesignPressureField] - pv == 0)
            Fail(QStringLiteral("A pressão absoluta de projeto é igual à pressão parcial do "
                                 "vapor.\n\nVerifique os campos ")
                 + QuotedLabels({DesignPressureField, HumidityField, SaturationPressureField})
                 + QStringLiteral("."));
        const double q = Dados[FlowField];
        const double p0 = Dados[ReadingPressureField];
        const double t = Dados[DesignTemperatureField];
        const double t0 = Dados[ReadingTemperatureField];
        const double z = Dados[DesignFactorField];
        const double z0 = Dados[ReadingFactorField];
        const double p = Dados[DesignPressureField];
        r.VazaoProjeto = q * p0 * (t + 273.15) * z / (z0 * (t0 + 273.15) * (p - pv));
    }

    // --- stages 3 and 4: coefficient and diameter-ratio iteration ---

    void TapCoefficient(double Beta)
    {
        Coefficient c;
        bool known = true;
        switch (snapshot.Tomada) {
        case FlangeTaps:
            c = CoefFlange(Beta, DiamTubo, r.Reynolds);
            break;
        case RadiusTaps:
            c = CoefRadius(Beta, DiamTubo, r.Reynolds);
            break;
        case VenaContracta:
            c = CoefVena(Beta, DiamTubo, r.Reynolds);
            break;
        case CornerTaps:
            if (Beta >= 1)
                Fail(QStringLiteral("Beta = ") + FormatDouble(Beta)
                     + QStringLiteral(": com ") + NomeTomada[CornerTaps]
                     + QStringLiteral(" Beta tem que ser menor que 1.\n\n"
                                       "O quirasol não pode ser dimensionado com estes dados."));
            c = CoefCorner(Beta, DiamTubo, r.Reynolds);
            break;
        default:
            known = false;
            break;
        }
        if (!known)
            return; // no equation: the coefficient stays as it was
        if (!std::isfinite(c.CoefCalculado))
            Fail(QStringLiteral("O cálculo de Beta não converge (Beta = ") + FormatDouble(Beta)
                 + QStringLiteral(").\n\nO quirasol não pode ser dimensionado com estes "
                                   "dados."));
        CoefCalculado = c.CoefCalculado;
        r.ReynoldsMin = c.ReynoldsMin;
    }

    void Expansibility(double Beta)
    {
        const double p1 = Dados[DesignPressureField];
        const double dp = Dados[DifferentialPressureField];
        const double R = Dados[FlowRatioField];
        const double k = Dados[HeatRatioField];
        MustNotBeZero(p1, DesignPressureField);
        const double RelacaoMax = (p1 - dp / 1000) / p1;
        const double RelacaoUsual = (p1 - R * R * dp / 1000) / p1;
        if (!(RelacaoMax > 0.75)) {
            platform::MsgBox(NomeCampo[DesignPressureField] + QStringLiteral(" / ")
                                 + NomeCampo[DifferentialPressureField]
                                 + QStringLiteral(" = ") + FormatDouble(RelacaoMax)
                                 + QStringLiteral("\n\nO resultado tem que ser maior que "
                                                  "'0,75'"),
                             platform::vbExclamation,
                             QStringLiteral("Valor fora dos limites"));
            throw EndOfRun{};
        }
        MustNotBeZero(k, HeatRatioField);
        const double b4 = std::pow(Beta, 4);
        if (snapshot.Tomada == CornerTaps)
            r.Epsilo = 1 - (0.3707 + 0.3184 * b4)
                               * std::pow(1 - std::pow(RelacaoUsual, 1 / k), 0.935);
        else
            r.Epsilo = 1 - (0.41 + 0.35 * b4) * (1 - RelacaoUsual) / k;
        if (!(r.Epsilo > 0) || !std::isfinite(r.Epsilo))
            Fail((std::isfinite(r.Epsilo)
                      ? QStringLiteral("Epsilo = ") + FormatDouble(r.Epsilo)
                             + QStringLiteral(": o fator de expansão tem que ser maior que zero.")
                      : QStringLiteral("O fator de expansão 'Epsilo' não pode ser calculado."))
                 + QStringLiteral("\n\nVerifique os campos ")
                 + QuotedLabels({DifferentialPressureField, DesignPressureField, HeatRatioField,
                                 FlowRatioField})
                 + QStringLiteral("."));
        r.CoefAlvo = r.CoeficienteCarga / r.Epsilo;
    }

    void IterateBeta()
    {
        const double S = r.CoeficienteCarga;
        if (!std::isfinite(S) || !std::isfinite(r.Reynolds))
            Fail(QStringLiteral("O Coeficiente de Carga ou o N.º de reynolds não pode ser "
                                 "calculado: verifique a ordem de grandeza dos dados."));
        if (!(S > 0))
            Fail(QStringLiteral("Coeficiente de Carga = ") + FormatDouble(S)
                 + QStringLiteral(": tem que ser maior que zero para o cálculo de Beta."));
        if (!(r.Reynolds > 0))
            Fail(QStringLiteral("N.º de reynolds usual = ") + FormatDouble(r.Reynolds)
                 + QStringLiteral(": tem que ser maior que zero.\n\nVerifique os campos ")
                 + QuotedLabels({FlowField, ViscosityField, FlowRatioField})
                 + QStringLiteral("."));

        r.CoefAlvo = S;
        const double x = r.CoefAlvo / 0.61;
        double beta0 = std::pow(x * x / (1 + x * x), 0.25);
        TapCoefficient(beta0);
        double f0 = CoefCalculado - r.CoefAlvo;
        double beta1 = 1.02 * beta0;
        TapCoefficient(beta1);
        double f1 = CoefCalculado - r.CoefAlvo;
        double beta2 = beta1;
        do {
            if (r.steps == MaxIterationSteps)
                Fail(QStringLiteral("O cálculo de Beta não convergiu em %1 passos.\n\n"
                                     "O quirasol não pode ser dimensionado com estes dados.")
                         .arg(MaxIterationSteps));
            ++r.steps;
            if (f1 == f0)
                Fail(QStringLiteral("O cálculo de Beta parou: dois passos seguidos deram o "
                                     "mesmo resultado (Beta = ")
                     + FormatDouble(beta1)
                     + QStringLiteral(").\n\nO quirasol não pode ser dimensionado com estes "
                                       "dados."));
            beta2 = (beta0 * f1 - beta1 * f0) / (f1 - f0);
            if (!std::isfinite(beta2))
                Fail(QStringLiteral("O cálculo de Beta não converge.\n\n"
                                     "O quirasol não pode ser dimensionado com estes dados."));
            if (!IsLiquid())
                Expansibility(beta2);
            TapCoefficient(beta2);
            f0 = f1;
            f1 = CoefCalculado - r.CoefAlvo;
            beta0 = beta1;
            beta1 = beta2;
        } while (!(std::fabs(f1) <= 1E-06));
        r.Beta = beta2;
    }

    // --- stage 5: computed quantities ---

    void ComputedQuantities()
    {
        AddRel(QString());
        AddRel(TitleLine(QStringLiteral(" Cálculos efetuados ")));
        AddRel(QString());
        if (IsGas())
            LinhaResultado(NomeCampo[DesignDensityField], r.DensidadeProjeto,
                           NomeUnidade[UnitKgm3]);
        LinhaResultado(NomeCampo[FlowField], r.VazaoProjeto, NomeUnidade[UnitM3h]);
        LinhaResultado(QStringLiteral("Velocidade usual"), r.Velocidade, QStringLiteral("M/s"));
        if (!IsLiquid()) {
            if (TipoVazao == 1) {
                LinhaResultado(QStringLiteral("Fs"), r.Fs);
                LinhaResultado(QStringLiteral("Fu"), r.Fu);
            }
            LinhaResultado(QStringLiteral("Coeficiente de Carga * Epsilo"),
                           r.CoeficienteCarga);
        } else {
            LinhaResultado(QStringLiteral("Coeficiente de Carga"), r.CoefAlvo);
        }
        LinhaResultado(QStringLiteral("N.º de reynolds") + QStringLiteral(" usual"),
                       r.Reynolds);
    }

    // --- stage 6: results ---

    void Results()
    {
        AddRel(QString());
        AddRel(TitleLine(QStringLiteral(" Resultado de processamento ")));
        AddRel(QString());
        if (!IsLiquid()) {
            LinhaResultado(QStringLiteral("Epsilo"), Arredonda(r.Epsilo, 4));
            LinhaResultado(QStringLiteral("Coeficiente de Carga"), Arredonda(r.CoefAlvo, 4));
        }
        LinhaResultado(QStringLiteral("Beta = d/D"), Arredonda(r.Beta, 4));
        LinhaResultado(QStringLiteral("Diâmetro do quirasol"), Arredonda(DiamTubo * r.Beta, 4),
                       NomeUnidade[UnitMm]);
        const double S = r.CoeficienteCarga;
        const double loss =
            double(snapshot.FatorDP) * Dados[DifferentialPressureField] * (1 - S) / (1 + S);
        const int unitDP = UnitPa + EscalaDP;
        LinhaResultado(QStringLiteral("Perda de carga permanente"), Arredonda(loss, 1),
                       unitDP >= 0 && unitDP <= LastUnitCode ? NomeUnidade[unitDP] : QString());
        LinhaResultado(QStringLiteral("N.º de reynolds") + QStringLiteral(" limite inf."),
                       Arredonda(r.ReynoldsMin, 1));
    }

    // --- stage 7: fabrication drawing ---

    void FabricationDrawing()
    {
        if (!snapshot.drawing)
            return;
        for (;;) {
            const int answer = platform::MsgBox(
                QStringLiteral("Deseja entrar com os dados para o desenho de fabricação agora?"),
                platform::vbYesNo | platform::vbInformation,
                QStringLiteral("Desenho de fabricação"));
            if (answer != platform::vbYes || !(IsLiquid() && TipoVazao == 1))
                return;
        }
    }

    // --- stage 8: closing and showing ---

    void Closing()
    {
        AddRel(QString());
        AddRel(QString(LineWidth, QLatin1Char('=')));
        AddRel(QString());
        const QString margin(45, QLatin1Char(' '));
        AddRel(margin + platform::AppTitle);
        AddRel(margin + QStringLiteral("Todos os direitos reservados"));
        AddRel(margin + platform::AppMaker);
        AddRel(QString());
        host.showReport(snapshot.Data, snapshot.OS, snapshot.Cliente,
                        QStringLiteral("Relatório de Cálculo - ") + snapshot.caption);
    }
};

} // namespace

QString FieldLabel(int field, bool relativeDensity)
{
    if (field < 0 || field > LastField)
        return {};
    if (relativeDensity && field >= ReadingDensityField && field <= ReferenceDensityField)
        return NomeCampo[field + RelativeDensityLabelOffset];
    return NomeCampo[field];
}

CalculationResult cmdCalcular_Click(CaseSnapshot &snapshot, CalculationHost &host)
{
    // The button is enabled only once plate, fluid and tap are chosen.
    if (snapshot.Fluido < Liquid || snapshot.Fluido > Steam)
        return {};
    Run run(snapshot, host);
    try {
        run.Execute();
    } catch (const EndOfRun &) {
        // Ended early: the lines written so far stay; the report window is left alone.
    }
    return run.r;
}

Coefficient CoefFlange(double Beta, double D, double Re)
{
    const double b = Beta;
    const double Ke = 0.5993 + 0.1778 / D + (0.364 + 0.383 / std::sqrt(D)) * std::pow(b, 4)
                      + 0.4 * std::pow(1.6 - 25.4 / D, 5)
                            * std::pow(AtLeastZero(0.07 + 12.7 / D - b), 2.5)
                      - (0.008999999 + 0.8636 / D) * std::pow(AtLeastZero(0.5 - b), 1.5)
                      + (41935 / (D * D) + 3) * std::pow(AtLeastZero(b - 0.7), 2.5);
    const double E = 0.03937 * b * D
                     * (830 - 5000 * b + 9000 * b * b - 4200 * std::pow(b, 3)
                        + 2671 / std::sqrt(D));
    const double K0 = Ke * (1e6 * b * D) / (1e6 * b * D + 381 * E);
    Coefficient c;
    c.CoefCalculado = K0 * (1 + b * E / Re) * b * b;
    c.ReynoldsMin = 1300 * b * b * D;
    if (c.ReynoldsMin < 5000)
        c.ReynoldsMin = 5000;
    return c;
}

Coefficient CoefRadius(double Beta, double D, double Re)
{
    const double b = Beta;
    const double D25 = std::pow(D, 0.25);
    const double K0 = 0.6014 - 0.030352 / D25
                      + (0.376 + 0.16292 / D25)
                            * (0.16129 / (D * D * b * b + 0.0635 * D) + std::pow(b, 4)
                               + 1.5 * std::pow(b, 16));
    const double B = (0.0002 + 0.02794 / D)
                     + (0.0038 + 0.01016 / D) * (b * b + (16.5 + 0.19685 * D) * std::pow(b, 16));
    Coefficient c;
    c.CoefCalculado = (K0 + B * std::sqrt(1e6 / Re)) * b * b;
    c.ReynoldsMin = 64000 * b * b;
    return c;
}

Coefficient CoefVena(double Beta, double D, double Re)
{
    const double b = Beta;
    const double K0 = 0.5922
                      + 0.4252 * (0.3871 / (D * D * b * b + 0.254 * D) + std::pow(b, 4)
                                  + 1.25 * std::pow(b, 16));
    const double B = 0.00025
                     + 0.002325 * (b + 1.75 * std::pow(b, 4) + 10 * std::pow(b, 12)
                                   + 0.0787402 * D * std::pow(b, 16));
    Coefficient c;
    c.CoefCalculado = (K0 + B * std::sqrt(1e6 / Re)) * b * b;
    c.ReynoldsMin = 6400 * b * b;
    return c;
}

Coefficient CoefCorner(double Beta, double D, double Re)
{
    (void)D;
    const double b = Beta;
    const double C = 0.5959 + 0.0312 * std::pow(b, 2.1) - 0.184 * std::pow(b, 8)
                     + 0.0029 * std::pow(b, 2.5) * std::pow(1e6 / Re, 0.75);
    Coefficient c;
    c.CoefCalculado = C * b * b / std::sqrt(1 - std::pow(b, 4));
    c.ReynoldsMin = 14000 * std::pow(b, 1.3);
    return c;
}

} // namespace calculation
