#pragma once
// Window layouts are given in twips (1/1440 inch), 15 twips to the pixel at the design
// resolution; the windows place their controls in pixels and the main window stores its
// placement in twips. The one conversion between the two for every window.

#include <QRect>

namespace platform {

constexpr int TwipsPerPixel = 15;

// Twips to the nearest whole pixel. The layouts' sizes are whole pixels and convert exactly;
// a size between two pixels (a band's designed width, a stored placement written by hand)
// goes to the nearer one. Fifteen is odd, so there is no tie to break.
constexpr int Pixels(int twips)
{
    constexpr int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((half - twips) / TwipsPerPixel);
}

constexpr int Twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

constexpr QRect PixelsRect(int esquerda, int topo, int largura, int altura)
{
    return QRect(Pixels(esquerda), Pixels(topo), Pixels(largura), Pixels(altura));
}

} // namespace platform
