#include "frame/TabelaVapor.h"

#include "platform/Twips.h"

namespace frame {

namespace {
constexpr int MargemAltura = platform::Pixels(420);
constexpr int MargemLargura = platform::Pixels(135);
} // namespace

QString ArquivoTabelaVapor(int tipo)
{
    return tipo == TabelaVolume ? QStringLiteral(":/vapor/TabelaVolume.txt")
                                : QStringLiteral(":/vapor/TabelaMassa.txt");
}

QString TituloTabelaVapor(int tipo)
{
    const QString grandeza = tipo == TabelaVolume ? QStringLiteral("Volume específico")
                                                  : QStringLiteral("Massa específica");
    return grandeza
        + QStringLiteral(" do vapor superaquecido - Pressão (kgf/cm2) / Temperatura (ºC)");
}

QStringList CabecalhoTabelaVapor()
{
    QStringList cabecalho{QString()};
    for (int temperatura = 200; temperatura <= 500; temperatura += 20)
        cabecalho << QString::number(temperatura) + QStringLiteral(" ºC");
    return cabecalho;
}

QList<QStringList> LinhasTabelaVapor(const QString &texto)
{
    QList<QStringList> linhas;
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        if (linha.isEmpty())
            continue;
        QStringList campos = linha.split(QLatin1Char('\t'));
        campos.resize(ColunasTabelaVapor);
        linhas << campos;
    }
    return linhas;
}

std::optional<QSize> TamanhoGradeVapor(QSize janela, int topoGrade, bool minimizada)
{
    const int altura = janela.height() - topoGrade - MargemAltura;
    const int largura = janela.width() - MargemLargura;
    if (minimizada || altura <= 0 || largura <= 0)
        return std::nullopt;
    return QSize(largura, altura);
}

} // namespace frame
