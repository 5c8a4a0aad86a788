#pragma once
// The tips of the tip-of-the-day window: the lines of "DicaDoDia.txt" (Windows-1252, one tip a
// line), a random choice among them, and where the window stands in the main window.

#include <QByteArray>
#include <QPoint>
#include <QRandomGenerator>
#include <QSize>
#include <QString>
#include <QStringList>

namespace frame {

inline const QString TipsFileName = QStringLiteral("DicaDoDia.txt");

// The lines of a tips file; a line ends at CR, CR LF or LF; an empty line is an empty tip; a
// last line without its end still counts.
QStringList TipLines(const QByteArray &conteudo);

// The tip number (1 to total) for a uniform r in [0, 1): the integer part of r * total + 1.
// 1 for an empty list.
int TipNumber(double r, qsizetype total);

// What the window shows when the tips file is not there.
QString NoTipsMessage(const QString &tituloAplicacao);

// Top-left corner, relative to the document area, that centres the tip window in the part of
// the main window right of and below the document area's origin. principal and dica are outer
// sizes; origem is where the document area begins inside the main window.
QPoint TipWindowPosition(QSize principal, QSize dica, QPoint origem);

// Dicas and DicaAtual: the tips read so far in this run and the one shown.
class TipsOfTheDay
{
public:
    // Reads a tips file and adds its lines to those already read, then draws a tip. False,
    // and nothing read, when the name is empty or names no readable ordinary file.
    bool LoadTips(const QString &nomeArquivo);
    // Seeds the random sequence (the window seeds it from the clock at every load).
    void Seed(quint32 semente) { m_random.seed(semente); }
    // Draws the next tip; it may be the same as before.
    void DicaProxima();

    int DicaAtual() const { return m_dicaAtual; }
    bool IsEmpty() const { return m_dicas.isEmpty(); }
    // The tip shown; empty when there are no tips.
    QString CurrentText() const;
    const QStringList &Dicas() const { return m_dicas; }

private:
    QStringList m_dicas;
    int m_dicaAtual = 1;
    QRandomGenerator m_random;
};

} // namespace frame
