#include "frame/SteamTables.h"

#include "platform/Twips.h"

namespace frame {

namespace {
constexpr int HeightMargin = platform::Pixels(420);
constexpr int WidthMargin = platform::Pixels(135);
} // namespace

QString SteamTableFile(int tipo)
{
    return tipo == VolumeTable ? QStringLiteral(":/vapor/TabelaVolume.txt")
                                : QStringLiteral(":/vapor/TabelaMassa.txt");
}

QString SteamTableTitle(int tipo)
{
    const QString grandeza = tipo == VolumeTable ? QStringLiteral("Volume específico")
                                                  : QStringLiteral("Massa específica");
    return grandeza
        + QStringLiteral(" do vapor superaquecido - Pressão (kgf/cm2) / Temperatura (ºC)");
}

QStringList SteamTableHeader()
{
    QStringList cabecalho{QString()};
    for (int temperatura = 200; temperatura <= 500; temperatura += 20)
        cabecalho << QString::number(temperatura) + QStringLiteral(" ºC");
    return cabecalho;
}

QList<QStringList> SteamTableRows(const QString &texto)
{
    QList<QStringList> linhas;
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        if (linha.isEmpty())
            continue;
        QStringList campos = linha.split(QLatin1Char('\t'));
        campos.resize(SteamTableColumns);
        linhas << campos;
    }
    return linhas;
}

std::optional<QSize> SteamGridSize(QSize janela, int topoGrade, bool minimizada)
{
    const int altura = janela.height() - topoGrade - HeightMargin;
    const int largura = janela.width() - WidthMargin;
    if (minimizada || altura <= 0 || largura <= 0)
        return std::nullopt;
    return QSize(largura, altura);
}

} // namespace frame
