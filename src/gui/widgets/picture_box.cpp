#include "gui/widgets/picture_box.h"

#include <QPainter>

namespace trivelon::gui {

namespace {

// The picture with every pixel of its bottom-left pixel's colour made
// see-through, so that painting needs no per-pixel work.
QImage WithBottomLeftColourClear(const QImage& picture) {
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1) | 0xFF000000u;
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
    }
    return masked;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    rebuildPixmap();
}

void PictureBox::setPicture(const QImage& picture) {
    setPictureFromFile(picture, QString());
}

void PictureBox::setPictureFromFile(const QImage& picture, const QString& path) {
    picture_ = picture;
    path_ = path;
    rebuildPixmap();
}

void PictureBox::rebuildPixmap() {
    if (picture_.isNull()) {
        shown_ = QPixmap();
    } else {
        shown_ = QPixmap::fromImage(transparent_ ? WithBottomLeftColourClear(picture_) : picture_);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown_);
}

}  // namespace trivelon::gui
