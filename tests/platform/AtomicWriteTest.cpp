#include "platform/AtomicWrite.h"
#include "support/LimiteTamanhoArquivo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::WriteFileAtomically;

namespace {

QByteArray Conteudo(const QString &caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

} // namespace

TEST(WriteFileAtomically, ReplacesTheFileWhole)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("ACME.txt"));
    EXPECT_EQ(WriteFileAtomically(caminho, "velho\r\n"), QString());
    EXPECT_EQ(WriteFileAtomically(caminho, "novo\r\n"), QString());
    EXPECT_EQ(Conteudo(caminho), QByteArray("novo\r\n"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"ACME.txt"});
}

TEST(WriteFileAtomically, ParentThatIsAFileFailsForEveryUser)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("arquivo"));
    ASSERT_EQ(WriteFileAtomically(arquivo, "x"), QString());
    const QString caminho = arquivo + QStringLiteral("/ACME.txt");
    EXPECT_FALSE(WriteFileAtomically(caminho, "novo").isEmpty());
    EXPECT_FALSE(QFile::exists(caminho));
    EXPECT_EQ(Conteudo(arquivo), QByteArray("x"));
}

TEST(WriteFileAtomically, WriteCutShortKeepsTheOlderFile)
{
    // The file size limit cuts the write short, for root too; QSaveFile::commit() alone
    // would put the cut file in place of the old one.
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("antigo.txt"));
    ASSERT_EQ(WriteFileAtomically(caminho, "antigo"), QString());

    QString erro;
    {
        testsupport::LimiteTamanhoArquivo limite(1024);
        ASSERT_TRUE(limite.ativo);
        erro = WriteFileAtomically(caminho, QByteArray(5000, 'x'));
    }

    EXPECT_FALSE(erro.isEmpty());
    EXPECT_EQ(Conteudo(caminho), QByteArray("antigo"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"antigo.txt"});
}
