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
inline void DescarregaMenuPrincipal()
{
    if (mdiMenu *menu = mdiMenu::Existing()) {
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        delete menu;
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Settings in a temporary folder for the object's lifetime.
class ConfiguracaoTemporaria
{
public:
    ConfiguracaoTemporaria() { platform::SettingsFiles::instance().setFolder(pasta.path()); }
    ~ConfiguracaoTemporaria() { platform::SettingsFiles::instance().setFolder(QString()); }
    QString path() const { return pasta.path(); }
    QString filePath(const QString &nome) const { return pasta.filePath(nome); }

private:
    QTemporaryDir pasta;
};

// XDG_RUNTIME_DIR pointed at a temporary folder for the object's lifetime, so the program's
// local server meets no running program; the variable is given back as it was.
class OwnRuntimeFolder
{
public:
    OwnRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", pasta.path().toUtf8()); }
    ~OwnRuntimeFolder()
    {
        if (antes)
            qputenv("XDG_RUNTIME_DIR", *antes);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    QString path() const { return pasta.path(); }

private:
    std::optional<QByteArray> antes = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
        ? std::optional(qgetenv("XDG_RUNTIME_DIR"))
        : std::nullopt;
    QTemporaryDir pasta;
};

// A fresh program state, set up as Main sets up the program's (the window side's pointer),
// installed for the object's lifetime; the state installed before comes back at its end.
// Tests whose frame opens cases give it the case windows' opener, as the program does.
class OwnProgramState
{
public:
    explicit OwnProgramState(void (*caseOpener)(bool, QString &) = nullptr)
    {
        estado.restoreDefaultPointer = &RestoreDefaultPointer;
        estado.caseOpener = caseOpener;
    }
    ~OwnProgramState() { InstallProgramState(anterior); }
    ProgramState &state() { return estado; }

private:
    ProgramState estado;
    ProgramState *anterior = InstallProgramState(&estado);
};

} // namespace testsupport
