#pragma once
// A scripted interaction layer for tests: answers come from a queue, every question is
// recorded. Installed for its lifetime (RAII), the previous layer comes back afterwards.

#include "platform/Interaction.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace testsupport {

struct Asked {
    enum Kind { Message, Input, Open, Save, Printer, External } kind;
    QString text;  // message text, input prompt, dialog title or external target
    QString title; // message/input title (the application title when none was given)
    int style = 0; // message style; printer: 1 for set-up only
    platform::FileDialogRequest file; // for Open and Save
    QString defaultText;              // input box: the proposed answer
};

class ScriptedInteraction final : public platform::Interaction
{
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // Answers, taken in order. A question with no answer queued gets the safe default:
    // OK, No for Yes/No, Cancel for Yes/No/Cancel, empty input, cancelled dialogs.
    std::deque<int> messageAnswers;
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> fileAnswers; // open and save dialogs
    std::deque<int> printerAnswers;                 // copies; 0 cancels

    std::vector<Asked> asked;

    // Only the message boxes, in order.
    std::vector<Asked> messages() const;
    QStringList messageTexts() const;
    QStringList externals() const;

    int messageBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    std::optional<QString> openFileName(const platform::FileDialogRequest &request) override;
    std::optional<QString> saveFileName(const platform::FileDialogRequest &request) override;
    bool printerDialog(platform::PrinterDialogRequest &request) override;
    bool openExternal(const QString &target) override;

private:
    platform::Interaction *previous;
};

} // namespace testsupport
