#include "gui/widgets/screen_fit.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

namespace trivelon::gui {

QRect PlacedInside(const QRect& frame, const QRect& area) {
    QRect placed = frame;
    placed.moveLeft(std::max(area.left(), std::min(frame.left(), area.left() + area.width() - frame.width())));
    placed.moveTop(std::max(area.top(), std::min(frame.top(), area.top() + area.height() - frame.height())));
    return placed;
}

QSize FittedSize(const QSize& content, const QSize& room, int scrollBarExtent) {
    const bool scrollsAcross = content.width() > room.width();
    const bool scrollsDown = content.height() > room.height();
    int width = std::min(content.width(), room.width());
    int height = std::min(content.height(), room.height());
    if (scrollsDown && !scrollsAcross) width = std::min(content.width() + scrollBarExtent, room.width());
    if (scrollsAcross && !scrollsDown) height = std::min(content.height() + scrollBarExtent, room.height());
    return {width, height};
}

QScrollArea* MakeContentScrollArea(QWidget& window, QWidget* content, bool contentFollowsWindow) {
    auto* area = new QScrollArea(&window);
    area->setObjectName(QStringLiteral("contentScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    // Not a stop of the keyboard order; it still scrolls to the control that
    // takes the focus.
    area->setFocusPolicy(Qt::NoFocus);
    // The content draws its own background.
    area->setBackgroundRole(QPalette::Window);
    area->setWidgetResizable(contentFollowsWindow);
    area->setWidget(content);
    auto* fill = new QHBoxLayout(&window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(area);
    // A window already on screen shows the area at once.
    area->show();
    return area;
}

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    // At a scale such as 150 % the sizes and places of a window and its frame
    // in logical pixels are rounded to device pixels, and may end past the
    // screen's last pixel: two less each way keep a window placed at the
    // area's edge on the screen.
    const qreal ratio = window.devicePixelRatioF();
    const int rounding = ratio == std::floor(ratio) ? 0 : 2;
    return screen->availableGeometry().adjusted(0, 0, -rounding, -rounding);
}

QSize ClientRoom(const QWidget& window) {
    constexpr int kTitleAllowance = 8;
    const QSize frame = window.frameGeometry().size() - window.size();
    return AvailableArea(window).size() - frame - QSize(0, kTitleAllowance);
}

void KeepInsideScreen(QWidget& window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QRect frame = window.frameGeometry();
    const QRect placed = PlacedInside(frame, area);
    if (placed != frame) window.move(placed.topLeft());
}

}  // namespace trivelon::gui
