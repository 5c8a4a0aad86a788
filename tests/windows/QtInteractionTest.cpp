#include "platform/widgets/QtInteraction.h"

#include <gtest/gtest.h>

using platform::ExtensaoPadrao;
using platform::FiltroQt;

TEST(QtInteraction, FiltersAndDefaultExtensions)
{
    const QString caso = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
    EXPECT_EQ(FiltroQt(caso), QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)"));
    EXPECT_EQ(ExtensaoPadrao(caso), QStringLiteral("qzv"));

    const QString relatorio = QStringLiteral("Texto (*.txt)|*.txt|Documento (*.doc)|*.doc");
    EXPECT_EQ(FiltroQt(relatorio), QStringLiteral("Texto (*.txt);;Documento (*.doc)"));
    EXPECT_EQ(ExtensaoPadrao(relatorio), QStringLiteral("txt"));
    EXPECT_EQ(ExtensaoPadrao(QStringLiteral("Documento (*.doc)")), QStringLiteral("doc"));

    EXPECT_EQ(ExtensaoPadrao(QStringLiteral("Todos (*.*)|*.*")), QString());
    EXPECT_EQ(ExtensaoPadrao(QString()), QString());
    EXPECT_EQ(FiltroQt(QStringLiteral("Todos|*")), QStringLiteral("Todos (*)"));
}
