#include "gui/widgets/side_window.h"

#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/widgets/screen_fit.h"

namespace trivelon::gui {

SideWindow::SideWindow(QWidget* parent) : QWidget(parent, Qt::Window), content_(new QWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(content_);
}

bool CloseOnEscape(QWidget& window, const QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier) return false;
    window.close();
    return true;
}

void SideWindow::keyPressEvent(QKeyEvent* event) {
    if (!CloseOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

void SideWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    fitToScreen();
    // The window system may give the window its final frame and place (a
    // title bar of another height at another scale) only once it is on
    // screen: the window is fitted again to them.
    QTimer::singleShot(0, this, &SideWindow::fitToScreen);
}

// Content that cannot shrink to the room scrolls, as a result window's
// does; most screens never need the scroll area, and never build it.
void SideWindow::fitToScreen() {
    const QSize room = ClientRoom(*this);
    const QSize least = content_->minimumSizeHint().expandedTo(content_->minimumSize());
    if (!scrollArea_ && (least.width() > room.width() || least.height() > room.height())) {
        delete layout();
        scrollArea_ = MakeContentScrollArea(*this, content_, true);
        // The window's least size is now the scroll area's, not the content's.
        layout()->activate();
    }
    // Scrolling content takes its own size where it fits, and a scroll bar
    // takes room only along the side that scrolls.
    const QSize fitted = scrollArea_ ? FittedSize(content_->sizeHint().expandedTo(least), room,
                                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent))
                                     : size().boundedTo(room);
    // Sized and placed in one step: a window system that keeps windows on
    // their screen cuts a window grown where it stands (Wine at 144 DPI).
    const QRect frame = frameGeometry();
    const QRect placed = PlacedInside(QRect(frame.topLeft(), fitted + (frame.size() - size())), AvailableArea(*this));
    setGeometry(QRect(placed.topLeft() + (geometry().topLeft() - frame.topLeft()), fitted));
}

}  // namespace trivelon::gui
