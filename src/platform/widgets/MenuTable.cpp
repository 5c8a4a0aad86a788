#include "platform/widgets/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <vector>

namespace platform {

namespace {

void SetUp(QAction *action, const MenuRow &row)
{
    action->setShortcut(row.shortcut);
    action->setEnabled(!row.flags.testFlag(MenuFlag::Disabled));
    action->setVisible(!row.flags.testFlag(MenuFlag::Hidden));
    if (row.flags.testAnyFlags(MenuFlag::Checked | MenuFlag::CommandSetsCheck)) {
        action->setCheckable(true);
        action->setChecked(row.flags.testFlag(MenuFlag::Checked));
    }
    if (!row.command)
        return;
    std::function<void()> command = row.command;
    if (row.flags.testFlag(MenuFlag::CommandSetsCheck)) {
        command = [action, given = std::move(command)] {
            action->setChecked(!action->isChecked()); // the click's own toggle, undone
            given();
        };
    }
    QObject::connect(action, &QAction::triggered, action, std::move(command),
                     row.flags.testFlag(MenuFlag::AfterMenu) ? Qt::QueuedConnection
                                                             : Qt::AutoConnection);
}

} // namespace

QList<QAction *> BuildMenus(QWidget *parent, std::span<const MenuRow> rows)
{
    QList<QAction *> bar;
    std::vector<QMenu *> open; // open[n]: the menu that takes the rows of level n + 1
    for (size_t i = 0; i < rows.size(); ++i) {
        const MenuRow &row = rows[i];
        Q_ASSERT(row.level >= 0 && size_t(row.level) <= open.size());
        open.resize(row.level);
        const QString caption = QString::fromUtf8(row.caption);
        const bool holdsRows = i + 1 < rows.size() && rows[i + 1].level > row.level;
        QAction *action = nullptr;
        if (row.level == 0 || holdsRows) {
            QMenu *menu = row.level == 0 ? new QMenu(caption, parent)
                                         : open.back()->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            // A disabled submenu is disabled as a widget too: a menu gives its entry its own
            // state whenever its window is enabled again (after the busy state, say).
            menu->setEnabled(!row.flags.testFlag(MenuFlag::Disabled));
            open.push_back(menu);
            action = menu->menuAction();
            if (row.level == 0)
                bar << action;
        } else if (caption == QLatin1String("-")) {
            open.back()->addSeparator();
            continue;
        } else {
            action = open.back()->addAction(caption);
            action->setObjectName(QString::fromLatin1(row.name));
        }
        SetUp(action, row);
    }
    return bar;
}

} // namespace platform
