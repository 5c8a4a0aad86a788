#pragma once
// The interaction layer on Qt widgets: QMessageBox, QInputDialog, QFileDialog, QPrintDialog on
// the one printer the program keeps (also for the print set-up), QDesktopServices for the
// desktop.

#include "platform/Interaction.h"

class QWidget;

namespace platform {

class QtInteraction final : public Interaction
{
public:
    int messageBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    std::optional<QString> openFileName(const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(const FileDialogRequest &request) override;
    bool printerDialog(PrinterDialogRequest &request) override;
    bool openExternal(const QString &target) override;
};

// The parent for modal boxes: the active window, if any.
QWidget *DialogParent();

} // namespace platform
