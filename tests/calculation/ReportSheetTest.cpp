#include "calculation/ReportSheet.h"

#include <gtest/gtest.h>

using namespace calculation;

namespace {

ReportHeader Header(const QString &data, const QString &os, const QString &cliente)
{
    ReportHeader header = ReportLabels();
    header.date = data;
    header.serviceOrder = os;
    header.client = cliente;
    return header;
}

const QString Rule = QString(33, QLatin1Char('=')) + QStringLiteral(" Data Sheet ")
                      + QString(33, QLatin1Char('='));
const QString ClosingRule(78, QLatin1Char('='));

} // namespace

TEST(ReportSheetTest, ColumnHeaderLinesUpWithTheItems)
{
    const QString texto = ColumnHeader();
    ASSERT_EQ(texto.size(), 79);
    EXPECT_TRUE(texto.startsWith(QStringLiteral(" Descrição ")));
    EXPECT_EQ(texto.mid(36, 5), QStringLiteral("Valor")); // columns 37 to 41
    EXPECT_EQ(texto.mid(73), QStringLiteral("Escala"));  // columns 74 to 79
    EXPECT_EQ(texto.mid(10, 26).trimmed(), QString());
    EXPECT_EQ(texto.mid(41, 32).trimmed(), QString());
}

TEST(ReportSheetTest, DateTextIsShortTimeAndLongDate)
{
    EXPECT_EQ(DateTimeText(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 42))),
              QStringLiteral("10:15 - quarta-feira, 9 de dezembro de 2026"));
    EXPECT_EQ(DateTimeText(QDateTime(QDate(2027, 3, 1), QTime(7, 5))),
              QStringLiteral("07:05 - segunda-feira, 1 de março de 2027"));
}

TEST(ReportSheetTest, EmptyListExportsHeaderAndRulesOnly)
{
    const QStringList linhas =
        ExportedLines(Header(QStringLiteral("10:15 - quarta-feira"), QStringLiteral("123"),
                             QStringLiteral("ACME")),
                      {});
    const QStringList esperado = {Rule,
                                  QString(),
                                  QStringLiteral("Hora - data......: 10:15 - quarta-feira"),
                                  QString(),
                                  QStringLiteral("Ordem de serviço.: 123"),
                                  QStringLiteral("Cliente..........: ACME"),
                                  ClosingRule};
    EXPECT_EQ(linhas, esperado);
    EXPECT_EQ(Rule.size(), 78);
}

TEST(ReportSheetTest, ItemsLoseTheirFirstCharacter)
{
    const QStringList itens = {QStringLiteral(" "), QStringLiteral(" Beta = d/D _ 0,65432"),
                               QString(), QStringLiteral("  dois")};
    const QStringList linhas = ExportedLines(Header({}, {}, {}), itens);
    ASSERT_EQ(linhas.size(), 7 + itens.size());
    EXPECT_EQ(linhas.mid(6, 4), (QStringList{QString(), QStringLiteral("Beta = d/D _ 0,65432"),
                                             QString(), QStringLiteral(" dois")}));
    EXPECT_EQ(linhas[4], QStringLiteral("Ordem de serviço.: "));
    EXPECT_EQ(linhas.last(), ClosingRule);
}

TEST(ReportSheetTest, FileTextIsWindows1252WithCrLf)
{
    const QByteArray bytes =
        ExportedBytes({QStringLiteral("Vazão"), QString(), QStringLiteral("Kg/m³")});
    EXPECT_EQ(bytes, QByteArray("Vaz\xe3o\r\n\r\nKg/m\xb3\r\n"));
    EXPECT_TRUE(ExportedBytes({}).isEmpty());
}

TEST(ReportSheetTest, ExportFileNameIsANameNeverAPath)
{
    const struct {
        const char *client;
        const char *name;
    } casos[] = {
        {"Usina São João", "Usina São João"},
        {"", ""},
        {"../../outra/evil", ".._.._outra_evil"},
        {"/etc/passwd", "_etc_passwd"},
        {"..\\..\\x", ".._.._x"},
        {"..", "__"},
        {".", "_"},
        {"...", "___"},
        {".oculto", ".oculto"},
        {"Cia. Ltda.", "Cia. Ltda."},
        {"A/B: C*D?E\"F<G>H|I", "A_B_ C_D_E_F_G_H_I"},
        {"linha\nnova\tTab\x7f", "linha_nova_Tab_"},
        {"~/casa $HOME", "~_casa $HOME"},
    };
    for (const auto &caso : casos) {
        EXPECT_EQ(ExportFileName(QString::fromUtf8(caso.client)), QString::fromUtf8(caso.name))
            << caso.client;
    }
}

TEST(ReportSheetTest, PrintLayout)
{
    const ReportHeader header =
        Header(QStringLiteral("10:15 - hoje"), QStringLiteral("OS 7"), QStringLiteral("ACME"));
    const QList<PrintedLine> linhas =
        PrintLayout(header, ColumnHeader(), {QStringLiteral(" a"), QStringLiteral(" b")});
    using P = PrintedLine;
    const QList<PrintedLine> esperado = {
        {P::Title, {}},
        {P::Title, {}},
        {P::Title, {{15, QStringLiteral("Data Sheet")}}},
        {P::Title, {}},
        {P::Text, {{9, QStringLiteral("10:15 - hoje")}}},
        {P::Text, {}},
        {P::Text, {{9, QStringLiteral(" Ordem de serviço.:")}, {29, QStringLiteral("OS 7")}}},
        {P::Text, {{9, QStringLiteral(" Cliente..........:")}, {29, QStringLiteral("ACME")}}},
        {P::Text, {}},
        {P::Text, {}},
        {P::Text, {{9, ColumnHeader()}}},
        {P::Text, {{9, QStringLiteral(" a")}}},
        {P::Text, {{9, QStringLiteral(" b")}}},
    };
    EXPECT_EQ(linhas, esperado);
}
