#pragma once
// The player's guide in a window of the program, in the language of the
// windows: the copy built into the program (docs/guide.*.md with its
// pictures, resources/guide.qrc), shown by Qt's Markdown. F1 opens it from
// any window that installs the key; one guide window serves them all.
#include <QTextBrowser>
#include <QWidget>

#include "gui/widgets/side_window.h"

namespace trivelon::gui {

class HelpWindow : public SideWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

    // Shows the guide window, made the first time, in front.
    static HelpWindow& Open(QWidget& from);

private:
    QTextBrowser* browser_;
};

// F1 in the window opens the guide.
void InstallHelpKey(QWidget& window);

}  // namespace trivelon::gui
