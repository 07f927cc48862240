#include "gui/widgets/tab_panel.h"

#include <QPalette>
#include <QResizeEvent>

#include "gui/widgets/wallpaper.h"

namespace trivelon::gui {

TabPanel::TabPanel(const QImage& tile, QWidget* parent) : QWidget(parent), wallpaper_(new Wallpaper(tile, this)) {
    wallpaper_->setGeometry(rect().adjusted(1, 1, -1, -1));
    wallpaper_->lower();
}

void TabPanel::setBackground(const QColor& colour) {
    QPalette shade = palette();
    shade.setColor(QPalette::Window, colour);
    setPalette(shade);
    setAutoFillBackground(true);
}

void TabPanel::setTile(const QImage& tile) { wallpaper_->setTile(tile); }

void TabPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    wallpaper_->setGeometry(rect().adjusted(1, 1, -1, -1));
}

}  // namespace trivelon::gui
