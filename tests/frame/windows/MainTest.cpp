// The start-up roads of the entry procedure, run in this process as a first start: the tips
// setting, a named case file, the switches and quoting of the command line.
#include "calculation/windows/AbreJanela.h"
#include "frame/modBase.h"
#include "frame/modRegistro.h"
#include "frame/TipsOfTheDay.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/frmDica.h"
#include "frame/windows/Main.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "frame/windows/modBaseWindows.h"
#include "platform/SettingsFiles.h"
#include "support/ForwardingInteraction.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

namespace {

class MainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        ArquivoAbrir().clear();
    }
    void TearDown() override
    {
        for (const auto &[nome, valor] : desktopBefore) {
            if (valor)
                qputenv(nome, *valor);
            else
                qunsetenv(nome);
        }
        const QWidgetList janelas = QApplication::topLevelWidgets();
        for (QWidget *janela : janelas) {
            if (janela != mdiMenu::Existing())
                janela->hide();
        }
        testsupport::UnloadMainWindow();
    }
    void SetTipsAtStart(const char *valor)
    {
        frame::SaveConfig(QStringLiteral("Config"), QStringLiteral("DicasIniciar"),
                          QString::fromLatin1(valor));
    }
    QStringList CaseTitles() const
    {
        QStringList titles;
        const QList<QMdiSubWindow *> children = mdiMenu::Existing()->Area()->subWindowList();
        for (QMdiSubWindow *sub : children) {
            auto *child = dynamic_cast<const ChildWindow *>(sub->widget());
            if (child && child->IsCaseWindow())
                titles << sub->widget()->windowTitle();
        }
        return titles;
    }
    bool TipShown() const
    {
        const QWidgetList todas = QApplication::allWidgets();
        for (QWidget *janela : todas) {
            if (janela->objectName() == QStringLiteral("frmDica") && janela->isVisible())
                return true;
        }
        return false;
    }
    QString CopyCase(const QString &nome)
    {
        const QString destino = folder.filePath(nome);
        QFile::copy(QStringLiteral(QUIRASOL_TEST_DATA "/liquido-flange.qzv"), destino);
        return destino;
    }

    // The desktop's folders of the test's own, with the case files associated to another
    // program: the first start asks whether to restore the association.
    void AssociateWithAnotherProgram()
    {
        for (const char *nome : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"}) {
            desktopBefore.emplace_back(nome, qEnvironmentVariableIsSet(nome)
                                                 ? std::optional(qgetenv(nome))
                                                 : std::nullopt);
            qputenv(nome, QDir(desktop.path()).filePath(QString::fromLatin1(nome)).toUtf8());
        }
        ASSERT_TRUE(frame::AssociaArquivo());
        QFile aplicacao(QDir(desktop.path()).filePath(
            QStringLiteral("XDG_DATA_HOME/applications/quirasol.desktop")));
        ASSERT_TRUE(aplicacao.open(QIODevice::WriteOnly));
        aplicacao.write("[Desktop Entry]\nType=Application\nName=X\nExec=/outro/programa %f\n");
    }

    testsupport::OwnProgramState programState{&AbreJanela};
    testsupport::TemporarySettings folder;
    testsupport::ScriptedInteraction ui;
    testsupport::OwnRuntimeFolder runtime;
    QTemporaryDir desktop;
    std::vector<std::pair<const char *, std::optional<QByteArray>>> desktopBefore;
};

// Answers as the scripted layer does, but a second start hands over its case while the first
// box waits, as it may while a real box waits for the user.
class HandOverWhileABoxWaits final : public testsupport::ForwardingInteraction
{
public:
    HandOverWhileABoxWaits(testsupport::ScriptedInteraction &ui, QString comando)
        : ForwardingInteraction(ui), comando(std::move(comando))
    {
    }

    int messageBox(const QString &text, int style, const QString &title) override
    {
        if (!comando.isEmpty())
            mdiMenu::Existing()->MDIForm_LinkExecute(std::exchange(comando, QString()));
        return ForwardingInteraction::messageBox(text, style, title);
    }

private:
    QString comando;
};

TEST_F(MainTest, TipsSettingZeroOpensANewCaseAndNoTip)
{
    SetTipsAtStart("0");
    ASSERT_TRUE(Main({}, programState.state()));
    ASSERT_NE(mdiMenu::Existing(), nullptr);
    EXPECT_TRUE(mdiMenu::Existing()->isVisible());
    EXPECT_EQ(CaseTitles().size(), 1);
    EXPECT_FALSE(TipShown());
}

// The state Main is given becomes the program's, set up: the window side's pointer for the
// error box, the folders, and the count the first new case raises.
TEST_F(MainTest, SetsUpAndInstallsTheStateItIsGiven)
{
    SetTipsAtStart("0");
    ProgramState estado;
    estado.caseOpener = &AbreJanela; // as the program gives it
    ASSERT_TRUE(Main({}, estado));
    EXPECT_EQ(&CurrentProgramState(), &estado);
    EXPECT_EQ(estado.restoreDefaultPointer, &RestoreDefaultPointer);
    EXPECT_EQ(estado.pathSaves, QCoreApplication::applicationDirPath() + QStringLiteral("/Saves"));
    EXPECT_EQ(estado.contadorCalculos, 1);
    EXPECT_EQ(CaseTitles(), QStringList(QStringLiteral("Cálculo 1")));
    testsupport::UnloadMainWindow(); // while its state is still installed
}

TEST_F(MainTest, OtherTipsSettingShowsTheTipAndNoCase)
{
    SetTipsAtStart("1");
    // A switch alone names no file.
    ASSERT_TRUE(Main({QStringLiteral("/C")}, programState.state()));
    EXPECT_TRUE(ArquivoAbrir().isEmpty());
    EXPECT_TRUE(CaseTitles().isEmpty());
    EXPECT_TRUE(TipShown());
}

TEST_F(MainTest, SwitchAndPathOpenTheCaseWhateverTheSetting)
{
    SetTipsAtStart("1");
    const QString caso = CopyCase(QStringLiteral("bomba.qzv"));
    ASSERT_TRUE(Main({QStringLiteral("/A"), caso}, programState.state()));
    EXPECT_EQ(ArquivoAbrir(), caso);
    EXPECT_EQ(CaseTitles(), QStringList(QStringLiteral("bomba.qzv")));
    EXPECT_FALSE(TipShown());
}

TEST_F(MainTest, LowerCaseSwitchIsPartOfTheName)
{
    const QString caso = CopyCase(QStringLiteral("bomba.qzv"));
    ASSERT_TRUE(Main({QStringLiteral("/a"), caso}, programState.state()));
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("/a ") + caso);
    EXPECT_TRUE(CaseTitles().isEmpty());
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages().back().text, QStringLiteral("Arquivo não encontrado"));
}

TEST_F(MainTest, PathWithBlanksKeepsItsQuotesAndStillOpens)
{
    const QString caso = CopyCase(QStringLiteral("meu caso.qzv"));
    ASSERT_TRUE(Main({caso}, programState.state()));
    EXPECT_EQ(ArquivoAbrir(), QLatin1Char('"') + caso + QLatin1Char('"'));
    EXPECT_EQ(CaseTitles(), QStringList(QStringLiteral("meu caso.qzv")));
}

} // namespace

TEST_F(MainTest, RelativeNameIsTakenFromTheStartingFolderAndRecordedWhole)
{
    const QString caso = CopyCase(QStringLiteral("meu caso.qzv"));
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const bool iniciou = Main({QStringLiteral("/A"), QStringLiteral("./meu caso.qzv")},
                              programState.state());
    QDir::setCurrent(antes);
    ASSERT_TRUE(iniciou);
    EXPECT_EQ(ArquivoAbrir(), QStringLiteral("\"") + caso + QStringLiteral("\""));
    EXPECT_EQ(CaseTitles(), QStringList(QStringLiteral("meu caso.qzv")));
    // The recent files hold the whole path: chosen from any folder later, it still opens.
    EXPECT_EQ(ListaMRU()[0], caso);
}

TEST_F(MainTest, CaseHandedOverDuringTheSplashStaysInFrontOfTheTip)
{
    SetTipsAtStart("1");
    const QString caso = CopyCase(QStringLiteral("entregue.qzv"));
    // A second start's command arrives while the splash is still up.
    QTimer::singleShot(300, [caso] {
        if (mdiMenu *menu = mdiMenu::Existing())
            menu->MDIForm_LinkExecute(QStringLiteral("/P ") + caso);
    });
    ASSERT_TRUE(Main({}, programState.state()));
    EXPECT_EQ(CaseTitles(), QStringList(QStringLiteral("entregue.qzv")));
    EXPECT_FALSE(TipShown());
    ASSERT_NE(mdiMenu::Existing()->ActiveForm(), nullptr);
    EXPECT_EQ(mdiMenu::Existing()->ActiveForm()->windowTitle(), QStringLiteral("entregue.qzv"));
}

// The running start's own case still opens when a second start's case arrives while the
// association is asked: both open.
TEST_F(MainTest, CaseHandedOverWhileABoxWaitsDoesNotTakeTheOwnCasesPlace)
{
    AssociateWithAnotherProgram();
    const QString proprio = CopyCase(QStringLiteral("proprio.qzv"));
    const QString entregue = CopyCase(QStringLiteral("entregue.qzv"));
    HandOverWhileABoxWaits caixa(ui, QStringLiteral("/P ") + entregue);
    ASSERT_TRUE(Main({proprio}, programState.state()));
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages()[0].title,
              QString::fromUtf8("Deseja restaurar a associação dos arquivos ?"));
    QStringList titulos = CaseTitles();
    titulos.sort();
    EXPECT_EQ(titulos,
              QStringList({QStringLiteral("entregue.qzv"), QStringLiteral("proprio.qzv")}));
}

// A start that brings the main window back maximised: the window manager maximises it after
// it is shown, and the tip is centred on the main window as it appears, not on its stored
// normal size.
TEST_F(MainTest, TipIsCentredOnTheMainWindowAsItIsShownMaximised)
{
    SetTipsAtStart("1");
    frame::SaveConfig(QStringLiteral("Config\\Menu"), QStringLiteral("MainWindowsState"),
                      QStringLiteral("2"));
    ASSERT_TRUE(Main({}, programState.state()));
    mdiMenu *menu = mdiMenu::Existing();
    ASSERT_NE(frmDica::Instance(), nullptr);
    QWidget *moldura = frmDica::Instance()->parentWidget();
    const auto centrada = [&] {
        const QPoint origem = menu->Area()->viewport()->mapToGlobal(QPoint(0, 0))
                              - menu->frameGeometry().topLeft();
        return menu->isMaximized() && menu->windowHandle()->isExposed()
               && moldura->pos()
                      == frame::TipWindowPosition(menu->frameGeometry().size(),
                                                  moldura->frameGeometry().size(), origem);
    };
    EXPECT_TRUE(testsupport::WaitFor(centrada))
        << "tip at " << moldura->x() << "," << moldura->y() << " in a main window of "
        << menu->frameGeometry().width() << "x" << menu->frameGeometry().height();
}
