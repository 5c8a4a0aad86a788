#pragma once
// Menus written as a table, one row per entry in the order the user sees them, the way a
// form's menu editor lists them. A row's level is its nesting: level 0 is a menu of the menu
// bar, level 1 an entry in it, level 2 an entry in a submenu of that menu; a row followed by
// deeper rows is the submenu that holds them. A caption "-" is a separator.
//
//     {0, "mnuArquivo", "&Arquivo"},
//     {1, "mnuArquivoNovo", "&Novo", Qt::CTRL | Qt::Key_O, {}, [this] { Novo(); }},
//     {1, "", "-"},
//     {1, "mnuArquivoExportar", "Exportar", {}, Disabled},
//     {2, "mnuArquivoExportarRelatorio", "Relatório..."},

#include <QFlags>
#include <QKeySequence>
#include <QList>
#include <functional>
#include <span>

class QAction;
class QWidget;

namespace platform {

// An entry's state when the menu is built, and how its command runs.
enum class MenuFlag {
    Disabled = 0x1,
    Hidden = 0x2,
    Checked = 0x4, // a check entry, ticked
    // A check entry whose command sets the tick: a click does not move the tick by itself,
    // so the tick shows what the command made of the state, not a second toggle of it.
    CommandSetsCheck = 0x8,
    // The command runs once the menu has finished with the click, since it may delete that
    // very menu (closing the window that carries it).
    AfterMenu = 0x10,
};
Q_DECLARE_FLAGS(MenuFlags, MenuFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(MenuFlags)

struct MenuRow {
    int level = 0;
    const char *name = "";    // object name of the entry, or of the submenu it opens
    const char *caption = ""; // UTF-8; "-" for a separator
    QKeySequence shortcut = {};
    MenuFlags flags = {};
    std::function<void()> command = {};
};

// Builds the menus of the rows as children of `parent` and returns, in order, the actions
// of the level-0 menus for a menu bar. A row is at most one level deeper than the row before.
QList<QAction *> BuildMenus(QWidget *parent, std::span<const MenuRow> rows);

} // namespace platform
