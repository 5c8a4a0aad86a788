#include "frmCalcQuirasol.h"

#include "EnabledProperty.h"
#include "GridRow.h"
#include "SelectorList.h"
#include "ValueBox.h"
#include "calculation/GridRules.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

// The case window's controls, built once, and its data grid: which rows apply to the case,
// in what order they stand, which controls are in use, and the rows' scrolling under the
// header strip.

using namespace calculation;

// ---------------------------------------------------------------------------------------
// Building the controls

void frmCalcQuirasol::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *corpo = new QWidget(this);
    corpo->setFixedSize(464, 438);
    // The window's layout is in fixed pixels: a font of the design's size (Arial 8, or its
    // metric twin) keeps the longest labels and unit names inside their boxes.
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(8);
    corpo->setFont(fonte);
    // Maximised, the window keeps its controls where they are at design size.
    layout->addWidget(corpo, 0, Qt::AlignLeft | Qt::AlignTop);

    fraMisc = new QGroupBox(corpo);
    fraMisc->setGeometry(6, 2, 452, 116);
    auto seletor = [&](QLabel *&rotulo, SelectorList *&lista, const QString &texto, int top) {
        rotulo = new QLabel(texto, fraMisc);
        rotulo->setGeometry(10, top + 4, 150, 17);
        lista = new SelectorList(fraMisc);
        lista->setGeometry(165, top, 266, 22);
        rotulo->setBuddy(lista);
    };
    seletor(lblQuirasol, cboQuirasol, QStringLiteral("Tipo de quirasol"), 16);
    seletor(lblFluido, cboFluido, QStringLiteral("Fluido"), 48);
    seletor(lblTomada, cboTomada, QStringLiteral("Posição das tomadas"), 80);

    createGrid(corpo);

    chkDesenho = new QCheckBox(
        QStringLiteral("Anexar dados para o desenho de fabricação ao relatório"), corpo);
    chkDesenho->setGeometry(6, 374, 452, 24);
    cmdCalcular = new QPushButton(QStringLiteral("Calcular"), corpo);
    cmdCalcular->setGeometry(358, 402, 100, 28);

    connect(cboQuirasol, &SelectorList::Click, this, &frmCalcQuirasol::cboQuirasol_Click);
    connect(cboFluido, &SelectorList::Click, this, &frmCalcQuirasol::cboFluido_Click);
    connect(cboTomada, &SelectorList::Click, this, &frmCalcQuirasol::cboTomada_Click);
    connect(cboMassaDensidade, &SelectorList::Click, this,
            &frmCalcQuirasol::cboMassaDensidade_Click);
    connect(barraV, &QScrollBar::valueChanged, this, &frmCalcQuirasol::barraV_Change);
    connect(cmdCalcular, &QPushButton::clicked, this, &frmCalcQuirasol::cmdCalcular_Click);
    connect(txtTag, &QLineEdit::textChanged, this, [this] { setAlterado(true); });
    txtTag->installEventFilter(this);
    picLista->installEventFilter(this);
    cboMassaDensidade->installEventFilter(this);
}


void frmCalcQuirasol::createGrid(QWidget *corpo)
{
    picLista = new QWidget(corpo);
    picLista->setGeometry(6, 124, 452, 246);
    picLista->setAutoFillBackground(true);

    picMove = new QWidget(picLista);
    picMove->setGeometry(0, 18, 432, 530);

    // The header strip stays above the rows that scroll under it.
    picMenu = new QWidget(picLista);
    picMenu->setGeometry(0, 0, 449, 17);
    picMenu->setAutoFillBackground(true);
    const QString titulos[] = {QStringLiteral("Descrição"), QStringLiteral("Valor"),
                               QStringLiteral("Escala")};
    const int esquerdas[] = {4, 167, 319};
    for (int i = 0; i < 3; ++i) {
        lblMenu[i] = new QLabel(titulos[i], picMenu);
        lblMenu[i]->move(esquerdas[i], 1);
    }

    barraV = new QScrollBar(Qt::Vertical, picLista);
    barraV->setGeometry(431, 18, 17, BarraVHeight);
    barraV->setMinimum(0);
    barraV->setSingleStep(1);

    const QList<int> &ordem = InitialRowOrder();
    for (int p = 0; p < ordem.size(); ++p)
        createRow(ordem[p], p);
    picMenu->raise();
}

void frmCalcQuirasol::createRow(int campo, int posicao)
{
    auto *linha = new GridRow(picMove);
    linha->setGeometry(0, RowPitch * posicao, 432, RowPitch);
    picDados[campo] = linha;

    if (campo == TagField) {
        lblTag = new QLabel(QStringLiteral("Tag"), linha);
        lblTag->move(4, 4);
        txtTag = new QLineEdit(linha);
        txtTag->setGeometry(165, 0, 149, 22);
        return;
    }
    if (campo == MassDensityField) {
        lblMassaDensidade = new QLabel(QStringLiteral("Massa / Densidade"), linha);
        lblMassaDensidade->move(4, 4);
        cboMassaDensidade = new SelectorList(linha);
        cboMassaDensidade->setGeometry(165, 0, 266, 22);
        cboMassaDensidade->AddItem(QStringLiteral("Massa Específica (Kg/m³)"));
        cboMassaDensidade->AddItem(QStringLiteral("Densidade Relativa"));
        return;
    }
    lblDados[campo] = new QLabel(linha);
    lblDados[campo]->setGeometry(4, 4, 160, 17);
    auto *caixa = new ValueBox(campo, linha);
    caixa->setGeometry(165, 0, 149, 22);
    txtDados[campo] = caixa;
    connect(caixa, &QLineEdit::textChanged, this, [this, campo] { txtDados_Change(campo); });
    connect(caixa, &ValueBox::enterReleased, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(caixa, &ValueBox::doubleClicked, this, &frmCalcQuirasol::txtDados_DblClick);
    connect(caixa, &ValueBox::focusGained, this, &frmCalcQuirasol::txtDados_GotFocus);
    connect(caixa, &ValueBox::focusLost, this, &frmCalcQuirasol::txtDados_LostFocus);
    caixa->installEventFilter(this);
    if (HasUnitList(campo)) {
        auto *lista = new SelectorList(linha);
        lista->setGeometry(316, 0, 114, 22);
        cboDados[campo] = lista;
        connect(lista, &SelectorList::Click, this, [this, campo] { cboDados_Click(campo); });
        lista->installEventFilter(this);
    }
}

// ---------------------------------------------------------------------------------------
// Grid procedures

void frmCalcQuirasol::CampoDados(int campo, bool aplicavel)
{
    if (campo < 0 || campo > LastField)
        return;
    if (QWidget *linha = picDados[campo]) {
        SetRowApplies(linha, aplicavel);
        linha->setEnabled(aplicavel);
    }
    const bool habilitar = IsControlEnabled(picLista) && aplicavel;
    SetControlEnabled(lblDados[campo], habilitar);
    SetControlEnabled(txtDados[campo], habilitar);
    SetControlEnabled(cboDados[campo], habilitar);
}

void frmCalcQuirasol::AlteraEscalas(int classeFluido)
{
    for (int n = 1; n <= 5; ++n)
        CampoDados(n, true);
    for (int n = 6; n <= LastField; ++n)
        CampoDados(n, false);
    for (int n : ClassFields(classeFluido))
        CampoDados(n, true);
    // Liquid runs the selector's handling again for the entry it stands on; gas and steam
    // set their entry, and its handling follows also when the entry was already chosen.
    const auto entrada = MassDensityEntry(classeFluido);
    if (classeFluido == Liquid
        || (entrada && cboMassaDensidade->currentIndex() == *entrada))
        cboMassaDensidade_Click();
    else if (entrada)
        cboMassaDensidade->setListIndex(*entrada);
    CampoDados(28, true);
    CampoDados(29, true);

    const int entradas = classeFluido == Steam ? 2 : 3;
    if (cboDados[2]->count() != entradas) {
        cboDados[2]->Clear();
        for (int codigo : FieldUnits(2, classeFluido))
            AddItemCombo(2, codigo);
        cboDados[2]->setListIndex(0); // its unit handling applies the flow-unit rule
    }
    OrganizaCampos();
}

void frmCalcQuirasol::AddItemCombo(int campo, int codigoUnidade)
{
    if (campo < 0 || campo > LastField || !cboDados[campo] || codigoUnidade < 0
        || codigoUnidade > LastField)
        return;
    cboDados[campo]->AddItem(NomeUnidade[codigoUnidade], codigoUnidade);
}

void frmCalcQuirasol::CarregaUnidades()
{
    for (int n = 0; n <= LastField; ++n) {
        if (!cboDados[n])
            continue;
        cboDados[n]->Clear();
        for (int codigo : FieldUnits(n))
            AddItemCombo(n, codigo);
    }
    for (int n = 0; n <= LastField; ++n)
        if (cboDados[n])
            cboDados[n]->setListIndex(0);
}

void frmCalcQuirasol::OrganizaCampos()
{
    const RowLayout d = calculation::OrganizaCampos([this](int n) {
        return picDados[n] && RowApplies(picDados[n]);
    });
    for (const RowPlace &l : d.rows) {
        QWidget *linha = picDados[l.field];
        if (l.visible) {
            linha->move(0, RowPitch * l.position);
            linha->setVisible(true);
        } else {
            linha->setVisible(false);
        }
    }
    if (d.massDensityPosition >= 0)
        picDados[MassDensityField]->move(0, RowPitch * d.massDensityPosition);
    picMove->resize(picMove->width(), d.panelHeight);
    if (!d.scrollBarEnabled) {
        if (barraV->value() != 0)
            barraV->setValue(0);
        barraV->setEnabled(false);
        return;
    }
    barraV->setEnabled(true);
    barraV->setMaximum(d.scrollBarMaximum);
    barraV->setPageStep(d.scrollBarMaximum);
}

void frmCalcQuirasol::Lista(bool habilitar)
{
    for (QWidget *w : {picLista, static_cast<QWidget *>(cmdCalcular),
                       static_cast<QWidget *>(barraV), static_cast<QWidget *>(lblTag),
                       static_cast<QWidget *>(txtTag), picDados[MassDensityField],
                       static_cast<QWidget *>(lblMassaDensidade),
                       static_cast<QWidget *>(cboMassaDensidade)})
        SetControlEnabled(w, habilitar);
    for (int n = 0; n <= LastField; ++n) {
        SetControlEnabled(lblDados[n], habilitar);
        SetControlEnabled(txtDados[n], habilitar);
        SetControlEnabled(cboDados[n], habilitar);
    }
    QPalette paleta = picMenu->palette();
    const QPalette::ColorGroup grupo = habilitar ? QPalette::Active : QPalette::Disabled;
    paleta.setColor(QPalette::Window, habilitar ? palette().color(grupo, QPalette::Highlight)
                                                : palette().color(grupo, QPalette::Mid));
    paleta.setColor(QPalette::WindowText, palette().color(grupo, QPalette::HighlightedText));
    picMenu->setPalette(paleta);
    AtualizaBarra();
}

// ---------------------------------------------------------------------------------------
// Scrolling

void frmCalcQuirasol::barraV_Change()
{
    picMove->move(picMove->x(), barraV->y() - RowPitch * barraV->value());
}

void frmCalcQuirasol::ScrollToRow(QWidget *linha)
{
    if (!linha)
        return;
    const float posicao = float(linha->y()) / float(RowPitch);
    const int valor = ScrollToShow(posicao, barraV->value());
    if (valor != barraV->value())
        barraV->setValue(valor);
}
