#include "calculation/windows/frmRelatorio.h"
#include "frame/modBase.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/AtomicWrite.h"
#include "platform/widgets/ProgramPrinter.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Qt's own way of sending the shortcut-override step of a key press, as a key press would.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString &text,
                                               bool autorep, ushort count);

TEST(frmRelatorioTest, DesignTextsAndColumnHeader)
{
    frmRelatorio window;
    EXPECT_EQ(window.txtData->text(), QStringLiteral("Abrindo"));
    EXPECT_TRUE(window.txtOS->text().isEmpty());
    EXPECT_TRUE(window.txtCliente->text().isEmpty());
    EXPECT_EQ(window.lblMenu->text().size(), 79);
    EXPECT_EQ(window.lstRelatorio->count(), 0);
    EXPECT_TRUE(window.lstRelatorio->font().fixedPitch());
    EXPECT_FALSE(window.isVisible());
}

// The entries in which the report window's menus differ from a case window's.
TEST(frmRelatorioTest, MenuEntriesOfItsOwn)
{
    frmRelatorio window;
    const struct {
        QAction *entry;
        const char *caption;
        bool enabled;
    } entries[] = {
        {window.mnuArquivoAbrir, "&Abrir...", true},
        {window.mnuArquivoSalvar, "&Salvar", false},
        {window.mnuArquivoSalvarComo, "Salvar &como...", false},
        {window.mnuArquivoExportarRelatorio, "Relatório...", true},
        {window.mnuArquivoImprimir, "Imprimir...", true},
        {window.mnuExibirRelatorio, "&Relatórios...", true},
        {window.mnuFerramentasOpcoes, "&Opções...", true},
        {window.mnuAjudaDicas, "Exibir &dicas...", true},
    };
    for (const auto &expected : entries) {
        ASSERT_NE(expected.entry, nullptr) << expected.caption;
        EXPECT_EQ(expected.entry->text().toStdString(), expected.caption);
        EXPECT_EQ(expected.entry->isEnabled(), expected.enabled) << expected.caption;
    }
    ASSERT_NE(window.mnuArquivoSalvarTodos, nullptr);
    EXPECT_FALSE(window.mnuArquivoSalvarTodos->isVisible());
    EXPECT_FALSE(window.mnuArquivoSalvarTodos->isEnabled());
}

TEST(frmRelatorioTest, CloseBoxOnlyHidesAndKeepsTheSheet)
{
    frmRelatorio window;
    window.lstRelatorio->addItem(QStringLiteral(" linha"));
    window.setCaption(QStringLiteral("Relatório de Cálculo - Cálculo 1"));
    window.Show();
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.Show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.lstRelatorio->count(), 1);
    EXPECT_EQ(window.Caption(), QStringLiteral("Relatório de Cálculo - Cálculo 1"));
    window.mnuArquivoFechar->trigger();
    // The menu's command runs once the menu is done.
    EXPECT_TRUE(testsupport::WaitFor([&] { return !window.isVisible(); }));
    EXPECT_EQ(window.lstRelatorio->count(), 1);
}

TEST(frmRelatorioTest, AgoraFillsTheDate)
{
    frmRelatorio window;
    window.cmdAgora->click();
    EXPECT_NE(window.txtData->text(), QStringLiteral("Abrindo"));
    EXPECT_TRUE(window.txtData->text().contains(QStringLiteral(" - ")));
}

namespace {

// The report window of a finished run, its folder in a temporary place.
class frmRelatorioExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        PathRelatorios() = folder.filePath(QStringLiteral("Relatorios"));
        window.txtData->setText(QStringLiteral("10:15 - quarta-feira, 9 de dezembro de 2026"));
        window.txtOS->setText(QStringLiteral("4711"));
        window.txtCliente->setText(QStringLiteral("Usina São João"));
    }
    QByteArray FileBytes(const QString &caminho)
    {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }

    // An older export in the reports folder.
    QString WriteOlderFile()
    {
        QDir().mkpath(PathRelatorios());
        const QString caminho = PathRelatorios() + QStringLiteral("/antigo.txt");
        EXPECT_EQ(platform::WriteFileAtomically(caminho, "relatorio antigo\r\n"), QString());
        return caminho;
    }

    testsupport::OwnProgramState programState;
    QTemporaryDir folder;
    testsupport::ScriptedInteraction answers;
    frmRelatorio window;
};

const QByteArray Rule = QByteArray(33, '=') + " Data Sheet " + QByteArray(33, '=') + "\r\n";
const QByteArray ClosingRule = QByteArray(78, '=') + "\r\n";

} // namespace

TEST_F(frmRelatorioExportTest, WritesTheSheetAndOpensIt)
{
    window.lstRelatorio->addItems({QStringLiteral(" "), QStringLiteral(" Vazão de projeto _ 12,5"),
                                   QStringLiteral(" ===")});
    const QString caminho = PathRelatorios() + QStringLiteral("/saida.doc");
    answers.fileAnswers = {caminho};
    window.mnuArquivoExportarRelatorio->trigger();

    ASSERT_EQ(answers.asked.size(), 2u);
    const testsupport::Asked &dialogo = answers.asked[0];
    EXPECT_EQ(dialogo.kind, testsupport::Asked::Save);
    EXPECT_EQ(dialogo.file.title, QStringLiteral("Exportar relatório"));
    EXPECT_EQ(dialogo.file.filter, QStringLiteral("Documentos de texto (*.txt)|*.txt|"
                                                  "Documentos de Word (*.doc)|*.doc"));
    EXPECT_EQ(dialogo.file.flags, 2054);
    EXPECT_EQ(dialogo.file.initialDir, PathRelatorios());
    EXPECT_EQ(dialogo.file.fileName, QStringLiteral("Usina São João"));
    EXPECT_TRUE(QFileInfo(PathRelatorios()).isDir()); // made when missing
    EXPECT_EQ(answers.externals(), QStringList{caminho});

    const QByteArray esperado =
        Rule + "\r\n" + "Hora - data......: 10:15 - quarta-feira, 9 de dezembro de 2026\r\n"
        + "\r\n" + "Ordem de servi\xe7o.: 4711\r\n" + "Cliente..........: Usina S\xe3o Jo\xe3o\r\n"
        + "\r\n" + "Vaz\xe3o de projeto _ 12,5\r\n" + "===\r\n" + ClosingRule;
    EXPECT_EQ(FileBytes(caminho), esperado);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(frmRelatorioExportTest, EmptyClientGivesEmptyNameAndCancelEndsSilently)
{
    window.txtCliente->clear();
    window.mnuArquivoExportarRelatorio_Click();
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0].file.fileName, QString());
    EXPECT_TRUE(QDir(PathRelatorios()).isEmpty());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(frmRelatorioExportTest, ClientWithSeparatorsProposesANameInTheReportsFolder)
{
    window.txtCliente->setText(QStringLiteral("../../outra/evil"));
    window.mnuArquivoExportarRelatorio->trigger();
    ASSERT_EQ(answers.asked.size(), 1u);
    const platform::FileDialogRequest &pedido = answers.asked[0].file;
    EXPECT_EQ(pedido.initialDir, PathRelatorios());
    EXPECT_EQ(pedido.fileName, QStringLiteral(".._.._outra_evil"));
    EXPECT_EQ(QFileInfo(QDir(pedido.initialDir).filePath(pedido.fileName)).absolutePath(),
              PathRelatorios());
    EXPECT_EQ(window.txtCliente->text(), QStringLiteral("../../outra/evil")); // as typed
}

TEST_F(frmRelatorioExportTest, FailedWriteKeepsTheOlderFile)
{
    // The write fails half way (file size limit), which holds for root as well.
    window.lstRelatorio->addItems(QStringList(200, QStringLiteral(" linha longa do relatório")));
    const QString caminho = WriteOlderFile();
    answers.fileAnswers = {caminho};
    {
        testsupport::FileSizeLimit limite(1024);
        ASSERT_TRUE(limite.active);
        window.mnuArquivoExportarRelatorio_Click();
    }
    EXPECT_EQ(FileBytes(caminho), QByteArray("relatorio antigo\r\n"));
    EXPECT_EQ(QDir(PathRelatorios()).entryList(QDir::Files), QStringList{"antigo.txt"});
    const auto mensagens = answers.messages();
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].title, QStringLiteral("Informação de Erro Código :75"));
    EXPECT_EQ(mensagens[0].style, platform::vbCritical);
    EXPECT_TRUE(mensagens[0].text.startsWith(QStringLiteral("Descrição do Erro: ")));
    EXPECT_TRUE(answers.externals().isEmpty());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(frmRelatorioExportTest, UnwritableFolderKeepsTheOlderFile)
{
    // The chosen folder is the older export, a regular file: no one, root included, can
    // write below it.
    const QString antigo = WriteOlderFile();
    answers.fileAnswers = {antigo + QStringLiteral("/novo.txt")};
    window.mnuArquivoExportarRelatorio_Click();
    EXPECT_EQ(FileBytes(antigo), QByteArray("relatorio antigo\r\n"));
    EXPECT_EQ(QDir(PathRelatorios()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                | QDir::Hidden),
              QStringList{"antigo.txt"});
    const auto mensagens = answers.messages();
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].title, QStringLiteral("Informação de Erro Código :75"));
    EXPECT_TRUE(answers.externals().isEmpty());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

namespace {

// Report windows inside the main window's document area.
class frmRelatorioInFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        mainWindow = mdiMenu::Instance();
        mainWindow->show();
        mainWindow->activateWindow();
        ASSERT_TRUE(testsupport::WaitFor([this] { return mainWindow->isActiveWindow(); }));
    }
    void TearDown() override
    {
        mainWindow->Area()->setActiveSubWindow(nullptr); // the frame takes its menus back
        for (QMdiSubWindow *sub : mainWindow->Area()->subWindowList()) {
            mainWindow->Area()->removeSubWindow(sub);
            delete sub;
        }
        testsupport::UnloadMainWindow();
    }
    frmRelatorio *NewReport()
    {
        auto *window = new frmRelatorio;
        mainWindow->AddChild(window);
        return window;
    }
    bool IsControlEnabled(const char *chave)
    {
        return mainWindow->Botao(QString::fromLatin1(chave))->isEnabled();
    }

    testsupport::OwnProgramState programState;
    testsupport::TemporarySettings folder; // the main window's settings
    mdiMenu *mainWindow = nullptr;
};

} // namespace

TEST_F(frmRelatorioInFrameTest, PrintAndExportButtonsFollowTheActiveReportWindow)
{
    frmRelatorio *relatorio = NewReport();
    auto *outra = new QWidget;
    mainWindow->AddChild(outra)->show();
    EXPECT_FALSE(IsControlEnabled("Imprimir"));
    relatorio->Show();
    EXPECT_EQ(mainWindow->ActiveForm(), relatorio);
    EXPECT_TRUE(IsControlEnabled("Imprimir"));
    EXPECT_TRUE(IsControlEnabled("Exportar"));

    mainWindow->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(outra->parentWidget()));
    EXPECT_FALSE(IsControlEnabled("Imprimir"));
    EXPECT_FALSE(IsControlEnabled("Exportar"));

    relatorio->Show();
    EXPECT_TRUE(IsControlEnabled("Exportar"));
    relatorio->parentWidget()->close(); // the close box
    // The frame hands the activation on.
    EXPECT_TRUE(testsupport::WaitFor([&] { return mainWindow->ActiveForm() == outra; }));
    EXPECT_FALSE(relatorio->parentWidget()->isVisible());
    EXPECT_EQ(mainWindow->ActiveForm(), outra); // the activation goes to the other child
    EXPECT_FALSE(IsControlEnabled("Imprimir"));
    EXPECT_FALSE(IsControlEnabled("Exportar"));
    EXPECT_TRUE(mainWindow->Area()->subWindowList().contains(
        qobject_cast<QMdiSubWindow *>(relatorio->parentWidget())));
}

TEST_F(frmRelatorioInFrameTest, ActivationCopiesTheThreeBarChecksAndItsMenusReplaceTheFrames)
{
    frmRelatorio *relatorio = NewReport();
    mainWindow->mnuExibirStatusBar_Click();
    mainWindow->mnuExibirBarraCalculo_Click();
    relatorio->Show();
    EXPECT_FALSE(relatorio->mnuExibirStatusBar->isChecked());
    EXPECT_FALSE(relatorio->mnuExibirBarraCalculo->isChecked());
    EXPECT_TRUE(relatorio->mnuExibirBarraPadrao->isChecked());
    EXPECT_TRUE(relatorio->mnuExibirEtiqueta->isChecked());
    EXPECT_EQ(mainWindow->menuBar()->actions(), relatorio->ownMenuBar->actions());

    // Its View entries forward to the frame, which keeps both in step.
    relatorio->mnuExibirStatusBar->trigger();
    EXPECT_TRUE(mainWindow->StatusBarVisible());
    EXPECT_TRUE(relatorio->mnuExibirStatusBar->isChecked());
}

TEST_F(frmRelatorioInFrameTest, RecentFilesMenuFollowsTheList)
{
    ListaMRU() = {QStringLiteral("/casos/BOMBA.qzv"), QString(), QString(), QString()};
    frmRelatorio *relatorio = NewReport();
    relatorio->Atualiza();
    EXPECT_TRUE(relatorio->mnuArquivoMRU[1]->isVisible());
    EXPECT_EQ(relatorio->mnuArquivoMRU[1]->text(), QStringLiteral("&1 /casos/BOMBA.qzv"));
    EXPECT_FALSE(relatorio->mnuArquivoMRU[2]->isVisible());
    EXPECT_FALSE(relatorio->mnuArquivoMRUVazio->isVisible());
}

TEST_F(frmRelatorioInFrameTest, UnloadGoesThrough)
{
    QPointer<frmRelatorio> relatorio = NewReport();
    relatorio->Show();
    relatorio->Unload();
    EXPECT_FALSE(IsControlEnabled("Imprimir"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(relatorio.isNull());
    EXPECT_TRUE(mainWindow->Area()->subWindowList().isEmpty());
}

TEST_F(frmRelatorioExportTest, GoldenDataSheetExportsExactlyAndPrints)
{
    QFile folha(QStringLiteral(QUIRASOL_TEST_DATA "/calculo-liquido-flange.txt"));
    ASSERT_TRUE(folha.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList itens = QString::fromUtf8(folha.readAll()).split(QLatin1Char('\n'));
    if (!itens.isEmpty() && itens.last().isEmpty())
        itens.removeLast();
    window.lstRelatorio->addItems(itens);
    window.txtData->setText(QStringLiteral("10:15 - terça-feira, 8 de dezembro de 2026"));
    window.txtOS->setText(QStringLiteral("OS-2026/118"));

    const QString caminho = PathRelatorios() + QStringLiteral("/Usina São João.txt");
    answers.fileAnswers = {caminho};
    window.mnuArquivoExportarRelatorio_Click();
    EXPECT_EQ(FileBytes(caminho),
              FileBytes(QStringLiteral(QUIRASOL_TEST_DATA "/liquido-flange.export.txt")));

    // The same sheet on paper, through a PDF file.
    QPrinter &printer = platform::ProgramPrinter();
    const QString pdf = folder.filePath(QStringLiteral("folha.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    answers.printerAnswers = {1};
    window.mnuArquivoImprimir->trigger();
    printer.setOutputFileName(QString());
    EXPECT_TRUE(answers.messages().empty());
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess processo;
    processo.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(processo.waitForFinished(30000));
    const QString texto = QString::fromUtf8(processo.readAllStandardOutput());
    EXPECT_TRUE(texto.contains(QStringLiteral("Data Sheet")));
    EXPECT_TRUE(texto.contains(QStringLiteral("OS-2026/118")));
    for (const QString &item : itens) {
        const QString linha = item.trimmed();
        if (!linha.isEmpty()) {
            EXPECT_TRUE(texto.contains(linha)) << linha.toStdString();
        }
    }
}

TEST_F(frmRelatorioInFrameTest, HidingTheOnlyWindowGivesTheFrameItsMenusBack)
{
    frmRelatorio *relatorio = NewReport();
    relatorio->Show();
    ASSERT_EQ(mainWindow->menuBar()->actions(), relatorio->ownMenuBar->actions());
    relatorio->mnuArquivoFechar->trigger();
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return !relatorio->parentWidget()->isVisible() && !mainWindow->ActiveForm();
    }));
    EXPECT_EQ(mainWindow->ActiveForm(), nullptr);
    for (QAction *menu : relatorio->ownMenuBar->actions())
        EXPECT_FALSE(mainWindow->menuBar()->actions().contains(menu));
    EXPECT_FALSE(IsControlEnabled("Exportar"));
    relatorio->Show();
    EXPECT_TRUE(IsControlEnabled("Exportar"));
}

TEST_F(frmRelatorioInFrameTest, ArrangeIconsLinesUpTheMinimisedChildrenAtTheBottom)
{
    mainWindow->resize(800, 600);
    QList<QMdiSubWindow *> filhas;
    for (int i = 0; i < 3; ++i) {
        filhas << mainWindow->AddChild(new QWidget);
        filhas.last()->show();
    }
    filhas[0]->showMinimized();
    filhas[2]->showMinimized();
    frmRelatorio *relatorio = NewReport();
    relatorio->Show();
    relatorio->mnuJanelaOrganizarIcones->trigger();
    const int fundo = mainWindow->Area()->viewport()->height();
    EXPECT_EQ(filhas[0]->geometry().bottom() + 1, fundo);
    EXPECT_EQ(filhas[0]->x(), 0);
    EXPECT_EQ(filhas[2]->geometry().bottom() + 1, fundo);
    EXPECT_EQ(filhas[2]->x(), filhas[0]->width());
}

TEST_F(frmRelatorioInFrameTest, MenuShortcutsWinOverTheHeaderBoxes)
{
    testsupport::ScriptedInteraction answers;
    frmRelatorio *relatorio = NewReport();
    relatorio->Show();
    for (QLineEdit *caixa : {relatorio->txtData, relatorio->txtOS, relatorio->txtCliente}) {
        caixa->setFocus(Qt::TabFocusReason);
        const size_t antes = answers.asked.size();
        // Ctrl+A opens a case (the dialog, cancelled) instead of selecting the box's text.
        EXPECT_TRUE(qt_sendShortcutOverrideEvent(caixa, 0, Qt::Key_A, Qt::ControlModifier,
                                                 QStringLiteral("\x01"), false, 1));
        ASSERT_EQ(answers.asked.size(), antes + 1);
        EXPECT_EQ(answers.asked.back().kind, testsupport::Asked::Open);
        // Keys the menu does not use stay with the box.
        EXPECT_FALSE(qt_sendShortcutOverrideEvent(caixa, 0, Qt::Key_Z, Qt::ControlModifier,
                                                  QStringLiteral("\x1a"), false, 1));
    }
}

TEST_F(frmRelatorioInFrameTest, MaximisedKeepsTheControlsAtTheTopLeft)
{
    frmRelatorio *relatorio = NewReport();
    relatorio->Show();
    ASSERT_TRUE(testsupport::WaitFor([&] { return relatorio->isVisible(); }));
    const QPoint normal = relatorio->txtData->mapTo(relatorio, QPoint());
    mainWindow->resize(1200, 900);
    relatorio->parentWidget()->showMaximized();
    EXPECT_TRUE(testsupport::WaitFor([&] {
        return relatorio->height() > relatorio->lstRelatorio->geometry().bottom() + 100;
    }));
    ASSERT_GT(relatorio->height(), relatorio->lstRelatorio->geometry().bottom() + 100);
    EXPECT_EQ(relatorio->txtData->mapTo(relatorio, QPoint()), normal);
    EXPECT_EQ(relatorio->lstRelatorio->height(), 3180 / 15);
}
