#include "platform/DesktopAssociation.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace platform;

TEST(DesktopAssociationTest, ProgramOpenCommandQuotesPathsThatNeedIt)
{
    const struct {
        const char *path;
        const char *command;
    } cases[] = {
        {"/usr/bin/quirasol", "/usr/bin/quirasol %f"},
        {"/opt/Meus Programas/quirasol", "\"/opt/Meus Programas/quirasol\" %f"},
        {"/opt/a\"b$c/quirasol", "\"/opt/a\\\"b\\$c/quirasol\" %f"},
        {"/opt/100%/quirasol", "/opt/100%%/quirasol %f"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProgramOpenCommand(c.path), c.command) << c.path;
}

TEST(DesktopAssociationTest, TestModeWithoutXdgVariablesStaysOutOfTheHomeFolder)
{
    ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserDataFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    EXPECT_EQ(UserConfigFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    EXPECT_TRUE(UserDataFolder().contains(".qttest"));
}
