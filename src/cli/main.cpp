// trivelon-cli: the calculations of Тривелон from the command line, one JSON
// object per run.
#include <optional>

#include <QCoreApplication>

#include "cli_common.h"
#include "language/language.h"

namespace {

// The usage, with %1 for the count of the item selector's rows.
const char* const kUsage =
    "Usage: trivelon-cli COMMAND [options]\n"
    "\n"
    "Forging and refining calculations of Тривелон; prints one JSON object.\n"
    "\n"
    "Commands:\n"
    "  forge ITEM [options]   success rate, recipe and cost of forging ITEM\n"
    "  refine [options]       chance, materials, items, bonus and cost of a refine\n"
    "  catalogue              the %1 rows of the item selector with every entry\n"
    "  rules                  the rules in force as a rules file, to start one from\n"
    "\n"
    "'trivelon-cli COMMAND --help' describes the options of a command. Every\n"
    "command takes --rules FILE: it then computes with the rules of that file\n"
    "instead of the built-in ones, and --lang ru|en: the language of the\n"
    "messages (by default Russian, or English where LC_ALL, LC_MESSAGES or LANG\n"
    "asks for it); the JSON's keys and numbers are the same in both.\n"
    "\n"
    "Exit status: 0 result, 1 calculation error ({\"error\": ...}) or output that\n"
    "could not be written, 2 wrong usage, 3 a category header was chosen\n"
    "({\"warning\": ...}).\n";

// The language of the messages: --lang ru|en anywhere among the arguments
// (taken out of them), else English where the environment's message locale
// (LC_ALL, LC_MESSAGES, LANG, the first one set) is English, else Russian.
// The JSON's keys and numbers are the same in both.
std::optional<trivelon::Language> TakeLanguage(QStringList& arguments, QString& problem) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            code = arguments.takeAt(i + 1);
        } else if (arguments[i].startsWith("--lang=")) {
            code = arguments[i].mid(7);
        } else {
            continue;
        }
        arguments.removeAt(i);
        const auto language = trivelon::LanguageNamed(code);
        if (!language) problem = "--lang takes ru or en, not \"" + code + "\"";
        return language;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            return locale.startsWith("en") ? trivelon::Language::English : trivelon::Language::Russian;
    }
    return trivelon::Language::Russian;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("trivelon-cli");
    QStringList arguments = QCoreApplication::arguments();
    QString languageProblem;
    const std::optional<trivelon::Language> language = TakeLanguage(arguments, languageProblem);
    if (!language) return trivelon::cli::UsageError(languageProblem);
    trivelon::UseLanguage(*language);
    if (arguments.size() < 2 || arguments[1] == "--help" || arguments[1] == "-h")
        return trivelon::cli::PrintText(
            QString::fromUtf8(kUsage).arg(trivelon::ForgeCatalogue::SelectorRows().size()).toUtf8(),
            arguments.size() < 2 ? trivelon::cli::kUsageError : trivelon::cli::kResult);
    const QString command = arguments.takeAt(1);
    if (command == "forge") return trivelon::cli::RunForge(arguments);
    if (command == "refine") return trivelon::cli::RunRefine(arguments);
    if (command == "catalogue") return trivelon::cli::RunCatalogue(arguments);
    if (command == "rules") return trivelon::cli::RunRules(arguments);
    return trivelon::cli::UsageError("unknown command '" + command + "'");
}
