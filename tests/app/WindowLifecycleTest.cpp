// The life of the child windows in the main window, reached the way a user reaches it: menu
// entries and toolbar buttons triggered, keys and clicks sent, and the event loop left to
// run (deferred deletes included) until the windows have settled, before anything is
// checked. Commands that close windows are given from the very windows they close. These
// tests run offscreen and again on a real display with a window manager (label desktop).
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
#include "support/WaitFor.h"

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

using testsupport::WaitFor;

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
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs));
        ui.messageAnswers.assign(20, platform::vbNo); // "Não" to every save question
    }
    void TearDown() override
    {
        if (menu) {
            for (QMdiSubWindow *sub : menu->Area()->subWindowList())
                if (qobject_cast<frmCalcQuirasol *>(sub->widget()))
                    sub->close();
            EXPECT_TRUE(WaitFor([this] { return CaseCount() == 0; }));
        }
        testsupport::UnloadMainWindow();
    }

    QAction *Action(QObject *dono, const char *nome) const
    {
        return dono->findChild<QAction *>(QString::fromLatin1(nome));
    }
    // "Abrir" in the frame's menu, the file picked in the open dialog; the new case is the
    // active child.
    frmCalcQuirasol *OpenCase(const QString &arquivo)
    {
        const QList<QMdiSubWindow *> antes = menu->Area()->subWindowList();
        ui.fileAnswers.push_back(arquivo);
        menu->Botao(QStringLiteral("Abrir"))->trigger();
        EXPECT_TRUE(WaitFor([&] { return IsActive(NewCase(antes)); }));
        return CaseWindow();
    }
    // A case window's sub-window that is not among those before.
    QMdiSubWindow *NewCase(const QList<QMdiSubWindow *> &antes) const
    {
        for (QMdiSubWindow *sub : menu->Area()->subWindowList())
            if (!antes.contains(sub) && qobject_cast<frmCalcQuirasol *>(sub->widget()))
                return sub;
        return nullptr;
    }
    bool IsActive(const QMdiSubWindow *sub) const
    {
        return sub && menu->ActiveForm() == sub->widget();
    }
    bool IsReportActive(const frmCalcQuirasol *caso) const
    {
        return caso->Relatorio && menu->ActiveForm() == caso->Relatorio;
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
            ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs));
        }
        OpenCase(RelativeDensityCaseFile);
        frmCalcQuirasol *caso = OpenCase(LiquidCaseFile);
        ASSERT_NE(caso, nullptr) << nome.toStdString();
        menu->Botao(QStringLiteral("Calcular"))->trigger();
        ASSERT_TRUE(WaitFor([&] { return IsReportActive(caso); })) << nome.toStdString();
        QPointer<frmRelatorio> relatorio = caso->Relatorio;
        if (!c.doRelatorio) {
            menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(caso->mdiFrame()));
            ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == caso; })) << nome.toStdString();
        }
        QObject *origem = c.doRelatorio ? static_cast<QObject *>(relatorio.data()) : caso;
        Action(origem, c.acao)->trigger();

        if (c.fechaPrograma) {
            EXPECT_TRUE(WaitFor([this] { return menu.isNull(); })) << nome.toStdString();
            continue;
        }
        // The rest: nothing (all closed), or the other case as the active child.
        const bool todos = QByteArray(c.acao) == "mnuArquivoFecharTodos";
        EXPECT_TRUE(WaitFor([&] {
            return menu && !relatorio && CaseCount() == (todos ? 0 : 1)
                   && (todos || menu->ActiveForm());
        })) << nome.toStdString();
        ASSERT_TRUE(menu) << nome.toStdString();
        EXPECT_FALSE(relatorio) << nome.toStdString();
        EXPECT_EQ(CaseCount(), todos ? 0 : 1) << nome.toStdString();
        MenusOf(menu->ActiveForm());
        EXPECT_TRUE(menu->isEnabled());
        // Whatever is left closes, ready for the next command.
        menu->mnuArquivoFecharTodos_Click();
        ASSERT_TRUE(WaitFor([this] { return menu->Area()->subWindowList().isEmpty(); }));
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
        QMdiSubWindow *novo = nullptr;
        EXPECT_TRUE(WaitFor([&] { return IsActive(novo = NewCase(antes)); })) << n;
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
            ASSERT_TRUE(WaitFor([&] { return IsReportActive(caso); }));
            caso->Relatorio->mnuArquivoFechar->trigger();
        },
        [&](frmCalcQuirasol *) {
            Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger();
            ASSERT_TRUE(WaitFor([this] {
                return frmDica::Instance() && menu->ActiveForm() == frmDica::Instance();
            }));
            QTest::mouseClick(frmDica::Instance()->cmdOK, Qt::LeftButton);
        },
    };
    int n = 0;
    for (const auto &fecha : fechamentos) {
        QPointer<frmCalcQuirasol> segundo = OpenCase(LiquidCaseFile);
        ASSERT_TRUE(segundo);
        ASSERT_NE(segundo, primeiro);
        fecha(segundo);
        // The first two close the second case, the others hide or close a window in front of it.
        const bool fechado = n < 2;
        QWidget *esperado = fechado ? static_cast<QWidget *>(primeiro) : segundo.data();
        EXPECT_TRUE(WaitFor([&] { return menu->ActiveForm() == esperado && fechado == !segundo; }))
            << n;
        EXPECT_EQ(menu->ActiveForm(), esperado) << n;
        MenusOf(esperado);
        if (!fechado) {
            segundo->mnuArquivoFechar->trigger();
            EXPECT_TRUE(WaitFor([&] { return menu->ActiveForm() == primeiro && !segundo; })) << n;
        }
        EXPECT_EQ(menu->ActiveForm(), primeiro) << n;
        ++n;
    }
}

TEST_F(WindowLifecycleTest, ChildOpenedWhileAnotherIsMaximisedOpensMaximisedAndWhole)
{
    QMdiArea *area = menu->Area();
    Action(menu, "mnuAjudaDocumentacaoTabela0")->trigger();
    ASSERT_TRUE(WaitFor([area] { return area->activeSubWindow() != nullptr; }));
    QMdiSubWindow *massa = area->activeSubWindow();
    massa->showMaximized();
    ASSERT_TRUE(WaitFor([&] { return massa->geometry() == area->viewport()->rect(); }));

    const std::function<void()> aberturas[] = {
        [&] { Action(menu, "mnuAjudaDocumentacaoTabela1")->trigger(); },
        [&] { menu->Botao(QStringLiteral("Novo"))->trigger(); },
        [&] { Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger(); },
    };
    int n = 0;
    for (const auto &abre : aberturas) {
        QMdiSubWindow *antes = area->activeSubWindow();
        abre();
        QMdiSubWindow *nova = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            nova = area->activeSubWindow();
            return nova && nova != antes && nova->isMaximized() && !antes->isMaximized()
                   && nova->geometry() == area->viewport()->rect();
        })) << n;
        ASSERT_NE(nova, nullptr) << n;
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
    ASSERT_TRUE(WaitFor([] { return frmCalculadora::Instance() != nullptr; }));
    QPointer<frmCalculadora> calculadora = frmCalculadora::Instance();
    caso->mnuArquivoFechar->trigger();
    EXPECT_TRUE(WaitFor([this] { return CaseCount() == 0; }));
    if (calculadora) {
        // Whatever it still shows goes nowhere.
        QTest::keyClick(calculadora, Qt::Key_Equal);
        calculadora->close();
    }
    EXPECT_TRUE(WaitFor([&] { return !calculadora && !menu->ActiveForm(); }));
    MenusOf(nullptr);
}
