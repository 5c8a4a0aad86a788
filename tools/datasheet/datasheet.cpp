// datasheet CASE.qzv
//
// Reads a case file, builds the calculation's snapshot of the case as a freshly opened
// calculation window holds it, runs the sizing calculation (the limit question answered No,
// no drawing question) and prints the data-sheet lines to standard output in UTF-8, or, when
// the calculation ended early, the message that ended it. Messages shown on the way go to
// standard error. A case whose window leaves "Calcular" off (plate, fluid or tap not chosen)
// is not calculated, as in the window: the tool says so on standard error and ends with 1.
// A tool for tests; not part of the program.
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
    const calculation::CaseFileReading reading = calculation::ReadCaseFile(args[1]);
    if (!reading.ok()) {
        QString error = args[1] + QStringLiteral(": error ")
                        + QString::number(reading.error.number) + QStringLiteral(" (")
                        + reading.error.description + QStringLiteral(")");
        if (reading.stop == calculation::CaseFileReading::HeaderError)
            error += QStringLiteral(" after ") + QString::number(reading.itemsRead)
                     + QStringLiteral(" items");
        Print(stderr, error);
        return 2;
    }

    const calculation::GridState grid = calculation::GridStateFromCase(reading);
    if (!grid.gridEnabled) {
        Print(stderr, args[1] + QStringLiteral(": \"Calcular\" is off: plate, fluid and tap "
                                               "are not all chosen"));
        return 1;
    }
    calculation::CaseSnapshot snapshot = calculation::SnapshotFromGrid(grid);
    snapshot.caption = QFileInfo(args[1]).fileName();
    AnswersNo answers;
    platform::SetInteraction(&answers);
    Sheet sheet;
    const calculation::CalculationResult result = calculation::cmdCalcular_Click(snapshot, sheet);
    platform::SetInteraction(nullptr);

    if (result.complete) {
        for (const QString &line : sheet.lines)
            Print(stdout, line);
    } else if (!answers.messages.isEmpty()) {
        Print(stdout, answers.messages.last());
    }
    return 0;
}
