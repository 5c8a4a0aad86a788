// The main window: bars and their switches, placement, recent files, toolbars acting on the
// active child, close-all, the second-start command and the help and folder entries.
#include "calculation/windows/AbreJanela.h"
#include "frame/modBase.h"
#include "frame/modRegistro.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "frame/windows/modBaseWindows.h"
#include "platform/Icons.h"
#include "platform/SettingsFiles.h"
#include "platform/widgets/WindowIcons.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using frame::GetConfig;
using frame::SaveConfig;
using testsupport::WaitFor;

// Readable QString values in failure messages.
static void PrintTo(const QString &texto, std::ostream *saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

namespace {

const QString Config = QStringLiteral("Config");
const QString Menu = QStringLiteral("Config\\Menu");

// A child window that records what the frame asks of it. Named "frmCalcQuirasol" it stands
// for a case window; it refuses to close as many times as told.
class TestChild : public QWidget, public ChildWindow
{
public:
    explicit TestChild(const QString &nome = QStringLiteral("frmCalcQuirasol"))
    {
        setObjectName(nome);
        for (const char *vista : {"mnuExibirBarraPadrao", "mnuExibirBarraCalculo",
                                  "mnuExibirEtiqueta", "mnuExibirStatusBar"}) {
            auto *acao = new QAction(this);
            acao->setObjectName(QString::fromLatin1(vista));
            acao->setCheckable(true);
            acao->setChecked(true);
        }
    }
    QAction *viewEntry(const char *nome) { return findChild<QAction *>(QString::fromLatin1(nome)); }

    void PressCalculate() override { calls << QStringLiteral("Calcular"); }
    std::optional<int> ActiveFieldIndex() const override { return fieldIndex; }
    void txtDados_DblClick(int index) override
    {
        calls << QStringLiteral("Calculadora %1").arg(index);
    }
    void mnuArquivoSalvar_Click() override { calls << QStringLiteral("Salvar"); }
    void mnuArquivoImprimir_Click() override { calls << QStringLiteral("Imprimir"); }
    void mnuArquivoExportarRelatorio_Click() override { calls << QStringLiteral("Exportar"); }
    void Form_Activate() override { calls << QStringLiteral("Activate"); }
    void Form_Deactivate() override { calls << QStringLiteral("Deactivate"); }
    QMenuBar *OwnMenuBar() const override { return menuBar; }
    bool IsCaseWindow() const override
    {
        return objectName() == QStringLiteral("frmCalcQuirasol");
    }
    bool Form_QueryUnload() override
    {
        ++unloadQueries;
        return unloadRefusals-- <= 0;
    }

    QStringList calls;
    std::optional<int> fieldIndex;
    int closeRefusals = 0;
    int closeRequests = 0;
    int unloadQueries = 0;
    int unloadRefusals = 0;
    QMenuBar *menuBar = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        if (closeRefusals > 0) {
            --closeRefusals;
            event->ignore();
            return;
        }
        event->accept();
    }
};

class mdiMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        ListaMRU() = {};
        PathSaves() = folder.path() + QStringLiteral("/Saves");
        PathRelatorios() = folder.path() + QStringLiteral("/Relatorios");
    }
    void TearDown() override { testsupport::UnloadMainWindow(); }
    mdiMenu *Load()
    {
        menu = mdiMenu::Instance();
        return menu;
    }
    void Close()
    {
        menu->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TestChild *NewChild(const QString &nome = QStringLiteral("frmCalcQuirasol"))
    {
        auto *filha = new TestChild(nome);
        menu->AddChild(filha)->show();
        menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(filha->parentWidget()));
        return filha;
    }
    QAction *Action(const char *nome) const
    {
        return menu->findChild<QAction *>(QString::fromLatin1(nome));
    }

    testsupport::OwnProgramState programState;
    testsupport::TemporarySettings folder;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

TEST_F(mdiMenuTest, LoadsAsDesignedWithoutSettings)
{
    Load();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_TRUE(menu->StandardBarVisible());
    EXPECT_TRUE(menu->CalculationBarVisible());
    EXPECT_TRUE(menu->StatusBarVisible());
    EXPECT_TRUE(menu->LabelsVisible());
    for (QAction *vista : {menu->mnuExibirBarraPadrao, menu->mnuExibirBarraCalculo,
                           menu->mnuExibirEtiqueta, menu->mnuExibirStatusBar})
        EXPECT_TRUE(vista->isChecked());
    struct ToolbarButton {
        const char *chave;
        bool habilitado;
        const char *dica;
    };
    for (const ToolbarButton &botao : {ToolbarButton{"Novo", true, "Novo calculo"},
                                       ToolbarButton{"Abrir", true, "Abrir calculo"},
                                       ToolbarButton{"Salvar", false, "Salvar calculo"},
                                       ToolbarButton{"Sair", true, "Sair do Caluculo de Quirasol"},
                                       ToolbarButton{"Calcular", false, "Calcular"},
                                       ToolbarButton{"Calculadora", false, "Exibir a calculadora"},
                                       ToolbarButton{"Imprimir", false, "Imprimir relatório"},
                                       ToolbarButton{"Exportar", false, "Exportar relatório"}}) {
        QAction *acao = menu->Botao(QString::fromUtf8(botao.chave));
        ASSERT_NE(acao, nullptr) << botao.chave;
        EXPECT_EQ(acao->isEnabled(), botao.habilitado) << botao.chave;
        EXPECT_EQ(acao->text(), QString::fromUtf8(botao.chave));
        EXPECT_EQ(acao->toolTip(), QString::fromUtf8(botao.dica));
    }
    EXPECT_EQ(menu->Botao(QStringLiteral("Nada")), nullptr);
    // Positions, separators included.
    const auto ordem = [](QToolBar *menuBar) {
        QStringList chaves;
        for (QAction *acao : menuBar->actions())
            chaves << (acao->isSeparator() ? QStringLiteral("|") : acao->objectName());
        return chaves.join(QLatin1Char(' '));
    };
    EXPECT_EQ(ordem(menu->tbPadrao), QStringLiteral("Novo Abrir Salvar | Sair"));
    EXPECT_EQ(ordem(menu->tbCalculo), QStringLiteral("Calcular Calculadora | Imprimir Exportar"));
    EXPECT_FALSE(Action("mnuArquivoMRU1")->isVisible());
    EXPECT_TRUE(Action("mnuArquivoMRUVazio")->isVisible());
    EXPECT_FALSE(Action("mnuArquivoMRUVazio")->isEnabled());
    EXPECT_FALSE(Action("mnuAjudaConteudo")->isEnabled());
    EXPECT_FALSE(Action("mnuArquivoSaveAll")->isVisible());
}

TEST_F(mdiMenuTest, MenuEntriesCarryTheirCaptionsShortcutsAndStates)
{
    Load();
    struct MenuEntry {
        const char *nome;
        const char *texto;
        QKeySequence atalho;
        bool habilitado;
    };
    const QKeySequence nenhum;
    const MenuEntry entradas[] = {
        {"mnuArquivoNew", "&Novo", QKeySequence(Qt::CTRL | Qt::Key_O), true},
        {"mnuArquivoOpen", "&Abrir", QKeySequence(Qt::CTRL | Qt::Key_A), true},
        {"mnuArquivoFechar", "&Fechar", nenhum, false},
        {"mnuArquivoFecharTodos", "Fechar &todos", nenhum, false},
        {"mnuArquivoSave", "&Salvar", QKeySequence(Qt::CTRL | Qt::Key_B), false},
        {"mnuArquivoSaveAs", "Salvar &como...", nenhum, false},
        {"mnuArquivoSaveAll", "Salvar &todos", nenhum, false},
        {"mnuArquivoExportarRelatorio", "Relatório...", nenhum, true},
        {"mnuArquivoPageSetup", "Configurar impressão...", nenhum, true},
        {"mnuArquivoPrint", "&Imprimir...", QKeySequence(Qt::CTRL | Qt::Key_P), false},
        {"mnuArquivoMRUVazio", "Vazio", nenhum, false},
        {"mnuArquivoSair", "Sai&r", nenhum, true},
        {"mnuExibirBarraPadrao", "Botões &padrão", nenhum, true},
        {"mnuExibirBarraCalculo", "Barra de &calculo", nenhum, true},
        {"mnuExibirEtiqueta", "Etiquetas de texto", nenhum, true},
        {"mnuExibirStatusBar", "Barra de &status", nenhum, true},
        {"mnuExibirRelatorio", "Relatórios", nenhum, true},
        {"mnuExibirOptions", "&Opções...", nenhum, true},
        {"mnuJanelaCascata", "&Cascata", nenhum, false},
        {"mnuJanelaArrangeIcons", "&Organizar ícones", nenhum, false},
        {"mnuAjudaConteudo", "&Conteúdo e índice...", nenhum, false},
        {"mnuAjudaComoUsar", "Como utilizar a ajuda...", nenhum, true},
        {"mnuAjudaDicas", "Exibir &dicas...", nenhum, true},
        {"mnuAjudaDocumentacaoTabela0", "&Massa do Vapor Superaquecido", nenhum, true},
        {"mnuAjudaDocumentacaoTabela1", "&Volume do Vapor Superaquecido", nenhum, true},
        {"mnuAjudaSobre", "&Sobre o Calculo de Quirasol...", nenhum, true},
    };
    for (const MenuEntry &entrada : entradas) {
        QAction *acao = Action(entrada.nome);
        ASSERT_NE(acao, nullptr) << entrada.nome;
        EXPECT_EQ(acao->text(), QString::fromUtf8(entrada.texto)) << entrada.nome;
        EXPECT_EQ(acao->shortcut(), entrada.atalho) << entrada.nome;
        EXPECT_EQ(acao->isEnabled(), entrada.habilitado) << entrada.nome;
    }
    QStringList menuBar;
    for (QAction *acao : menu->menuBar()->actions())
        menuBar << acao->text();
    EXPECT_EQ(menuBar, QStringList({QStringLiteral("&Arquivo"), QStringLiteral("E&xibir"),
                                    QStringLiteral("&Janela"), QStringLiteral("Aj&uda")}));
    const auto submenu = [this](const char *nome) {
        return menu->findChild<QMenu *>(QString::fromLatin1(nome));
    };
    ASSERT_NE(submenu("mnuArquivoExportar"), nullptr);
    EXPECT_EQ(submenu("mnuArquivoExportar")->title(), QStringLiteral("Exportar"));
    EXPECT_FALSE(submenu("mnuArquivoExportar")->menuAction()->isEnabled());
    ASSERT_NE(submenu("mnuArquivoRecentFiles"), nullptr);
    EXPECT_EQ(submenu("mnuArquivoRecentFiles")->title(), QStringLiteral("Arquivos recentes"));
    EXPECT_EQ(menu->mnuExibirBarra->title(), QStringLiteral("&Barra de ferramentas"));
    ASSERT_NE(submenu("mnuAjudaDocumentacao"), nullptr);
    EXPECT_EQ(submenu("mnuAjudaDocumentacao")->title(), QStringLiteral("D&ocumentação"));
}

TEST_F(mdiMenuTest, OnlyFalseHidesABarAtLoad)
{
    SaveConfig(Config, QStringLiteral("Barra0"), QStringLiteral("False"));
    SaveConfig(Config, QStringLiteral("Barra1"), QStringLiteral("false"));
    SaveConfig(Config, QStringLiteral("Barra2"), QStringLiteral("0"));
    SaveConfig(Config, QStringLiteral("Barra3"), QStringLiteral("False"));
    Load();
    EXPECT_FALSE(menu->StandardBarVisible());
    EXPECT_FALSE(menu->mnuExibirBarraPadrao->isChecked());
    EXPECT_TRUE(menu->CalculationBarVisible());
    EXPECT_TRUE(menu->LabelsVisible());
    EXPECT_FALSE(menu->StatusBarVisible());
    EXPECT_FALSE(menu->mnuExibirStatusBar->isChecked());
    // The next exit writes "True" or "False" again.
    Close();
    EXPECT_EQ(GetConfig(Config, QStringLiteral("Barra0")), QStringLiteral("False"));
    EXPECT_EQ(GetConfig(Config, QStringLiteral("Barra1")), QStringLiteral("True"));
    EXPECT_EQ(GetConfig(Config, QStringLiteral("Barra2")), QStringLiteral("True"));
    EXPECT_EQ(GetConfig(Config, QStringLiteral("Barra3")), QStringLiteral("False"));
}

TEST_F(mdiMenuTest, HidingBothBandsHidesTheBarShowingOneBringsItBack)
{
    Load();
    menu->mnuExibirBarraPadrao_Click();
    EXPECT_FALSE(menu->cobBarra->isHidden());
    menu->mnuExibirBarraCalculo_Click();
    EXPECT_TRUE(menu->cobBarra->isHidden());
    EXPECT_FALSE(menu->mnuExibirBarraCalculo->isChecked());
    menu->mnuExibirBarraCalculo_Click();
    EXPECT_FALSE(menu->cobBarra->isHidden());
    EXPECT_TRUE(menu->CalculationBarVisible());
    EXPECT_FALSE(menu->StandardBarVisible());
}

TEST_F(mdiMenuTest, MenuClickOnAViewEntryTogglesOnce)
{
    Load();
    menu->mnuExibirStatusBar->trigger();
    EXPECT_FALSE(menu->StatusBarVisible());
    EXPECT_FALSE(menu->mnuExibirStatusBar->isChecked());
    menu->mnuExibirEtiqueta->trigger();
    EXPECT_FALSE(menu->LabelsVisible());
}

TEST_F(mdiMenuTest, CaptionsOffGiveFixedBandWidthsAndEmptyButtonTexts)
{
    Load();
    menu->mnuExibirEtiqueta_Click();
    EXPECT_FALSE(menu->mnuExibirEtiqueta->isChecked());
    EXPECT_EQ(menu->Botao(QStringLiteral("Novo"))->text(), QString());
    EXPECT_EQ(menu->Botao(QStringLiteral("Exportar"))->text(), QString());
    frame::Bands bandas = menu->Bands();
    EXPECT_EQ(bandas.standard.width, 1600);
    EXPECT_EQ(bandas.standard.minWidth, 1600);
    EXPECT_EQ(bandas.calculation.width, 1500);
    EXPECT_EQ(bandas.calculation.minWidth, 1500);
    EXPECT_GE(menu->tbPadrao->minimumWidth(), 1600 / 15);

    menu->mnuExibirEtiqueta_Click();
    EXPECT_EQ(menu->Botao(QStringLiteral("Novo"))->text(), QStringLiteral("Novo"));
    bandas = menu->Bands();
    EXPECT_EQ(bandas.standard.minWidth, menu->tbPadrao->sizeHint().width() * 15);
    EXPECT_EQ(bandas.calculation.minWidth, menu->tbCalculo->sizeHint().width() * 15);
    EXPECT_EQ(bandas.calculation.minHeight, bandas.standard.minHeight);
}

TEST_F(mdiMenuTest, PlacementRestoredWhenPositiveDesignValueOtherwise)
{
    SaveConfig(Menu, QStringLiteral("MainLeft"), QStringLiteral("0"));
    SaveConfig(Menu, QStringLiteral("MainTop"), QStringLiteral("-150"));
    SaveConfig(Menu, QStringLiteral("MainWidth"), QStringLiteral("9000"));
    SaveConfig(Menu, QStringLiteral("MainHeight"), QStringLiteral("7500,7"));
    Load();
    EXPECT_EQ(menu->width(), 600);
    EXPECT_EQ(menu->height(), 500);
    EXPECT_EQ(menu->pos(), QPoint(0, 0));
    EXPECT_FALSE(menu->isMaximized());
}

TEST_F(mdiMenuTest, WildPlacementIsFittedToTheScreenAndStoredAsShown)
{
    const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char *chave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        SaveConfig(Menu, QString::fromLatin1(chave), QStringLiteral("999999999"));
    Load();
    menu->show();
    // The whole frame on the screen, placed as at a first start.
    EXPECT_TRUE(WaitFor([this, tela] { return menu->frameGeometry() == tela; }));
    const QRect mostrada(menu->pos(), menu->size());
    Close();
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainLeft")), QString::number(mostrada.x() * 15));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainTop")), QString::number(mostrada.y() * 15));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWidth")),
              QString::number(mostrada.width() * 15));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainHeight")),
              QString::number(mostrada.height() * 15));
}

TEST_F(mdiMenuTest, ClosingMaximisedStoresNormalPlacementAndState2)
{
    SaveConfig(Menu, QStringLiteral("MainLeft"), QStringLiteral("1500"));
    SaveConfig(Menu, QStringLiteral("MainTop"), QStringLiteral("750"));
    SaveConfig(Menu, QStringLiteral("MainWidth"), QStringLiteral("10500"));
    SaveConfig(Menu, QStringLiteral("MainHeight"), QStringLiteral("7500"));
    SaveConfig(Menu, QStringLiteral("MainWindowsState"), QStringLiteral("2"));
    Load();
    menu->show();
    EXPECT_TRUE(WaitFor([this] { return menu->isMaximized() && menu->UltimoEstado == 2; }));
    Close();
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWindowsState")), QStringLiteral("2"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainLeft")), QStringLiteral("1500"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainTop")), QStringLiteral("750"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWidth")), QStringLiteral("10500"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainHeight")), QStringLiteral("7500"));
}

TEST_F(mdiMenuTest, ClosingMinimisedStoresState0)
{
    SaveConfig(Menu, QStringLiteral("MainWidth"), QStringLiteral("10500"));
    SaveConfig(Menu, QStringLiteral("MainHeight"), QStringLiteral("7500"));
    Load();
    menu->show();
    menu->showMinimized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMinimized(); }));
    EXPECT_EQ(menu->UltimoEstado, 0);
    Close();
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWindowsState")), QStringLiteral("0"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWidth")), QStringLiteral("10500"));
}

TEST_F(mdiMenuTest, ClosingMinimisedFromMaximisedStoresState0AndTheNormalPlacement)
{
    SaveConfig(Menu, QStringLiteral("MainWidth"), QStringLiteral("10500"));
    SaveConfig(Menu, QStringLiteral("MainHeight"), QStringLiteral("7500"));
    Load();
    menu->show();
    menu->showMaximized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMaximized(); }));
    menu->setWindowState(menu->windowState() | Qt::WindowMinimized);
    ASSERT_TRUE(WaitFor([this] { return menu->isMinimized(); }));
    Close();
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWindowsState")), QStringLiteral("0"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainWidth")), QStringLiteral("10500"));
    EXPECT_EQ(GetConfig(Menu, QStringLiteral("MainHeight")), QStringLiteral("7500"));
}

TEST_F(mdiMenuTest, RecentFilesLoadShowAndStoreUpToTheFirstEmpty)
{
    SaveConfig(QStringLiteral("FilesMRU"), QStringLiteral("1"), QStringLiteral("/tmp/a.qzv"));
    Load();
    EXPECT_EQ(ListaMRU()[0], QStringLiteral("/tmp/a.qzv"));
    EXPECT_TRUE(Action("mnuArquivoMRU1")->isVisible());
    EXPECT_EQ(Action("mnuArquivoMRU1")->text(), QStringLiteral("&1 /tmp/a.qzv"));
    EXPECT_FALSE(Action("mnuArquivoMRU2")->isVisible());
    EXPECT_FALSE(Action("mnuArquivoMRUVazio")->isVisible());

    SaveConfig(QStringLiteral("FilesMRU"), QStringLiteral("3"), QStringLiteral("/velho.qzv"));
    AddFileMRU(QStringLiteral("/home/engenheiro/projetos/bomba centrifuga.qzv"));
    menu->Atualiza();
    EXPECT_EQ(Action("mnuArquivoMRU1")->text(),
              QStringLiteral("&1 /Home/Eng../Pro../bomba centrifuga.qzv"));
    EXPECT_EQ(Action("mnuArquivoMRU2")->text(), QStringLiteral("&2 /tmp/a.qzv"));
    Close();
    EXPECT_EQ(GetConfig(QStringLiteral("FilesMRU"), QStringLiteral("1")),
              QStringLiteral("/home/engenheiro/projetos/bomba centrifuga.qzv"));
    EXPECT_EQ(GetConfig(QStringLiteral("FilesMRU"), QStringLiteral("2")),
              QStringLiteral("/tmp/a.qzv"));
    EXPECT_EQ(GetConfig(QStringLiteral("FilesMRU"), QStringLiteral("3")),
              QStringLiteral("/velho.qzv"));
}

TEST_F(mdiMenuTest, RecentFilesMenuOfTheFrameNotOfItsChildren)
{
    Load();
    // A child with recent-files items of its own, as the case and report windows have.
    TestChild *filha = NewChild();
    for (const char *nome : {"mnuArquivoMRU1", "mnuArquivoMRU2", "mnuArquivoMRU3",
                             "mnuArquivoMRU4", "mnuArquivoMRUVazio"}) {
        auto *item = new QAction(QStringLiteral("x"), filha);
        item->setObjectName(QString::fromLatin1(nome));
    }
    AddFileMRU(QStringLiteral("/tmp/caso.qzv"));
    menu->Atualiza();
    QMenu *recentes = menu->findChild<QMenu *>(QStringLiteral("mnuArquivoRecentFiles"));
    ASSERT_NE(recentes, nullptr);
    QAction *primeiro = nullptr;
    QAction *vazio = nullptr;
    for (QAction *item : recentes->actions()) {
        if (item->objectName() == QStringLiteral("mnuArquivoMRU1"))
            primeiro = item;
        if (item->objectName() == QStringLiteral("mnuArquivoMRUVazio"))
            vazio = item;
    }
    ASSERT_TRUE(primeiro && vazio);
    EXPECT_EQ(primeiro->text(), QStringLiteral("&1 /tmp/caso.qzv"));
    EXPECT_TRUE(primeiro->isVisible());
    EXPECT_FALSE(vazio->isVisible());
    // The child's own items are the child's to refresh.
    EXPECT_EQ(filha->findChild<QAction *>(QStringLiteral("mnuArquivoMRU1"))->text(),
              QStringLiteral("x"));
}

TEST_F(mdiMenuTest, CalculationToolbarActsOnTheActiveChildOnly)
{
    Load();
    for (const char *chave : {"Calcular", "Calculadora", "Imprimir", "Exportar"})
        menu->tbCalculo_ButtonClick(QString::fromLatin1(chave)); // no child: nothing
    TestChild *filha = NewChild();
    filha->calls.clear();
    menu->tbCalculo_ButtonClick(QStringLiteral("Calculadora")); // no focused field: skipped
    filha->fieldIndex = 9;
    for (const char *chave : {"Calcular", "Calculadora", "Imprimir", "Exportar"})
        menu->tbCalculo_ButtonClick(QString::fromLatin1(chave));
    menu->tbPadrao_ButtonClick(QStringLiteral("Salvar"));
    EXPECT_EQ(filha->calls,
              QStringList({QStringLiteral("Calcular"), QStringLiteral("Calculadora 9"),
                           QStringLiteral("Imprimir"), QStringLiteral("Exportar"),
                           QStringLiteral("Salvar")}));
}

TEST_F(mdiMenuTest, ChildWithoutMembersIsSkippedSilently)
{
    Load();
    auto *simples = new QWidget;
    menu->AddChild(simples)->show();
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(simples->parentWidget()));
    menu->tbCalculo_ButtonClick(QStringLiteral("Calcular"));
    menu->tbPadrao_ButtonClick(QStringLiteral("Salvar"));
    menu->mnuExibirStatusBar_Click();
    EXPECT_TRUE(ui.asked.empty());
}

TEST_F(mdiMenuTest, ViewTogglesReachTheActiveChild)
{
    Load();
    TestChild *filha = NewChild(QStringLiteral("frmRelatorio"));
    menu->mnuExibirBarraCalculo_Click();
    EXPECT_FALSE(filha->viewEntry("mnuExibirBarraCalculo")->isChecked());
    menu->mnuExibirStatusBar_Click();
    EXPECT_FALSE(filha->viewEntry("mnuExibirStatusBar")->isChecked());
    menu->mnuExibirEtiqueta_Click();
    EXPECT_FALSE(filha->viewEntry("mnuExibirEtiqueta")->isChecked());
    EXPECT_TRUE(filha->viewEntry("mnuExibirBarraPadrao")->isChecked());
}

TEST_F(mdiMenuTest, ActivationSwapsMenusAndCallsActivateAndDeactivate)
{
    Load();
    const QList<QAction *> proprios = menu->menuBar()->actions();
    TestChild *primeira = NewChild();
    primeira->menuBar = new QMenuBar(primeira);
    primeira->menuBar->hide();
    primeira->menuBar->addMenu(QStringLiteral("&Arquivo"));
    primeira->menuBar->addMenu(QStringLiteral("&Janela"));
    TestChild *segunda = NewChild();
    EXPECT_TRUE(primeira->calls.contains(QStringLiteral("Deactivate")));
    EXPECT_TRUE(segunda->calls.contains(QStringLiteral("Activate")));
    EXPECT_EQ(menu->menuBar()->actions(), proprios); // the second has no menu bar
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(primeira->parentWidget()));
    EXPECT_EQ(menu->menuBar()->actions(), primeira->menuBar->actions());
    EXPECT_EQ(menu->ActiveForm(), primeira);
    primeira->parentWidget()->close();
    segunda->parentWidget()->close();
    EXPECT_TRUE(WaitFor([&] { return menu->menuBar()->actions() == proprios; }));
}

TEST_F(mdiMenuTest, ChildOpenedWhileBusyBecomesActiveWhenTheFrameIsReady)
{
    Load();
    menu->show();
    HabilitaMenu(false);
    TestChild *filha = NewChild();
    filha->menuBar = new QMenuBar(filha);
    filha->menuBar->hide();
    filha->menuBar->addMenu(QStringLiteral("&Arquivo"));
    HabilitaMenu(true);
    EXPECT_EQ(menu->ActiveForm(), filha);
    EXPECT_TRUE(filha->calls.contains(QStringLiteral("Activate")));
    EXPECT_EQ(menu->menuBar()->actions(), filha->menuBar->actions());
}

TEST_F(mdiMenuTest, CloseAllOffersARefusingCaseAgainUntilItCloses)
{
    Load();
    QPointer<TestChild> primeira = NewChild();
    QPointer<TestChild> teimosa = NewChild();
    QPointer<TestChild> relatorio = NewChild(QStringLiteral("frmRelatorio"));
    teimosa->closeRefusals = 2;
    menu->mnuArquivoFecharTodos_Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(primeira);
    EXPECT_FALSE(teimosa);
    EXPECT_TRUE(relatorio); // only case windows
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(mdiMenuTest, CloseAllWithoutCasesOnlySwitchesTheBusyState)
{
    Load();
    menu->mnuArquivoFecharTodos_Click();
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(mdiMenuTest, BusyStateHasNoCounter)
{
    Load();
    HabilitaMenu(false);
    HabilitaMenu(false);
    EXPECT_FALSE(menu->isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    HabilitaMenu(true);
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    HabilitaMenu(false);
    MostraErro(5, QStringLiteral("x")); // the error box clears the hourglass only
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(menu->isEnabled());
    HabilitaMenu(true);
}

TEST_F(mdiMenuTest, ClosingStopsWhenACaseRefusesAfterStoringRecentFiles)
{
    Load();
    menu->show();
    AddFileMRU(QStringLiteral("/tmp/x.qzv"));
    TestChild *filha = NewChild();
    filha->closeRefusals = 1;
    EXPECT_FALSE(menu->close());
    EXPECT_TRUE(menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->IsClosing());
    EXPECT_EQ(GetConfig(QStringLiteral("FilesMRU"), QStringLiteral("1")),
              QStringLiteral("/tmp/x.qzv"));
    EXPECT_EQ(GetConfig(Config, QStringLiteral("Barra0")), QString()); // not unloaded
    Close();
    EXPECT_FALSE(menu);
}

TEST_F(mdiMenuTest, ClosingAsksEveryChildBeforeAnyUnloads)
{
    Load();
    menu->show();
    QPointer<TestChild> primeira = NewChild();
    QPointer<TestChild> recusa = NewChild();
    QPointer<TestChild> terceira = NewChild(QStringLiteral("frmRelatorio"));
    recusa->unloadRefusals = 1;
    EXPECT_FALSE(menu->close());
    ASSERT_TRUE(primeira && recusa && terceira);
    EXPECT_EQ(primeira->unloadQueries, 1);
    EXPECT_EQ(primeira->closeRequests, 0); // agreed, yet still open
    EXPECT_EQ(recusa->unloadQueries, 1);
    EXPECT_EQ(terceira->unloadQueries, 0); // the asking stops at the refusal
    EXPECT_FALSE(menu->IsUnloadingChildren());

    EXPECT_TRUE(menu->close());
    EXPECT_EQ(primeira->unloadQueries, 2);
    EXPECT_EQ(recusa->unloadQueries, 2);
    EXPECT_EQ(terceira->unloadQueries, 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(primeira);
    EXPECT_FALSE(recusa);
    EXPECT_FALSE(menu);
}

TEST_F(mdiMenuTest, LinkExecuteWithSlashPRestoresTheLastState)
{
    Load();
    menu->show();
    menu->showMaximized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMaximized(); }));
    menu->showMinimized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMinimized(); }));
    EXPECT_EQ(menu->UltimoEstado, 2);
    menu->MDIForm_LinkExecute(QStringLiteral("/P /tmp/nao existe.qzv"));
    EXPECT_TRUE(WaitFor([this] { return !menu->isMinimized() && menu->isMaximized(); }));
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("/tmp/nao existe.qzv"));
}

TEST_F(mdiMenuTest, LinkExecuteWithoutSlashPTakesTheWholeTextAndKeepsTheState)
{
    Load();
    menu->show();
    menu->showMinimized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMinimized(); }));
    menu->MDIForm_LinkExecute(QStringLiteral("/tmp/caso.qzv"));
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("/tmp/caso.qzv"));
    EXPECT_TRUE(menu->isMinimized());
    menu->MDIForm_LinkExecute(QStringLiteral("/P "));
    EXPECT_EQ(ArquivoAbrir(), QString());
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(mdiMenuTest, ReportsFolderIsCreatedThenOpened)
{
    Load();
    ASSERT_FALSE(QDir(PathRelatorios()).exists());
    menu->mnuExibirRelatorio_Click();
    EXPECT_TRUE(QDir(PathRelatorios()).exists());
    EXPECT_EQ(ui.externals(), QStringList(PathRelatorios()));
}

TEST_F(mdiMenuTest, HelpEntries)
{
    Load();
    menu->mnuAjudaConteudo_Click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("Não foi possivel exibir o arquivo da ajuda. Não há nenhum arquivo "
                             "de Ajuda associado à este projeto."));
    EXPECT_EQ(ui.messages()[0].style, 64);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Cálculo de Quirasol"));
    menu->mnuAjudaComoUsar_Click();
    EXPECT_EQ(ui.externals(), QStringList(QStringLiteral("help:")));
}

TEST_F(mdiMenuTest, PageSetupGoesThroughThePrinterDialog)
{
    Load();
    Action("mnuArquivoPageSetup")->trigger();
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].kind, testsupport::Asked::Printer);
    EXPECT_EQ(ui.asked[0].style, 1);
}

TEST_F(mdiMenuTest, RightButtonAnywhereOverTheBarsPopsUpTheBarMenu)
{
    Load();
    menu->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu, testsupport::WaitCeilingMs));
    // The band container, an enabled button, disabled buttons of both bars ("Salvar",
    // "Calcular", "Exportar" are off with no case open) and a separator.
    QList<QWidget *> alvos{menu->cobBarra};
    for (const char *chave : {"Novo", "Salvar", "Calcular", "Exportar"}) {
        QAction *botao = menu->Botao(QString::fromLatin1(chave));
        QToolBar *menuBar = menu->tbPadrao->actions().contains(botao) ? menu->tbPadrao
                                                                    : menu->tbCalculo;
        alvos << menuBar->widgetForAction(botao);
    }
    alvos << menu->tbPadrao->widgetForAction(menu->tbPadrao->actions().value(3));
    ASSERT_FALSE(alvos.contains(nullptr));
    EXPECT_FALSE(alvos[2]->isEnabled());
    for (QWidget *alvo : alvos) {
        const QPoint ponto = alvo->mapTo(menu, alvo->rect().center());
        QTest::mouseClick(menu->windowHandle(), Qt::RightButton, {}, ponto);
        EXPECT_TRUE(menu->mnuExibirBarra->isVisible()) << alvo->metaObject()->className();
        menu->mnuExibirBarra->hide();
    }
}

// Title bars: a case window's frame shows the case-file icon, every other child the
// program's icon (the application's window icon), never Qt's stand-in.
TEST_F(mdiMenuTest, ChildFramesShowTheCaseIconOrTheProgramsIcon)
{
    ASSERT_FALSE(platform::ProgramIcon().pixmap(16, 16).isNull());
    ASSERT_FALSE(platform::CaseIcon().pixmap(16, 16).isNull());
    QApplication::setWindowIcon(platform::ProgramIcon());
    const qint64 programa = QApplication::windowIcon().cacheKey();
    programState.state().caseOpener = &AbreJanela; // real case windows
    Load();
    menu->show();
    auto icone = [this] { return menu->Area()->currentSubWindow()->windowIcon().cacheKey(); };

    Action("mnuArquivoNew")->trigger();
    QMdiSubWindow *caso = menu->Area()->currentSubWindow();
    ASSERT_NE(caso, nullptr);
    EXPECT_EQ(icone(), caso->widget()->windowIcon().cacheKey());
    EXPECT_NE(icone(), programa);
    Action("mnuAjudaDocumentacaoTabela0")->trigger();
    EXPECT_NE(menu->Area()->currentSubWindow(), caso);
    EXPECT_EQ(icone(), programa);
    Action("mnuAjudaDicas")->trigger();
    EXPECT_EQ(icone(), programa);
    // The case's report window, hidden until a calculation shows it.
    int relatorios = 0;
    const QList<QMdiSubWindow *> filhas = menu->Area()->subWindowList();
    for (QMdiSubWindow *filha : filhas) {
        if (filha->widget()->metaObject()->className() == QByteArray("frmRelatorio")) {
            ++relatorios;
            EXPECT_EQ(filha->windowIcon().cacheKey(), programa);
        }
    }
    EXPECT_EQ(relatorios, 1);
    QApplication::setWindowIcon(QIcon());
}

} // namespace
