#include "frame/windows/AuxiliaryWindows.h"
#include "frame/windows/frmDica.h"
#include "frame/windows/frmOpcao.h"
#include "frame/windows/frmSobre.h"
#include "frame/windows/frmTabela.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/SettingsFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

class AuxiliaryWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        platform::SettingsFiles::instance().setFolder(folder.path());
    }
    void TearDown() override
    {
        testsupport::UnloadMainWindow(); // one an assertion left loaded
        platform::SettingsFiles::instance().setFolder({});
    }

    // Runs acao on the modal dialog that the next call opens.
    template <typename Dialogo>
    static void InDialog(std::function<void(Dialogo *)> acao, bool *visto)
    {
        QTimer::singleShot(0, [acao, visto] {
            auto *dialogo = qobject_cast<Dialogo *>(QApplication::activeModalWidget());
            *visto = dialogo != nullptr;
            if (dialogo)
                acao(dialogo);
            else if (QWidget *outro = QApplication::activeModalWidget())
                outro->close();
        });
    }

    testsupport::OwnProgramState programState;
    QTemporaryDir folder;
};

} // namespace

TEST_F(AuxiliaryWindowsTest, MenusOpenTheSteamTablesAndTheTip)
{
    mdiMenu *principal = mdiMenu::Instance();
    principal->resize(1000, 700);
    principal->show();
    principal->mnuAjudaDocumentacaoTabela_Click(0);
    principal->mnuAjudaDocumentacaoTabela_Click(1);
    principal->mnuAjudaDocumentacaoTabela_Click(1);
    principal->mnuAjudaDicas_Click();
    QList<QMdiSubWindow *> janelas = principal->Area()->subWindowList();
    ASSERT_EQ(janelas.size(), 4);
    ASSERT_TRUE(qobject_cast<frmTabela *>(janelas[0]->widget()));
    EXPECT_EQ(janelas[0]->widget()->size(), QSize(6735 / 15, 3870 / 15)); // design size
    EXPECT_TRUE(janelas[0]->windowTitle().startsWith(QStringLiteral("Massa específica")));
    EXPECT_TRUE(janelas[1]->windowTitle().startsWith(QStringLiteral("Volume específico")));
    EXPECT_EQ(janelas[1]->windowTitle(), janelas[2]->windowTitle());
    EXPECT_EQ(janelas[3]->widget(), frmDica::Instance());
    principal->mnuAjudaDicas_Click();
    EXPECT_EQ(principal->Area()->subWindowList().size(), 4);
    delete principal;
}

TEST_F(AuxiliaryWindowsTest, OptionsApplyTheBarsToTheMainWindow)
{
    mdiMenu *principal = mdiMenu::Instance();
    ASSERT_TRUE(principal->mnuExibirStatusBar->isChecked());
    bool visto = false;
    InDialog<frmOpcao>(
        [](frmOpcao *dialogo) {
            EXPECT_TRUE(dialogo->chkOpcao[3]->isChecked());
            dialogo->chkOpcao[3]->click();
            dialogo->cmdOK->click();
        },
        &visto);
    principal->mnuExibirOptions_Click();
    EXPECT_TRUE(visto);
    EXPECT_FALSE(principal->mnuExibirStatusBar->isChecked());
    EXPECT_FALSE(principal->StatusBarVisible());
    delete principal;
}

TEST_F(AuxiliaryWindowsTest, OptionsFromAChildWindowAreOwnedByTheMainWindow)
{
    mdiMenu *principal = mdiMenu::Instance();
    bool visto = false;
    InDialog<frmOpcao>(
        [principal](frmOpcao *dialogo) {
            EXPECT_EQ(dialogo->parentWidget(), principal);
            EXPECT_TRUE(dialogo->isModal());
            dialogo->cmdCancel->click();
        },
        &visto);
    principal->RunCommand(ChildWindowHost::Options); // as the case and report windows open it
    EXPECT_TRUE(visto);
    delete principal;
}

TEST_F(AuxiliaryWindowsTest, AboutBoxIsOwnedByTheMainWindow)
{
    mdiMenu *principal = mdiMenu::Instance();
    bool visto = false;
    InDialog<frmSobre>(
        [principal](frmSobre *sobre) {
            EXPECT_EQ(sobre->parentWidget(), principal);
            EXPECT_TRUE(sobre->isModal());
            sobre->cmdOK->click();
        },
        &visto);
    principal->mnuAjudaSobre_Click();
    EXPECT_TRUE(visto);
    delete principal;
}
