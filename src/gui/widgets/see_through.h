#pragma once
// The see-through colour of a transparent picture box: every pixel of the
// colour of the picture's bottom-left pixel is left out.
#include <QImage>

namespace trivelon::gui {

// The picture with its see-through pixels clear. An indexed picture keeps
// its pixels and gets the see-through colour clear in its colour table;
// any other is made 32-bit and cleared pixel by pixel.
QImage WithBottomLeftColourClear(const QImage& picture);

// The same for a picture of any format, pixel by pixel, as a 32-bit picture:
// what the colour-table path must draw alike.
QImage WithBottomLeftColourClearPixelByPixel(const QImage& picture);

}  // namespace trivelon::gui
