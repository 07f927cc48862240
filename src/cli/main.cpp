// trivelon-cli: the calculations of Тривелон from the command line, one JSON
// object per run.
#include <QCoreApplication>

#include "cli_common.h"

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
    "instead of the built-in ones.\n"
    "\n"
    "Exit status: 0 result, 1 calculation error ({\"error\": ...}) or output that\n"
    "could not be written, 2 wrong usage, 3 a category header was chosen\n"
    "({\"warning\": ...}).\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("trivelon-cli");
    QStringList arguments = QCoreApplication::arguments();
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
