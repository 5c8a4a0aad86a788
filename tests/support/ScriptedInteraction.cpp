#include "ScriptedInteraction.h"

namespace testsupport {

using namespace platform;

ScriptedInteraction::ScriptedInteraction()
    : previous(&CurrentInteraction())
{
    SetInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    SetInteraction(previous);
}

std::vector<Asked> ScriptedInteraction::messages() const
{
    std::vector<Asked> result;
    for (const Asked &a : asked)
        if (a.kind == Asked::Message)
            result.push_back(a);
    return result;
}

QStringList ScriptedInteraction::messageTexts() const
{
    QStringList result;
    for (const Asked &a : asked)
        if (a.kind == Asked::Message)
            result << a.text;
    return result;
}

QStringList ScriptedInteraction::externals() const
{
    QStringList result;
    for (const Asked &a : asked)
        if (a.kind == Asked::External)
            result << a.text;
    return result;
}

int ScriptedInteraction::messageBox(const QString &text, int style, const QString &title)
{
    asked.push_back({Asked::Message, text, title, style, {}, {}});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return platform::DefaultAnswer(style);
}

QString ScriptedInteraction::inputBox(const QString &prompt, const QString &title,
                                      const QString &defaultText)
{
    asked.push_back({Asked::Input, prompt, title, 0, {}, defaultText});
    if (inputAnswers.empty())
        return {};
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedInteraction::openFileName(const FileDialogRequest &request)
{
    asked.push_back({Asked::Open, request.title, {}, 0, request, {}});
    if (fileAnswers.empty())
        return std::nullopt;
    const auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedInteraction::saveFileName(const FileDialogRequest &request)
{
    asked.push_back({Asked::Save, request.title, {}, 0, request, {}});
    if (fileAnswers.empty())
        return std::nullopt;
    const auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedInteraction::printerDialog(PrinterDialogRequest &request)
{
    asked.push_back({Asked::Printer, {}, {}, request.setupOnly ? 1 : 0, {}, {}});
    if (printerAnswers.empty())
        return false;
    const int copies = printerAnswers.front();
    printerAnswers.pop_front();
    if (copies <= 0)
        return false;
    request.copies = copies;
    return true;
}

bool ScriptedInteraction::openExternal(const QString &target)
{
    asked.push_back({Asked::External, target, {}, 0, {}, {}});
    return true;
}

} // namespace testsupport
