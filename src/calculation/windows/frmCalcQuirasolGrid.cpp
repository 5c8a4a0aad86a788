#include "frmCalcQuirasol.h"

#include "EnabledProperty.h"
#include "GridRow.h"
#include "SelectorList.h"
#include "ValueBox.h"
#include "calculation/GridRules.h"
#include "calculation/SizingCalculation.h"
#include "platform/Interaction.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The case window's controls, built once, and its data grid as the model's changes show it:
// the rows' marks and places, the lists and texts, which controls are in use, and the rows'
// scrolling under the header strip.

using namespace calculation;

// ---------------------------------------------------------------------------------------
// Building the controls

void frmCalcQuirasol::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *body = new QWidget(this);
    body->setFixedSize(464, 438);
    // The window's layout is in fixed pixels: a font of the design's size (Arial 8, or its
    // metric twin) keeps the longest labels and unit names inside their boxes.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    body->setFont(font);
    // Maximised, the window keeps its controls where they are at design size.
    layout->addWidget(body, 0, Qt::AlignLeft | Qt::AlignTop);

    fraMisc = new QGroupBox(body);
    fraMisc->setGeometry(6, 2, 452, 116);
    auto selector = [&](QLabel *&label, SelectorList *&list, const QString &text, int top) {
        label = new QLabel(text, fraMisc);
        label->setGeometry(10, top + 4, 150, 17);
        list = new SelectorList(fraMisc);
        list->setGeometry(165, top, 266, 22);
        label->setBuddy(list);
    };
    selector(lblQuirasol, cboQuirasol, QStringLiteral("Tipo de quirasol"), 16);
    selector(lblFluido, cboFluido, QStringLiteral("Fluido"), 48);
    selector(lblTomada, cboTomada, QStringLiteral("Posição das tomadas"), 80);

    createGrid(body);

    chkDesenho = new QCheckBox(
        QStringLiteral("Anexar dados para o desenho de fabricação ao relatório"), body);
    chkDesenho->setGeometry(6, 374, 452, 24);
    cmdCalcular = new QPushButton(QStringLiteral("Calcular"), body);
    cmdCalcular->setGeometry(358, 402, 100, 28);

    connect(cboQuirasol, &SelectorList::Click, this, &frmCalcQuirasol::cboQuirasol_Click);
    connect(cboFluido, &SelectorList::Click, this, &frmCalcQuirasol::cboFluido_Click);
    connect(cboTomada, &SelectorList::Click, this, &frmCalcQuirasol::cboTomada_Click);
    connect(cboMassaDensidade, &SelectorList::Click, this,
            &frmCalcQuirasol::cboMassaDensidade_Click);
    connect(barraV, &QScrollBar::valueChanged, this, &frmCalcQuirasol::barraV_Change);
    connect(cmdCalcular, &QPushButton::clicked, this, &frmCalcQuirasol::cmdCalcular_Click);
    connect(txtTag, &QLineEdit::textChanged, this,
            [this](const QString &text) { Show(grid.typeTag(text)); });
    txtTag->installEventFilter(this);
    picLista->installEventFilter(this);
    cboMassaDensidade->installEventFilter(this);
}


void frmCalcQuirasol::createGrid(QWidget *body)
{
    picLista = new QWidget(body);
    picLista->setGeometry(6, 124, 452, 246);
    picLista->setAutoFillBackground(true);

    picMove = new QWidget(picLista);
    picMove->setGeometry(0, 18, 432, 530);

    // The header strip stays above the rows that scroll under it.
    picMenu = new QWidget(picLista);
    picMenu->setGeometry(0, 0, 449, 17);
    picMenu->setAutoFillBackground(true);
    const QString titles[] = {QStringLiteral("Descrição"), QStringLiteral("Valor"),
                              QStringLiteral("Escala")};
    const int lefts[] = {4, 167, 319};
    for (int i = 0; i < 3; ++i) {
        lblMenu[i] = new QLabel(titles[i], picMenu);
        lblMenu[i]->move(lefts[i], 1);
    }

    barraV = new QScrollBar(Qt::Vertical, picLista);
    barraV->setGeometry(431, 18, 17, BarraVHeight);
    barraV->setMinimum(0);
    barraV->setSingleStep(1);

    const QList<int> &order = InitialRowOrder();
    for (int p = 0; p < order.size(); ++p)
        createRow(order[p], p);
    picMenu->raise();
}

void frmCalcQuirasol::createRow(int field, int position)
{
    auto *row = new GridRow(picMove);
    row->setGeometry(0, RowPitch * position, 432, RowPitch);
    picDados[field] = row;

    if (field == TagField) {
        lblTag = new QLabel(QStringLiteral("Tag"), row);
        lblTag->move(4, 4);
        txtTag = new QLineEdit(row);
        txtTag->setGeometry(165, 0, 149, 22);
        return;
    }
    if (field == MassDensityField) {
        lblMassaDensidade = new QLabel(QStringLiteral("Massa / Densidade"), row);
        lblMassaDensidade->move(4, 4);
        cboMassaDensidade = new SelectorList(row);
        cboMassaDensidade->setGeometry(165, 0, 266, 22);
        cboMassaDensidade->AddItem(QStringLiteral("Massa Específica (Kg/m³)"));
        cboMassaDensidade->AddItem(QStringLiteral("Densidade Relativa"));
        return;
    }
    lblDados[field] = new QLabel(row);
    lblDados[field]->setGeometry(4, 4, 160, 17);
    auto *box = new ValueBox(field, row);
    box->setGeometry(165, 0, 149, 22);
    txtDados[field] = box;
    connect(box, &QLineEdit::textChanged, this, [this, field] { txtDados_Change(field); });
    connect(box, &ValueBox::enterReleased, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(box, &ValueBox::doubleClicked, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(box, &ValueBox::focusGained, this, &frmCalcQuirasol::txtDados_GotFocus);
    connect(box, &ValueBox::focusLost, this, &frmCalcQuirasol::txtDados_LostFocus);
    box->installEventFilter(this);
    if (HasUnitList(field)) {
        auto *list = new SelectorList(row);
        list->setGeometry(316, 0, 114, 22);
        cboDados[field] = list;
        connect(list, &SelectorList::Click, this, [this, field] { cboDados_Click(field); });
        list->installEventFilter(this);
    }
}

// ---------------------------------------------------------------------------------------
// The model's changes shown

namespace {

// A list or a box brought to what the model holds. Its own change handling does not run: the
// model has run the grid's.
void SetPosition(SelectorList *list, int position)
{
    if (list->currentIndex() == position)
        return;
    const QSignalBlocker quiet(list);
    list->setListIndex(position);
}

void SetText(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    const QSignalBlocker quiet(box);
    box->setText(text);
}

} // namespace

void frmCalcQuirasol::Show(const GridChanges &changes)
{
    for (const GridChange &change : changes)
        Show(change);
}

void frmCalcQuirasol::Show(const GridChange &change)
{
    const int n = change.field;
    switch (change.kind) {
    // A choice of plate opens the fluid selector, a choice of fluid the tap selector.
    case GridChange::Plate:
        ShowSelector(cboQuirasol, change.position, lblFluido, cboFluido);
        break;
    case GridChange::Fluid:
        ShowSelector(cboFluido, change.position, lblTomada, cboTomada);
        break;
    case GridChange::FluidName:
        Show(grid.nameFluid(platform::InputBox(
            QStringLiteral("Digite o nome do 'Fluido' utilizado"),
            QStringLiteral("Tipo de fluido: ") + change.text, change.answer)));
        break;
    case GridChange::FluidEntry:
        cboFluido->setItemText(change.position, change.text);
        break;
    case GridChange::Tap:
        SetPosition(cboTomada, change.position);
        setAlterado(true);
        break;
    case GridChange::GridEnabled:
        Lista(change.flag);
        break;
    case GridChange::Mark:
        CampoDados(n, change.flag);
        break;
    case GridChange::UnitList:
        ShowUnitList(n);
        break;
    case GridChange::Unit:
        SetPosition(cboDados[n], change.position);
        setAlterado(true);
        break;
    case GridChange::UnitEntry:
        cboDados[n]->setItemText(change.position, change.text);
        break;
    case GridChange::Text:
        SetText(txtDados[n], change.text);
        setAlterado(true);
        break;
    case GridChange::Locked:
        txtDados[n]->setReadOnly(change.flag);
        break;
    case GridChange::MaterialName:
        Show(grid.nameMaterial(platform::InputBox(
            QStringLiteral("Digite o nome do material utilizado"),
            QStringLiteral("Material da placa"), change.text)));
        // The user types the factor of that material.
        txtDados[n]->setFocus();
        break;
    case GridChange::MassDensity:
        SetPosition(cboMassaDensidade, change.position);
        for (const int d : DensityFields)
            lblDados[d]->setText(FieldLabel(d, change.position != 0));
        break;
    case GridChange::Tag:
        SetText(txtTag, change.text);
        setAlterado(true);
        break;
    case GridChange::Layout:
        ShowRowLayout();
        break;
    }
}

void frmCalcQuirasol::ShowSelector(SelectorList *selector, int position, QLabel *nextLabel,
                                   SelectorList *next)
{
    SetPosition(selector, position);
    setAlterado(true);
    SetControlEnabled(nextLabel, position != -1);
    SetControlEnabled(next, position != -1);
}

// CampoDados: a row's mark. Its label, box and list take input only while the grid does.
void frmCalcQuirasol::CampoDados(int field, bool applicable)
{
    if (field < 0 || field > LastField)
        return;
    if (QWidget *row = picDados[field]) {
        SetRowApplies(row, applicable);
        row->setEnabled(applicable);
    }
    const bool enable = IsControlEnabled(picLista) && applicable;
    SetControlEnabled(lblDados[field], enable);
    SetControlEnabled(txtDados[field], enable);
    SetControlEnabled(cboDados[field], enable);
}

void frmCalcQuirasol::ShowUnitList(int field)
{
    SelectorList *list = cboDados[field];
    list->Clear();
    for (const UnitEntry &entry : grid.unitEntries(field))
        list->AddItem(entry.text, entry.code);
}

void frmCalcQuirasol::ShowRowLayout()
{
    for (const int n : InitialRowOrder()) {
        const RowPlace &place = grid.rowPlace(n);
        if (place.visible)
            picDados[n]->move(0, RowPitch * place.position);
        if (picDados[n]->isHidden() == place.visible)
            picDados[n]->setVisible(place.visible);
    }
    const RowLayout &layout = *grid.layout();
    picMove->resize(picMove->width(), layout.panelHeight);
    if (!layout.scrollBarEnabled) {
        if (barraV->value() != 0)
            barraV->setValue(0);
        barraV->setEnabled(false);
        return;
    }
    barraV->setEnabled(true);
    barraV->setMaximum(layout.scrollBarMaximum);
    barraV->setPageStep(layout.scrollBarMaximum);
}

void frmCalcQuirasol::Lista(bool enable)
{
    for (QWidget *w : {picLista, static_cast<QWidget *>(cmdCalcular),
                       static_cast<QWidget *>(barraV), static_cast<QWidget *>(lblTag),
                       static_cast<QWidget *>(txtTag), picDados[MassDensityField],
                       static_cast<QWidget *>(lblMassaDensidade),
                       static_cast<QWidget *>(cboMassaDensidade)})
        SetControlEnabled(w, enable);
    for (int n = 0; n <= LastField; ++n) {
        SetControlEnabled(lblDados[n], enable);
        SetControlEnabled(txtDados[n], enable);
        SetControlEnabled(cboDados[n], enable);
    }
    QPalette colours = picMenu->palette();
    const QPalette::ColorGroup group = enable ? QPalette::Active : QPalette::Disabled;
    colours.setColor(QPalette::Window, enable ? palette().color(group, QPalette::Highlight)
                                              : palette().color(group, QPalette::Mid));
    colours.setColor(QPalette::WindowText, palette().color(group, QPalette::HighlightedText));
    picMenu->setPalette(colours);
    AtualizaBarra();
}

// ---------------------------------------------------------------------------------------
// Scrolling

void frmCalcQuirasol::barraV_Change()
{
    picMove->move(picMove->x(), barraV->y() - RowPitch * barraV->value());
}

void frmCalcQuirasol::ScrollToRow(QWidget *row)
{
    if (!row)
        return;
    const float position = float(row->y()) / float(RowPitch);
    const int value = ScrollToShow(position, barraV->value());
    if (value != barraV->value())
        barraV->setValue(value);
}
