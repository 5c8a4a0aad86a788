// datasheet CASE.qzv
//
// Reads a case file, builds the calculation's snapshot of the case as a freshly opened
// calculation window holds it, runs the sizing calculation (the limit question answered No,
// no drawing question) and prints the data-sheet lines to standard output in UTF-8, or, when
// the calculation ended early, the message that ended it. Messages shown on the way go to
// standard error. A tool for tests; not part of the program.
#include "calculation/ArquivoCalculo.h"
#include "calculation/CaseMapping.h"
#include "calculation/modCalculo.h"
#include "calculation/SizingCalculation.h"
#include "platform/Interaction.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <cstdio>

namespace {

void Print(FILE *out, const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

// Answers every question with No (or OK) and remembers the messages.
class AnswersNo final : public platform::Interaction
{
public:
    QStringList messages;

    int messageBox(const QString &text, int style, const QString &title) override
    {
        messages << text;
        Print(stderr, title + QStringLiteral(": ") + text);
        const int buttons = style & 7;
        if (buttons == platform::vbYesNo)
            return platform::vbNo;
        return buttons == platform::vbYesNoCancel ? platform::vbCancel : platform::vbOK;
    }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFileName(const platform::FileDialogRequest &) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const platform::FileDialogRequest &) override
    {
        return std::nullopt;
    }
    bool printerDialog(platform::PrinterDialogRequest &) override { return false; }
    bool openExternal(const QString &) override { return false; }
};

class Sheet final : public calculation::CalculationHost
{
public:
    QStringList lines;

    void focusField(int) override {}
    void writeField(int, const QString &) override {}
    void clearReport() override { lines.clear(); }
    void addReportItem(const QString &item) override { lines << item; }
    void showReport(const QString &, const QString &, const QString &, const QString &) override
    {
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        Print(stderr, QStringLiteral("usage: datasheet CASE.qzv"));
        return 2;
    }
    calculation::IniciaTabelas();
    const calculation::CaseFileReading leitura = calculation::ReadCaseFile(args[1]);
    if (!leitura.ok()) {
        QString erro = args[1] + QStringLiteral(": error ")
                       + QString::number(leitura.error.number) + QStringLiteral(" (")
                       + leitura.error.description + QStringLiteral(")");
        if (leitura.stop == calculation::CaseFileReading::HeaderError)
            erro += QStringLiteral(" after ") + QString::number(leitura.itemsRead)
                    + QStringLiteral(" items");
        Print(stderr, erro);
        return 2;
    }

    calculation::CaseSnapshot caso =
        calculation::SnapshotFromGrid(calculation::GridStateFromCase(leitura));
    caso.caption = QFileInfo(args[1]).fileName();
    AnswersNo answers;
    platform::SetInteraction(&answers);
    Sheet sheet;
    const calculation::CalculationResult resultado = calculation::cmdCalcular_Click(caso, sheet);
    platform::SetInteraction(nullptr);

    if (resultado.complete) {
        for (const QString &linha : sheet.lines)
            Print(stdout, linha);
    } else if (!answers.messages.isEmpty()) {
        Print(stdout, answers.messages.last());
    }
    return 0;
}
