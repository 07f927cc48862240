#pragma once
// A window the program opens beside another one (a chart, a comparison): a
// top-level window freed when closed, that does not keep the program running
// once the main window is closed, that Esc closes, and that opens no larger
// than its screen's available area and inside it, its content in a scroll
// area where the content does not fit that area.
#include <QKeyEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QWidget>

namespace trivelon::gui {

// Esc alone closes the window; true where it did.
bool CloseOnEscape(QWidget& window, const QKeyEvent& event);

class SideWindow : public QWidget {
    Q_OBJECT
public:
    explicit SideWindow(QWidget* parent = nullptr);

    // The widget that holds the window's content and its layout; it fills
    // the window, or scrolls in it.
    QWidget* content() const { return content_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitToScreen();

    QWidget* content_;
    QScrollArea* scrollArea_ = nullptr;
};

}  // namespace trivelon::gui
