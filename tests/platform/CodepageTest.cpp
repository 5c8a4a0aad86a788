#include "platform/Codepage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodepageTest, RoundTripAndUnknownCharacters)
{
    const QString text = QStringLiteral("Liqüido ºC M³/h Kg/m² € “x”");
    EXPECT_EQ(FromCodepage1252(ToCodepage1252(text)), text);
    EXPECT_EQ(ToCodepage1252(QStringLiteral("ação")), QByteArray("a\xE7\xE3o"));
    EXPECT_EQ(ToCodepage1252(QStringLiteral("Газ")), QByteArray("???"));
    EXPECT_EQ(ToCodepage1252(QString::fromUtf8("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(FromCodepage1252(QByteArray("\x81", 1)), QString(QChar(0x81)));
}
