// Start-up of the desktop program: the application with its title, version
// and icon, the main window, and the event loop until that window closes.
#include <QApplication>
#include <QDir>

#include "gui/main_window.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/widgets/error_reporter.h"
#include "start_probe.h"

namespace {

// The pictures are read from images/ under the working directory. On Windows
// a program started from a shortcut or a console elsewhere finds none there;
// then the folder beside the .exe, where the zip and the installer put
// images/, becomes the working directory. Without images/ in either place the
// working directory stays, and the picture messages name it.
void UsePictureFolderBesideProgram() {
#ifdef Q_OS_WIN
    const QString images = QStringLiteral("images");
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (!QDir(images).exists() && QDir(programFolder).exists(images)) QDir::setCurrent(programFolder);
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UsePictureFolderBesideProgram();
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
