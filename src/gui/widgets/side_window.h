#pragma once
// A window the program opens beside another one (a chart, a comparison): a
// top-level window freed when closed, that does not keep the program running
// once the main window is closed, that Esc closes, and that opens no larger
// than its screen's available area and inside it.
#include <QKeyEvent>
#include <QShowEvent>
#include <QWidget>

namespace trivelon::gui {

class SideWindow : public QWidget {
    Q_OBJECT
public:
    explicit SideWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace trivelon::gui
