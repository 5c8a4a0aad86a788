#include "frame/modRegistro.h"
#include "frame/windows/frmDica.h"
#include "platform/SettingsFiles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QPointer>
#include <QApplication>
#include <gtest/gtest.h>

using frame::GetConfig;
using frame::SaveConfig;

namespace {

class frmDicaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::SettingsFiles::instance().setFolder(folder.path() + QStringLiteral("/store"));
        mainWindow.setCentralWidget(area);
        mainWindow.resize(900, 700);
        mainWindow.show();
    }
    void TearDown() override
    {
        if (frmDica *dica = frmDica::Instance())
            dica->cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::SettingsFiles::instance().setFolder({});
    }

    QString TipsFile(const QByteArray &conteudo)
    {
        const QString caminho = folder.filePath(QStringLiteral("DicaDoDia.txt"));
        QFile arquivo(caminho);
        EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        arquivo.write(conteudo);
        return caminho;
    }

    QTemporaryDir folder;
    QMainWindow mainWindow;
    QMdiArea *area = new QMdiArea;
};

} // namespace

// The test program's folder holds no tips file.
TEST_F(frmDicaTest, MissingFileShowsTheMessage)
{
    frmDica *dica = frmDica::ShowIn(area);
    EXPECT_EQ(dica->windowTitle(), QStringLiteral("Dica do dia"));
    EXPECT_EQ(dica->lblVcSabia->text(), QStringLiteral("Você sabia..."));
    EXPECT_EQ(dica->lblTipText->text(),
              QStringLiteral("Este arquivo 'DicaDoDia.txt' não foi encontrado? \r\n\r\n"
                             "Verifique se o arquivo não foi movido ou excluído, e reinsta-le o "
                             "Cálculo de Quirasol"));
    EXPECT_EQ(area->subWindowList().size(), 1);
    EXPECT_EQ(frmDica::ShowIn(area), dica); // one instance while open
    EXPECT_EQ(area->subWindowList().size(), 1);
}

TEST_F(frmDicaTest, AbsentSettingOpensCheckedAndWritesOne)
{
    ASSERT_EQ(GetConfig("Config", "DicasIniciar"), QString());
    frmDica *dica = frmDica::ShowIn(area);
    EXPECT_TRUE(dica->chkDicasIniciar->isChecked());
    EXPECT_EQ(GetConfig("Config", "DicasIniciar"), QStringLiteral("1"));
    dica->chkDicasIniciar->click();
    EXPECT_EQ(GetConfig("Config", "DicasIniciar"), QStringLiteral("0"));
}

TEST_F(frmDicaTest, ZeroOpensUncheckedAndWritesNothing)
{
    SaveConfig("Config", "DicasIniciar", "0");
    const QString arquivoStore =
        platform::SettingsFiles::instance().hiveFile(platform::Hive::CurrentUser);
    const QDateTime antes = QFileInfo(arquivoStore).lastModified();
    frmDica *dica = frmDica::ShowIn(area);
    EXPECT_FALSE(dica->chkDicasIniciar->isChecked());
    EXPECT_EQ(GetConfig("Config", "DicasIniciar"), QStringLiteral("0"));
    EXPECT_EQ(QFileInfo(arquivoStore).lastModified(), antes);
}

TEST_F(frmDicaTest, OneLineFileAlwaysShowsThatLine)
{
    frmDica *dica = frmDica::ShowIn(area);
    ASSERT_TRUE(dica->LoadTips(TipsFile("Use a v\xedrgula decimal.\r\n")));
    // Tips read earlier in the run stay: here there are none but this one.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(dica->lblTipText->text(), QStringLiteral("Use a vírgula decimal."));
        dica->cmdNextTip->click();
    }
    EXPECT_FALSE(dica->LoadTips(QString()));
}

TEST_F(frmDicaTest, OkClosesAndTheNextOpeningLoadsAgain)
{
    frmDica *dica = frmDica::ShowIn(area);
    QMdiSubWindow *moldura = area->subWindowList().first();
    EXPECT_FALSE(moldura->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(moldura->windowFlags() & Qt::WindowMaximizeButtonHint);
    dica->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmDica::Instance(), nullptr);
    EXPECT_TRUE(area->subWindowList().isEmpty());
    frmDica *outra = frmDica::ShowIn(area);
    EXPECT_EQ(area->subWindowList().size(), 1);
    EXPECT_EQ(frmDica::Instance(), outra);
}

TEST_F(frmDicaTest, CentredRightOfAndBelowTheDocumentArea)
{
    frmDica::ShowIn(area);
    QMdiSubWindow *moldura = area->subWindowList().first();
    const QPoint origem =
        area->viewport()->mapToGlobal(QPoint(0, 0)) - mainWindow.frameGeometry().topLeft();
    const QSize externo = mainWindow.frameGeometry().size();
    EXPECT_EQ(moldura->pos(),
              QPoint((externo.width() - moldura->width() - origem.x()) / 2,
                     (externo.height() - moldura->height() - origem.y()) / 2));
}

TEST_F(frmDicaTest, EnterAndEscapePressOkButEnterOnNovaDicaDrawsATip)
{
    auto tecla = [](QWidget *alvo, int codigo) {
        QKeyEvent evento(QEvent::KeyPress, codigo, Qt::NoModifier);
        QApplication::sendEvent(alvo, &evento);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QApplication::setActiveWindow(&mainWindow);
    for (int codigo : {int(Qt::Key_Escape), int(Qt::Key_Return)}) {
        frmDica *dica = frmDica::ShowIn(area);
        QPointer<frmDica> vivo = dica;
        if (codigo == Qt::Key_Return) {
            dica->cmdNextTip->setFocus();
            ASSERT_TRUE(dica->cmdNextTip->hasFocus());
            tecla(dica->cmdNextTip, codigo);
            EXPECT_TRUE(vivo);
            dica->cmdOK->setFocus();
        }
        tecla(dica->cmdOK, codigo);
        EXPECT_FALSE(vivo) << codigo;
    }
}
