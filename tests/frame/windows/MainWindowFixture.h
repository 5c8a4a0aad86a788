#pragma once
// Test help for windows tests that load the main window: unloading it without the closing
// road (no settings written), the settings store and the runtime folder in folders of the
// test's own, and a program state of the test's own.

#include "frame/ProgramState.h"
#include "frame/windows/mdiMenu.h"
#include "frame/windows/modBaseWindows.h"
#include "platform/SettingsFiles.h"

#include <QApplication>
#include <QTemporaryDir>
#include <optional>

namespace testsupport {

// Deletes the main window, if loaded, and whatever it left to delete later.
inline void UnloadMainWindow()
{
    if (mdiMenu *menu = mdiMenu::Existing()) {
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        delete menu;
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Settings in a temporary folder for the object's lifetime.
class TemporarySettings
{
public:
    TemporarySettings() { platform::SettingsFiles::instance().setFolder(folder.path()); }
    ~TemporarySettings() { platform::SettingsFiles::instance().setFolder(QString()); }
    QString path() const { return folder.path(); }
    QString filePath(const QString &nome) const { return folder.filePath(nome); }

private:
    QTemporaryDir folder;
};

// XDG_RUNTIME_DIR pointed at a temporary folder for the object's lifetime, so the program's
// local server meets no running program; the variable is given back as it was.
class OwnRuntimeFolder
{
public:
    OwnRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8()); }
    ~OwnRuntimeFolder()
    {
        if (before)
            qputenv("XDG_RUNTIME_DIR", *before);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    QString path() const { return folder.path(); }

private:
    std::optional<QByteArray> before = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
        ? std::optional(qgetenv("XDG_RUNTIME_DIR"))
        : std::nullopt;
    QTemporaryDir folder;
};

// A fresh program state, set up as Main sets up the program's (the window side's pointer),
// installed for the object's lifetime; the state installed before comes back at its end.
// Tests whose frame opens cases give it the case windows' opener, as the program does.
class OwnProgramState
{
public:
    explicit OwnProgramState(void (*caseOpener)(bool, QString &) = nullptr)
    {
        ownState.restoreDefaultPointer = &RestoreDefaultPointer;
        ownState.caseOpener = caseOpener;
    }
    ~OwnProgramState() { InstallProgramState(previous); }
    ProgramState &state() { return ownState; }

private:
    ProgramState ownState;
    ProgramState *previous = InstallProgramState(&ownState);
};

} // namespace testsupport
