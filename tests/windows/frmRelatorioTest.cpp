#include "calculation/windows/frmRelatorio.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(frmRelatorio, DesignTextsAndColumnHeader)
{
    frmRelatorio janela;
    EXPECT_EQ(janela.txtData->text(), QStringLiteral("Abrindo"));
    EXPECT_TRUE(janela.txtOS->text().isEmpty());
    EXPECT_TRUE(janela.txtCliente->text().isEmpty());
    EXPECT_EQ(janela.lblMenu->text().size(), 79);
    EXPECT_EQ(janela.lstRelatorio->count(), 0);
    EXPECT_TRUE(janela.lstRelatorio->font().fixedPitch());
    EXPECT_FALSE(janela.isVisible());
}

TEST(frmRelatorio, CloseBoxOnlyHidesAndKeepsTheSheet)
{
    frmRelatorio janela;
    janela.lstRelatorio->addItem(QStringLiteral(" linha"));
    janela.setCaption(QStringLiteral("Relatório de Cálculo - Cálculo 1"));
    janela.Show();
    ASSERT_TRUE(janela.isVisible());
    EXPECT_FALSE(janela.close());
    EXPECT_FALSE(janela.isVisible());
    janela.Show();
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.lstRelatorio->count(), 1);
    EXPECT_EQ(janela.Caption(), QStringLiteral("Relatório de Cálculo - Cálculo 1"));
    janela.mnuArquivoFechar->trigger();
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(janela.lstRelatorio->count(), 1);
}

TEST(frmRelatorio, AgoraFillsTheDate)
{
    frmRelatorio janela;
    janela.cmdAgora->click();
    EXPECT_NE(janela.txtData->text(), QStringLiteral("Abrindo"));
    EXPECT_TRUE(janela.txtData->text().contains(QStringLiteral(" - ")));
}
