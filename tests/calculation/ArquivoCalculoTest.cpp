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

Caso ExemploGas()
{
    Caso caso;
    caso.data = "09/12/2026 10:15:00";
    caso.os = "OS-17";
    caso.cliente = QString::fromUtf8("Refinaria São João");
    caso.placa = 0;
    caso.fluido = 1;
    caso.itemFluido = "Gas (ar natural)";
    caso.tomada = 2;
    caso.tag = "FE-101";
    caso.campos = {{2, "1500", 1}, {4, "102,26", 0}, {25, "1,0034", std::nullopt},
                   {29, "0,0000173", 0}};
    return caso;
}

const char *const kHeader =
    "\"09/12\"\r\n\"OS\"\r\n\"Cli\"\r\n1\r\n0,  \"Liqüido\"\r\n3\r\n\"T\"\r\n";

} // namespace

TEST(ArquivoCalculo, WritesTheExactFormat)
{
    Caso caso = ExemploGas();
    caso.data.clear();
    caso.os.clear();
    caso.cliente.clear();
    EXPECT_EQ(EscreveCaso(caso),
              QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n0\r\n1,  \"Gas (ar natural)\"\r\n2\r\n"
                         "\"FE-101\"\r\n2,\"1500\",1\r\n4,\"102,26\",0\r\n25,\"1,0034\",0\r\n"
                         "29,\"0,0000173\",0\r\n"));
}

TEST(ArquivoCalculo, RoundTripKeepsEverythingAsTyped)
{
    const Caso caso = ExemploGas();
    const LeituraCaso leitura = LeCaso(EscreveCaso(caso));
    ASSERT_EQ(leitura.parada, LeituraCaso::FimDoArquivo);
    EXPECT_EQ(leitura.itensLidos, ItensCabecalho);
    EXPECT_EQ(leitura.caso.data, caso.data);
    EXPECT_EQ(leitura.caso.cliente, caso.cliente); // accented letters through Windows-1252
    EXPECT_EQ(leitura.caso.fluido, 1);
    EXPECT_EQ(leitura.caso.itemFluido, "Gas (ar natural)");
    EXPECT_EQ(leitura.caso.tomada, 2);
    EXPECT_EQ(leitura.caso.tag, "FE-101");
    EXPECT_EQ(leitura.caso.campos, caso.campos); // decimal commas untouched
}

TEST(ArquivoCalculo, ReadsHeaderItemsByTheOldRules)
{
    const struct {
        const char *fluidLine;
        int fluido;
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
        const LeituraCaso leitura = LeCaso(file);
        ASSERT_TRUE(leitura.ok()) << c.fluidLine;
        EXPECT_EQ(leitura.caso.fluido, c.fluido) << c.fluidLine;
        EXPECT_EQ(leitura.caso.itemFluido, QString::fromUtf8(c.item)) << c.fluidLine;
        EXPECT_EQ(leitura.caso.placa, 1);
        EXPECT_EQ(leitura.caso.tomada, 3);
    }
}

TEST(ArquivoCalculo, IndicesRoundHalfToEven)
{
    constexpr int kInvalid = 99; // -1 is the selector's "nothing selected"
    const struct {
        const char *plate;
        int placa;
    } cases[] = {{"0.5", 0}, {"1.5", kInvalid}, {"0.51", 1}, {" 1", 1}, {"abc", 0},
                 {"-1", -1}, {"-1.5", kInvalid}, {"1e0", 1}};
    for (const auto &c : cases) {
        const QByteArray file = QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n") + c.plate
            + "\r\n0,  \"L\"\r\n0\r\n\"\"\r\n";
        const LeituraCaso leitura = LeCaso(file);
        if (c.placa == kInvalid) {
            EXPECT_FALSE(leitura.ok()) << c.plate; // 2 is not a plate
            continue;
        }
        ASSERT_TRUE(leitura.ok()) << c.plate;
        EXPECT_EQ(leitura.caso.placa, c.placa) << c.plate;
    }
}

TEST(ArquivoCalculo, FileEndingAfterTheTagHasNoFields)
{
    for (const char *tail : {"", "\r\n\r\n", "   \r\n"}) {
        const LeituraCaso leitura = LeCaso(QByteArray(kHeader) + tail);
        EXPECT_EQ(leitura.parada, LeituraCaso::FimDoArquivo);
        EXPECT_TRUE(leitura.caso.campos.empty());
        EXPECT_EQ(leitura.caso.tag, "T");
    }
    // Without the final line end too.
    QByteArray noEnd(kHeader);
    noEnd.chop(2);
    EXPECT_EQ(LeCaso(noEnd).caso.tag, "T");
}

TEST(ArquivoCalculo, HeaderErrorsReportWhatWasRead)
{
    const struct {
        const char *file;
        int erro;
        int itens;
    } cases[] = {
        {"", ErroFimDoArquivo, 0},
        {"\"d\"\r\n\"o\"\r\n", ErroFimDoArquivo, 2},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n0,  \"L\"\r\n", ErroFimDoArquivo, 6},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n0,  \"L\"\r\n3\r\n", ErroFimDoArquivo, 7},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n2\r\n0,  \"L\"\r\n3\r\n\"T\"\r\n", ErroValorInvalido, 3},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n3,  \"L\"\r\n3\r\n\"T\"\r\n", ErroValorInvalido, 4},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n9, \"L\"\r\n3\r\n\"T\"\r\n", ErroValorInvalido, 4},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n1\r\n1,  \"L\"\r\n4\r\n\"T\"\r\n", ErroValorInvalido, 6},
        {"\"d\"\r\n\"o\"\r\n\"c\"\r\n99999999999\r\n", ErroValorInvalido, 3},
    };
    for (const auto &c : cases) {
        const LeituraCaso leitura = LeCaso(c.file);
        EXPECT_EQ(leitura.parada, LeituraCaso::ErroCabecalho) << c.file;
        EXPECT_EQ(leitura.erro.numero, c.erro) << c.file;
        EXPECT_FALSE(leitura.erro.descricao.isEmpty());
        EXPECT_EQ(leitura.itensLidos, c.itens) << c.file;
    }
    const LeituraCaso parcial = LeCaso("\"d\"\r\n\"o\"\r\n");
    EXPECT_EQ(parcial.caso.data, "d");
    EXPECT_EQ(parcial.caso.os, "o");
}

TEST(ArquivoCalculo, BadFieldRecordsAreSkipped)
{
    const QByteArray file = QByteArray(kHeader)
        + "3,\"7\",1\r\n"       // no value box for field 3
        + "30,\"7\",1\r\n"      // nor for 30
        + "2,\"1500,5\",2\r\n"
        + "x,\"9\",0\r\n"       // not a number: field 0
        + "26,\"0,98\",5\r\n"   // no unit list: the index is not used
        + "4,\"\",1.5\r\n"      // half to even
        + "5,\"25\"\r\n";       // items run on: the unit item is missing at the end
    const LeituraCaso leitura = LeCaso(file);
    ASSERT_EQ(leitura.parada, LeituraCaso::FimDoArquivo);
    const std::vector<RegistroCampo> expected = {
        {2, "1500,5", 2}, {26, "0,98", std::nullopt}, {4, "", 2}, {5, "25", std::nullopt}};
    EXPECT_EQ(leitura.caso.campos, expected);
}

TEST(ArquivoCalculo, DoubleQuoteInsideATextKeepsTheFileReadable)
{
    Caso caso = ExemploGas();
    caso.tag = "FE-\"A\"";
    caso.itemFluido = "Gas (\"GLP\")";
    caso.cliente = "\"";
    caso.campos = {{4, "2\"", 0}};
    const QByteArray bytes = EscreveCaso(caso);
    EXPECT_EQ(bytes.count('"'), 2 * 6); // each text item has exactly its own two quotes
    const LeituraCaso leitura = LeCaso(bytes);
    ASSERT_EQ(leitura.parada, LeituraCaso::FimDoArquivo);
    EXPECT_EQ(leitura.caso.tag, "FE-''A''");
    EXPECT_EQ(leitura.caso.itemFluido, "Gas (''GLP'')");
    EXPECT_EQ(leitura.caso.cliente, "''");
    EXPECT_EQ(leitura.caso.tomada, 2);
    ASSERT_EQ(leitura.caso.campos.size(), 1u);
    EXPECT_EQ(leitura.caso.campos[0].texto, "2''");
    EXPECT_EQ(EscreveCaso(leitura.caso), EscreveCaso(LeCaso(EscreveCaso(leitura.caso)).caso));
}

TEST(ArquivoCalculo, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    Caso caso = ExemploGas();
    caso.itemFluido = QString::fromUtf8("Gas (метан €)");
    const LeituraCaso leitura = LeCaso(EscreveCaso(caso));
    EXPECT_EQ(leitura.caso.itemFluido, QString::fromUtf8("Gas (????? €)"));
}

TEST(ArquivoCalculo, FailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/caso.qzv";
    ASSERT_FALSE(GravaArquivoCaso(path, ExemploGas()));
    const QByteArray old = EscreveCaso(ExemploGas());

    // A write the file-size limit cuts short (for root too): the old file stays whole.
    Caso grande = ExemploGas();
    grande.tag = QString(5000, u'x');
    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = limite;
    pequeno.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const std::optional<ErroArquivo> erro = GravaArquivoCaso(path, grande);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, sinal);
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->numero, ErroAcessoArquivo);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"caso.qzv"});

    // A folder that is a file: fails, creates nothing.
    const QString inside = path + "/outro.qzv";
    EXPECT_TRUE(GravaArquivoCaso(inside, grande));
    const LeituraCaso missing = LeArquivoCaso(inside);
    EXPECT_EQ(missing.parada, LeituraCaso::ErroCabecalho);
    EXPECT_EQ(missing.erro.numero, ErroAcessoArquivo);
    EXPECT_EQ(missing.itensLidos, 0);
    EXPECT_EQ(LeArquivoCaso(path).caso.tag, "FE-101");

    // Not a regular file: refused at once, nothing read.
    for (const QString &other : {dir.path(), QStringLiteral("/dev/zero")})
        EXPECT_EQ(LeArquivoCaso(other).erro.numero, ErroAcessoArquivo) << other.toStdString();
}

TEST(ArquivoCalculo, HostileFilesAreReadSanely)
{
    // Unbalanced quote: the item runs to the end of the data, nothing more.
    LeituraCaso leitura = LeCaso("\"d\r\n\"o\"\r\n");
    EXPECT_EQ(leitura.parada, LeituraCaso::ErroCabecalho);

    // NUL bytes and binary junk: no crash, what can be read is read.
    QByteArray binary(kHeader);
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) & 0xFF);
    binary[2] = '\0';
    leitura = LeCaso(binary);
    EXPECT_LE(int(leitura.caso.campos.size()), MaxRegistrosCampo);
}

TEST(ArquivoCalculo, FilesBeyondTheLimitsAreRefusedWhole)
{
    auto registro = [](const QByteArray &valor) { return "2,\"" + valor + "\",1\r\n"; };
    auto recusado = [](const LeituraCaso &leitura) {
        return !leitura.ok() && leitura.parada == LeituraCaso::Limite
            && leitura.erro.numero == ErroFimDoArquivo && leitura.itensLidos == 0
            && leitura.caso.tag.isEmpty() && leitura.caso.campos.empty();
    };
    const QByteArray item(MaxTextoItem, 'x');

    // Items: the longest is read whole, one character more refuses the file, in a field
    // record, unquoted or in the header.
    LeituraCaso leitura = LeCaso(QByteArray(kHeader) + registro(item));
    ASSERT_TRUE(leitura.ok());
    EXPECT_EQ(leitura.caso.campos.at(0).texto->size(), MaxTextoItem);
    EXPECT_TRUE(recusado(LeCaso(QByteArray(kHeader) + registro(item + 'x'))));
    EXPECT_TRUE(recusado(LeCaso(QByteArray(kHeader) + "2,\"1\"," + item + "0\r\n")));
    QByteArray cliente(kHeader);
    cliente.replace("\"Cli\"", "\"" + item + "x\"");
    EXPECT_TRUE(recusado(LeCaso(cliente)));

    // Field records: MaxRegistrosCampo of them are read, one more refuses the file.
    QByteArray many(kHeader);
    for (int i = 0; i < MaxRegistrosCampo; ++i)
        many += registro("1");
    EXPECT_EQ(int(LeCaso(many).caso.campos.size()), MaxRegistrosCampo);
    EXPECT_TRUE(recusado(LeCaso(many + registro("1"))));

    // Bytes: a file of MaxBytesCaso is read, one byte more is refused, from a file too.
    QByteArray cheio = QByteArray(kHeader) + registro("1");
    cheio += QByteArray(MaxBytesCaso - cheio.size(), ' ');
    EXPECT_TRUE(LeCaso(cheio).ok());
    EXPECT_TRUE(recusado(LeCaso(cheio + ' ')));
    QTemporaryDir dir;
    QFile grande(dir.filePath(QStringLiteral("grande.qzv")));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    grande.write(cheio + "\r\n");
    grande.close();
    EXPECT_TRUE(recusado(LeArquivoCaso(grande.fileName())));

    // What the writer writes is always read back: a longer text is cut to the limit, also
    // where its double quotes grow.
    Caso caso = ExemploGas();
    caso.tag = QString(MaxTextoItem, u'"');
    leitura = LeCaso(EscreveCaso(caso));
    ASSERT_TRUE(leitura.ok());
    EXPECT_EQ(leitura.caso.tag, QString(MaxTextoItem, u'\''));
}

