#include "frame/Opcoes.h"

#include <gtest/gtest.h>

using namespace frame;

TEST(Opcoes, OnlyTheExactUntickedTextLeavesABoxUnticked)
{
    struct Caso
    {
        int indice;
        QString guardado;
        bool marcada;
    };
    const Caso casos[] = {
        {0, "False", false}, {0, "True", true},  {0, "0", true},    {0, "false", true},
        {0, "", true},       {3, "False", false}, {2, "1", true},   {4, "0", false},
        {4, "", true},       {4, "False", true},  {5, "0", false},  {5, "", true},
        {5, "1", true},      {5, " 0", true},
    };
    for (const Caso &caso : casos)
        EXPECT_EQ(OpcaoMarcada(caso.indice, caso.guardado), caso.marcada)
            << caso.indice << " '" << caso.guardado.toStdString() << "'";
}

TEST(Opcoes, StoredTexts)
{
    EXPECT_EQ(ValorOpcao(true), QStringLiteral("1"));
    EXPECT_EQ(ValorOpcao(false), QStringLiteral("0"));
    EXPECT_EQ(TextoBarra(true), QStringLiteral("True"));
    EXPECT_EQ(TextoBarra(false), QStringLiteral("False"));
}

TEST(Opcoes, ChangesWhileLoadingDoNotCount)
{
    EstadoOpcoes estado;
    estado.InicioCarga();
    EXPECT_FALSE(estado.OpcaoAlterada());
    EXPECT_FALSE(estado.Alteradas());
    estado.FimCarga();
    EXPECT_TRUE(estado.OpcaoAlterada());
    EXPECT_TRUE(estado.OpcaoAlterada());
    EXPECT_TRUE(estado.Alteradas());
}
