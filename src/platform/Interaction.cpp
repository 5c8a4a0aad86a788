#include "Interaction.h"

#include "AppInfo.h"

namespace platform {

namespace {

// Until a real implementation is installed, every question gets its safe answer and nothing
// is shown: Cancel (or OK for an OK-only box), empty input, cancelled dialogs.
class SilentInteraction final : public Interaction
{
public:
    int messageBox(const QString &, int style, const QString &) override
    {
        return DefaultAnswer(style);
    }
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFileName(const FileDialogRequest &) override { return {}; }
    std::optional<QString> saveFileName(const FileDialogRequest &) override { return {}; }
    bool printerDialog(PrinterDialogRequest &) override { return false; }
    bool openExternal(const QString &) override { return false; }
};

SilentInteraction silent;
Interaction *current = &silent;

QString titleOrApp(const QString &title)
{
    return title.isEmpty() ? AppTitle : title;
}

} // namespace

int DefaultAnswer(int style)
{
    switch (style & 7) {
    case vbYesNoCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    default:
        return vbOK;
    }
}

Interaction &CurrentInteraction()
{
    return *current;
}

void SetInteraction(Interaction *interaction)
{
    current = interaction ? interaction : &silent;
}

int MsgBox(const QString &text, int style, const QString &title)
{
    return current->messageBox(text, style, titleOrApp(title));
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return current->inputBox(prompt, titleOrApp(title), defaultText);
}

std::optional<QString> ShowOpen(const FileDialogRequest &request)
{
    return current->openFileName(request);
}

std::optional<QString> ShowSave(const FileDialogRequest &request)
{
    return current->saveFileName(request);
}

bool ShowPrinter(PrinterDialogRequest &request)
{
    return current->printerDialog(request);
}

bool OpenExternal(const QString &target)
{
    return current->openExternal(target);
}

} // namespace platform
