#include "help_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace trivelon::app {
namespace {

struct OptionHelp {
    const char* names;
    const char* description;
};

constexpr OptionHelp kOptions[] = {
    {"-h, --help", QT_TRANSLATE_NOOP("Help", "эта справка")},
    {"-v, --version", QT_TRANSLATE_NOOP("Help", "версия программы")},
    {"--reset",
     QT_TRANSLATE_NOOP("Help", "начать с исходными значениями и пустой книгой цен: файл настроек удаляется")},
    {"--lang ru|en",
     QT_TRANSLATE_NOOP(
         "Help",
         "язык этого запуска: русский или английский; без него — выбранный в окне, а до выбора — язык системы")},
};

QString Tr(const char* text) { return QCoreApplication::translate("Help", text); }

constexpr qsizetype kTerminalWidth = 80;
constexpr qsizetype kNamesWidth = 18;

// The words of the text on lines of at most `width` characters after the
// indent (a longer word stands alone), the first line without the indent.
QString Wrapped(const QString& text, qsizetype indent, qsizetype width) {
    QString wrapped;
    qsizetype lineLength = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            wrapped += u'\n' + QString(indent, u' ');
            lineLength = 0;
        } else if (lineLength > 0) {
            wrapped += u' ';
            ++lineLength;
        }
        wrapped += word;
        lineLength += word.size();
    }
    return wrapped;
}

}  // namespace

QString HelpText(const QString& version, const QString& settingsFile, HelpLayout layout) {
    const QString about = Tr(QT_TRANSLATE_NOOP("Help", "Тривелон %1 — калькулятор ковки и заточки.")).arg(version);
    const QString usage = Tr(QT_TRANSLATE_NOOP("Help", "Запуск: trivelon [параметр]"));
    const QString keptIn = Tr(QT_TRANSLATE_NOOP("Help", "Всё, что вы вводите, сохраняется между запусками в файле"));
    QStringList parts{about, QString(), usage, QString()};
    for (const OptionHelp& option : kOptions) {
        const QString names = QString::fromUtf8(option.names);
        const QString description = Tr(option.description);
        if (layout == HelpLayout::MessageBox) {
            parts << names + QStringLiteral(" — ") + description + u'.';
        } else {
            const QString column = QStringLiteral("  ") + names.leftJustified(kNamesWidth - 2);
            parts << column + Wrapped(description, kNamesWidth, kTerminalWidth - kNamesWidth);
        }
    }
    parts << QString();
    // A path is never broken: the box wraps it where it must, a terminal
    // keeps it on one line for copying.
    if (layout == HelpLayout::MessageBox)
        parts << keptIn + u' ' + settingsFile;
    else
        parts << Wrapped(keptIn, 0, kTerminalWidth) << settingsFile;
    return parts.join(u'\n') + (layout == HelpLayout::Terminal ? QStringLiteral("\n") : QString());
}

}  // namespace trivelon::app
