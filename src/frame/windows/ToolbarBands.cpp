#include "frame/windows/ToolbarBands.h"

#include "platform/Twips.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

using platform::Pixels;
using platform::Twips;

namespace {

// Pops up a menu for a right click on any widget it watches. It watches the bars and every
// widget in them: a disabled toolbar button keeps the click from its bar, but the button's
// event filters still see it.
class BarContextMenu : public QObject
{
public:
    BarContextMenu(QMenu *menu, QObject *parent) : QObject(parent), menu(menu) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }

private:
    QMenu *menu;
};

} // namespace

ToolbarBands::ToolbarBands(QWidget *parent,
                           std::function<void(const QString &chave, bool padrao)> clicked)
{
    cobBarra = new QWidget(parent);
    cobBarra->setObjectName(QStringLiteral("cobBarra"));
    auto *layout = new QHBoxLayout(cobBarra);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    tbPadrao = new QToolBar(QStringLiteral("tbPadrao"), cobBarra);
    tbCalculo = new QToolBar(QStringLiteral("tbCalculo"), cobBarra);
    for (QToolBar *barra : {tbPadrao, tbCalculo}) {
        barra->setObjectName(barra->windowTitle());
        barra->setMovable(false);
        barra->setFloatable(false);
        barra->setIconSize(QSize(16, 16));
        barra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        layout->addWidget(barra);
    }
    layout->addStretch(1);
    addButtons(clicked);
}

void ToolbarBands::addButtons(const std::function<void(const QString &, bool)> &clicked)
{
    struct ButtonRow {
        QToolBar *bar;
        const char *key;
        const char *tip;
        const char *themeIcon;
        QStyle::StandardPixmap styleIcon;
        bool enabled;
        bool separatorBefore;
    };
    const ButtonRow botoes[] = {
        {tbPadrao, "Novo", "Novo calculo", "document-new", QStyle::SP_FileIcon, true, false},
        {tbPadrao, "Abrir", "Abrir calculo", "document-open", QStyle::SP_DialogOpenButton, true,
         false},
        {tbPadrao, "Salvar", "Salvar calculo", "document-save", QStyle::SP_DialogSaveButton,
         false, false},
        {tbPadrao, "Sair", "Sair do Caluculo de Quirasol", "application-exit",
         QStyle::SP_DialogCloseButton, true, true},
        {tbCalculo, "Calcular", "Calcular", "system-run", QStyle::SP_MediaPlay, false, false},
        {tbCalculo, "Calculadora", "Exibir a calculadora", "accessories-calculator",
         QStyle::SP_ComputerIcon, false, false},
        {tbCalculo, "Imprimir", "Imprimir relatório", "document-print",
         QStyle::SP_FileDialogDetailedView, false, true},
        {tbCalculo, "Exportar", "Exportar relatório", "document-send",
         QStyle::SP_ArrowRight, false, false},
    };
    for (const ButtonRow &botao : botoes) {
        if (botao.separatorBefore)
            botao.bar->addSeparator();
        const QString key = QString::fromUtf8(botao.key);
        // The desktop theme's icon, else the style's.
        const QIcon icone = QIcon::fromTheme(QString::fromLatin1(botao.themeIcon),
                                             cobBarra->style()->standardIcon(botao.styleIcon));
        QAction *acao = botao.bar->addAction(icone, key);
        acao->setObjectName(key);
        acao->setData(key); // the tag keeps the caption while labels are hidden
        acao->setToolTip(QString::fromUtf8(botao.tip));
        acao->setEnabled(botao.enabled);
        const bool padrao = botao.bar == tbPadrao;
        QObject::connect(acao, &QAction::triggered, cobBarra,
                         [clicked, key, padrao] { clicked(key, padrao); });
    }
}

QAction *ToolbarBands::button(const QString &chave) const
{
    for (QToolBar *barra : {tbPadrao, tbCalculo}) {
        const QList<QAction *> acoes = barra->actions();
        for (QAction *acao : acoes) {
            if (!acao->isSeparator() && acao->objectName() == chave)
                return acao;
        }
    }
    return nullptr;
}

void ToolbarBands::setContextMenu(QMenu *menu)
{
    auto *menuBarras = new BarContextMenu(menu, cobBarra);
    cobBarra->installEventFilter(menuBarras);
    for (QWidget *parte : cobBarra->findChildren<QWidget *>())
        parte->installEventFilter(menuBarras);
}

void ToolbarBands::toggle(QToolBar *bar)
{
    QToolBar *outra = bar == tbPadrao ? tbCalculo : tbPadrao;
    if (!cobBarra->isHidden() && outra->isHidden())
        cobBarra->hide();
    else if (cobBarra->isHidden())
        cobBarra->show();
    bar->setVisible(bar->isHidden());
}

void ToolbarBands::showLabels(bool labels)
{
    for (QToolBar *barra : {tbPadrao, tbCalculo}) {
        const QList<QAction *> acoes = barra->actions();
        for (QAction *acao : acoes) {
            if (!acao->isSeparator())
                acao->setText(labels ? acao->data().toString() : QString());
        }
        // Without captions the buttons keep no room for them.
        barra->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon
                                         : Qt::ToolButtonIconOnly);
    }
}

void ToolbarBands::fit(bool labels)
{
    for (QToolBar *barra : {tbPadrao, tbCalculo})
        barra->adjustSize();
    bandSizes = frame::AjustaBandas(bandSizes, labels, Twips(tbPadrao->sizeHint().width()),
                                    Twips(tbPadrao->sizeHint().height()),
                                    Twips(tbCalculo->sizeHint().width()));
    apply();
}

void ToolbarBands::apply()
{
    const std::pair<QToolBar *, frame::Band> faixas[] = {{tbPadrao, bandSizes.standard},
                                                         {tbCalculo, bandSizes.calculation}};
    for (const auto &[barra, banda] : faixas) {
        // A band never hides its own buttons behind the toolbar's extension arrow.
        barra->setMinimumWidth(
            std::max(Pixels(banda.minWidth), barra->sizeHint().width()));
        barra->setMinimumHeight(Pixels(banda.minHeight));
    }
}
