#pragma once
// Windows that fit the screen they open on, at any scale: a window whose
// content is larger than the available area of its screen (the screen
// without the task bar) shows that content in a scroll area instead, and a
// window the program places lies inside that area, frame and all.
#include <QRect>
#include <QScrollArea>
#include <QSize>

namespace trivelon::gui {

// The frame moved just enough to lie inside the area; a frame larger than
// the area keeps the area's top left corner, so that its title bar shows.
QRect PlacedInside(const QRect& frame, const QRect& area);

// The size that shows content of the given size within the room: the
// content's own size where it fits, otherwise the room, with a scroll bar's
// width added along the side that does not scroll, where the room has it.
QSize FittedSize(const QSize& content, const QSize& room, int scrollBarExtent);

// A frameless scroll area for a window's content, filling the window; its
// scroll bars show only when the window is smaller than the content. It may
// be made while the window is on screen.
QScrollArea* MakeContentScrollArea(QWidget& window, QWidget* content, bool contentFollowsWindow);

// The available area of the screen the window is on (the primary screen
// where it is on none), two pixels smaller on the right and at the bottom at
// a scale that is not a whole number.
QRect AvailableArea(const QWidget& window);

// The room the window's client area has on its screen: the available area
// without the window's frame, and without a few pixels more in height for a
// title bar taller than the frame Qt reports (as under Wine at 144 DPI,
// where the title bar is drawn 2 pixels taller than Qt's frame says).
QSize ClientRoom(const QWidget& window);

// Moves the window's frame inside the available area of its screen.
void KeepInsideScreen(QWidget& window);

}  // namespace trivelon::gui
