// Reading a subcommand's arguments with QCommandLineParser, which on its own
// would take a value beginning with "-" for an option.
#include <QSet>

#include "cli_common.h"

namespace trivelon::cli {

namespace {

// The arguments in a form the parser cannot misread: every value of a long
// option joined to it as "--name=value", and every argument that is no
// option after "--". (Options with a value are given by their long names.)
// Fails with the parser's own message when the last option lacks its value.
bool Normalise(const QStringList& arguments, const QSet<QString>& optionsWithValue, QStringList& normalised,
               QString& error) {
    normalised = {arguments.value(0)};
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--") {
            positional += arguments.mid(i + 1);
            break;
        }
        const bool header = argument.startsWith("---");  // a category header is an item name
        const bool option = !header && argument.startsWith('-') && argument.size() > 1;
        if (option && argument.startsWith("--") && optionsWithValue.contains(argument.mid(2))) {
            if (i + 1 == arguments.size()) {
                error = QStringLiteral("Missing value after '%1'.").arg(argument);
                return false;
            }
            normalised << argument + '=' + arguments[++i];
        } else {
            (option ? normalised : positional) << argument;
        }
    }
    normalised << "--" << positional;
    return true;
}

}  // namespace

std::optional<int> ParseArguments(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                  const QStringList& arguments) {
    parser.addOption({{"h", "help"}, "Displays help on commandline options."});
    QSet<QString> optionsWithValue;
    QList<QCommandLineOption> every = options;
    every.append(RulesOption());
    for (const QCommandLineOption& option : every) {
        parser.addOption(option);
        if (!option.valueName().isEmpty())
            for (const QString& name : option.names()) optionsWithValue.insert(name);
    }
    QStringList normalised;
    QString error;
    if (!Normalise(arguments, optionsWithValue, normalised, error)) return UsageError(error);
    if (!parser.parse(normalised)) return UsageError(parser.errorText());
    if (parser.isSet("help")) return PrintText(parser.helpText().toUtf8(), kResult);
    return std::nullopt;
}

}  // namespace trivelon::cli
