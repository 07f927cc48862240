// Start-up of the desktop program: the application with its title, version
// and icon, its options, the settings, the main window, and the event loop
// until that window closes.
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "console/console_text.h"
#include "gui/main_window.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/widgets/error_reporter.h"
#include "help_text.h"
#include "language/language.h"
#include "settings/settings_store.h"
#include "start_probe.h"
#ifdef Q_OS_WIN
#include <QMessageBox>

#include "running_mark.h"
#endif

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
    trivelon::console::Write(
        trivelon::console::Stream::Error,
        QStringLiteral("trivelon: %1; the settings will not be kept.\n").arg(problem).toUtf8().toStdString());
}

// Shows a text of the options: on Windows, where a program with windows has
// no console, in a message box; elsewhere on standard output.
void ShowOptionsText(const QString& text, bool problem) {
#ifdef Q_OS_WIN
    if (problem)
        QMessageBox::warning(nullptr, QApplication::applicationName(), text);
    else
        QMessageBox::information(nullptr, QApplication::applicationName(), text);
#else
    trivelon::console::Write(problem ? trivelon::console::Stream::Error : trivelon::console::Stream::Output,
                             text.toUtf8().toStdString());
#endif
}

QString Help() {
#ifdef Q_OS_WIN
    constexpr auto layout = trivelon::app::HelpLayout::MessageBox;
#else
    constexpr auto layout = trivelon::app::HelpLayout::Terminal;
#endif
    return trivelon::app::HelpText(QApplication::applicationVersion(),
                                   QDir::toNativeSeparators(trivelon::SettingsStore::DefaultPath()), layout);
}

enum class Start { Normal, Reset, Done, WrongUsage };

QString Tr(const char* text) { return QCoreApplication::translate("Help", text); }

// The language of this run: --lang, else the one chosen in the window, else
// the system's.
trivelon::Language ChosenLanguage(const QStringList& arguments, trivelon::SettingsStore& settings) {
    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("code"));
    parser.addOption(lang);
    parser.parse(arguments);
    if (const auto given = trivelon::LanguageNamed(parser.value(lang))) return *given;
    if (const auto chosen = trivelon::LanguageNamed(settings.savedText(trivelon::kLanguageKey))) return *chosen;
    return trivelon::SystemLanguage();
}

// --help and --version, which show their text and end the program; --reset,
// which forgets the saved settings; --lang, read by ChosenLanguage.
Start ReadOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption reset(QStringLiteral("reset"));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("code"));
    parser.addOptions({help, version, reset, lang});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString wrong = parser.unknownOptionNames().isEmpty() ? parser.positionalArguments().value(0)
                                                                    : parser.unknownOptionNames().first();
        const QString problem = wrong.isEmpty()
                                    ? parser.errorText()
                                    : Tr(QT_TRANSLATE_NOOP("Help", "Неизвестный параметр «%1».")).arg(wrong);
        ShowOptionsText(problem + QStringLiteral("\n\n") + Help(), true);
        return Start::WrongUsage;
    }
    if (parser.isSet(lang) && !trivelon::LanguageNamed(parser.value(lang))) {
        ShowOptionsText(Tr(QT_TRANSLATE_NOOP("Help", "Неизвестный язык «%1»: ru или en.")).arg(parser.value(lang)) +
                            QStringLiteral("\n\n") + Help(),
                        true);
        return Start::WrongUsage;
    }
    if (parser.isSet(help)) {
        ShowOptionsText(Help(), false);
        return Start::Done;
    }
    if (parser.isSet(version)) {
        ShowOptionsText(Tr(QT_TRANSLATE_NOOP("Help", "Тривелон %1\n")).arg(QApplication::applicationVersion()), false);
        return Start::Done;
    }
    return parser.isSet(reset) ? Start::Reset : Start::Normal;
}

// The exit code where the options end the program; the settings forgotten
// for --reset.
std::optional<int> FollowOptions(const QStringList& arguments, trivelon::SettingsStore& settings) {
    trivelon::UseLanguage(ChosenLanguage(arguments, settings));
    switch (ReadOptions(arguments)) {
        case Start::Done: return 0;
        case Start::WrongUsage: return 2;
        case Start::Reset: settings.forget(); break;
        case Start::Normal: break;
    }
    return std::nullopt;
}

void NameTheProgram() {
    // The display name stays unset: Qt would append it to every window title.
    QCoreApplication::setApplicationName(QStringLiteral("Тривелон"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRIVELON_VERSION));
}

#ifndef Q_OS_WIN
// Where no window system is named, Qt would stop the program with a core
// dump; it says so instead.
bool HasDisplay() {
#ifdef Q_OS_MACOS
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
    trivelon::SettingsStore settings(trivelon::SettingsStore::DefaultPath(), TellSettingsNotKept);
#ifndef Q_OS_WIN
    // The options are read before the window system is asked for, so that
    // --help, --version and --reset work without a display.
    if (argc > 1) {
        const QCoreApplication options(argc, argv);
        NameTheProgram();
        if (const std::optional<int> exit = FollowOptions(QCoreApplication::arguments(), settings)) return *exit;
    }
    if (!HasDisplay()) {
        trivelon::console::Write(
            trivelon::console::Stream::Error,
            Tr(QT_TRANSLATE_NOOP("Help", "trivelon: нет экрана, на котором показать окно (DISPLAY не задан).\n"))
                .toUtf8()
                .toStdString());
        return 1;
    }
#endif
    QApplication app(argc, argv);
    UsePictureFolderBesideProgram();
    NameTheProgram();
    trivelon::UseLanguage(ChosenLanguage(QApplication::arguments(), settings));
    // Decoded only when the window system asks for the icon.
    QApplication::setWindowIcon(trivelon::gui::BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));

#ifdef Q_OS_WIN
    // A message box shows the options' texts, so they are read once the
    // window system is there.
    if (const std::optional<int> exit = FollowOptions(QApplication::arguments(), settings)) return *exit;
    // Held until the program ends, so that an installer waits for it.
    const trivelon::app::RunningMark running;
#endif

    trivelon::gui::MessageBoxReporter reporter;
    trivelon::gui::MainWindow window(reporter, settings);
    trivelon::app::QuitAfterFirstPaintIfRequested(window);
    window.show();
    return QApplication::exec();
}
