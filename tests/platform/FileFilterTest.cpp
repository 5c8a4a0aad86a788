#include "platform/FileFilter.h"

#include <gtest/gtest.h>

using platform::DefaultExtension;
using platform::QtNameFilters;
using platform::WithFilterExtension;

TEST(FileFilterTest, FiltersAndDefaultExtensions)
{
    const QString caso = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
    EXPECT_EQ(QtNameFilters(caso), QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)"));
    EXPECT_EQ(DefaultExtension(caso), QStringLiteral("qzv"));

    const QString relatorio = QStringLiteral("Texto (*.txt)|*.txt|Documento (*.doc)|*.doc");
    EXPECT_EQ(QtNameFilters(relatorio), QStringLiteral("Texto (*.txt);;Documento (*.doc)"));
    EXPECT_EQ(DefaultExtension(relatorio), QStringLiteral("txt"));
    EXPECT_EQ(DefaultExtension(QStringLiteral("Documento (*.doc)")), QStringLiteral("doc"));

    EXPECT_EQ(DefaultExtension(QStringLiteral("Todos (*.*)|*.*")), QString());
    EXPECT_EQ(DefaultExtension(QString()), QString());
    EXPECT_EQ(QtNameFilters(QStringLiteral("Todos|*")), QStringLiteral("Todos (*)"));
}

TEST(FileFilterTest, ChosenNameGetsTheSelectedFiltersExtension)
{
    const QString texto = QStringLiteral("Documentos de texto (*.txt)");
    const QString caso = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
    const QString varios = QStringLiteral("Texto (*.txt *.text)");
    const struct {
        const char *name;
        QString filter;
        const char *expected;
    } cases[] = {
        {"/r/Refinaria Exemplo S.A.", texto, "/r/Refinaria Exemplo S.A..txt"},
        {"/r/Usina", texto, "/r/Usina.txt"},
        {"/r/Usina.txt", texto, "/r/Usina.txt"},
        {"/r/USINA.TXT", texto, "/r/USINA.TXT"},
        {"/r/Usina.doc", texto, "/r/Usina.doc.txt"},
        {"/r/notas.text", varios, "/r/notas.text"},
        {"/v1.2/bomba", caso, "/v1.2/bomba.qzv"},
        {"/s/bomba.v2", caso, "/s/bomba.v2.qzv"},
        {"/s/bomba.qzv", caso, "/s/bomba.qzv"},
        {"/s/bomba.v2", QStringLiteral("Todos (*.*)"), "/s/bomba.v2"},
        {"/s/bomba", QStringLiteral("Todos (*)"), "/s/bomba"},
        {"/s/", caso, "/s/"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(WithFilterExtension(QString::fromUtf8(c.name), c.filter),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}
