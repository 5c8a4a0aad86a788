#include "frame/About.h"

namespace frame {

QString AboutTitle(const QString &tituloAplicacao)
{
    return QStringLiteral("Sobre o ") + tituloAplicacao;
}

QString VersionText(int maior, int menor, int revisao)
{
    return QStringLiteral("Versão %1.%2 - Revisão %3").arg(maior).arg(menor).arg(revisao);
}

QString LegalNotice()
{
    return QStringLiteral(
        "Aviso: este programa de computador é protegido pelas leis de direitos autorais e "
        "tratados internacionais. A reprodução ou distribuição não autorizada deste programa, "
        "ou de qualquer parte dele, poderá resultar em severas punições civis e criminais. "
        "Os resultados devem ser conferidos por profissional habilitado antes do uso em "
        "projeto.");
}

QString LinkText(int indice)
{
    return indice == EmailLink ? QStringLiteral("E-mail: ") + SupportEmail
                               : QStringLiteral("Internet: ") + SupportSite;
}

QString LinkTip(int indice)
{
    return indice == EmailLink ? QStringLiteral("Clique aqui para enviar um E-mail")
                               : QStringLiteral("Clique aqui para entrar no site");
}

QString LinkTag(int indice)
{
    return indice == EmailLink ? QStringLiteral("mailto:") + SupportEmail : SupportSite;
}

QString LinkTarget(int indice, const QString &etiqueta, const QString &tituloJanela)
{
    if (indice != EmailLink)
        return etiqueta;
    return etiqueta + QStringLiteral("?Subject=") + tituloJanela;
}

bool IsInsideRect(int esquerda, int topo, int direita, int baixo, QPoint ponteiro)
{
    return esquerda < ponteiro.x() && ponteiro.x() < direita && topo < ponteiro.y()
        && ponteiro.y() < baixo;
}

bool IsInsideRect(const QRect &retangulo, QPoint ponteiro)
{
    return IsInsideRect(retangulo.left(), retangulo.top(),
                        retangulo.left() + retangulo.width(),
                        retangulo.top() + retangulo.height(), ponteiro);
}

} // namespace frame
