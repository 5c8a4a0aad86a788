#include "frame/About.h"

#include <gtest/gtest.h>

using namespace frame;

TEST(AboutTest, PointerOnABorderLineIsOutside)
{
    const QRect link(100, 50, 200, 20); // left 100, top 50, right 300, bottom 70
    struct Example
    {
        QPoint ponteiro;
        bool dentro;
    };
    const Example casos[] = {
        {{101, 51}, true},  {{299, 69}, true},  {{200, 60}, true},
        {{100, 60}, false}, {{300, 60}, false}, {{200, 50}, false},
        {{200, 70}, false}, {{99, 60}, false},  {{200, 71}, false},
    };
    for (const Example &caso : casos)
        EXPECT_EQ(IsInsideRect(link, caso.ponteiro), caso.dentro)
            << caso.ponteiro.x() << "," << caso.ponteiro.y();
}

TEST(AboutTest, MailTargetCarriesTheCaptionAsSubject)
{
    const QString titulo = AboutTitle(QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(titulo, QStringLiteral("Sobre o Cálculo de Quirasol"));
    EXPECT_EQ(LinkTarget(EmailLink, LinkTag(EmailLink), titulo),
              QStringLiteral("mailto:") + SupportEmail
                  + QStringLiteral("?Subject=Sobre o Cálculo de Quirasol"));
    EXPECT_EQ(LinkTarget(SiteLink, LinkTag(SiteLink), titulo), SupportSite);
}

TEST(AboutTest, VersionText)
{
    EXPECT_EQ(VersionText(2, 0, 15), QStringLiteral("Versão 2.0 - Revisão 15"));
}
