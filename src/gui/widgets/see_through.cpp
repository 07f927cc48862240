#include "gui/widgets/see_through.h"

namespace trivelon::gui {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kClear = 0;

bool IsIndexed(const QImage& picture) {
    return picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono ||
           picture.format() == QImage::Format_MonoLSB;
}

// The colour table as Qt draws an indexed picture with a see-through colour:
// every index present, indices beyond the picture's own table clear (black
// or white for a 1-bit picture), and a grey ramp for an 8-bit picture that
// has no table.
QList<QRgb> DrawnColourTable(const QImage& picture) {
    QList<QRgb> table = picture.colorTable();
    if (picture.depth() == 1) {
        if (table.isEmpty()) table << qRgb(0, 0, 0);
        if (table.size() < 2) table << qRgb(255, 255, 255);
        return table;
    }
    if (table.isEmpty())
        for (int grey = 0; grey < 256; ++grey) table << qRgb(grey, grey, grey);
    table.resize(256, kClear);
    return table;
}

}  // namespace

QImage WithBottomLeftColourClearPixelByPixel(const QImage& picture) {
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1) | kOpaque;
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] | kOpaque) == key) row[x] = kClear;
        }
    }
    return masked;
}

QImage WithBottomLeftColourClear(const QImage& picture) {
    if (!IsIndexed(picture)) return WithBottomLeftColourClearPixelByPixel(picture);
    QList<QRgb> table = DrawnColourTable(picture);
    const QRgb key = table[picture.pixelIndex(0, picture.height() - 1)] | kOpaque;
    for (QRgb& colour : table)
        if ((colour | kOpaque) == key) colour = kClear;
    QImage masked = picture;
    masked.setColorTable(table);
    return masked;
}

}  // namespace trivelon::gui
