// Start-up of the desktop program: the application with its title, version
// and icon, its options, the settings, the main window, and the event loop
// until that window closes.
#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "gui/main_window.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/widgets/error_reporter.h"
#include "settings/settings_store.h"
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

// Says on standard error why what the player types will not be kept.
void TellSettingsNotKept(const QString& problem) {
    std::fprintf(stderr, "trivelon: %s; the settings will not be kept.\n", problem.toUtf8().constData());
    std::fflush(stderr);
}

// --help, and --reset, which forgets the saved settings; true when the
// program is to start with the defaults.
bool ReadOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Forging and refining calculator. What you type is kept between runs in %1.")
            .arg(QDir::toNativeSeparators(trivelon::SettingsStore::DefaultPath())));
    parser.addHelpOption();
    const QCommandLineOption reset(
        QStringLiteral("reset"),
        QStringLiteral("Start with the default inputs and an empty price book: the settings file is deleted."));
    parser.addOption(reset);
    parser.process(app);
    return parser.isSet(reset);
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

    trivelon::SettingsStore settings(trivelon::SettingsStore::DefaultPath(), TellSettingsNotKept);
    if (ReadOptions(app)) settings.forget();

    trivelon::gui::MessageBoxReporter reporter;
    trivelon::gui::MainWindow window(reporter, settings);
    trivelon::app::QuitAfterFirstPaintIfRequested(window);
    window.show();
    return QApplication::exec();
}
