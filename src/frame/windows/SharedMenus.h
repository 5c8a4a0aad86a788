#pragma once
// The menu rows the main window and its child windows (the case and report windows) write
// alike, in the order the user sees them: the File menu's tail (print set-up, printing, the
// recent files, exit) and the View, Window and Help menus. Each window writes the head of its
// File menu itself and puts these rows after it; platform/widgets/MenuTable.h builds them.
// The windows' rows differ only in what SharedMenus holds; its defaults are a case window's.

#include "frame/windows/ChildWindowHost.h"
#include "platform/widgets/MenuTable.h"

#include <functional>
#include <vector>

// The captions that differ between the windows.
struct SharedMenuCaptions {
    const char *print = "Imprimir...";
    const char *labels = "&Etiquetas de texto";
    const char *reportsFolder = "&Relatórios";
    const char *options = "&Opções";
    const char *cascade = "Organizar em &cascata";
    const char *howToUseHelp = "Como utilizar a &ajuda...";
    const char *tips = "Exibir &Dicas...";
    const char *about = "&Sobre o Calculo de Quirasol";
};

struct SharedMenus {
    using Command = std::function<void()>;

    // The main window's own menus rather than a child window's: every menu and submenu
    // named, print set-up, print, options and arrange icons under the main window's names,
    // the Window entries disabled and without a command (the children's menus arrange the
    // windows), the reports folder and the help contents without a shortcut, and "Sair" run
    // at once (a child window's runs once its menu is done, as it closes that very window).
    bool mainWindow = false;
    SharedMenuCaptions captions = {};
    // The command of an entry that gives one of the main window's commands.
    std::function<Command(ChildWindowHost::Command)> frameCommand = {};
    // The command of recent-files entry n (1 to 4).
    std::function<Command(int)> openRecent = {};
    // "Imprimir...": disabled without one.
    Command print = {};

    std::vector<platform::MenuRow> Rows() const;
};
