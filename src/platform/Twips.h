#pragma once
// Window layouts are given in twips (1/1440 inch), 15 twips to the pixel at the design
// resolution; the windows place their controls in pixels.

#include <QRect>

namespace platform {

constexpr int TwipsPorPixel = 15;

constexpr int Pixels(int twips)
{
    return twips / TwipsPorPixel;
}

constexpr QRect PixelsRect(int esquerda, int topo, int largura, int altura)
{
    return QRect(Pixels(esquerda), Pixels(topo), Pixels(largura), Pixels(altura));
}

} // namespace platform
