// The life of the child windows in the main window, reached the way a user reaches it: menu
// entries and toolbar buttons triggered, keys and clicks sent, and the event loop left to
// run (deferred deletes included) before anything is checked. Commands that close windows
// are given from the very windows they close. These tests run offscreen and again on a real
// display with a window manager (label desktop).
#include "calculation/modCalculo.h"
#include "calculation/windows/AbreJanela.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "calculation/windows/frmRelatorio.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/frmDica.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString LiquidCaseFile = QStringLiteral(QUIRASOL_TEST_DATA "/liquido-flange.qzv");
const QString RelativeDensityCaseFile =
    QStringLiteral(QUIRASOL_TEST_DATA "/liquido-densidade-relativa.qzv");

class WindowLifecycleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        calculation::IniciaTabelas();
        ListaMRU() = {};
        PathSaves() = folder.filePath(QStringLiteral("Saves"));
        PathRelatorios() = folder.filePath(QStringLiteral("Relatorios"));
        menu = mdiMenu::Instance();
        menu->resize(900, 700);
        menu->show();
        menu->activateWindow();
        // On a real display the window manager makes it the active window in its own time.
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
        ui.messageAnswers.assign(20, platform::vbNo); // "Não" to every save question
    }
    void TearDown() override
    {
        if (menu) {
            for (QMdiSubWindow *sub : menu->Area()->subWindowList())
                if (qobject_cast<frmCalcQuirasol *>(sub->widget()))
                    sub->close();
            WaitFor();
        }
        testsupport::UnloadMainWindow();
    }

    // The event loop runs a while: queued commands, deferred deletes, activation.
    static void WaitFor() { QTest::qWait(30); }

    QAction *Action(QObject *dono, const char *nome) const
    {
        return dono->findChild<QAction *>(QString::fromLatin1(nome));
    }
    // "Abrir" in the frame's menu, the file picked in the open dialog.
    frmCalcQuirasol *OpenCase(const QString &arquivo)
    {
        ui.fileAnswers.push_back(arquivo);
        menu->Botao(QStringLiteral("Abrir"))->trigger();
        WaitFor();
        return CaseWindow();
    }
    frmCalcQuirasol *CaseWindow() const
    {
        return qobject_cast<frmCalcQuirasol *>(menu->ActiveForm());
    }
    int CaseCount() const
    {
        int n = 0;
        for (QMdiSubWindow *sub : menu->Area()->subWindowList())
            n += qobject_cast<frmCalcQuirasol *>(sub->widget()) != nullptr;
        return n;
    }
    // The frame's menu bar shows the menus of its active child, or its own with none.
    void MenusOf(QWidget *filha) const
    {
        const QList<QAction *> barra = menu->menuBar()->actions();
        ASSERT_FALSE(barra.isEmpty());
        auto *janela = dynamic_cast<ChildWindow *>(filha);
        if (QMenuBar *propria = janela ? janela->OwnMenuBar() : nullptr)
            EXPECT_EQ(barra, propria->actions());
        else
            EXPECT_EQ(barra.first()->menu()->objectName(), QStringLiteral("mnuArquivo"));
    }

    QTemporaryDir folder;
    testsupport::OwnProgramState programState{&AbreJanela};
    testsupport::TemporarySettings settings;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

} // namespace

// Each command is given from the report window in front (or its case), after a calculation,
// and answered "Não" where the case asks to be saved.
TEST_F(WindowLifecycleTest, ClosingCommandsFromTheWindowTheyClose)
{
    const struct {
        const char *acao;
        bool doRelatorio;
        bool fechaPrograma;
    } comandos[] = {
        {"mnuArquivoFecharTodos", true, false}, {"mnuArquivoFecharTodos", false, false},
        {"mnuArquivoFechar", false, false},     {"mnuArquivoSair", true, true},
        {"mnuArquivoSair", false, true},
    };
    for (const auto &c : comandos) {
        const QString nome = QString::fromLatin1(c.acao) + (c.doRelatorio ? " (relatório)" : "");
        if (!menu) {
            menu = mdiMenu::Instance();
            menu->show();
            menu->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
        }
        OpenCase(RelativeDensityCaseFile);
        frmCalcQuirasol *caso = OpenCase(LiquidCaseFile);
        ASSERT_NE(caso, nullptr) << nome.toStdString();
        menu->Botao(QStringLiteral("Calcular"))->trigger();
        WaitFor();
        QPointer<frmRelatorio> relatorio = caso->Relatorio;
        ASSERT_EQ(menu->ActiveForm(), relatorio.data()) << nome.toStdString();
        if (!c.doRelatorio) {
            menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(caso->mdiFrame()));
            WaitFor();
        }
        QObject *origem = c.doRelatorio ? static_cast<QObject *>(relatorio.data()) : caso;
        Action(origem, c.acao)->trigger();
        WaitFor();

        if (c.fechaPrograma) {
            EXPECT_FALSE(menu) << nome.toStdString();
            continue;
        }
        ASSERT_TRUE(menu) << nome.toStdString();
        EXPECT_FALSE(relatorio) << nome.toStdString();
        const bool todos = QByteArray(c.acao) == "mnuArquivoFecharTodos";
        EXPECT_EQ(CaseCount(), todos ? 0 : 1) << nome.toStdString();
        MenusOf(menu->ActiveForm());
        EXPECT_TRUE(menu->isEnabled());
        // Whatever is left closes, ready for the next command.
        menu->mnuArquivoFecharTodos_Click();
        WaitFor();
    }
}

TEST_F(WindowLifecycleTest, NewOrOpenedCaseBecomesTheActiveChildWhateverThePath)
{
    OpenCase(LiquidCaseFile);
    ListaMRU()[0] = RelativeDensityCaseFile;
    const std::function<void()> caminhos[] = {
        [&] { menu->Botao(QStringLiteral("Novo"))->trigger(); },
        [&] { Action(menu->ActiveForm(), "mnuArquivoNovo")->trigger(); },
        [&] { QTest::keyClick(menu->ActiveForm(), Qt::Key_O, Qt::ControlModifier); },
        [&] { Action(menu->ActiveForm(), "mnuArquivoMRU1")->trigger(); },
        [&] { menu->MDIForm_LinkExecute(QStringLiteral("/P ") + RelativeDensityCaseFile); },
    };
    int n = 0;
    for (const auto &caminho : caminhos) {
        const QList<QMdiSubWindow *> antes = menu->Area()->subWindowList();
        caminho();
        WaitFor();
        QMdiSubWindow *novo = nullptr;
        for (QMdiSubWindow *sub : menu->Area()->subWindowList())
            if (!antes.contains(sub) && qobject_cast<frmCalcQuirasol *>(sub->widget()))
                novo = sub;
        ASSERT_NE(novo, nullptr) << n;
        EXPECT_EQ(menu->Area()->activeSubWindow(), novo) << n;
        EXPECT_EQ(menu->ActiveForm(), novo->widget()) << n;
        MenusOf(novo->widget());
        ++n;
    }
}

TEST_F(WindowLifecycleTest, ClosingOrHidingTheActiveChildActivatesTheNext)
{
    frmCalcQuirasol *primeiro = OpenCase(LiquidCaseFile);
    const std::function<void(frmCalcQuirasol *)> fechamentos[] = {
        [&](frmCalcQuirasol *caso) { caso->mnuArquivoFechar->trigger(); },
        [&](frmCalcQuirasol *caso) { caso->mdiFrame()->close(); }, // the close box
        [&](frmCalcQuirasol *caso) {
            menu->Botao(QStringLiteral("Calcular"))->trigger();
            WaitFor();
            caso->Relatorio->mnuArquivoFechar->trigger();
        },
        [&](frmCalcQuirasol *) {
            Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger();
            WaitFor();
            ASSERT_NE(frmDica::Instance(), nullptr);
            QTest::mouseClick(frmDica::Instance()->cmdOK, Qt::LeftButton);
        },
    };
    int n = 0;
    for (const auto &fecha : fechamentos) {
        frmCalcQuirasol *segundo = OpenCase(LiquidCaseFile);
        ASSERT_NE(segundo, primeiro);
        fecha(segundo);
        WaitFor();
        QWidget *esperado = n < 2 ? static_cast<QWidget *>(primeiro) : segundo;
        EXPECT_EQ(menu->ActiveForm(), esperado) << n;
        MenusOf(esperado);
        if (n >= 2) {
            segundo->mnuArquivoFechar->trigger();
            WaitFor();
        }
        EXPECT_EQ(menu->ActiveForm(), primeiro) << n;
        ++n;
    }
}

TEST_F(WindowLifecycleTest, ChildOpenedWhileAnotherIsMaximisedOpensMaximisedAndWhole)
{
    QMdiArea *area = menu->Area();
    Action(menu, "mnuAjudaDocumentacaoTabela0")->trigger();
    WaitFor();
    QMdiSubWindow *massa = area->activeSubWindow();
    ASSERT_NE(massa, nullptr);
    massa->showMaximized();
    WaitFor();

    const std::function<void()> aberturas[] = {
        [&] { Action(menu, "mnuAjudaDocumentacaoTabela1")->trigger(); },
        [&] { menu->Botao(QStringLiteral("Novo"))->trigger(); },
        [&] { Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger(); },
    };
    int n = 0;
    for (const auto &abre : aberturas) {
        QMdiSubWindow *antes = area->activeSubWindow();
        abre();
        WaitFor();
        QMdiSubWindow *nova = area->activeSubWindow();
        ASSERT_NE(nova, antes) << n;
        EXPECT_TRUE(nova->isMaximized()) << n;
        EXPECT_FALSE(antes->isMaximized()) << n;
        EXPECT_EQ(nova->geometry(), area->viewport()->rect()) << n;
        // Its controls stay at the top left, as at design size.
        QWidget *janela = nova->widget();
        EXPECT_LT(janela->mapTo(nova, janela->childrenRect().topLeft()).y(), 20) << n;
        ++n;
    }
}

TEST_F(WindowLifecycleTest, CaseClosedWhileItsCalculatorIsOpen)
{
    frmCalcQuirasol *caso = OpenCase(LiquidCaseFile);
    caso->txtDados[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(caso->txtDados[2], Qt::Key_Return);
    WaitFor();
    QPointer<frmCalculadora> calculadora = frmCalculadora::Instance();
    ASSERT_TRUE(calculadora);
    caso->mnuArquivoFechar->trigger();
    WaitFor();
    EXPECT_EQ(CaseCount(), 0);
    if (calculadora) {
        // Whatever it still shows goes nowhere.
        QTest::keyClick(calculadora, Qt::Key_Equal);
        calculadora->close();
    }
    WaitFor();
    MenusOf(nullptr);
}
