#pragma once
// The texts and rules of the about box: caption, version line, legal notice, the two links
// and the hover test of a link's screen rectangle.

#include <QPoint>
#include <QRect>
#include <QString>

namespace frame {

inline const QString AboutPlatformLine = QStringLiteral("for Windows 9X / ME / NT / 2000 e XP");
inline const QString SupportEmail = QStringLiteral("suporte@quirasol-calculo.example");
inline const QString SupportSite = QStringLiteral("https://www.quirasol-calculo.example/");

// "Sobre o " and the application title.
QString AboutTitle(const QString &tituloAplicacao);
// "Versão 2.0 - Revisão 0".
QString VersionText(int maior, int menor, int revisao);
// The legal notice.
QString LegalNotice();

// Link labels: 0 e-mail, 1 web site.
constexpr int EmailLink = 0;
constexpr int SiteLink = 1;
QString LinkText(int indice);
QString LinkTip(int indice);
// The label's Tag: the mailto: target or the web address.
QString LinkTag(int indice);
// What a click opens: the e-mail target gets "?Subject=" and the window caption.
QString LinkTarget(int indice, const QString &etiqueta, const QString &tituloJanela);

// The pointer lies strictly inside a window rectangle (right and bottom are the first pixel
// outside, as window rectangles are given): a point on a border line is outside.
bool IsInsideRect(int esquerda, int topo, int direita, int baixo, QPoint ponteiro);
bool IsInsideRect(const QRect &retangulo, QPoint ponteiro);

} // namespace frame
