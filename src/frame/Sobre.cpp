#include "frame/Sobre.h"

namespace frame {

QString TituloSobre(const QString &tituloAplicacao)
{
    return QStringLiteral("Sobre o ") + tituloAplicacao;
}

QString TextoVersao(int maior, int menor, int revisao)
{
    return QStringLiteral("Versão %1.%2 - Revisão %3").arg(maior).arg(menor).arg(revisao);
}

QString AvisoLegal()
{
    return QStringLiteral(
        "Aviso: este programa de computador é protegido pelas leis de direitos autorais e "
        "tratados internacionais. A reprodução ou distribuição não autorizada deste programa, "
        "ou de qualquer parte dele, poderá resultar em severas punições civis e criminais. "
        "Os resultados devem ser conferidos por profissional habilitado antes do uso em "
        "projeto.");
}

QString TextoLink(int indice)
{
    return indice == LinkEmail ? QStringLiteral("E-mail: ") + EmailSuporte
                               : QStringLiteral("Internet: ") + SiteSuporte;
}

QString DicaLink(int indice)
{
    return indice == LinkEmail ? QStringLiteral("Clique aqui para enviar um E-mail")
                               : QStringLiteral("Clique aqui para entrar no site");
}

QString EtiquetaLink(int indice)
{
    return indice == LinkEmail ? QStringLiteral("mailto:") + EmailSuporte : SiteSuporte;
}

QString AlvoLink(int indice, const QString &etiqueta, const QString &tituloJanela)
{
    if (indice != LinkEmail)
        return etiqueta;
    return etiqueta + QStringLiteral("?Subject=") + tituloJanela;
}

bool DentroDoRetangulo(int esquerda, int topo, int direita, int baixo, QPoint ponteiro)
{
    return esquerda < ponteiro.x() && ponteiro.x() < direita && topo < ponteiro.y()
        && ponteiro.y() < baixo;
}

bool DentroDoRetangulo(const QRect &retangulo, QPoint ponteiro)
{
    return DentroDoRetangulo(retangulo.left(), retangulo.top(),
                             retangulo.left() + retangulo.width(),
                             retangulo.top() + retangulo.height(), ponteiro);
}

} // namespace frame
