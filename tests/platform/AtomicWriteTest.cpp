#include "platform/AtomicWrite.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::WriteFileAtomically;

namespace {

QByteArray FileBytes(const QString &caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

} // namespace

TEST(AtomicWriteTest, ReplacesTheFileWhole)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("ACME.txt"));
    EXPECT_EQ(WriteFileAtomically(caminho, "velho\r\n"), QString());
    EXPECT_EQ(WriteFileAtomically(caminho, "novo\r\n"), QString());
    EXPECT_EQ(FileBytes(caminho), QByteArray("novo\r\n"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"ACME.txt"});
}

TEST(AtomicWriteTest, ParentThatIsAFileFailsForEveryUser)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("arquivo"));
    ASSERT_EQ(WriteFileAtomically(arquivo, "x"), QString());
    const QString caminho = arquivo + QStringLiteral("/ACME.txt");
    EXPECT_FALSE(WriteFileAtomically(caminho, "novo").isEmpty());
    EXPECT_FALSE(QFile::exists(caminho));
    EXPECT_EQ(FileBytes(arquivo), QByteArray("x"));
}

TEST(AtomicWriteTest, WriteCutShortKeepsTheOlderFile)
{
    // The file size limit cuts the write short, for root too; QSaveFile::commit() alone
    // would put the cut file in place of the old one.
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("antigo.txt"));
    ASSERT_EQ(WriteFileAtomically(caminho, "antigo"), QString());

    QString erro;
    {
        testsupport::FileSizeLimit limite(1024);
        ASSERT_TRUE(limite.active);
        erro = WriteFileAtomically(caminho, QByteArray(5000, 'x'));
    }

    EXPECT_FALSE(erro.isEmpty());
    EXPECT_EQ(FileBytes(caminho), QByteArray("antigo"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"antigo.txt"});
}
