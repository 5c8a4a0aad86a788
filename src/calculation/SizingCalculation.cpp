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
    std::array<double, 31> Dados{};
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

    void AddRel(const QString &linha) { host.addReportItem(ReportItem(linha)); }

    void LinhaResultado(const QString &rotulo, double valor, const QString &unidade = {})
    {
        host.addReportItem(ReportItem(rotulo, FormatDouble(valor), unidade));
    }

    // Reads field Campo: writes its line, and for an empty field shows the message and puts
    // the focus there. Returns the field's text.
    QString SubDisplay()
    {
        const SnapshotField &campo = snapshot.fields[r.Campo];
        const QString texto = campo.text;
        if (texto.isEmpty()) {
            platform::MsgBox(QStringLiteral("O campo '")
                                 + FieldLabel(r.Campo, snapshot.relativeDensity)
                                 + QStringLiteral("' não foi preenchido"),
                             platform::vbExclamation,
                             QStringLiteral("Todos os campos devem ser preenchidos"));
            host.focusField(r.Campo);
        }
        QString unidade;
        if (campo.hasUnitList && campo.unitPosition >= 0 && campo.unitCode >= 0
            && campo.unitCode <= 30)
            unidade = NomeUnidade[campo.unitCode];
        // A relative density is printed under the label the user saw, without a unit.
        if (snapshot.relativeDensity && r.Campo >= 17 && r.Campo <= 19)
            unidade.clear();
        host.addReportItem(
            ReportItem(FieldLabel(r.Campo, snapshot.relativeDensity), texto, unidade));
        return texto;
    }

    // --- early ends ---

    [[noreturn]] void Fail(const QString &texto)
    {
        platform::MsgBox(texto, platform::vbExclamation, InterruptedTitle);
        throw EndOfRun{};
    }

    QString QuotedLabel(int campo) const
    {
        return QStringLiteral("'") + FieldLabel(campo, snapshot.relativeDensity)
               + QStringLiteral("'");
    }

    // value is a divisor taken from field campo.
    void MustNotBeZero(double valor, int campo)
    {
        if (valor == 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(campo)
                 + QStringLiteral(" não pode ser zero."));
    }

    // value goes under a square root and comes from field campo.
    void MustNotBeNegative(double valor, int campo)
    {
        if (valor < 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(campo)
                 + QStringLiteral(" não pode ser negativo."));
    }

    // A temperature of field campo in ºC that divides: it must not be absolute zero.
    void MustNotBeAbsoluteZero(double celsius, int campo)
    {
        if (celsius + 273.15 == 0)
            Fail(QStringLiteral("O campo ") + QuotedLabel(campo)
                 + QStringLiteral(" não pode ser -273,15 ºC (zero absoluto)."));
    }

    // --- local subroutines of the reading ---

    void LerEscala() { r.Escala = snapshot.fields[r.Campo].unitPosition + 1; }

    void LerEscala(int campo)
    {
        r.Campo = campo;
        LerEscala();
    }

    void LerCampo()
    {
        const QString texto = SubDisplay();
        if (texto.isEmpty())
            throw EndOfRun{};
        const std::optional<double> valor = platform::ParseNumber(texto);
        if (!valor)
            Fail(QStringLiteral("O campo ") + QuotedLabel(r.Campo)
                 + QStringLiteral(" não contém um número: \"") + texto + QStringLiteral("\""));
        Dados[r.Campo] = *valor;
    }

    void LerCampo(int campo)
    {
        r.Campo = campo;
        LerCampo();
    }

    void LerMaterial()
    {
        LerEscala(29);
        if (r.Escala == 1) {
            FatorMaterial = 1 + 3.4E-05 * (Dados[9] - 20);
            const QString texto = FormatDouble(FatorMaterial);
            host.writeField(29, texto);
            snapshot.fields[29].text = texto;
            LerCampo();
        } else {
            LerCampo();
            FatorMaterial = Dados[29];
        }
    }

    void ConverteUnidades()
    {
        if (EscalaDP == 1)
            Dados[5] = Dados[5] * 98.0665 / 10;
        else if (EscalaDP == 2)
            Dados[5] = Dados[5] * 9.79763;
        if (snapshot.fields[10].unitPosition != 0) {
            Dados[10] = Dados[10] * 98.0665;
            Dados[12] = Dados[12] * 98.0665;
            Dados[14] = Dados[14] * 98.0665;
        }
        if (snapshot.fields[20].unitPosition == 1)
            Dados[20] = Dados[20] * 1000;
        if (snapshot.relativeDensity) {
            Dados[17] = Dados[17] * 999.08;
            Dados[18] = Dados[18] * 999.08;
        } else {
            Dados[19] = Dados[19] / 1.29307;
        }
    }

    // --- stage 0: head of the data sheet ---

    void WriteHead()
    {
        host.clearReport();
        r.Campo = 0;
        r.Escala = 0;
        const QString placa = snapshot.Placa >= 0 && snapshot.Placa < int(NomePlaca.size())
                                  ? NomePlaca[snapshot.Placa]
                                  : QString();
        AddRel(QString());
        AddRel(TitleLine(QStringLiteral(" Dados para cálculo - ") + placa
                         + QStringLiteral(" ")));
        AddRel(QString());
        AddRel(LinhaRelatorio(QStringLiteral("Fluido utilizado"), snapshot.fluidText, {}));
        AddRel(LinhaRelatorio(QStringLiteral("Tipo de tomada"), snapshot.tapText, {}));
        AddRel(LinhaRelatorio(QStringLiteral("Tag"), snapshot.tag, {}));
    }

    // --- stage 1: reading ---

    void ReadFlow()
    {
        LerEscala(2);
        if (!IsSteam()) {
            if (r.Escala == 1) {
                TipoVazao = 1;
                LerCampo();
            } else if (r.Escala == 2) {
                LerCampo();
                TipoVazao = 2;
            } else if (r.Escala == 3) {
                LerCampo();
                Dados[2] = Dados[2] * 1000;
                TipoVazao = 2;
            }
        } else {
            if (r.Escala == 1) {
                LerCampo();
            } else if (r.Escala == 2) {
                LerCampo();
                Dados[2] = Dados[2] * 1000;
            }
            TipoVazao = 2;
        }
    }

    void ReadFields()
    {
        ReadFlow();
        LerCampo(4);
        LerEscala(5);
        LerCampo();
        EscalaDP = r.Escala - 1;
        if (TipoVazao != 2)
            LerCampo(8);
        LerCampo(9);
        if (IsLiquid()) {
            if (TipoVazao != 2)
                LerCampo(17);
            LerCampo(18);
        } else {
            LerEscala(12);
            if (IsGas() && TipoVazao != 2) {
                // The reading pressure is one standard atmosphere in field 12's unit.
                if (r.Escala == 1)
                    Dados[10] = 101.325;
                else if (r.Escala == 2)
                    Dados[10] = 1.03323;
            }
            LerCampo();
            if (IsSteam())
                LerCampo(18);
            if (IsGas()) {
                LerCampo(16);
                if (Dados[16] != 0)
                    LerCampo(14);
                LerCampo(19);
                if (TipoVazao != 2)
                    LerCampo(25);
                LerCampo(26);
            }
        }
        LerEscala(20);
        LerCampo();
        if (IsLiquid()) {
            LerCampo(28);
            ConverteUnidades();
            LerMaterial();
        } else {
            LerCampo(27);
            LerCampo(28);
            LerMaterial();
            ConverteUnidades();
        }
        DiamTubo = Dados[4];
        r.DiamTubo = DiamTubo;
    }

    // --- stage 2: density, flow and sizing factor ---

    void SizingFactor()
    {
        const double D = DiamTubo;
        const double Fa = FatorMaterial;
        const double dp = Dados[5];
        MustNotBeZero(D, 4);
        MustNotBeNegative(D, 4);
        MustNotBeZero(dp, 5);
        MustNotBeNegative(dp, 5);
        MustNotBeZero(Fa, 29);
        double &rho = r.DensidadeProjeto;
        double &Q = r.VazaoProjeto;
        double &S = r.CoeficienteCarga;

        if (IsLiquid()) {
            const bool volumetrica = snapshot.fields[2].unitCode >= 0
                                     && snapshot.fields[2].unitCode <= 30
                                     && NomeUnidade[snapshot.fields[2].unitCode]
                                            == NomeUnidade[1];
            VazaoMassica = volumetrica ? Dados[2] * Dados[17] : Dados[2];
            rho = Dados[18];
            MustNotBeZero(rho, 18);
            MustNotBeNegative(rho, 18);
            S = VazaoMassica
                / (0.0039986 * D * D * Fa * std::sqrt(dp) * std::sqrt(rho));
            Q = VazaoMassica / rho;
        } else {
            if (IsGas()) {
                PressaoVapor = Dados[14] * Dados[16] / 100;
                const double pv = PressaoVapor;
                MustNotBeZero(Dados[19], 19);
                MustNotBeZero(Dados[26], 26);
                MustNotBeAbsoluteZero(Dados[9], 9);
                rho = ((Dados[12] - pv) + 0.622 * pv / Dados[19]) * Dados[19] * 3.4837
                      / (Dados[26] * (Dados[9] + 273.15));
                if (!(rho > 0))
                    Fail(QStringLiteral("A massa específica de projeto calculada (")
                         + FormatDouble(rho)
                         + QStringLiteral(") tem que ser maior que zero.\n\nVerifique os campos ")
                         + QuotedLabel(12) + QStringLiteral(", ") + QuotedLabel(19)
                         + QStringLiteral(", ") + QuotedLabel(26) + QStringLiteral(" e ")
                         + QuotedLabel(9) + QStringLiteral("."));
            } else {
                rho = Dados[18];
                MustNotBeZero(rho, 18);
                MustNotBeNegative(rho, 18);
            }
            if (TipoVazao == 2) {
                Q = Dados[2] / rho;
            } else {
                GasVolumetricFlow();
            }
            S = Q * std::sqrt(rho) / (0.0039986 * D * D * Fa * std::sqrt(dp));
        }

        r.Velocidade = 353.67 * Dados[28] * Q / (D * D);
        MustNotBeZero(Dados[20], 20);
        r.Reynolds = rho * D * r.Velocidade / Dados[20];

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
        MustNotBeZero(Dados[25], 25);
        MustNotBeNegative(Dados[26], 26);
        MustNotBeZero(Dados[12], 12);
        r.Fs = Dados[25] / std::sqrt(Dados[26]);
        const double y = pv / Dados[12];
        const double umidade = 1 + y * (0.622 / Dados[19] - 1);
        if (!(umidade > 0))
            Fail(QStringLiteral("O fator de umidade 'Fu' não pode ser calculado.\n\n"
                                 "Verifique os campos ")
                 + QuotedLabel(16) + QStringLiteral(", ") + QuotedLabel(14) + QStringLiteral(" e ")
                 + QuotedLabel(12) + QStringLiteral("."));
        r.Fu = (1 - y) / std::sqrt(umidade);
        MustNotBeAbsoluteZero(Dados[8], 8);
        if (Dados[12] - pv == 0)
            Fail(QStringLiteral("A pressão absoluta de projeto é igual à pressão parcial do "
                                 "vapor.\n\nVerifique os campos ")
                 + QuotedLabel(12) + QStringLiteral(", ") + QuotedLabel(16) + QStringLiteral(" e ")
                 + QuotedLabel(14) + QStringLiteral("."));
        r.VazaoProjeto = Dados[2] * Dados[10] * (Dados[9] + 273.15) * Dados[26]
                         / (Dados[25] * (Dados[8] + 273.15) * (Dados[12] - pv));
    }

    // --- stages 3 and 4: coefficient and diameter-ratio iteration ---

    void TapCoefficient(double Beta)
    {
        Coefficient c;
        bool conhecida = true;
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
            conhecida = false;
            break;
        }
        if (!conhecida)
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
        const double p1 = Dados[12];
        const double dp = Dados[5];
        const double R = Dados[28];
        const double k = Dados[27];
        MustNotBeZero(p1, 12);
        const double RelacaoMax = (p1 - dp / 1000) / p1;
        const double RelacaoUsual = (p1 - R * R * dp / 1000) / p1;
        if (!(RelacaoMax > 0.75)) {
            platform::MsgBox(NomeCampo[12] + QStringLiteral(" / ") + NomeCampo[5]
                                 + QStringLiteral(" = ") + FormatDouble(RelacaoMax)
                                 + QStringLiteral("\n\nO resultado tem que ser maior que "
                                                  "'0,75'"),
                             platform::vbExclamation,
                             QStringLiteral("Valor fora dos limites"));
            throw EndOfRun{};
        }
        MustNotBeZero(k, 27);
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
                 + QuotedLabel(5) + QStringLiteral(", ") + QuotedLabel(12) + QStringLiteral(", ")
                 + QuotedLabel(27) + QStringLiteral(" e ") + QuotedLabel(28) + QStringLiteral("."));
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
                 + QuotedLabel(2) + QStringLiteral(", ") + QuotedLabel(20) + QStringLiteral(" e ")
                 + QuotedLabel(28) + QStringLiteral("."));

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
            LinhaResultado(NomeCampo[18], r.DensidadeProjeto, NomeUnidade[17]);
        LinhaResultado(NomeCampo[2], r.VazaoProjeto, NomeUnidade[1]);
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
                       NomeUnidade[4]);
        const double S = r.CoeficienteCarga;
        const double perda = double(snapshot.FatorDP) * Dados[5] * (1 - S) / (1 + S);
        const int codigoDP = EscalaDP + 5;
        LinhaResultado(QStringLiteral("Perda de carga permanente"), Arredonda(perda, 1),
                       codigoDP >= 0 && codigoDP <= 30 ? NomeUnidade[codigoDP] : QString());
        LinhaResultado(QStringLiteral("N.º de reynolds") + QStringLiteral(" limite inf."),
                       Arredonda(r.ReynoldsMin, 1));
    }

    // --- stage 7: fabrication drawing ---

    void FabricationDrawing()
    {
        if (!snapshot.drawing)
            return;
        for (;;) {
            const int resposta = platform::MsgBox(
                QStringLiteral("Deseja entrar com os dados para o desenho de fabricação agora?"),
                platform::vbYesNo | platform::vbInformation,
                QStringLiteral("Desenho de fabricação"));
            if (resposta != platform::vbYes || !(IsLiquid() && TipoVazao == 1))
                return;
        }
    }

    // --- stage 8: closing and showing ---

    void Closing()
    {
        AddRel(QString());
        AddRel(QString(LineWidth, QLatin1Char('=')));
        AddRel(QString());
        const QString margem(45, QLatin1Char(' '));
        AddRel(margem + platform::AppTitle);
        AddRel(margem + QStringLiteral("Todos os direitos reservados"));
        AddRel(margem + platform::AppMaker);
        AddRel(QString());
        host.showReport(snapshot.Data, snapshot.OS, snapshot.Cliente,
                        QStringLiteral("Relatório de Cálculo - ") + snapshot.caption);
    }
};

} // namespace

QString FieldLabel(int campo, bool densidadeRelativa)
{
    if (campo < 0 || campo >= int(NomeCampo.size()))
        return {};
    if (densidadeRelativa && campo >= 17 && campo <= 19)
        return NomeCampo[campo + 5];
    return NomeCampo[campo];
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
