#include "platform/Icons.h"

#include <QImage>
#include <gtest/gtest.h>

// Both icons are compiled in at every size they are asked for, each drawn for that size.
TEST(IconsTest, EveryIconComesInEverySize)
{
    for (const QString &nome : {platform::ProgramIconName, platform::CaseIconName}) {
        for (int tamanho : platform::IconSizes) {
            const QImage imagem(platform::IconPngPath(nome, tamanho));
            EXPECT_EQ(imagem.size(), QSize(tamanho, tamanho))
                << nome.toStdString() << " " << tamanho;
        }
    }
}
