#include "QtInteraction.h"

#include "platform/FileFilter.h"
#include "platform/widgets/ProgramPrinter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace platform {

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

namespace {

// While a box or dialog is open the pointer is the ordinary arrow, also when the program
// shows the hourglass around the operation that asks; the hourglass comes back afterwards.
class ArrowPointerWhileOpen
{
public:
    ArrowPointerWhileOpen()
        : active(QApplication::overrideCursor() != nullptr)
    {
        if (active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowPointerWhileOpen()
    {
        if (active)
            QApplication::restoreOverrideCursor();
    }
    ArrowPointerWhileOpen(const ArrowPointerWhileOpen &) = delete;
    ArrowPointerWhileOpen &operator=(const ArrowPointerWhileOpen &) = delete;

private:
    bool active;
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
    ArrowPointerWhileOpen ponteiro;
    QMessageBox box(DialogParent());
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
    ArrowPointerWhileOpen ponteiro;
    QInputDialog dialog(DialogParent());
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

// The save dialog. A name accepted with a filter selected is written with that filter's
// extension, also when it holds a period (where Qt's default suffix stays away); when the
// extension makes it the name of a file that exists, the overwrite question asks about that
// file before the dialog closes.
class SaveDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    // The file to write once the dialog is accepted.
    QString chosenName() const
    {
        const QStringList names = selectedFiles();
        if (names.isEmpty())
            return {};
        return WithFilterExtension(names.constFirst(), selectedNameFilter());
    }

protected:
    void accept() override
    {
        const QStringList names = selectedFiles();
        const QString name = chosenName();
        // A typed folder is opened, as ever.
        if (names.size() != 1 || name == names.constFirst()
            || QFileInfo(names.constFirst()).isDir()) {
            QFileDialog::accept();
            return;
        }
        if (!testOption(DontConfirmOverwrite) && QFileInfo::exists(name)) {
            const QString question =
                QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(name).fileName());
            if (QMessageBox::warning(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
                return;
        }
        QDialog::accept();
    }
};

// The print set-up on the print dialog: the printer (or a PDF file) and, behind its
// properties button, paper, orientation and margins; confirmed with OK. Copies and range, under
// the dialog's options button, are left to printing.
void LimitToSetup(QPrintDialog &dialog)
{
    dialog.setWindowTitle(QStringLiteral("Configurar impressão"));
    const auto rows = dialog.findChildren<QDialogButtonBox *>(Qt::FindDirectChildrenOnly);
    if (rows.isEmpty())
        return;
    QDialogButtonBox *row = rows.constFirst();
    for (QAbstractButton *button : row->buttons()) {
        if (row->buttonRole(button) == QDialogButtonBox::ResetRole)
            button->hide();
    }
    if (QPushButton *ok = row->button(QDialogButtonBox::Ok))
        ok->setText(QStringLiteral("OK"));
}

} // namespace

std::optional<QString> QtInteraction::openFileName(const FileDialogRequest &request)
{
    ArrowPointerWhileOpen ponteiro;
    const QString name = QFileDialog::getOpenFileName(DialogParent(), request.title,
                                                      startPath(request),
                                                      QtNameFilters(request.filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtInteraction::saveFileName(const FileDialogRequest &request)
{
    ArrowPointerWhileOpen ponteiro;
    SaveDialog dialog(DialogParent(), request.title, startPath(request),
                      QtNameFilters(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!(request.flags & DialogOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's default suffix serves a name without any period; SaveDialog the other names.
    dialog.setDefaultSuffix(DefaultExtension(request.filter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filtro) {
                         dialog.setDefaultSuffix(DefaultExtension(filtro));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.chosenName().isEmpty())
        return std::nullopt;
    return dialog.chosenName();
}

bool QtInteraction::printerDialog(PrinterDialogRequest &request)
{
    ArrowPointerWhileOpen ponteiro;
    QPrintDialog dialog(&ProgramPrinter(), DialogParent());
    if (request.setupOnly) {
        LimitToSetup(dialog);
        return dialog.exec() == QDialog::Accepted;
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.copies = qMax(1, ProgramPrinter().copyCount());
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
