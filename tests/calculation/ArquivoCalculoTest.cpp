#include "calculation/ArquivoCalculo.h"
#include "platform/Codepage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace calculation;

namespace {

QByteArray Bytes(const char *utf8)
{
    return platform::ToCodepage1252(QString::fromUtf8(utf8));
}

CaseFile GasExample()
{
    CaseFile caso;
    caso.date = "09/12/2026 10:15:00";
    caso.serviceOrder = "OS-17";
    caso.client = QString::fromUtf8("Refinaria São João");
    caso.plate = 0;
    caso.fluid = 1;
    caso.fluidText = "Gas (ar natural)";
    caso.tap = 2;
    caso.tag = "FE-101";
    caso.fields = {{2, "1500", 1}, {4, "102,26", 0}, {25, "1,0034", std::nullopt},
                   {29, "0,0000173", 0}};
    return caso;
}

const char *const kHeader =
    "\"09/12\"\r\n\"OS\"\r\n\"Cli\"\r\n1\r\n0,  \"Liqüido\"\r\n3\r\n\"T\"\r\n";

} // namespace

TEST(ArquivoCalculoTest, WritesTheExactFormat)
{
    CaseFile caso = GasExample();
    caso.date.clear();
    caso.serviceOrder.clear();
    caso.client.clear();
    EXPECT_EQ(WriteCase(caso),
              QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n0\r\n1,  \"Gas (ar natural)\"\r\n2\r\n"
                         "\"FE-101\"\r\n2,\"1500\",1\r\n4,\"102,26\",0\r\n25,\"1,0034\",0\r\n"
                         "29,\"0,0000173\",0\r\n"));
}

TEST(ArquivoCalculoTest, RoundTripKeepsEverythingAsTyped)
{
    const CaseFile caso = GasExample();
    const CaseFileReading leitura = ReadCase(WriteCase(caso));
    ASSERT_EQ(leitura.stop, CaseFileReading::ReadToEnd);
    EXPECT_EQ(leitura.itemsRead, HeaderItems);
    EXPECT_EQ(leitura.caseFile.date, caso.date);
    EXPECT_EQ(leitura.caseFile.client, caso.client); // accented letters through Windows-1252
    EXPECT_EQ(leitura.caseFile.fluid, 1);
    EXPECT_EQ(leitura.caseFile.fluidText, "Gas (ar natural)");
    EXPECT_EQ(leitura.caseFile.tap, 2);
    EXPECT_EQ(leitura.caseFile.tag, "FE-101");
    EXPECT_EQ(leitura.caseFile.fields, caso.fields); // decimal commas untouched
}

TEST(ArquivoCalculoTest, ReadsHeaderItemsByTheOldRules)
{
    const struct {
        const char *fluidLine;
        int fluid;
        const char *item;
    } cases[] = {
        {"0,  \"Liqüido\"", 0, "Liqüido"},
        {"0   ,\"Liqüido\"", 0, "Liqüido"},           // blanks before the comma
        {"1 , \"Gas (metano)\"", 1, "Gas (metano)"},  // blanks on both sides
        {"2,\"Vapor\"", 2, "Vapor"},
        {"07,\"Liqüido\"", 0, "Liqüido"},             // first character only
        {"1.9,\"Gas\"", 1, "Gas"},
        {"x,\"Gas\"", 0, "Gas"},
        {"0,Liqüido sem aspas  ", 0, "Liqüido sem aspas"},
        {"1,\"Gas \"junk", 1, "Gas "},               // after the closing quote: dropped
    };
    for (const auto &c : cases) {
        const QByteArray file = Bytes("\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n") + Bytes(c.fluidLine)
            + "\r\n3\r\n\"T\"\r\n";
        const CaseFileReading leitura = ReadCase(file);
        ASSERT_TRUE(leitura.ok()) << c.fluidLine;
        EXPECT_EQ(leitura.caseFile.fluid, c.fluid) << c.fluidLine;
        EXPECT_EQ(leitura.caseFile.fluidText, QString::fromUtf8(c.item)) << c.fluidLine;
        EXPECT_EQ(leitura.caseFile.plate, 1);
        EXPECT_EQ(leitura.caseFile.tap, 3);
    }
}

TEST(ArquivoCalculoTest, IndicesRoundHalfToEven)
{
    constexpr int kInvalid = 99; // -1 is the selector's "nothing selected"
    const struct {
        const char *plate;
        int index;
    } cases[] = {{"0.5", 0}, {"1.5", kInvalid}, {"0.51", 1}, {" 1", 1}, {"abc", 0},
                 {"-1", -1}, {"-1.5", kInvalid}, {"1e0", 1}};
    for (const auto &c : cases) {
        const QByteArray file = QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n") + c.plate
            + "\r\n0,  \"L\"\r\n0\r\n\"\"\r\n";
        const CaseFileReading leitura = ReadCase(file);
        if (c.index == kInvalid) {
            EXPECT_FALSE(leitura.ok()) << c.plate; // 2 is not a plate
            continue;
        }
        ASSERT_TRUE(leitura.ok()) << c.plate;
        EXPECT_EQ(leitura.caseFile.plate, c.index) << c.plate;
    }
}

TEST(ArquivoCalculoTest, FileEndingAfterTheTagHasNoFields)
{
    for (const char *tail : {"", "\r\n\r\n", "   \r\n"}) {
        const CaseFileReading leitura = ReadCase(QByteArray(kHeader) + tail);
        EXPECT_EQ(leitura.stop, CaseFileReading::ReadToEnd);
        EXPECT_TRUE(leitura.caseFile.fields.empty());
        EXPECT_EQ(leitura.caseFile.tag, "T");
    }
    // Without the final line end too.
    QByteArray noEnd(kHeader);
    noEnd.chop(2);
    EXPECT_EQ(ReadCase(noEnd).caseFile.tag, "T");
}

TEST(ArquivoCalculoTest, HeaderErrorsReportWhatWasRead)
{
    const struct {
        const char *file;
        int error;
        int itens;
    } cases[] = {
        {"", ErrorEndOfFile, 0},
        {"\"d\"\r\n\"o\"\r\n", ErrorEndOfFile, 2},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n0,  \"L\"\r\n", ErrorEndOfFile, 6},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n0,  \"L\"\r\n3\r\n", ErrorEndOfFile, 7},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n2\r\n0,  \"L\"\r\n3\r\n\"T\"\r\n", ErrorInvalidValue, 3},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n3,  \"L\"\r\n3\r\n\"T\"\r\n", ErrorInvalidValue, 4},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n9, \"L\"\r\n3\r\n\"T\"\r\n", ErrorInvalidValue, 4},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n1,  \"L\"\r\n4\r\n\"T\"\r\n", ErrorInvalidValue, 6},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n99999999999\r\n", ErrorInvalidValue, 3},
    };
    for (const auto &c : cases) {
        const CaseFileReading leitura = ReadCase(c.file);
        EXPECT_EQ(leitura.stop, CaseFileReading::HeaderError) << c.file;
        EXPECT_EQ(leitura.error.number, c.error) << c.file;
        EXPECT_FALSE(leitura.error.description.isEmpty());
        EXPECT_EQ(leitura.itemsRead, c.itens) << c.file;
    }
    const CaseFileReading parcial = ReadCase("\"d\"\r\n\"o\"\r\n");
    EXPECT_EQ(parcial.caseFile.date, "d");
    EXPECT_EQ(parcial.caseFile.serviceOrder, "o");
}

TEST(ArquivoCalculoTest, BadFieldRecordsAreSkipped)
{
    const QByteArray file = QByteArray(kHeader)
        + "3,\"7\",1\r\n"       // no value box for field 3
        + "30,\"7\",1\r\n"      // nor for 30
        + "2,\"1500,5\",2\r\n"
        + "x,\"9\",0\r\n"       // not a number: field 0
        + "26,\"0,98\",5\r\n"   // no unit list: the index is not used
        + "4,\"\",1.5\r\n"      // half to even
        + "5,\"25\"\r\n";       // items run on: the unit item is missing at the end
    const CaseFileReading leitura = ReadCase(file);
    ASSERT_EQ(leitura.stop, CaseFileReading::ReadToEnd);
    const std::vector<FieldRecord> expected = {
        {2, "1500,5", 2}, {26, "0,98", std::nullopt}, {4, "", 2}, {5, "25", std::nullopt}};
    EXPECT_EQ(leitura.caseFile.fields, expected);
}

TEST(ArquivoCalculoTest, DoubleQuoteInsideATextKeepsTheFileReadable)
{
    CaseFile caso = GasExample();
    caso.tag = "FE-\"A\"";
    caso.fluidText = "Gas (\"GLP\")";
    caso.client = "\"";
    caso.fields = {{4, "2\"", 0}};
    const QByteArray bytes = WriteCase(caso);
    EXPECT_EQ(bytes.count('"'), 2 * 6); // each text item has exactly its own two quotes
    const CaseFileReading leitura = ReadCase(bytes);
    ASSERT_EQ(leitura.stop, CaseFileReading::ReadToEnd);
    EXPECT_EQ(leitura.caseFile.tag, "FE-''A''");
    EXPECT_EQ(leitura.caseFile.fluidText, "Gas (''GLP'')");
    EXPECT_EQ(leitura.caseFile.client, "''");
    EXPECT_EQ(leitura.caseFile.tap, 2);
    ASSERT_EQ(leitura.caseFile.fields.size(), 1u);
    EXPECT_EQ(leitura.caseFile.fields[0].text, "2''");
    EXPECT_EQ(WriteCase(leitura.caseFile),
              WriteCase(ReadCase(WriteCase(leitura.caseFile)).caseFile));
}

TEST(ArquivoCalculoTest, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    CaseFile caso = GasExample();
    caso.fluidText = QString::fromUtf8("Gas (метан €)");
    const CaseFileReading leitura = ReadCase(WriteCase(caso));
    EXPECT_EQ(leitura.caseFile.fluidText, QString::fromUtf8("Gas (????? €)"));
}

TEST(ArquivoCalculoTest, FailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/caso.qzv";
    ASSERT_FALSE(WriteCaseFile(path, GasExample()));
    const QByteArray old = WriteCase(GasExample());

    // A write the file-size limit cuts short (for root too): the old file stays whole.
    CaseFile grande = GasExample();
    grande.tag = QString(5000, u'x');
    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = limite;
    pequeno.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const std::optional<FileError> erro = WriteCaseFile(path, grande);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, sinal);
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->number, ErrorFileAccess);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"caso.qzv"});

    // A folder that is a file: fails, creates nothing.
    const QString inside = path + "/outro.qzv";
    EXPECT_TRUE(WriteCaseFile(inside, grande));
    const CaseFileReading missing = ReadCaseFile(inside);
    EXPECT_EQ(missing.stop, CaseFileReading::HeaderError);
    EXPECT_EQ(missing.error.number, ErrorFileAccess);
    EXPECT_EQ(missing.itemsRead, 0);
    EXPECT_EQ(ReadCaseFile(path).caseFile.tag, "FE-101");

    // Not a regular file: refused at once, nothing read.
    for (const QString &other : {dir.path(), QStringLiteral("/dev/zero")})
        EXPECT_EQ(ReadCaseFile(other).error.number, ErrorFileAccess) << other.toStdString();
}

TEST(ArquivoCalculoTest, HostileFilesAreReadSanely)
{
    // Unbalanced quote: the item runs to the end of the data, nothing more.
    CaseFileReading leitura = ReadCase("\"d\r\n\"o\"\r\n");
    EXPECT_EQ(leitura.stop, CaseFileReading::HeaderError);

    // NUL bytes and binary junk: no crash, what can be read is read.
    QByteArray binary(kHeader);
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) & 0xFF);
    binary[2] = '\0';
    leitura = ReadCase(binary);
    EXPECT_LE(int(leitura.caseFile.fields.size()), MaxFieldRecords);
}

TEST(ArquivoCalculoTest, FilesBeyondTheLimitsAreRefusedWhole)
{
    auto registro = [](const QByteArray &valor) { return "2,\"" + valor + "\",1\r\n"; };
    auto recusado = [](const CaseFileReading &leitura) {
        return !leitura.ok() && leitura.stop == CaseFileReading::BeyondLimits
            && leitura.error.number == ErrorEndOfFile && leitura.itemsRead == 0
            && leitura.caseFile.tag.isEmpty() && leitura.caseFile.fields.empty();
    };
    const QByteArray item(MaxItemLength, 'x');

    // Items: the longest is read whole, one character more refuses the file, in a field
    // record, unquoted or in the header.
    CaseFileReading leitura = ReadCase(QByteArray(kHeader) + registro(item));
    ASSERT_TRUE(leitura.ok());
    EXPECT_EQ(leitura.caseFile.fields.at(0).text->size(), MaxItemLength);
    EXPECT_TRUE(recusado(ReadCase(QByteArray(kHeader) + registro(item + 'x'))));
    EXPECT_TRUE(recusado(ReadCase(QByteArray(kHeader) + "2,\"1\"," + item + "0\r\n")));
    QByteArray cliente(kHeader);
    cliente.replace("\"Cli\"", "\"" + item + "x\"");
    EXPECT_TRUE(recusado(ReadCase(cliente)));

    // Field records: MaxFieldRecords of them are read, one more refuses the file.
    QByteArray many(kHeader);
    for (int i = 0; i < MaxFieldRecords; ++i)
        many += registro("1");
    EXPECT_EQ(int(ReadCase(many).caseFile.fields.size()), MaxFieldRecords);
    EXPECT_TRUE(recusado(ReadCase(many + registro("1"))));

    // Bytes: a file of MaxCaseBytes is read, one byte more is refused, from a file too.
    QByteArray cheio = QByteArray(kHeader) + registro("1");
    cheio += QByteArray(MaxCaseBytes - cheio.size(), ' ');
    EXPECT_TRUE(ReadCase(cheio).ok());
    EXPECT_TRUE(recusado(ReadCase(cheio + ' ')));
    QTemporaryDir dir;
    QFile grande(dir.filePath(QStringLiteral("grande.qzv")));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    grande.write(cheio + "\r\n");
    grande.close();
    EXPECT_TRUE(recusado(ReadCaseFile(grande.fileName())));

    // What the writer writes is always read back: a longer text is cut to the limit, also
    // where its double quotes grow.
    CaseFile caso = GasExample();
    caso.tag = QString(MaxItemLength, u'"');
    leitura = ReadCase(WriteCase(caso));
    ASSERT_TRUE(leitura.ok());
    EXPECT_EQ(leitura.caseFile.tag, QString(MaxItemLength, u'\''));
}

