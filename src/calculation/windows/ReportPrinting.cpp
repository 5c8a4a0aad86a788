#include "ReportPrinting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace calculation {

QFont PrintFont(PrintedLine::Font fonte)
{
    if (fonte == PrintedLine::Title) {
        QFont font(QStringLiteral("Arial Black"));
        font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(28);
        font.setBold(true);
        return font;
    }
    QFont font(QStringLiteral("Courier New"));
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    font.setBold(false);
    return font;
}

QString PrintLines(QPrinter &printer, const QList<PrintedLine> &linhas)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("Não foi possível iniciar a impressão.");
    const qreal alturaPagina = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    bool ok = true;
    qreal y = 0;
    // The top of the next line of the given height, on a new page when it would not fit.
    auto proximaLinha = [&](qreal altura) {
        if (y > 0 && y + altura > alturaPagina) {
            ok = printer.newPage() && ok;
            y = 0;
        }
    };
    for (const PrintedLine &linha : linhas) {
        painter.setFont(PrintFont(linha.font));
        const QFontMetricsF metricas(painter.font(), painter.device());
        const qreal celula = metricas.averageCharWidth();
        const qreal altura = metricas.lineSpacing();
        proximaLinha(altura);
        qreal x = 0;
        for (const PrintedLine::Piece &peca : linha.pieces) {
            const qreal coluna = (peca.column - 1) * celula;
            // A column already passed continues on the next line, as a tab stop does.
            if (x > coluna) {
                y += altura;
                proximaLinha(altura);
            }
            painter.drawText(QPointF(coluna, y + metricas.ascent()), peca.text);
            x = coluna + metricas.horizontalAdvance(peca.text);
        }
        y += altura;
    }
    if (!painter.end() || !ok)
        return QStringLiteral("A impressão não pôde ser concluída.");
    return {};
}

} // namespace calculation
