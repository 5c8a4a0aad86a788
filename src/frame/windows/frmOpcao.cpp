#include "frame/windows/frmOpcao.h"

#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

using platform::PixelsRect;

namespace {

struct CheckBoxRow
{
    int index;
    bool inView; // in "Exibir", else in "Geral"
    const char *caption;
    QRect place;
};

const CheckBoxRow CheckBoxes[] = {
    {0, true, "Barra de Ferramentas Botões Padrão", PixelsRect(120, 300, 4635, 195)},
    {1, true, "Barra de Ferramentas de Cálculo", PixelsRect(120, 600, 4635, 195)},
    {2, true, "Nome dos botões das Barras de Ferramentas", PixelsRect(240, 900, 4635, 195)},
    {3, true, "Barra de Status", PixelsRect(120, 1200, 4635, 195)},
    {4, false, "Verificar se os arqivos '.qzv' estão associados a este programa",
     PixelsRect(120, 300, 4755, 195)},
    {5, true, "&Mostrar dicas ao iniciar", PixelsRect(120, 1470, 2055, 255)},
};

QPushButton *NewButton(QWidget *pai, const char *nome, const QString &texto, QRect posicao)
{
    auto *botao = new QPushButton(texto, pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setGeometry(posicao);
    botao->setAutoDefault(false);
    return botao;
}

} // namespace

frmOpcao::frmOpcao(Bars barras_, QWidget *parent) : QDialog(parent), bars(std::move(barras_))
{
    setObjectName(QStringLiteral("frmOpcao"));
    setWindowTitle(QStringLiteral("Opções"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(platform::Pixels(5160), platform::Pixels(3300));
    // The layout is drawn for a small dialog font.
    QFont fonte = font();
    fonte.setPointSize(8);
    setFont(fonte);

    fraExibir = new QGroupBox(QStringLiteral("Exibir"), this);
    fraExibir->setGeometry(PixelsRect(120, 60, 4905, 1815));
    fraGeral = new QGroupBox(QStringLiteral("Geral"), this);
    fraGeral->setGeometry(PixelsRect(120, 2070, 4905, 645));

    for (const CheckBoxRow &caixa : CheckBoxes) {
        auto *box = new QCheckBox(QString::fromUtf8(caixa.caption),
                                  caixa.inView ? fraExibir : fraGeral);
        box->setObjectName(QStringLiteral("chkOpcao%1").arg(caixa.index));
        QRect posicao = caixa.place;
        posicao.setHeight(std::max(posicao.height(), box->sizeHint().height()));
        posicao.setWidth(std::max(posicao.width(), box->sizeHint().width()));
        box->setGeometry(posicao);
        chkOpcao[size_t(caixa.index)] = box;
        connect(box, &QCheckBox::toggled, this, &frmOpcao::chkOpcao_Click);
    }

    cmdOK = NewButton(this, "cmdOK", QStringLiteral("&OK"), PixelsRect(1500, 2835, 1095, 375));
    cmdCancel = NewButton(this, "cmdCancel", QStringLiteral("Cancela&r"),
                          PixelsRect(2730, 2835, 1095, 375));
    cmdApply = NewButton(this, "cmdApply", QStringLiteral("&Aplicar"),
                         PixelsRect(3930, 2835, 1095, 375));
    cmdApply->setEnabled(false);

    // Our fonts run wider than the ones the layout was drawn for: widen the dialog so that no
    // box is cut off.
    int excesso = 0;
    for (QCheckBox *box : chkOpcao) {
        const QWidget *moldura = box->parentWidget();
        excesso = std::max(excesso, box->geometry().right() + 8 - moldura->width());
    }
    if (excesso > 0) {
        setFixedWidth(width() + excesso);
        for (QGroupBox *moldura : {fraExibir, fraGeral})
            moldura->resize(moldura->width() + excesso, moldura->height());
        for (QPushButton *botao : {cmdOK, cmdCancel, cmdApply})
            botao->move(botao->x() + excesso, botao->y());
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmOpcao::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOpcao::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOpcao::cmdApply_Click);

    QWidget *ordem[] = {chkOpcao[0], chkOpcao[1], chkOpcao[2], chkOpcao[3], chkOpcao[4],
                        cmdOK,       cmdCancel,   cmdApply,    chkOpcao[5]};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);

    Form_Load();
}

void frmOpcao::Form_Load()
{
    state.BeginLoad();
    std::array<bool, frame::BarCount> visiveis{};
    for (int i = 0; i < frame::BarCount; ++i)
        visiveis[size_t(i)] = !bars.isShown || bars.isShown(i);
    const auto marcadas = frame::ReadOptions(visiveis);
    for (int i = 0; i < frame::OptionCount; ++i)
        chkOpcao[size_t(i)]->setChecked(marcadas[size_t(i)]);
    state.EndLoad();
    chkOpcao[0]->setFocus();
}

void frmOpcao::chkOpcao_Click()
{
    if (state.OpcaoAlterada())
        cmdApply->setEnabled(true);
}

void frmOpcao::cmdApply_Click()
{
    std::array<bool, frame::OptionCount> marcadas{};
    for (int i = 0; i < frame::OptionCount; ++i)
        marcadas[size_t(i)] = chkOpcao[size_t(i)]->isChecked();
    frame::WriteOptions(marcadas);
    // The dialog does what it shows: the main window's bars follow the four view boxes.
    if (bars.isShown && bars.toggle) {
        for (int i = 0; i < frame::BarCount; ++i) {
            if (bars.isShown(i) != marcadas[size_t(i)])
                bars.toggle(i);
        }
    }
    cmdCancel->setText(QStringLiteral("Fecha&r"));
    cmdApply->setEnabled(false);
}

void frmOpcao::cmdOK_Click()
{
    if (state.Changed())
        cmdApply_Click();
    accept();
}

void frmOpcao::cmdCancel_Click()
{
    reject();
}
