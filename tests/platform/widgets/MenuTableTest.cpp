// Menus built from a table: nesting by level, the state of entries and submenus, and how
// their commands run.
#include "platform/widgets/MenuTable.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

TEST(MenuTableTest, LevelsNestTheRowsAndFlagsSetStateAndTiming)
{
    using enum MenuFlag;
    QWidget janela;
    int marcas = 0;
    int fechamentos = 0;
    const MenuRow linhas[] = {
        {0, "mnuA", "&A"},
        {1, "mnuA1", "A1"},
        {1, "mnuSub", "Sub", {}, Disabled},
        {2, "mnuMarca", "Marca", {}, Checked | CommandSetsCheck, [&] { ++marcas; }},
        {2, "", "-"},
        {2, "mnuFundo", "Fundo"},
        {0, "mnuB", "&B"}, // two levels up at once
        {1, "mnuFecha", "Fecha", Qt::CTRL | Qt::Key_F, AfterMenu, [&] { ++fechamentos; }},
        {1, "mnuOculta", "Oculta", {}, Hidden},
    };
    const QList<QAction *> barra = BuildMenus(&janela, linhas);
    ASSERT_EQ(barra.size(), 2);
    QMenu *a = barra[0]->menu();
    QMenu *b = barra[1]->menu();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->objectName(), QStringLiteral("mnuA"));
    EXPECT_EQ(a->parent(), &janela);
    EXPECT_EQ(b->title(), QStringLiteral("&B"));
    auto *sub = janela.findChild<QMenu *>(QStringLiteral("mnuSub"));
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(a->actions().size(), 2);
    EXPECT_EQ(a->actions()[0]->objectName(), QStringLiteral("mnuA1"));
    EXPECT_EQ(a->actions()[1], sub->menuAction());
    EXPECT_FALSE(sub->menuAction()->isEnabled());
    // The window disabled and enabled again (the busy state) leaves the submenu disabled.
    janela.setEnabled(false);
    janela.setEnabled(true);
    EXPECT_FALSE(sub->menuAction()->isEnabled());
    ASSERT_EQ(sub->actions().size(), 3);
    EXPECT_TRUE(sub->actions()[1]->isSeparator());
    EXPECT_EQ(sub->actions()[2]->objectName(), QStringLiteral("mnuFundo"));
    ASSERT_EQ(b->actions().size(), 2);
    EXPECT_EQ(b->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_FALSE(b->actions()[1]->isVisible());

    // The command owns the tick: a click that changes nothing leaves it as it was.
    QAction *marca = sub->actions()[0];
    EXPECT_TRUE(marca->isCheckable() && marca->isChecked());
    marca->trigger();
    EXPECT_EQ(marcas, 1);
    EXPECT_TRUE(marca->isChecked());

    // A command that runs after the menu waits for the event loop.
    b->actions()[0]->trigger();
    EXPECT_EQ(fechamentos, 0);
    EXPECT_TRUE(testsupport::WaitFor([&] { return fechamentos == 1; }));
}
