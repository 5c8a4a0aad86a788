#pragma once
// Test help: the grid as a case window's controls show it, read back from the controls alone
// (selectors, the rows' marks, the boxes' texts, the lists' entries), to hold against the
// state of a grid model. The report header is no control of the grid: it is the window's.

#include "calculation/CaseMapping.h"
#include "calculation/windows/EnabledProperty.h"
#include "calculation/windows/GridRow.h"
#include "calculation/windows/frmCalcQuirasol.h"

#include <QPushButton>
#include <QScrollBar>

namespace testsupport {

inline calculation::GridState ShownGrid(const frmCalcQuirasol &w)
{
    calculation::GridState shown;
    shown.date = w.Data();
    shown.serviceOrder = w.OS();
    shown.client = w.Cliente();
    shown.plate = w.cboQuirasol->currentIndex();
    shown.fluid = w.cboFluido->currentIndex();
    shown.tap = w.cboTomada->currentIndex();
    shown.fluidText = w.cboFluido->currentText();
    shown.tapText = w.cboTomada->currentText();
    shown.tag = w.txtTag->text();
    for (int n = 0; n <= calculation::LastField; ++n) {
        calculation::GridField &field = shown.fields[n];
        if (w.picDados[n])
            field.applicable = RowApplies(w.picDados[n]);
        if (w.txtDados[n])
            field.text = w.txtDados[n]->text();
        if (w.cboDados[n]) {
            field.unitPosition = w.cboDados[n]->currentIndex();
            field.unitCode =
                field.unitPosition < 0 ? -1 : w.cboDados[n]->currentData().toInt();
        }
    }
    shown.massDensity = w.cboMassaDensidade->currentIndex();
    shown.fatorDP = w.FatorDP();
    shown.gridEnabled = IsControlEnabled(w.picLista) && IsControlEnabled(w.cmdCalcular);
    return shown;
}

} // namespace testsupport
