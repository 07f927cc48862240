#include "gui/widgets/picture_box.h"

#include <QPainter>

#include "gui/widgets/see_through.h"

namespace trivelon::gui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    rebuildPixmap();
}

void PictureBox::setPicture(const QImage& picture) { setPictureFromFile(picture, QString()); }

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
