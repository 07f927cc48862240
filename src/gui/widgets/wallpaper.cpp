#include "gui/widgets/wallpaper.h"

#include <QPainter>

namespace trivelon::gui {

Wallpaper::Wallpaper(const QImage& tile, QWidget* parent) : QWidget(parent) {
    setTile(tile);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Wallpaper::setTile(const QImage& tile) {
    tile_ = QPixmap::fromImage(tile);
    update();
}

void Wallpaper::paintEvent(QPaintEvent*) {
    if (tile_.isNull()) return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), tile_);
}

void Wallpaper::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

}  // namespace trivelon::gui
