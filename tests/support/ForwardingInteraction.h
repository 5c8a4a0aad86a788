#pragma once
// An interaction layer for tests that passes every question on to another layer, installed for
// its lifetime (the layer installed before comes back at its end). A test derives from it to
// change one kind of question and leave the others to the layer it wraps.

#include "platform/Interaction.h"

namespace testsupport {

class ForwardingInteraction : public platform::Interaction
{
public:
    explicit ForwardingInteraction(platform::Interaction &target)
        : target(target)
    {
        platform::SetInteraction(this);
    }
    ~ForwardingInteraction() override { platform::SetInteraction(previous); }
    ForwardingInteraction(const ForwardingInteraction &) = delete;
    ForwardingInteraction &operator=(const ForwardingInteraction &) = delete;

    int messageBox(const QString &text, int style, const QString &title) override
    {
        return target.messageBox(text, style, title);
    }
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        return target.inputBox(prompt, title, defaultText);
    }
    std::optional<QString> openFileName(const platform::FileDialogRequest &request) override
    {
        return target.openFileName(request);
    }
    std::optional<QString> saveFileName(const platform::FileDialogRequest &request) override
    {
        return target.saveFileName(request);
    }
    bool printerDialog(platform::PrinterDialogRequest &request) override
    {
        return target.printerDialog(request);
    }
    bool openExternal(const QString &destino) override { return target.openExternal(destino); }

private:
    platform::Interaction &target;
    platform::Interaction *previous = &platform::CurrentInteraction();
};

} // namespace testsupport
