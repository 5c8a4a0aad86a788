#pragma once
// The sizing calculation of one case: what the "Calcular" button of a calculation window runs.
//
// The window takes a snapshot of its case (CaseSnapshot) when the button is pressed and hands it,
// with itself as the CalculationHost, to cmdCalcular_Click. The calculation clears the report list,
// writes the head of the data sheet, reads every applicable field (each read writes the field's
// line), converts to working units, computes the sizing factor S, iterates the diameter ratio on
// the tap type's coefficient equation, writes the results and, when it ran to its end, asks the
// host to fill the report window's header and show it. An early end (empty field, a limit, a value
// it cannot use) leaves the lines written so far.
//
// The snapshot is made from the grid's state by SnapshotFromGrid (CaseMapping.h): the window
// fills that state from its controls, the datasheet tool from a case file. What it holds:
//   Placa, Fluido, Tomada      plate and tap: list position + 1; fluid: list position,
//                              0 liquid, 1 gas, 2 steam
//   fluidText, tapText         the texts of cboFluido and cboTomada as they read now
//   fields[n], n in CamposDados: the value box's text; whether field n has a unit list; the
//                              list's position and that entry's unit code (-1: none)
//   relativeDensity            cboMassaDensidade on its second entry ("Densidade Relativa")
//   drawing                    chkDesenho ticked (set by the window)
//   FatorDP, Data, OS, Cliente the window variables
//   caption                    the calculation window's caption (set by the window)

#include "calculation/modCalculo.h"

#include <QString>
#include <array>
#include <optional>

namespace calculation {

// One value field as the grid shows it.
struct SnapshotField {
    QString text;
    bool hasUnitList = false;
    int unitPosition = -1;
    int unitCode = -1;
};

struct CaseSnapshot {
    int Placa = 0;
    int Fluido = -1;
    int Tomada = 0;
    QString fluidText;
    QString tapText;
    QString tag;
    std::array<SnapshotField, FieldCount> fields; // by field number
    bool relativeDensity = false;
    bool drawing = false;
    float FatorDP = 1.0f;
    QString Data;
    QString OS;
    QString Cliente;
    QString caption;
};

// What the calculation needs from its window. Questions and messages go through
// platform::MsgBox; only what touches the window's own controls comes here.
class CalculationHost
{
public:
    virtual ~CalculationHost() = default;

    // After the empty-field message: the focus goes into that field's value box.
    virtual void focusField(int field) = 0;
    // LerMaterial writes the material factor into field 29: set the value box's text so the
    // window's own change handling runs. The calculation updates its snapshot itself.
    virtual void writeField(int field, const QString &text) = 0;
    // The report window's list (lstRelatorio): clear, and append one item.
    virtual void clearReport() = 0;
    virtual void addReportItem(const QString &item) = 0;
    // A completed run: the report window's header fields (txtData, txtOS, txtCliente) and
    // caption are set, and it is shown in front.
    virtual void showReport(const QString &data, const QString &os, const QString &cliente,
                            const QString &caption) = 0;
};

// The values of one run, for the window (Campo, Escala, DiamTubo are its variables) and for
// checks. Values not reached by the run stay 0.
struct CalculationResult {
    bool complete = false;        // ran to its end and showed the report window
    int Campo = 0;                // last field acted on
    int Escala = 0;               // last unit position read, or the limit question's answer
    std::optional<double> DiamTubo; // set once every field was read
    double DensidadeProjeto = 0;
    double VazaoProjeto = 0;
    double Velocidade = 0;
    double Fs = 0;
    double Fu = 0;
    double CoeficienteCarga = 0;
    double Reynolds = 0;
    double Beta = 0;
    double Epsilo = 0;
    double CoefAlvo = 0;
    double ReynoldsMin = 0;
    int steps = 0; // iteration steps taken
};

// Steps the diameter-ratio iteration may take before it gives up.
inline constexpr int MaxIterationSteps = 200;

// Runs the calculation on the snapshot. snapshot.fields[29].text follows the material-factor
// write of LerMaterial.
CalculationResult cmdCalcular_Click(CaseSnapshot &snapshot, CalculationHost &host);

// The caption the grid shows for a field: fields 17 to 19 take the relative-density
// labels (NomeCampo 22 to 24) while relative density is chosen.
QString FieldLabel(int field, bool relativeDensity);

// The tap coefficient equations: sizing factor at diameter ratio Beta for pipe diameter D
// (mm) and Reynolds number Re, with the lower Reynolds limit of the tap type.
struct Coefficient {
    double CoefCalculado = 0;
    double ReynoldsMin = 0;
};
Coefficient CoefFlange(double Beta, double D, double Re);
Coefficient CoefRadius(double Beta, double D, double Re);
Coefficient CoefVena(double Beta, double D, double Re);
Coefficient CoefCorner(double Beta, double D, double Re);

} // namespace calculation
