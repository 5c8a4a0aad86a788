#include "QtInteraction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace platform {

QPrinter &Impressora()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

QWidget *JanelaAtiva()
{
    return QApplication::activeWindow();
}

QString ExtensaoPadrao(const QString &filter)
{
    // The first pattern of a filter: "Texto (*.txt)|*.txt" and "Texto (*.txt)" give "txt".
    QString pattern = filter.section(QLatin1Char('|'), 1, 1);
    if (pattern.isEmpty())
        pattern = filter.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
    pattern = pattern.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(' '), 0, 0);
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.mid(2).contains(QLatin1Char('*')))
        return {};
    return pattern.mid(2);
}

QString FiltroQt(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(pattern);
        result << description;
    }
    return result.join(QStringLiteral(";;"));
}

namespace {

// While a box or dialog is open the pointer is the ordinary arrow, also when the program
// shows the hourglass around the operation that asks; the hourglass comes back afterwards.
class PonteiroNormal
{
public:
    PonteiroNormal()
        : ativo(QApplication::overrideCursor() != nullptr)
    {
        if (ativo)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~PonteiroNormal()
    {
        if (ativo)
            QApplication::restoreOverrideCursor();
    }
    PonteiroNormal(const PonteiroNormal &) = delete;
    PonteiroNormal &operator=(const PonteiroNormal &) = delete;

private:
    bool ativo;
};

// The width a box needs for the window manager to show its whole title: the title in bold
// and a quarter wider (title bars often use a larger face than the box's own), and eight
// lines' height for the frame's icon and buttons (a centred title keeps the room of the wider
// side on both sides); at most half the width of the box's screen.
int TitleBarWidth(const QWidget &box, const QString &title)
{
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(title) * 5 / 4 + 8 * metrics.height();
    const QScreen *screen = box.screen();
    return screen ? qMin(width, screen->availableGeometry().width() / 2) : width;
}

// Makes a box wide enough for its title. The button row spans the box, so its minimum width
// carries the box's; Qt sizes a message box itself and would undo one set on the box.
void WidenForTitle(QDialog &box)
{
    const auto rows = box.findChildren<QDialogButtonBox *>(Qt::FindDirectChildrenOnly);
    if (rows.isEmpty() || !box.layout())
        return;
    const QMargins margins = box.layout()->contentsMargins();
    rows.constFirst()->setMinimumWidth(TitleBarWidth(box, box.windowTitle()) - margins.left()
                                       - margins.right());
}

} // namespace

int QtInteraction::messageBox(const QString &text, int style, const QString &title)
{
    PonteiroNormal ponteiro;
    QMessageBox box(JanelaAtiva());
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *ok = nullptr;
    switch (style & 7) {
    case vbYesNoCancel:
        yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case vbYesNo:
        yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        break;
    default:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    }
    box.setDefaultButton(yes ? yes : ok);
    WidenForTitle(box);
    box.exec();
    const auto *clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return vbYes;
    if (clicked && clicked == no)
        return vbNo;
    if (ok)
        return vbOK;
    return yes && !cancel ? vbNo : vbCancel;
}

QString QtInteraction::inputBox(const QString &prompt, const QString &title,
                                const QString &defaultText)
{
    PonteiroNormal ponteiro;
    QInputDialog dialog(JanelaAtiva());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    WidenForTitle(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

namespace {

QString startPath(const FileDialogRequest &request)
{
    if (request.initialDir.isEmpty())
        return request.fileName;
    return QDir(request.initialDir).filePath(request.fileName);
}

} // namespace

std::optional<QString> QtInteraction::openFileName(const FileDialogRequest &request)
{
    PonteiroNormal ponteiro;
    const QString name = QFileDialog::getOpenFileName(JanelaAtiva(), request.title,
                                                      startPath(request),
                                                      FiltroQt(request.filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtInteraction::saveFileName(const FileDialogRequest &request)
{
    PonteiroNormal ponteiro;
    QFileDialog dialog(JanelaAtiva(), request.title, startPath(request),
                       FiltroQt(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!(request.flags & 2))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension gets the filter's, so the file shows in that filter.
    dialog.setDefaultSuffix(ExtensaoPadrao(request.filter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filtro) {
                         dialog.setDefaultSuffix(ExtensaoPadrao(filtro));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtInteraction::printerDialog(PrinterDialogRequest &request)
{
    PonteiroNormal ponteiro;
    if (request.setupOnly) {
        QPageSetupDialog dialog(&Impressora(), JanelaAtiva());
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(&Impressora(), JanelaAtiva());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.copies = qMax(1, Impressora().copyCount());
    return true;
}

bool QtInteraction::openExternal(const QString &target)
{
    const bool link = target.contains(QStringLiteral("://"))
                      || target.startsWith(QStringLiteral("mailto:"))
                      || target.startsWith(QStringLiteral("help:"));
    const QUrl url =
        link ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

} // namespace platform
