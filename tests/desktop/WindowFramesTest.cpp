// Windows on a real X server with a window manager (run-desktop.sh starts both): where the
// frames of the main window and of the calculator stand once the window manager has framed
// them. The offscreen platform has no frames, so these places cannot be checked there.
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"
#include "calculation/windows/AbreJanela.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"
#include "frame/modRegistro.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/Twips.h"
#include "platform/widgets/FramePlacement.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

using namespace calculation;
using testsupport::WaitFor;

namespace {

// Readable rectangles in failure messages.
std::string Describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

// The window manager has framed the window: its frame margins are known.
bool IsFramed(const QWidget *janela)
{
    return janela->isVisible() && janela->windowHandle()
           && !janela->windowHandle()->frameMargins().isNull();
}

// The window the window manager holds active (the root window's _NET_ACTIVE_WINDOW). Qt
// takes a window as active as soon as the X server gives it the focus; the window manager
// may not have seen it yet, and a window closed before then leaves none active.
WId WindowManagersActiveWindow()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *conexao = x11 ? x11->connection() : nullptr;
    if (!conexao)
        return 0;
    const char nome[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t *atomo = xcb_intern_atom_reply(
        conexao, xcb_intern_atom(conexao, 1, sizeof nome - 1, nome), nullptr);
    if (!atomo)
        return 0;
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(conexao)).data->root;
    xcb_get_property_reply_t *valor = xcb_get_property_reply(
        conexao, xcb_get_property(conexao, 0, raiz, atomo->atom, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    std::free(atomo);
    WId janela = 0;
    if (valor && xcb_get_property_value_length(valor) == sizeof(xcb_window_t))
        janela = *static_cast<xcb_window_t *>(xcb_get_property_value(valor));
    std::free(valor);
    return janela;
}

class WindowFramesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { IniciaTabelas(); }

    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run through tests/desktop/run-desktop.sh";
        testsupport::UnloadMainWindow();
        ListaMRU() = {};
        PathSaves() = settings.path() + QStringLiteral("/Saves");
        PathRelatorios() = settings.path() + QStringLiteral("/Relatorios");
    }

    void TearDown() override
    {
        if (frmCalculadora *calculadora = frmCalculadora::Instance())
            calculadora->close();
        if (menu) {
            ui.messageAnswers.assign(10, platform::vbNo);
            for (QMdiSubWindow *sub : menu->Area()->subWindowList())
                sub->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testsupport::UnloadMainWindow();
    }

    // Loads and shows the main window and waits until the window manager has framed it and
    // made it the active window.
    void ShowMainWindow(bool maximizada = false)
    {
        menu = mdiMenu::Instance();
        maximizada ? menu->showMaximized() : menu->show();
        // Qt takes the maximised state as asked at once; the window manager's own comes with
        // the frame over the whole work area, as the user sees it.
        ASSERT_TRUE(WaitFor([this, maximizada] {
            return IsFramed(menu) && menu->isActiveWindow() && menu->isMaximized() == maximizada
                   && (!maximizada
                       || menu->frameGeometry() == menu->screen()->availableGeometry());
        })) << "the window manager did not frame the main window";
    }

    QAction *Action(const char *nome) const
    {
        return menu->findChild<QAction *>(QString::fromLatin1(nome));
    }

    testsupport::OwnProgramState programState{&AbreJanela};
    testsupport::TemporarySettings settings;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

} // namespace

TEST_F(WindowFramesTest, CalculatorStandsDirectlyAboveALowBoxAtEveryOpening)
{
    ShowMainWindow(true);
    Action("mnuArquivoNew")->trigger();
    auto *caso = qobject_cast<frmCalcQuirasol *>(menu->ActiveForm());
    ASSERT_NE(caso, nullptr);
    caso->cboQuirasol->pick(0);
    ui.inputAnswers.push_back(QString()); // the fluid's name
    caso->cboFluido->pick(Liquid);
    caso->cboTomada->pick(0);
    ValueBox *caixa = caso->txtDados[18]; // "Massa Específica (proj)", low in the window
    ASSERT_TRUE(caixa && caixa->isEnabled());
    QTest::mouseClick(caixa, Qt::LeftButton);
    for (int abertura = 1; abertura <= 4; ++abertura) {
        SCOPED_TRACE(abertura);
        // The window manager has given the activation back to the main window (after the
        // calculator before), and the box has the focus again.
        ASSERT_TRUE(WaitFor([&] { return menu->isActiveWindow() && caixa->hasFocus(); }));
        QTest::keyClick(caixa, Qt::Key_Return);
        QPointer<frmCalculadora> calculadora = frmCalculadora::Instance();
        ASSERT_FALSE(calculadora.isNull());
        const QRect campo(caixa->mapToGlobal(QPoint(0, 0)), caixa->size());
        // Too low for the calculator below it: its whole frame, title bar included, stands
        // on the box, left edges aligned. (It closes itself if it loses the activation.)
        const auto acima = [&] {
            return calculadora && IsFramed(calculadora)
                   && calculadora->frameGeometry().bottom() + 1 == campo.top()
                   && calculadora->frameGeometry().left() == campo.left();
        };
        EXPECT_TRUE(WaitFor(acima))
            << "box " << Describe(campo) << ", calculator frame "
            << (calculadora ? Describe(calculadora->frameGeometry()) : "closed");
        // Once it has the keyboard, the window manager's activation included, "=" (Enter)
        // writes the readout into the box and closes the calculator.
        ASSERT_TRUE(WaitFor([&] {
            return calculadora && QGuiApplication::focusWindow() == calculadora->windowHandle()
                   && WindowManagersActiveWindow() == calculadora->winId();
        }));
        QTest::keyClick(calculadora, Qt::Key_Return);
        ASSERT_TRUE(WaitFor([&] { return calculadora.isNull(); }));
    }
}

TEST_F(WindowFramesTest, FirstStartShowsTheWholeFrameAndTheNextStartBringsItBack)
{
    ShowMainWindow();
    const QSize desenho = menu->size();
    EXPECT_EQ(desenho, QSize(platform::Pixels(6495), platform::Pixels(5730))
                           .expandedTo(menu->minimumSizeHint()));
    const QRect primeira = menu->frameGeometry();
    const QRect tela = menu->screen()->availableGeometry();
    EXPECT_TRUE(tela.contains(primeira)) << "frame " << Describe(primeira) << ", screen "
                                         << Describe(tela);
    EXPECT_GT(menu->geometry().top(), primeira.top()); // a title bar the user can reach

    QPointer<mdiMenu> antigo = menu.data();
    Action("mnuArquivoSair")->trigger();
    ASSERT_TRUE(WaitFor([&] { return antigo.isNull(); }));
    const QString menuConfig = QStringLiteral("Config\\Menu");
    EXPECT_EQ(frame::GetConfig(menuConfig, QStringLiteral("MainLeft")),
              QString::number(primeira.left() * 15));
    EXPECT_EQ(frame::GetConfig(menuConfig, QStringLiteral("MainTop")),
              QString::number(primeira.top() * 15));

    ShowMainWindow();
    const auto mesmoLugar = [&] { return menu->frameGeometry() == primeira; };
    EXPECT_TRUE(WaitFor(mesmoLugar))
        << "first " << Describe(primeira) << ", next " << Describe(menu->frameGeometry());
    EXPECT_EQ(menu->size(), desenho);

    // Closed maximised, it starts maximised; restored, it stands at the same place again.
    menu->showMaximized();
    ASSERT_TRUE(WaitFor([this] { return menu->isMaximized(); }));
    antigo = menu.data();
    Action("mnuArquivoSair")->trigger();
    ASSERT_TRUE(WaitFor([&] { return antigo.isNull(); }));
    EXPECT_EQ(frame::GetConfig(menuConfig, QStringLiteral("MainWindowsState")),
              QStringLiteral("2"));
    ShowMainWindow(true);
    menu->showNormal();
    EXPECT_TRUE(WaitFor([&] { return !menu->isMaximized() && mesmoLugar(); }))
        << "first " << Describe(primeira) << ", restored " << Describe(menu->frameGeometry());
}

TEST_F(WindowFramesTest, StoredPlacementBeyondTheScreenIsBroughtBackAndStoredAsShown)
{
    const QString menuConfig = QStringLiteral("Config\\Menu");
    const auto store = [&](const char *chave, int valor) {
        frame::SaveConfig(menuConfig, QString::fromLatin1(chave), QString::number(valor));
    };
    const auto exit = [&] {
        QPointer<mdiMenu> antigo = menu.data();
        Action("mnuArquivoSair")->trigger();
        ASSERT_TRUE(WaitFor([&] { return antigo.isNull(); }));
    };
    const auto stored = [&] {
        QRect r;
        r.setLeft(frame::GetConfig(menuConfig, QStringLiteral("MainLeft")).toInt() / 15);
        r.setTop(frame::GetConfig(menuConfig, QStringLiteral("MainTop")).toInt() / 15);
        r.setWidth(frame::GetConfig(menuConfig, QStringLiteral("MainWidth")).toInt() / 15);
        r.setHeight(frame::GetConfig(menuConfig, QStringLiteral("MainHeight")).toInt() / 15);
        return r;
    };

    // Far too large and far away: the whole frame on the screen, as at a first start.
    for (const char *chave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        store(chave, 999999999);
    ShowMainWindow();
    const QRect tela = menu->screen()->availableGeometry();
    const auto whole = [&] {
        return tela.contains(menu->frameGeometry()) && menu->geometry().top() > menu->y();
    };
    EXPECT_TRUE(WaitFor(whole)) << "frame " << Describe(menu->frameGeometry()) << ", screen "
                                << Describe(tela);
    QRect mostrada(menu->pos(), menu->size());
    exit();
    EXPECT_EQ(stored(), mostrada);

    // Only a corner on the screen: brought back; a place that fits stays as stored.
    store("MainLeft", (tela.right() - 50) * 15);
    store("MainTop", (tela.bottom() - 35) * 15);
    store("MainWidth", 600 * 15);
    store("MainHeight", 450 * 15);
    ShowMainWindow();
    EXPECT_TRUE(WaitFor(whole)) << "frame " << Describe(menu->frameGeometry());
    EXPECT_EQ(menu->size(), QSize(600, 450));
    mostrada = QRect(menu->pos(), menu->size());
    exit();
    EXPECT_EQ(stored(), mostrada);
    ShowMainWindow();
    EXPECT_TRUE(WaitFor([&] { return QRect(menu->pos(), menu->size()) == mostrada; }))
        << "stored " << Describe(mostrada) << ", shown " << Describe(menu->frameGeometry());
}

// On its way back from maximised, the window manager may move a window before it shrinks it
// (seen on a loaded machine): nothing is worked out from the size it has then. A window shown
// maximised first gets no call for its first framed normal showing.
TEST(FramePlacementTest, WindowShownMaximisedFirstGetsNoFramedCallOnItsWayBack)
{
    QWidget janela;
    janela.setObjectName(QStringLiteral("FramePlacementTestWindow"));
    janela.resize(300, 200);
    int chamadas = 0;
    platform::WhenFramed(&janela, [&](const QMargins &) { ++chamadas; });
    janela.showMaximized();
    ASSERT_TRUE(WaitFor([&] {
        return IsFramed(&janela)
               && janela.frameGeometry() == janela.screen()->availableGeometry();
    }));
    janela.showNormal();
    ASSERT_TRUE(WaitFor([&] { return IsFramed(&janela) && janela.size() == QSize(300, 200); }));
    QCoreApplication::processEvents(); // a call queued by the last event would run here
    EXPECT_EQ(chamadas, 0);
}
