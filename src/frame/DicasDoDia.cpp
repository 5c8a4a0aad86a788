#include "frame/DicasDoDia.h"

#include "platform/Codepage.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace frame {

QStringList LinhasDicas(const QByteArray &conteudo)
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

int NumeroDica(double r, qsizetype total)
{
    if (total <= 0)
        return 1;
    const auto numero = static_cast<qsizetype>(std::floor(r * double(total) + 1.0));
    return int(std::clamp<qsizetype>(numero, 1, total));
}

QString MensagemSemDicas(const QString &tituloAplicacao)
{
    return QStringLiteral("Este arquivo '") + ArquivoDicas
        + QStringLiteral("' não foi encontrado? \r\n\r\n")
        + QStringLiteral("Verifique se o arquivo não foi movido ou excluído, e reinsta-le o ")
        + tituloAplicacao;
}

QPoint PosicaoDica(QSize principal, QSize dica, QPoint origem)
{
    return QPoint(((principal.width() - dica.width()) - origem.x()) / 2,
                  ((principal.height() - dica.height()) - origem.y()) / 2);
}

bool DicasDoDia::LoadTips(const QString &nomeArquivo)
{
    if (nomeArquivo.isEmpty() || !QFileInfo(nomeArquivo).isFile())
        return false;
    QFile arquivo(nomeArquivo);
    if (!arquivo.open(QIODevice::ReadOnly))
        return false;
    m_dicas << LinhasDicas(arquivo.readAll());
    DicaProxima();
    return true;
}

void DicasDoDia::DicaProxima()
{
    m_dicaAtual = NumeroDica(m_aleatorio.generateDouble(), m_dicas.size());
}

QString DicasDoDia::TextoAtual() const
{
    if (m_dicaAtual < 1 || m_dicaAtual > m_dicas.size())
        return {};
    return m_dicas.at(m_dicaAtual - 1);
}

} // namespace frame
