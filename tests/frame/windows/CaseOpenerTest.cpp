// The frame's windows on their own: this program links their library whole, without any case
// window, so a call from the frame into the case windows fails to link. The frame opens cases
// only through the case opener the program's state is given.
#include "frame/ProgramState.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// What the opener below was asked, in order: (abrir, caminho).
std::vector<std::pair<bool, QString>> openerCalls;

void RecordingOpener(bool abrir, QString &caminho)
{
    openerCalls.emplace_back(abrir, caminho);
}

class CaseOpenerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        openerCalls.clear();
        PathSaves() = settings.filePath(QStringLiteral("Saves"));
    }
    void TearDown() override { testsupport::UnloadMainWindow(); }

    // Loads the frame with two recent files and gives every command that opens a case: the
    // File menu's New, Open and second recent file, the toolbar's New and Open, and a second
    // start's case.
    void GiveEveryOpeningCommand()
    {
        menu = mdiMenu::Instance();
        ListaMRU() = {QStringLiteral("/casos/a.qzv"), QStringLiteral("/casos/b.qzv"), {}, {}};
        for (const char *nome : {"mnuArquivoNew", "mnuArquivoOpen", "mnuArquivoMRU2"})
            menu->findChild<QAction *>(QString::fromLatin1(nome))->trigger();
        menu->Botao(QStringLiteral("Novo"))->trigger();
        menu->Botao(QStringLiteral("Abrir"))->trigger();
        menu->MDIForm_LinkExecute(QStringLiteral("/P \"/casos/c.qzv\""));
    }

    testsupport::OwnProgramState programState;
    testsupport::TemporarySettings settings;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

} // namespace

TEST_F(CaseOpenerTest, FrameCommandsThatOpenCasesReachTheOpener)
{
    programState.state().caseOpener = &RecordingOpener;
    GiveEveryOpeningCommand();
    const std::vector<std::pair<bool, QString>> esperado = {
        {false, QString()},
        {true, QString()},
        {true, QStringLiteral("/casos/b.qzv")},
        {false, QString()},
        {true, QString()},
        {true, QStringLiteral("/casos/c.qzv")},
    };
    EXPECT_TRUE(testsupport::WaitFor([&] { return openerCalls.size() >= esperado.size(); }));
    EXPECT_EQ(openerCalls, esperado);
}

TEST_F(CaseOpenerTest, WithoutAnOpenerTheFrameOpensNothingAndStaysUsable)
{
    GiveEveryOpeningCommand();
    QApplication::processEvents(); // whatever the commands left to the event loop
    EXPECT_TRUE(openerCalls.empty());
    EXPECT_TRUE(menu->Area()->subWindowList().isEmpty());
    EXPECT_TRUE(ui.asked.empty());
    // The toolbar's New makes the frame busy around the opening, and gives it back.
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
