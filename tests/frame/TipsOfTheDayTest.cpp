#include "frame/TipsOfTheDay.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace frame;

namespace {
QString WriteFile(const QTemporaryDir &pasta, const QByteArray &conteudo)
{
    const QString caminho = pasta.filePath(TipsFileName);
    QFile arquivo(caminho);
    EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(conteudo);
    return caminho;
}
} // namespace

TEST(TipsOfTheDayTest, LinesEndAtCrCrLfOrLf)
{
    struct Example
    {
        QByteArray conteudo;
        QStringList linhas;
    };
    const Example casos[] = {
        {"", {}},
        {"uma", {"uma"}},
        {"uma\r\n", {"uma"}},
        {"uma\r\nduas\rtres\nquatro", {"uma", "duas", "tres", "quatro"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"c\xe1lculo \xba" "C\r\n", {QStringLiteral("cálculo ºC")}},
    };
    for (const Example &caso : casos)
        EXPECT_EQ(TipLines(caso.conteudo), caso.linhas) << caso.conteudo.toStdString();
}

TEST(TipsOfTheDayTest, TipNumberCoversTheWholeList)
{
    EXPECT_EQ(TipNumber(0.0, 0), 1);
    EXPECT_EQ(TipNumber(0.0, 1), 1);
    EXPECT_EQ(TipNumber(0.999999, 1), 1);
    EXPECT_EQ(TipNumber(0.0, 25), 1);
    EXPECT_EQ(TipNumber(0.04, 25), 2);
    EXPECT_EQ(TipNumber(0.5, 25), 13);
    EXPECT_EQ(TipNumber(0.9999999, 25), 25);
}

TEST(TipsOfTheDayTest, MissingFileMessage)
{
    EXPECT_EQ(NoTipsMessage(QStringLiteral("Título")),
              QStringLiteral("Este arquivo 'DicaDoDia.txt' não foi encontrado? \r\n\r\n"
                             "Verifique se o arquivo não foi movido ou excluído, e reinsta-le o "
                             "Título"));
}

TEST(TipsOfTheDayTest, MissingOrEmptyNameReadsNothing)
{
    QTemporaryDir pasta;
    TipsOfTheDay dicas;
    EXPECT_FALSE(dicas.LoadTips(QString()));
    EXPECT_FALSE(dicas.LoadTips(pasta.filePath(TipsFileName)));
    EXPECT_FALSE(dicas.LoadTips(pasta.path())); // a folder is no ordinary file
    EXPECT_TRUE(dicas.IsEmpty());
    dicas.DicaProxima();
    EXPECT_EQ(dicas.DicaAtual(), 1);
    EXPECT_EQ(dicas.CurrentText(), QString());
}

TEST(TipsOfTheDayTest, OneLineFileAlwaysShowsThatLine)
{
    QTemporaryDir pasta;
    TipsOfTheDay dicas;
    dicas.Seed(7);
    ASSERT_TRUE(dicas.LoadTips(WriteFile(pasta, "S\xf3 uma dica\r\n")));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(dicas.CurrentText(), QStringLiteral("Só uma dica"));
        dicas.DicaProxima();
    }
}

TEST(TipsOfTheDayTest, EveryOpeningAddsTheLinesAgainAndDrawsAmongThem)
{
    QTemporaryDir pasta;
    const QString caminho = WriteFile(pasta, "a\r\n\r\nc\r\n");
    TipsOfTheDay dicas;
    dicas.Seed(1);
    ASSERT_TRUE(dicas.LoadTips(caminho));
    ASSERT_TRUE(dicas.LoadTips(caminho));
    EXPECT_EQ(dicas.Dicas().size(), 6);
    QSet<int> vistas;
    for (int i = 0; i < 500; ++i) {
        dicas.DicaProxima();
        ASSERT_GE(dicas.DicaAtual(), 1);
        ASSERT_LE(dicas.DicaAtual(), 6);
        vistas.insert(dicas.DicaAtual());
    }
    EXPECT_EQ(vistas.size(), 6); // the empty line too can be drawn
}

TEST(TipsOfTheDayTest, WindowIsCentredRightOfAndBelowTheDocumentArea)
{
    EXPECT_EQ(TipWindowPosition(QSize(800, 600), QSize(361, 219), QPoint(4, 90)),
              QPoint((800 - 361 - 4) / 2, (600 - 219 - 90) / 2));
}
