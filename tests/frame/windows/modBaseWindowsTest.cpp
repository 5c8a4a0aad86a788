// The shared procedures of modBase that work on windows.
#include "frame/ProgramState.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/modBaseWindows.h"

#include <QAction>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

TEST(modBaseWindowsTest, AtualizaMRUPassesOverAWindowWithoutRecentItems)
{
    testsupport::OwnProgramState programState;
    ListaMRU() = {QStringLiteral("/a.qzv"), {}, {}, {}};
    QWidget semItens;
    AtualizaMRU(&semItens);
    AtualizaMRU(nullptr);
    QWidget janela;
    auto *vazio = new QAction(QStringLiteral("Vazio"), &janela);
    vazio->setObjectName(QStringLiteral("mnuArquivoMRUVazio"));
    auto *item = new QAction(&janela);
    item->setObjectName(QStringLiteral("mnuArquivoMRU1"));
    AtualizaMRU(&janela);
    EXPECT_EQ(item->text(), QStringLiteral("&1 /a.qzv"));
    EXPECT_FALSE(vazio->isVisible());
    ListaMRU() = {};
    AtualizaMRU(&janela);
    EXPECT_FALSE(item->isVisible());
    EXPECT_TRUE(vazio->isVisible());
}

TEST(modBaseWindowsTest, SelecionaTextoSelectsTheWholeText)
{
    QLineEdit caixa(QStringLiteral("12,5"));
    caixa.setCursorPosition(2);
    SelecionaTexto(&caixa);
    EXPECT_EQ(caixa.selectedText(), QStringLiteral("12,5"));
    EXPECT_EQ(caixa.selectionStart(), 0);
    SelecionaTexto(nullptr);
}
