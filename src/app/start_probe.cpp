#include "start_probe.h"

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace trivelon::app {
namespace {

// Watches the window for its first paint (of the window or of anything in
// it: its content fills it) and then ends the process; the end is queued so
// that the paint itself completes. The process ends at once,
// without tearing down its windows, so that what a timer around the process
// measures is the start-up alone.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void QuitAfterFirstPaintIfRequested(QWidget& window) {
    if (qEnvironmentVariable("TRIVELON_QUIT_AFTER_START") != QLatin1String("1")) return;
    QCoreApplication::instance()->installEventFilter(new QuitOnFirstPaint(window));
}

}  // namespace trivelon::app
