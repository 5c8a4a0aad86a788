#pragma once
// The one place where the program asks the user something: message boxes, input boxes, the
// open/save/printer dialogs and handing a file, folder or link to the desktop. Windows and
// logic call the free functions below; the program installs the Qt implementation
// (platform/widgets/QtInteraction.h) and tests install a scripted one that answers from a
// list and records every question.

#include <QString>
#include <optional>

namespace platform {

// Message box styles: the sum of the buttons and the icon.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

// Message box answers.
enum MsgAnswer : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

// The safe answer to a message box of this style when nobody answers it: Cancel for
// Yes/No/Cancel, No for Yes/No, OK otherwise.
int DefaultAnswer(int style);

// The run-time error number of a cancelled common dialog.
constexpr int ErrorCancelled = 32755;

struct FileDialogRequest {
    QString title;
    QString filter;     // as the program writes it: "Description (*.ext)|*.ext"
    QString initialDir; // may be empty
    QString fileName;   // proposed file name, may be empty
    int flags = 0;      // the Dialog... flags below, or-ed
};

// Flags of a file dialog.
constexpr int DialogOverwritePrompt = 2;
constexpr int DialogHideReadOnly = 4;
constexpr int DialogPathMustExist = 2048;
// Those of the program's open, save and export dialogs (2054).
constexpr int FileDialogFlags = DialogOverwritePrompt | DialogHideReadOnly | DialogPathMustExist;

struct PrinterDialogRequest {
    bool setupOnly = false; // true: page/printer set-up only; false: the print dialog
    int copies = 1;         // out: copies chosen in the print dialog
};

class Interaction
{
public:
    virtual ~Interaction() = default;

    // title is never empty here: the free function puts the application title in its place.
    virtual int messageBox(const QString &text, int style, const QString &title) = 0;
    // Returns the typed text, or the empty text on Cancel.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest &request) = 0;
    // false when the user cancels.
    virtual bool printerDialog(PrinterDialogRequest &request) = 0;
    // Hands a file, a folder or a link (http:, mailto:) to the desktop; the result is advisory.
    virtual bool openExternal(const QString &target) = 0;
};

// The implementation in use; tests and the program replace it. The caller keeps ownership.
Interaction &CurrentInteraction();
void SetInteraction(Interaction *interaction);

int MsgBox(const QString &text, int style = vbOKOnly, const QString &title = {});
QString InputBox(const QString &prompt, const QString &title = {},
                 const QString &defaultText = {});
std::optional<QString> ShowOpen(const FileDialogRequest &request);
std::optional<QString> ShowSave(const FileDialogRequest &request);
bool ShowPrinter(PrinterDialogRequest &request);
bool OpenExternal(const QString &target);

} // namespace platform
