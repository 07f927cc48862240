// trivelon-cli: the calculations of Тривелон from the command line, one JSON
// object per run.
#include <QCoreApplication>
#include <QJsonDocument>
#include <cstdio>

#include "cli_common.h"

namespace trivelon::cli {

int PrintJson(const QJsonObject& object, ExitCode code) {
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return code;
}

int PrintError(const std::string& message) { return PrintJson({{"error", Q(message)}}, kCalculationError); }

int UsageError(const QString& message) {
    std::fprintf(stderr, "trivelon-cli: %s\nTry 'trivelon-cli --help'.\n", message.toUtf8().constData());
    return kUsageError;
}

}  // namespace trivelon::cli

namespace {

const char* const kUsage =
    "Usage: trivelon-cli COMMAND [options]\n"
    "\n"
    "Forging and refining calculations of Тривелон; prints one JSON object.\n"
    "\n"
    "Commands:\n"
    "  forge ITEM [options]   success rate, recipe and cost of forging ITEM\n"
    "  refine [options]       chance, materials, items, bonus and cost of a refine\n"
    "  catalogue              the 68 rows of the item selector with every entry\n"
    "\n"
    "'trivelon-cli COMMAND --help' describes the options of a command.\n"
    "\n"
    "Exit status: 0 result, 1 calculation error ({\"error\": ...}),\n"
    "2 wrong usage, 3 a category header was chosen ({\"warning\": ...}).\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("trivelon-cli");
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments[1] == "--help" || arguments[1] == "-h") {
        std::fputs(kUsage, stdout);
        return arguments.size() < 2 ? trivelon::cli::kUsageError : trivelon::cli::kResult;
    }
    const QString command = arguments.takeAt(1);
    if (command == "forge") return trivelon::cli::RunForge(arguments);
    if (command == "refine") return trivelon::cli::RunRefine(arguments);
    if (command == "catalogue") return trivelon::cli::RunCatalogue(arguments);
    return trivelon::cli::UsageError("unknown command '" + command + "'");
}
