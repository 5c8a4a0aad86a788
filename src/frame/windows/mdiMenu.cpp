#include "frame/windows/mdiMenu.h"

#include "frame/FrameRules.h"
#include "frame/modRegistro.h"
#include "frame/Options.h"
#include "frame/ProgramState.h"
#include "frame/windows/AuxiliaryWindows.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/CommandServer.h"
#include "frame/windows/MdiArrangement.h"
#include "frame/windows/modBaseWindows.h"
#include "frame/windows/SharedMenus.h"
#include "frame/windows/ToolbarBands.h"
#include "platform/AppInfo.h"
#include "platform/Interaction.h"
#include "platform/Twips.h"
#include "platform/widgets/FramePlacement.h"
#include "platform/widgets/MenuTable.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <memory>

using frame::GetConfig;
using frame::SaveConfig;
using platform::Pixels;
using platform::Twips;

namespace {

mdiMenu *instance = nullptr;

const QString ConfigSection = QStringLiteral("Config");
const QString MenuSection = QStringLiteral("Config\\Menu");
const QString MruSection = QStringLiteral("FilesMRU");
const char *const WindowListProperty = "quirasolListaJanelas";

// The screens' available areas, the primary screen's first.
QList<QRect> AvailableAreas()
{
    QList<QRect> areas;
    if (const QScreen *primaria = QGuiApplication::primaryScreen())
        areas << primaria->availableGeometry();
    for (const QScreen *tela : QGuiApplication::screens()) {
        if (tela != QGuiApplication::primaryScreen())
            areas << tela->availableGeometry();
    }
    return areas;
}

} // namespace

struct mdiMenu::Private {
    CommandServer *server = nullptr;
    std::unique_ptr<ToolbarBands> bars;
    QList<QAction *> ownMenus; // the frame's own menu bar entries
    QMenu *mnuJanela = nullptr;
    QLabel *datePanel = nullptr;
    QLabel *timePanel = nullptr;
    QPointer<QMdiSubWindow> activeChild; // the child whose menus the frame shows
    // A child opened while the frame was busy: it becomes active once the frame is enabled.
    QPointer<QMdiSubWindow> activateWhenEnabled;
    bool resumePending = false;
};

mdiMenu *mdiMenu::Instance()
{
    if (!instance) {
        instance = new mdiMenu;
        instance->MDIForm_Load();
    }
    return instance;
}

mdiMenu *mdiMenu::Existing()
{
    return instance;
}

ChildWindowHost *ChildWindowHost::Loaded()
{
    return instance;
}

mdiMenu::mdiMenu() : d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("mdiMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(platform::AppTitle);

    auto *centro = new QWidget(this);
    auto *vertical = new QVBoxLayout(centro);
    vertical->setContentsMargins(0, 0, 0, 0);
    vertical->setSpacing(0);
    const auto botao = [this](const QString &chave, bool padrao) {
        if (padrao)
            tbPadrao_ButtonClick(chave);
        else
            tbCalculo_ButtonClick(chave);
    };
    d->bars = std::make_unique<ToolbarBands>(centro, botao);
    cobBarra = d->bars->container();
    tbPadrao = d->bars->standardBar();
    tbCalculo = d->bars->calculationBar();
    mdiArea = new QMdiArea(centro);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    vertical->addWidget(cobBarra);
    vertical->addWidget(mdiArea, 1);
    setCentralWidget(centro);

    createMenus();
    createStatusBar();
    d->bars->apply();
    // The right button anywhere over the two bars: their menu.
    d->bars->setContextMenu(mnuExibirBarra);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this] { ChildActivated(); });
    // Every child, however it was added, is watched for hiding and closing.
    mdiArea->viewport()->installEventFilter(this);

    // Client area of the design: 6495 x 5730 twips.
    resize(Pixels(6495), Pixels(5730));
}

mdiMenu::~mdiMenu()
{
    // The children go after this object is gone: no activation news from them any more.
    disconnect(mdiArea, nullptr, this, nullptr);
    if (instance == this)
        instance = nullptr;
}

void mdiMenu::createMenus()
{
    using enum platform::MenuFlag;
    std::vector<platform::MenuRow> rows = {
        {0, "mnuArquivo", "&Arquivo"},
        {1, "mnuArquivoNew", "&Novo", Qt::CTRL | Qt::Key_O, {}, [this] { mnuArquivoNew_Click(); }},
        {1, "mnuArquivoOpen", "&Abrir", Qt::CTRL | Qt::Key_A, {},
         [this] { mnuArquivoOpen_Click(); }},
        {1, "mnuArquivoFechar", "&Fechar", {}, Disabled},
        {1, "mnuArquivoFecharTodos", "Fechar &todos", {}, Disabled,
         [this] { mnuArquivoFecharTodos_Click(); }},
        {1, "", "-"},
        {1, "mnuArquivoSave", "&Salvar", Qt::CTRL | Qt::Key_B, Disabled},
        {1, "mnuArquivoSaveAs", "Salvar &como...", {}, Disabled},
        {1, "mnuArquivoSaveAll", "Salvar &todos", {}, Disabled | Hidden},
        {1, "", "-"},
        {1, "mnuArquivoExportar", "Exportar", {}, Disabled},
        {2, "mnuArquivoExportarRelatorio", "Relatório..."},
        {1, "", "-"},
    };
    const SharedMenus shared{
        .mainWindow = true,
        .captions = {.print = "&Imprimir...",
                     .labels = "Etiquetas de texto",
                     .reportsFolder = "Relatórios",
                     .options = "&Opções...",
                     .cascade = "&Cascata",
                     .howToUseHelp = "Como utilizar a ajuda...",
                     .tips = "Exibir &dicas...",
                     .about = "&Sobre o Calculo de Quirasol..."},
        .frameCommand = [this](Command command) -> SharedMenus::Command {
            return [this, command] { RunCommand(command); };
        },
        .openRecent = [this](int n) -> SharedMenus::Command {
            return [this, n] { mnuArquivoMRU_Click(n); };
        },
    };
    std::ranges::move(shared.Rows(), std::back_inserter(rows));
    d->ownMenus = platform::BuildMenus(this, rows);
    menuBar()->addActions(d->ownMenus);

    const auto entry = [this](const char *name) {
        return findChild<QAction *>(QString::fromLatin1(name));
    };
    mnuExibirBarraPadrao = entry("mnuExibirBarraPadrao");
    mnuExibirBarraCalculo = entry("mnuExibirBarraCalculo");
    mnuExibirEtiqueta = entry("mnuExibirEtiqueta");
    mnuExibirStatusBar = entry("mnuExibirStatusBar");
    mnuExibirBarra = findChild<QMenu *>(QStringLiteral("mnuExibirBarra"));
    d->mnuJanela = findChild<QMenu *>(QStringLiteral("mnuJanela"));
    ListWindowsIn(d->mnuJanela);
}

void mdiMenu::createStatusBar()
{
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(sbStatusBar);
    auto *status = new QLabel(QStringLiteral("Status"), sbStatusBar);
    sbStatusBar->addWidget(status, 1);
    d->datePanel = new QLabel(sbStatusBar);
    d->timePanel = new QLabel(sbStatusBar);
    for (QLabel *painel : {d->datePanel, d->timePanel}) {
        painel->setFixedWidth(Pixels(1440));
        painel->setAlignment(Qt::AlignCenter);
        sbStatusBar->addPermanentWidget(painel);
    }
    auto *relogio = new QTimer(this);
    relogio->setInterval(1000);
    connect(relogio, &QTimer::timeout, this, [this] { UpdateClock(); });
    relogio->start();
    UpdateClock();
}

void mdiMenu::UpdateClock()
{
    const QLocale local;
    d->datePanel->setText(local.toString(QDate::currentDate(), QLocale::ShortFormat));
    d->timePanel->setText(local.toString(QTime::currentTime(), QStringLiteral("HH:mm")));
}

// ---- Lifecycle -------------------------------------------------------------------------

void mdiMenu::MDIForm_Load()
{
    using Toggle = void (mdiMenu::*)();
    const std::pair<const char *, Toggle> barras[] = {
        {"Barra0", &mdiMenu::mnuExibirBarraPadrao_Click},
        {"Barra1", &mdiMenu::mnuExibirBarraCalculo_Click},
        {"Barra2", &mdiMenu::mnuExibirEtiqueta_Click},
        {"Barra3", &mdiMenu::mnuExibirStatusBar_Click},
    };
    for (const auto &[chave, toggle] : barras) {
        if (GetConfig(ConfigSection, QString::fromLatin1(chave)) == QStringLiteral("False"))
            (this->*toggle)();
    }

    // The stored place is the frame's (title bar included), the stored size the client
    // area's. Without a stored place the window manager places the window; a stored
    // placement the screens cannot show is fitted to them first.
    const auto esquerda = frame::PlacementValue(GetConfig(MenuSection, QStringLiteral("MainLeft")));
    const auto topo = frame::PlacementValue(GetConfig(MenuSection, QStringLiteral("MainTop")));
    frame::WindowPlacement guardada{std::nullopt, size()};
    if (auto valor = frame::PlacementValue(GetConfig(MenuSection, QStringLiteral("MainWidth"))))
        guardada.size.setWidth(Pixels(*valor));
    if (auto valor = frame::PlacementValue(GetConfig(MenuSection, QStringLiteral("MainHeight"))))
        guardada.size.setHeight(Pixels(*valor));
    if (esquerda || topo)
        guardada.place = QPoint(esquerda ? Pixels(*esquerda) : x(), topo ? Pixels(*topo) : y());
    const frame::WindowPlacement mostrada = frame::FitPlacement(
        guardada, platform::ExpectedFrameMargins(this), AvailableAreas());
    // The size the layout would give it on showing, given now: a size changed between
    // showing and framing would pin the client area where the frame was meant to be.
    resize(mostrada.size.expandedTo(minimumSizeHint()));
    if (mostrada.place) {
        const QPoint lugar = *mostrada.place;
        platform::PlaceFrame(this, [lugar](const QSize &) { return lugar; });
    } else {
        platform::FollowNormalPlace(this); // for the place stored at the end
    }
    // Whether the frame fits the screen whole, only its margins tell.
    platform::WhenFramed(this, [this](const QMargins &margens) {
        const QSize cabe = frame::FitPlacement({pos(), size()}, margens, AvailableAreas()).size;
        if (cabe != size())
            resize(cabe);
    });
    if (auto estado =
            frame::PlacementValue(GetConfig(MenuSection, QStringLiteral("MainWindowsState")))) {
        if (*estado == 2)
            setWindowState(windowState() | Qt::WindowMaximized);
        else if (*estado == 1)
            setWindowState(windowState() | Qt::WindowMinimized);
    }

    for (int n = 1; n <= 4; ++n)
        ListaMRU()[n - 1] = GetConfig(MruSection, QString::number(n));
    Atualiza();
}

void mdiMenu::MDIForm_QueryUnload()
{
    for (int n = 1; n <= 4; ++n) {
        if (ListaMRU()[n - 1].isEmpty())
            break;
        SaveConfig(MruSection, QString::number(n), ListaMRU()[n - 1]);
    }
}

void mdiMenu::MDIForm_Unload()
{
    const std::pair<const char *, QAction *> barras[] = {
        {"Barra0", mnuExibirBarraPadrao},
        {"Barra1", mnuExibirBarraCalculo},
        {"Barra2", mnuExibirEtiqueta},
        {"Barra3", mnuExibirStatusBar},
    };
    for (const auto &[chave, entrada] : barras)
        SaveConfig(ConfigSection, QString::fromLatin1(chave),
                   frame::BarStateText(entrada->isChecked()));

    // A maximised window (also one minimised from there) knows its normal size only as its
    // normal geometry (client area), read before the state changes; the place of its frame in
    // the normal state is followed while it is shown so. A window manager may restore the
    // normal size and frame later than the events run here.
    const Qt::WindowStates estado = windowState();
    const bool maximizada = (estado & Qt::WindowMaximized) && !(estado & Qt::WindowMinimized);
    const QRect cliente = normalGeometry();
    const std::optional<QPoint> lugarNormal = platform::NormalFramePlace(this);
    if (estado & (Qt::WindowMaximized | Qt::WindowMinimized))
        setWindowState(estado & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    SaveConfig(MenuSection, QStringLiteral("MainWindowsState"),
               maximizada ? QStringLiteral("2") : QStringLiteral("0"));
    QApplication::processEvents();
    QRect normal(pos(), size());
    if ((estado & Qt::WindowMaximized) && cliente.isValid())
        normal.setSize(cliente.size());
    if ((estado & (Qt::WindowMaximized | Qt::WindowMinimized)) && lugarNormal)
        normal.moveTopLeft(*lugarNormal);

    SaveConfig(MenuSection, QStringLiteral("MainLeft"), QString::number(Twips(normal.x())));
    SaveConfig(MenuSection, QStringLiteral("MainTop"), QString::number(Twips(normal.y())));
    SaveConfig(MenuSection, QStringLiteral("MainWidth"),
               QString::number(Twips(normal.width())));
    SaveConfig(MenuSection, QStringLiteral("MainHeight"),
               QString::number(Twips(normal.height())));

    // Every other window of the program goes with the main window.
    const QWidgetList janelas = QApplication::topLevelWidgets();
    for (QWidget *janela : janelas) {
        if (janela != this && janela->isVisible())
            janela->close();
    }
    QApplication::processEvents();
    // The program ends with its main window.
    QCoreApplication::quit();
}

void mdiMenu::closeEvent(QCloseEvent *event)
{
    if (closing) {
        // Already closing (a case window may be asking its question): one closing at a time.
        event->ignore();
        return;
    }
    MDIForm_QueryUnload();
    closing = true;
    // Every child is asked first; one refusal keeps them all open.
    const QList<QMdiSubWindow *> filhas = mdiArea->subWindowList();
    const QList<QPointer<QMdiSubWindow>> perguntar(filhas.begin(), filhas.end());
    for (const QPointer<QMdiSubWindow> &filha : perguntar) {
        auto *janela = filha ? dynamic_cast<ChildWindow *>(filha->widget()) : nullptr;
        if (janela && !janela->Form_QueryUnload()) {
            closing = false;
            event->ignore();
            return;
        }
    }
    unloadingChildren = true;
    const QList<QMdiSubWindow *> restantes = mdiArea->subWindowList();
    const QList<QPointer<QMdiSubWindow>> pendentes(restantes.begin(), restantes.end());
    for (const QPointer<QMdiSubWindow> &filha : pendentes) {
        if (filha && mdiArea->subWindowList().contains(filha.data()) && !UnloadChild(filha)) {
            unloadingChildren = false;
            closing = false;
            event->ignore();
            return;
        }
    }
    MDIForm_Unload();
    event->accept();
}

void mdiMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        UltimoEstado = (windowState() & Qt::WindowMaximized) ? 2 : 0;
    // A child opened while the frame was busy (disabled) could not become active then.
    if (event->type() == QEvent::EnabledChange && isEnabled()) {
        if (QMdiSubWindow *pendente = d->activateWhenEnabled; pendente && !pendente->isHidden())
            mdiArea->setActiveSubWindow(pendente);
        d->activateWhenEnabled = nullptr;
        ResumeActivation();
    }
    QMainWindow::changeEvent(event);
}

bool mdiMenu::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == mdiArea->viewport()) {
        // A sub-window the area makes is announced while it is still being constructed:
        // watch every child, and tell the sub-windows apart when they hide.
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
    } else if (event->type() == QEvent::Hide && !event->spontaneous()) {
        // A minimised frame hides its children spontaneously; those stay as they are.
        if (auto *filha = qobject_cast<QMdiSubWindow *>(objeto))
            ChildHidden(filha);
    }
    return QMainWindow::eventFilter(objeto, event);
}

bool mdiMenu::UnloadChild(QMdiSubWindow *filha)
{
    QPointer<QMdiSubWindow> guarda(filha);
    if (!filha->close())
        return false;
    // A sub-window that was not made to delete itself on close is unloaded here.
    if (guarda && mdiArea->subWindowList().contains(guarda.data())) {
        mdiArea->removeSubWindow(guarda);
        guarda->deleteLater();
    }
    return true;
}

// ---- Second start ----------------------------------------------------------------------

bool mdiMenu::StartServer(const QString &nome)
{
    if (!d->server) {
        d->server = new CommandServer(this);
        connect(d->server, &CommandServer::CommandReceived, this,
                [this](const QString &comando) { MDIForm_LinkExecute(comando); });
    }
    return d->server->Listen(nome);
}

void mdiMenu::MDIForm_LinkExecute(const QString &comando)
{
    const frame::ReceivedCommand recebido = frame::ParseCommand(comando);
    ArquivoAbrir() = recebido.file;
    if (recebido.restoreState && (windowState() & Qt::WindowMinimized)) {
        Qt::WindowStates estado = windowState() & ~Qt::WindowMinimized;
        if (UltimoEstado == 2)
            estado |= Qt::WindowMaximized;
        else
            estado &= ~Qt::WindowMaximized;
        setWindowState(estado);
    }
    show();
    raise();
    activateWindow();
    if (!ArquivoAbrir().isEmpty()) {
        QString caminho = frame::UnquotedPath(ArquivoAbrir());
        OpenCaseWindow(true, caminho);
    }
}

// ---- Children --------------------------------------------------------------------------

QMdiSubWindow *mdiMenu::AddChild(QWidget *filha)
{
    QMdiSubWindow *sub = mdiArea->addSubWindow(filha);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(filha->windowIcon()); // its own (a case's), else the program's
    return sub;
}

void mdiMenu::ActivateChild(QMdiSubWindow *filha)
{
    filha->show();
    mdiArea->setActiveSubWindow(filha);
    if (mdiArea->activeSubWindow() != filha)
        d->activateWhenEnabled = filha;
}

QWidget *mdiMenu::ActiveForm() const
{
    QMdiSubWindow *sub = mdiArea->currentSubWindow();
    return sub && !sub->isHidden() ? sub->widget() : nullptr;
}

void mdiMenu::ChildActivated()
{
    QMdiSubWindow *nova = mdiArea->currentSubWindow();
    if (nova && nova->isHidden())
        nova = nullptr;
    if (nova == d->activeChild)
        return;
    if (d->activeChild) {
        if (auto *anterior = dynamic_cast<ChildWindow *>(d->activeChild->widget()))
            anterior->Form_Deactivate();
    }
    d->activeChild = nova;
    ShowChildMenus();
    if (nova) {
        if (auto *filha = dynamic_cast<ChildWindow *>(nova->widget()))
            filha->Form_Activate();
    }
}

void mdiMenu::ChildHidden(QMdiSubWindow *filha)
{
    // A hidden or closing child's menus leave the frame's menu bar at once: the window may be
    // deleted soon, and a command of its own may be what hides it.
    if (filha == d->activeChild) {
        d->activeChild = nullptr;
        if (auto *janela = dynamic_cast<ChildWindow *>(filha->widget()))
            janela->Form_Deactivate();
        ShowChildMenus();
    }
    // Nor does it stay the area's active child: shown again, it would not be activated anew.
    if (mdiArea->activeSubWindow() == filha)
        mdiArea->setActiveSubWindow(nullptr);
    // Once the area is done with it, the next child becomes active: Qt's own hand-on stops at
    // a hidden report window and leaves no child active.
    if (!d->resumePending) {
        d->resumePending = true;
        QTimer::singleShot(0, this, [this] { ResumeActivation(); });
    }
}

void mdiMenu::ResumeActivation()
{
    d->resumePending = false;
    if (closing || !isEnabled())
        return; // a busy frame does this when it is enabled again
    QMdiSubWindow *ativa = mdiArea->activeSubWindow();
    if (!ativa || ativa->isHidden()) {
        const QList<QMdiSubWindow *> recentes =
            mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = recentes.crbegin(); it != recentes.crend(); ++it) {
            if (!(*it)->isHidden()) {
                mdiArea->setActiveSubWindow(*it);
                break;
            }
        }
    }
    ChildActivated();
}

void mdiMenu::ShowChildMenus()
{
    QList<QAction *> acoes = d->ownMenus;
    QWidget *ativa = d->activeChild ? d->activeChild->widget() : nullptr;
    if (auto *filha = dynamic_cast<ChildWindow *>(ativa)) {
        if (QMenuBar *propria = filha->OwnMenuBar()) {
            acoes = propria->actions();
            for (QAction *acao : acoes) {
                QMenu *menu = acao->menu();
                if (menu && (menu->objectName() == QStringLiteral("mnuJanela")
                             || acao->text() == QStringLiteral("&Janela")))
                    ListWindowsIn(menu);
            }
        }
    }
    QMenuBar *barra = menuBar();
    if (barra->actions() == acoes)
        return;
    const QList<QAction *> atuais = barra->actions();
    for (QAction *acao : atuais)
        barra->removeAction(acao);
    barra->addActions(acoes);
}

void mdiMenu::ListWindowsIn(QMenu *menu)
{
    if (menu->property(WindowListProperty).toBool())
        return;
    menu->setProperty(WindowListProperty, true);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        const QList<QAction *> antigas = menu->actions();
        for (QAction *acao : antigas) {
            if (acao->property(WindowListProperty).toBool()) {
                menu->removeAction(acao);
                acao->deleteLater();
            }
        }
        const QList<QMdiSubWindow *> filhas = mdiArea->subWindowList();
        int n = 0;
        for (QMdiSubWindow *sub : filhas) {
            if (!sub->isVisible())
                continue;
            if (n == 0)
                menu->addSeparator()->setProperty(WindowListProperty, true);
            QAction *item = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(
                sub->windowTitle()));
            item->setProperty(WindowListProperty, true);
            item->setCheckable(true);
            item->setChecked(sub == mdiArea->currentSubWindow());
            QPointer<QMdiSubWindow> alvo(sub);
            connect(item, &QAction::triggered, this, [this, alvo] {
                if (alvo)
                    mdiArea->setActiveSubWindow(alvo);
            });
        }
    });
}

// ---- Toolbars --------------------------------------------------------------------------

QAction *mdiMenu::Botao(const QString &chave) const
{
    return d->bars->button(chave);
}

void mdiMenu::EnableButton(const QString &chave, bool habilitado)
{
    if (QAction *botao = Botao(chave))
        botao->setEnabled(habilitado);
}

void mdiMenu::tbCalculo_ButtonClick(const QString &chave)
{
    auto *filha = dynamic_cast<ChildWindow *>(ActiveForm());
    if (!filha)
        return;
    if (chave == QStringLiteral("Calcular")) {
        filha->PressCalculate();
    } else if (chave == QStringLiteral("Calculadora")) {
        if (const auto index = filha->ActiveFieldIndex())
            filha->txtDados_DblClick(*index);
    } else if (chave == QStringLiteral("Imprimir")) {
        filha->mnuArquivoImprimir_Click();
    } else if (chave == QStringLiteral("Exportar")) {
        filha->mnuArquivoExportarRelatorio_Click();
    }
}

void mdiMenu::tbPadrao_ButtonClick(const QString &chave)
{
    QApplication::processEvents();
    if (chave == QStringLiteral("Novo")) {
        HabilitaMenu(false);
        QApplication::processEvents();
        mnuArquivoNew_Click();
        QApplication::processEvents();
        HabilitaMenu(true);
    } else if (chave == QStringLiteral("Abrir")) {
        mnuArquivoOpen_Click();
    } else if (chave == QStringLiteral("Salvar")) {
        if (auto *filha = dynamic_cast<ChildWindow *>(ActiveForm()))
            filha->mnuArquivoSalvar_Click();
    } else if (chave == QStringLiteral("Sair")) {
        mnuArquivoSair_Click();
    }
}

// ---- View ------------------------------------------------------------------------------

bool mdiMenu::StandardBarVisible() const
{
    return !tbPadrao->isHidden();
}

bool mdiMenu::CalculationBarVisible() const
{
    return !tbCalculo->isHidden();
}

bool mdiMenu::LabelsVisible() const
{
    return mnuExibirEtiqueta->isChecked();
}

bool mdiMenu::StatusBarVisible() const
{
    return !sbStatusBar->isHidden();
}

void mdiMenu::ToggleBand(QToolBar *banda, QAction *entrada)
{
    d->bars->toggle(banda);
    entrada->setChecked(!banda->isHidden());
    CheckInChildren(entrada);
    d->bars->fit(mnuExibirEtiqueta->isChecked());
    cobBarra->update();
}

void mdiMenu::CheckInChildren(QAction *entrada)
{
    // Every child's entry, not only the active one's: each window's ticks show the bars as
    // they are, whichever window's menu toggled them.
    const QList<QMdiSubWindow *> filhas = mdiArea->subWindowList();
    for (QMdiSubWindow *sub : filhas) {
        if (auto *filha = dynamic_cast<ChildWindow *>(sub->widget()))
            filha->SetViewCheck(entrada->objectName(), entrada->isChecked());
    }
}

void mdiMenu::mnuExibirBarraPadrao_Click()
{
    ToggleBand(tbPadrao, mnuExibirBarraPadrao);
}

void mdiMenu::mnuExibirBarraCalculo_Click()
{
    ToggleBand(tbCalculo, mnuExibirBarraCalculo);
}

void mdiMenu::mnuExibirEtiqueta_Click()
{
    mnuExibirEtiqueta->setChecked(!mnuExibirEtiqueta->isChecked());
    const bool etiquetas = mnuExibirEtiqueta->isChecked();
    CheckInChildren(mnuExibirEtiqueta);
    d->bars->showLabels(etiquetas);
    d->bars->fit(etiquetas);
}

void mdiMenu::mnuExibirStatusBar_Click()
{
    sbStatusBar->setVisible(sbStatusBar->isHidden());
    mnuExibirStatusBar->setChecked(!sbStatusBar->isHidden());
    CheckInChildren(mnuExibirStatusBar);
}

frame::Bands mdiMenu::Bands() const
{
    return d->bars->bands();
}

void mdiMenu::mnuExibirRelatorio_Click()
{
    if (!QDir(PathRelatorios()).exists())
        QDir().mkpath(PathRelatorios());
    platform::OpenExternal(PathRelatorios());
}

// ---- File ------------------------------------------------------------------------------

void mdiMenu::mnuArquivoNew_Click()
{
    QString caminho;
    OpenCaseWindow(false, caminho);
}

void mdiMenu::mnuArquivoOpen_Click()
{
    QString caminho;
    OpenCaseWindow(true, caminho);
}

void mdiMenu::mnuArquivoMRU_Click(int index)
{
    if (index < 1 || index > 4)
        return;
    QString caminho = ListaMRU()[index - 1];
    OpenCaseWindow(true, caminho);
}

void mdiMenu::mnuArquivoSair_Click()
{
    close();
}

void mdiMenu::mnuArquivoFecharTodos_Click()
{
    HabilitaMenu(false);
    for (;;) {
        QApplication::processEvents();
        QMdiSubWindow *caso = nullptr;
        const QList<QMdiSubWindow *> filhas = mdiArea->subWindowList();
        for (QMdiSubWindow *sub : filhas) {
            auto *filha = dynamic_cast<const ChildWindow *>(sub->widget());
            if (filha && filha->IsCaseWindow()) {
                caso = sub;
                break;
            }
        }
        if (!caso)
            break;
        UnloadChild(caso);
    }
    HabilitaMenu(true);
}

void mdiMenu::Atualiza()
{
    setWindowTitle(platform::AppTitle);
    AtualizaMRU(this);
}

// ---- Commands of the child windows' menus -----------------------------------------------

void mdiMenu::RunCommand(Command comando)
{
    switch (comando) {
    case CloseAllCases:
        return mnuArquivoFecharTodos_Click();
    case Exit:
        return mnuArquivoSair_Click();
    case ToggleStandardBar:
        return mnuExibirBarraPadrao_Click();
    case ToggleCalculationBar:
        return mnuExibirBarraCalculo_Click();
    case ToggleLabels:
        return mnuExibirEtiqueta_Click();
    case ToggleStatusBar:
        return mnuExibirStatusBar_Click();
    case OpenReportsFolder:
        return mnuExibirRelatorio_Click();
    case Options:
        return mnuExibirOptions_Click();
    case HelpContents:
        return mnuAjudaConteudo_Click();
    case HowToUseHelp:
        return mnuAjudaComoUsar_Click();
    case TipOfTheDay:
        return mnuAjudaDicas_Click();
    case SteamMassTable:
        return mnuAjudaDocumentacaoTabela_Click(0);
    case SteamVolumeTable:
        return mnuAjudaDocumentacaoTabela_Click(1);
    case About:
        return mnuAjudaSobre_Click();
    case CascadeWindows:
        return mdiArea->cascadeSubWindows();
    case ArrangeIcons:
        return ArrangeMinimizedChildren(mdiArea);
    }
}

// ---- Tools and help --------------------------------------------------------------------

void mdiMenu::mnuExibirOptions_Click()
{
    ShowOptions(this);
}

void mdiMenu::mnuAjudaSobre_Click()
{
    ShowAbout(this);
}

void mdiMenu::mnuAjudaDicas_Click()
{
    ShowTipOfTheDay();
}

void mdiMenu::mnuAjudaDocumentacaoTabela_Click(int index)
{
    ShowSteamTable(index);
}

void mdiMenu::mnuAjudaConteudo_Click()
{
    // The program has no help file of its own.
    platform::MsgBox(QStringLiteral("Não foi possivel exibir o arquivo da ajuda. Não há nenhum "
                                    "arquivo de Ajuda associado à este projeto."),
                     platform::vbInformation, windowTitle());
}

void mdiMenu::mnuAjudaComoUsar_Click()
{
    if (!platform::OpenExternal(QStringLiteral("help:")))
        platform::MsgBox(QStringLiteral("Não foi possível abrir o visualizador de ajuda do "
                                        "sistema."),
                         platform::vbInformation, windowTitle());
}
