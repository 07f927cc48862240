// Start-up of the desktop program: the application with its title, version
// and icon, its options, the settings, the main window, and the event loop
// until that window closes.
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
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

// --help, and --reset, which forgets the saved settings; read before the
// window system is asked for, so that both work without a display. The
// exit code when the program ends here (help printed, wrong usage).
std::optional<int> ReadOptions(int argc, char* argv[], trivelon::SettingsStore& settings) {
    // Plain start-up, without options, needs no parser.
    if (argc < 2) return std::nullopt;
    const QCoreApplication options(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Forging and refining calculator. What you type is kept between runs in %1.")
            .arg(QDir::toNativeSeparators(trivelon::SettingsStore::DefaultPath())));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption reset(
        QStringLiteral("reset"),
        QStringLiteral("Start with the default inputs and an empty price book: the settings file is deleted."));
    parser.addOption(reset);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "trivelon: %s\n", parser.errorText().toUtf8().constData());
        return 1;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (parser.isSet(reset)) settings.forget();
    return std::nullopt;
}

// Where no window system is named, Qt would stop the program with a core
// dump; it says so instead.
bool HasDisplay() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    trivelon::SettingsStore settings(trivelon::SettingsStore::DefaultPath(), TellSettingsNotKept);
    if (const std::optional<int> exit = ReadOptions(argc, argv, settings)) return *exit;
    if (!HasDisplay()) {
        std::fputs("trivelon: there is no display to show the window on (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    UsePictureFolderBesideProgram();
    // The display name stays unset: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Тривелон"));
    QApplication::setApplicationVersion(QStringLiteral(TRIVELON_VERSION));
    // Decoded only when the window system asks for the icon.
    QApplication::setWindowIcon(trivelon::gui::BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));

    trivelon::gui::MessageBoxReporter reporter;
    trivelon::gui::MainWindow window(reporter, settings);
    trivelon::app::QuitAfterFirstPaintIfRequested(window);
    window.show();
    return QApplication::exec();
}
