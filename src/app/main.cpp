// Start-up of the desktop program: the application with its title, version
// and icon, the main window, and the event loop until that window closes.
#include <QApplication>

#include "gui/built_in_icon.h"
#include "gui/error_reporter.h"
#include "gui/main_window.h"
#include "start_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The display name stays unset: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Тривелон"));
    QApplication::setApplicationVersion(QStringLiteral(TRIVELON_VERSION));
    // Decoded only when the window system asks for the icon.
    QApplication::setWindowIcon(trivelon::gui::BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));

    trivelon::gui::MessageBoxReporter reporter;
    trivelon::gui::MainWindow window(reporter);
    trivelon::app::QuitAfterFirstPaintIfRequested(window);
    window.show();
    return QApplication::exec();
}
