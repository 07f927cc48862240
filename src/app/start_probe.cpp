#include "start_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace trivelon::app {
namespace {

// Watches the window for its first paint and then quits; the quit is queued
// so that the paint itself completes.
class QuitOnFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaintIfRequested(QWidget& window) {
    if (qEnvironmentVariable("TRIVELON_QUIT_AFTER_START") != QLatin1String("1")) return;
    window.installEventFilter(new QuitOnFirstPaint(&window));
}

}  // namespace trivelon::app
