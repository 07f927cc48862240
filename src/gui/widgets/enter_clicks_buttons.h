#pragma once
// Enter on a focused push button presses it, as Space does: the keys of the
// platform the windows were designed for. Qt presses a button on Enter only
// where it is a dialog's default.
#include <QObject>

namespace trivelon::gui {

class EnterClicksButtons : public QObject {
    Q_OBJECT
public:
    // Watches the application's key presses, once: every later call is a
    // cheap check.
    static void installOnApplication();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace trivelon::gui
