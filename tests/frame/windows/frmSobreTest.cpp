#include "frame/About.h"
#include "frame/windows/frmSobre.h"
#include "support/ScriptedInteraction.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(frmSobreTest, LoadFillsTheTexts)
{
    frmSobre sobre;
    EXPECT_EQ(sobre.windowTitle(), QStringLiteral("Sobre o Cálculo de Quirasol"));
    EXPECT_EQ(sobre.lblTitulo->text(), QStringLiteral("Cálculo de Quirasol"));
    EXPECT_EQ(sobre.lblVersao->text(), QStringLiteral("Versão 2.0 - Revisão 0"));
    EXPECT_EQ(sobre.lblWindows->text(), QStringLiteral("for Windows 9X / ME / NT / 2000 e XP"));
    EXPECT_FALSE(sobre.lblAviso->text().isEmpty());
    EXPECT_EQ(sobre.lblLink[0]->toolTip(), QStringLiteral("Clique aqui para enviar um E-mail"));
    EXPECT_EQ(sobre.lblLink[1]->toolTip(), QStringLiteral("Clique aqui para entrar no site"));
    EXPECT_TRUE(sobre.lblLink[0]->text().startsWith(QStringLiteral("E-mail: ")));
    EXPECT_TRUE(sobre.lblLink[1]->text().startsWith(QStringLiteral("Internet: ")));
    EXPECT_EQ(sobre.tmrSublinha->interval(), 100);
    EXPECT_TRUE(sobre.tmrSublinha->isActive());
}

TEST(frmSobreTest, UnderlineFollowsThePointerAndTheBorderIsOutside)
{
    frmSobre sobre;
    sobre.show();
    const QRect email = sobre.LinkRect(0);
    const QRect site = sobre.LinkRect(1);
    auto sublinhados = [&] {
        return std::pair(sobre.lblLink[0]->font().underline(),
                         sobre.lblLink[1]->font().underline());
    };
    sobre.tmrSublinha_Timer(email.center());
    EXPECT_EQ(sublinhados(), std::pair(true, false));
    sobre.tmrSublinha_Timer(site.center());
    EXPECT_EQ(sublinhados(), std::pair(false, true));
    sobre.tmrSublinha_Timer(QPoint(site.left(), site.center().y()));
    EXPECT_EQ(sublinhados(), std::pair(false, false));
    sobre.tmrSublinha_Timer(site.topLeft() + QPoint(1, 1));
    EXPECT_EQ(sublinhados(), std::pair(false, true));
    sobre.tmrSublinha_Timer(QPoint(site.center().x(), site.top() + site.height()));
    EXPECT_EQ(sublinhados(), std::pair(false, false));
}

TEST(frmSobreTest, LinksOpenThroughTheDesktop)
{
    testsupport::ScriptedInteraction ui;
    frmSobre sobre;
    sobre.lblLink_Click(0);
    sobre.lblLink_Click(1);
    EXPECT_EQ(ui.externals(),
              QStringList({QStringLiteral("mailto:") + frame::SupportEmail
                               + QStringLiteral("?Subject=Sobre o Cálculo de Quirasol"),
                           frame::SupportSite}));
}

TEST(frmSobreTest, OkCloses)
{
    frmSobre sobre;
    sobre.show();
    sobre.cmdOK->click();
    EXPECT_FALSE(sobre.isVisible());
}
