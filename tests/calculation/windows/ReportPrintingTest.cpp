#include "calculation/windows/frmRelatorio.h"
#include "calculation/windows/ReportPrinting.h"
#include "frame/windows/MainWindowFixture.h"
#include "platform/widgets/ProgramPrinter.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace calculation;

namespace {

// Pages of a PDF written by Qt: its page objects.
int Pages(const QString &pdf)
{
    QFile arquivo(pdf);
    if (!arquivo.open(QIODevice::ReadOnly))
        return -1;
    const QString texto = QString::fromLatin1(arquivo.readAll());
    return int(texto.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

// The text of a PDF laid out as on the page, or nullopt without poppler's pdftotext.
std::optional<QString> PdfText(const QString &pdf)
{
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programa.isEmpty())
        return std::nullopt;
    QProcess processo;
    processo.start(programa, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!processo.waitForFinished(30000))
        return std::nullopt;
    return QString::fromUtf8(processo.readAllStandardOutput());
}

QStringList Items(int quantos)
{
    QStringList itens;
    for (int i = 1; i <= quantos; ++i)
        itens << QStringLiteral(" Linha %1 ________ %2").arg(i).arg(i * 2);
    return itens;
}

class PrinterToPdf
{
public:
    PrinterToPdf()
    {
        path = folder.filePath(QStringLiteral("folha.pdf"));
        QPrinter &printer = platform::ProgramPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    ~PrinterToPdf()
    {
        platform::ProgramPrinter().setOutputFileName(QString());
        platform::ProgramPrinter().setCopyCount(1);
    }
    QTemporaryDir folder;
    QString path;
};

ReportHeader Header()
{
    ReportHeader header = ReportLabels();
    header.date = QStringLiteral("10:15 - quarta-feira, 9 de dezembro de 2026");
    header.serviceOrder = QStringLiteral("OS-4711");
    header.client = QStringLiteral("Usina São João");
    return header;
}

} // namespace

TEST(ReportPrintingTest, FontsFallBackToNearestFamilies)
{
    const QFontInfo texto(PrintFont(PrintedLine::Text));
    EXPECT_TRUE(texto.fixedPitch()) << texto.family().toStdString();
    EXPECT_EQ(PrintFont(PrintedLine::Text).pointSizeF(), 10);
    const QFont titulo = PrintFont(PrintedLine::Title);
    EXPECT_TRUE(titulo.bold());
    EXPECT_EQ(titulo.pointSizeF(), 28);
}

TEST(ReportPrintingTest, LongSheetRunsOnToFurtherPages)
{
    PrinterToPdf saida;
    const QStringList itens = Items(150);
    ASSERT_EQ(PrintLines(platform::ProgramPrinter(),
                         PrintLayout(Header(), ColumnHeader(), itens)),
              QString());
    EXPECT_GE(Pages(saida.path), 2);

    const auto texto = PdfText(saida.path);
    if (!texto)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_TRUE(texto->contains(QStringLiteral("Data Sheet")));
    EXPECT_TRUE(texto->contains(QStringLiteral("Linha 150 ________ 300")));
    EXPECT_TRUE(texto->contains(QStringLiteral("Usina São João")));
    // The date prints without its label; the other two carry theirs, values at column 29.
    EXPECT_FALSE(texto->contains(QStringLiteral("Hora - data")));
    const QStringList linhas = texto->split(QLatin1Char('\n'));
    for (const QString &linha : linhas) {
        if (linha.contains(QStringLiteral("Ordem de serviço.:"))) {
            EXPECT_EQ(linha.indexOf(QStringLiteral("OS-4711"))
                          - linha.indexOf(QStringLiteral("Ordem")),
                      19)
                << linha.toStdString();
        }
    }
}

TEST(ReportPrintingTest, WindowPrintsItsSheetWithTheChosenCopies)
{
    testsupport::ScriptedInteraction respostas;
    PrinterToPdf saida;
    frmRelatorio janela;
    janela.txtData->setText(QStringLiteral("agora"));
    janela.txtCliente->setText(QStringLiteral("ACME"));
    janela.lstRelatorio->addItems(Items(3));
    respostas.printerAnswers = {2};
    janela.mnuArquivoImprimir_Click();
    ASSERT_EQ(respostas.asked.size(), 1u);
    EXPECT_EQ(respostas.asked[0].kind, testsupport::Asked::Printer);
    EXPECT_EQ(respostas.asked[0].style, 0); // the print dialog, not the set-up
    EXPECT_EQ(platform::ProgramPrinter().copyCount(), 2);
    EXPECT_TRUE(janela.isEnabled());
    EXPECT_EQ(Pages(saida.path), 1);
    if (const auto texto = PdfText(saida.path)) {
        EXPECT_TRUE(texto->contains(QStringLiteral("Linha 3")));
        EXPECT_TRUE(texto->contains(QStringLiteral("Descrição")));
    }
}

TEST(ReportPrintingTest, CancelledDialogPrintsNothing)
{
    testsupport::ScriptedInteraction respostas;
    PrinterToPdf saida;
    frmRelatorio janela;
    janela.lstRelatorio->addItems(Items(3));
    respostas.printerAnswers = {0};
    janela.mnuArquivoImprimir_Click();
    EXPECT_FALSE(QFile::exists(saida.path));
    EXPECT_TRUE(respostas.messages().empty());
}

TEST(ReportPrintingTest, FailedJobReportsTheErrorAndFreesTheWindow)
{
    testsupport::OwnProgramState programState;
    testsupport::ScriptedInteraction respostas;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile bloqueio(folder.filePath(QStringLiteral("arquivo")));
    ASSERT_TRUE(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    QPrinter &printer = platform::ProgramPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(bloqueio.fileName() + QStringLiteral("/folha.pdf"));

    frmRelatorio janela;
    respostas.printerAnswers = {1};
    janela.mnuArquivoImprimir_Click();
    printer.setOutputFileName(QString());
    const auto mensagens = respostas.messages();
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].title, QStringLiteral("Informação de Erro Código :482"));
    EXPECT_EQ(mensagens[0].style, platform::vbCritical);
    EXPECT_TRUE(janela.isEnabled());
}

TEST(ReportPrintingTest, PrintSetUpAsksTheSetUpDialog)
{
    testsupport::ScriptedInteraction respostas;
    frmRelatorio janela;
    janela.mnuArquivoConfigurarImpressao->trigger();
    ASSERT_EQ(respostas.asked.size(), 1u);
    EXPECT_EQ(respostas.asked[0].kind, testsupport::Asked::Printer);
    EXPECT_EQ(respostas.asked[0].style, 1);
}
