#include "calculation/windows/frmRelatorio.h"
#include "platform/widgets/ProgramPrinter.h"
#include "platform/widgets/QtInteraction.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

TEST(QtInteractionTest, BoxesShowTheArrowWhileTheProgramIsBusy)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape duranteCaixa = Qt::WaitCursor;
    QTimer::singleShot(0, [&duranteCaixa] {
        duranteCaixa = QApplication::overrideCursor()->shape();
        if (auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            caixa->buttons().constFirst()->click();
    });
    platform::QtInteraction ui;
    EXPECT_EQ(ui.messageBox(QStringLiteral("Texto"), platform::vbOKOnly,
                            QStringLiteral("Título")),
              platform::vbOK);
    EXPECT_EQ(duranteCaixa, Qt::ArrowCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

namespace {

// Runs a call that opens a modal box or dialog and hands the open one to a look at it.
// Whatever the look leaves open is cancelled afterwards.
template <typename Call>
void WhileOpen(const std::function<void(QDialog *)> &look, Call call)
{
    QTimer::singleShot(0, [look] {
        auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        look(dialogo);
        if (dialogo->isVisible() && QApplication::activeModalWidget() == dialogo)
            dialogo->reject();
    });
    call();
}

QDialogButtonBox *ButtonBox(QDialog *dialogo)
{
    return dialogo->findChildren<QDialogButtonBox *>(Qt::FindDirectChildrenOnly).value(0);
}

// Keeps the program's printer as a test found it.
class SavedPrinter
{
public:
    SavedPrinter()
        : format(platform::ProgramPrinter().outputFormat())
        , fileName(platform::ProgramPrinter().outputFileName())
    {}
    ~SavedPrinter()
    {
        platform::ProgramPrinter().setOutputFormat(format);
        platform::ProgramPrinter().setOutputFileName(fileName);
    }

private:
    QPrinter::OutputFormat format;
    QString fileName;
};

} // namespace

TEST(QtInteractionTest, BoxesAreWideEnoughForTheirTitlesUpToHalfTheScreen)
{
    platform::QtInteraction ui;
    QFont negrito = QApplication::font();
    negrito.setBold(true);
    const QFontMetrics medida(negrito);
    const int metade = QApplication::primaryScreen()->availableGeometry().width() / 2;
    // Room for the title in bold and for the frame's icon and buttons.
    const auto espaco = [&](const QString &titulo) {
        return qMin(medida.horizontalAdvance(titulo) + 4 * medida.height(), metade);
    };

    const QString caminho = QStringLiteral("/tmp/t8kqzxpmorvane/casos/g.qzv");
    int largura = 0;
    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { ui.messageBox(QStringLiteral("Arquivo não encontrado"),
                                  platform::vbExclamation, caminho); });
    EXPECT_GE(largura, espaco(caminho));

    const QString fluido = QStringLiteral("Tipo de fluido: Liqüido (Água de resfriamento)");
    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { ui.inputBox(QStringLiteral("Digite o nome do 'Fluido' utilizado"),
                                fluido, QString()); });
    EXPECT_GE(largura, espaco(fluido));

    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { ui.inputBox(QStringLiteral("Nome"), fluido.repeated(8), QString()); });
    EXPECT_LE(largura, metade);
}

TEST(QtInteractionTest, SavedNameWithAPeriodGetsTheFiltersExtensionAndTheOverwriteQuestion)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    platform::FileDialogRequest pedido;
    pedido.title = QStringLiteral("Exportar relatório");
    pedido.filter = QStringLiteral("Documentos de texto (*.txt)|*.txt|"
                                   "Documentos de Word (*.doc)|*.doc");
    pedido.flags = 2054;
    pedido.initialDir = pasta.path();
    pedido.fileName = QStringLiteral("Refinaria Exemplo S.A.");
    const QString esperado = pasta.filePath(QStringLiteral("Refinaria Exemplo S.A..txt"));
    platform::QtInteraction ui;
    const auto enter = [](QDialog *dialogo) {
        auto *nome = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nome, nullptr);
        EXPECT_EQ(nome->text(), QStringLiteral("Refinaria Exemplo S.A."));
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(nome, &tecla);
    };

    std::optional<QString> escolhido;
    WhileOpen(enter, [&] { escolhido = ui.saveFileName(pedido); });
    EXPECT_EQ(escolhido, esperado);

    // The file now exists: the question names it, and Yes takes it.
    QFile existente(esperado);
    ASSERT_TRUE(existente.open(QIODevice::WriteOnly));
    existente.close();
    QString pergunta;
    const auto respondeSim = [&pergunta] {
        if (auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            pergunta = caixa->text();
            caixa->button(QMessageBox::Yes)->click();
        }
    };
    escolhido.reset();
    WhileOpen(
        [&](QDialog *dialogo) {
            QTimer::singleShot(0, respondeSim);
            enter(dialogo);
        },
        [&] { escolhido = ui.saveFileName(pedido); });
    EXPECT_TRUE(pergunta.contains(QStringLiteral("Refinaria Exemplo S.A..txt")))
        << pergunta.toStdString();
    EXPECT_EQ(escolhido, esperado);
}

TEST(QtInteractionTest, PrinterChosenInTheSetUpIsTheOneThePrintUses)
{
    SavedPrinter guarda;
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString antes = pasta.filePath(QStringLiteral("antes.pdf"));
    const QString escolhido = pasta.filePath(QStringLiteral("folha.pdf"));
    platform::ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    platform::ProgramPrinter().setOutputFileName(antes);
    platform::QtInteraction ui;
    platform::SetInteraction(&ui);
    frmRelatorio janela;
    janela.lstRelatorio->addItem(QStringLiteral(" Linha 1"));

    WhileOpen(
        [&](QDialog *dialogo) {
            EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Configurar impressão"));
            auto *impressoras = dialogo->findChild<QComboBox *>(QStringLiteral("printers"));
            auto *fileName = dialogo->findChild<QLineEdit *>(QStringLiteral("filename"));
            QDialogButtonBox *botoes = ButtonBox(dialogo);
            ASSERT_TRUE(impressoras && fileName && botoes);
            for (QAbstractButton *botao : botoes->buttons()) {
                if (botoes->buttonRole(botao) == QDialogButtonBox::ResetRole) {
                    EXPECT_TRUE(botao->isHidden()) << "copies and range belong to printing";
                }
            }
            impressoras->setCurrentIndex(impressoras->count() - 1); // to a PDF file
            fileName->setText(escolhido);
            botoes->button(QDialogButtonBox::Ok)->click();
        },
        [&] { janela.mnuArquivoConfigurarImpressao->trigger(); });

    WhileOpen(
        [&](QDialog *dialogo) {
            auto *fileName = dialogo->findChild<QLineEdit *>(QStringLiteral("filename"));
            ASSERT_NE(fileName, nullptr);
            EXPECT_EQ(fileName->text(), escolhido);
            ButtonBox(dialogo)->button(QDialogButtonBox::Ok)->click();
        },
        [&] { janela.mnuArquivoImprimir->trigger(); });
    platform::SetInteraction(nullptr);

    EXPECT_GT(QFileInfo(escolhido).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(antes));
}
