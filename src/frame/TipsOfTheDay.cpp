#include "frame/TipsOfTheDay.h"

#include "platform/Codepage.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace frame {

QStringList TipLines(const QByteArray &conteudo)
{
    const QString texto = platform::FromCodepage1252(conteudo);
    QStringList linhas;
    QString atual;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < texto.size()
                && texto.at(i + 1) == QLatin1Char('\n'))
                ++i;
            linhas << atual;
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!atual.isEmpty())
        linhas << atual;
    return linhas;
}

int TipNumber(double r, qsizetype total)
{
    if (total <= 0)
        return 1;
    const auto numero = static_cast<qsizetype>(std::floor(r * double(total) + 1.0));
    return int(std::clamp<qsizetype>(numero, 1, total));
}

QString NoTipsMessage(const QString &tituloAplicacao)
{
    return QStringLiteral("Este arquivo '") + TipsFileName
        + QStringLiteral("' não foi encontrado? \r\n\r\n")
        + QStringLiteral("Verifique se o arquivo não foi movido ou excluído, e reinsta-le o ")
        + tituloAplicacao;
}

QPoint TipWindowPosition(QSize principal, QSize dica, QPoint origem)
{
    return QPoint(((principal.width() - dica.width()) - origem.x()) / 2,
                  ((principal.height() - dica.height()) - origem.y()) / 2);
}

bool TipsOfTheDay::LoadTips(const QString &nomeArquivo)
{
    if (nomeArquivo.isEmpty() || !QFileInfo(nomeArquivo).isFile())
        return false;
    QFile arquivo(nomeArquivo);
    if (!arquivo.open(QIODevice::ReadOnly))
        return false;
    m_dicas << TipLines(arquivo.readAll());
    DicaProxima();
    return true;
}

void TipsOfTheDay::DicaProxima()
{
    m_dicaAtual = TipNumber(m_random.generateDouble(), m_dicas.size());
}

QString TipsOfTheDay::CurrentText() const
{
    if (m_dicaAtual < 1 || m_dicaAtual > m_dicas.size())
        return {};
    return m_dicas.at(m_dicaAtual - 1);
}

} // namespace frame
