#pragma once
// The steam-table window: a read-only grid of superheated-steam density or specific volume,
// pressure by row (kgf/cm2), temperature by column (ºC). The main window creates one for every
// request and calls TabelaInicia; the rows come from the data shipped with the program.

#include <QWidget>

class QTableWidget;

class frmTabela : public QWidget
{
    Q_OBJECT

public:
    explicit frmTabela(QWidget *parent = nullptr);

    // Index 0: density table; 1: specific-volume table. Fills the grid and shows the window.
    void TabelaInicia(int Index);

    // The grid: the header row holds the temperatures and the header column the pressures,
    // both fixed while the table scrolls.
    QTableWidget *MSF = nullptr;
    int TipoTabela = 0;

    // The design size of the window's client area.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void TabelaPreenche();
    void FitGrid();
};
