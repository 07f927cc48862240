#include "gui/widgets/side_window.h"

#include "gui/widgets/screen_fit.h"

namespace trivelon::gui {

SideWindow::SideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SideWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SideWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    resize(size().boundedTo(ClientRoom(*this)));
    KeepInsideScreen(*this);
}

}  // namespace trivelon::gui
