#pragma once
// The main window: the forging and the refining tab, and what passes between
// them (the character's picture and the Weaponry Research level).
#include <QTabWidget>
#include <QWidget>

#include "gui/widgets/error_reporter.h"

namespace trivelon::gui {

class ForgeResultWindow;
class ForgeTab;
class RefineTab;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Failures of its handlers and of the result windows it opens are
    // reported to the reporter, which must outlive them.
    explicit MainWindow(ErrorReporter& reporter, QWidget* parent = nullptr);

signals:
    // Each press of the forge button that gets past the character inputs
    // opens a new result window, shown before it is filled.
    void resultWindowOpened(ForgeResultWindow* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* tabs_;
    ForgeTab* forgeTab_;
    RefineTab* refineTab_;
    bool centred_ = false;
};

}  // namespace trivelon::gui
