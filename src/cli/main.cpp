// trivelon-cli: the calculations of Тривелон from the command line, one JSON
// object per run.
#include <QCoreApplication>

#include "cli_common.h"

#ifdef _WIN32
#include <windows.h>
#endif

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
    "\n"
    "'trivelon-cli COMMAND --help' describes the options of a command.\n"
    "\n"
    "Exit status: 0 result, 1 calculation error ({\"error\": ...}) or output that\n"
    "could not be written, 2 wrong usage, 3 a category header was chosen\n"
    "({\"warning\": ...}).\n";

#ifdef _WIN32
// The output is UTF-8, which a Windows console shows as such only in code page
// 65001; the console gets its own code page back when the program ends. Into
// a pipe or a file the bytes go unchanged. (The arguments need nothing:
// QCoreApplication reads them from the UTF-16 command line.)
class Utf8Console {
public:
    Utf8Console() : previous_(GetConsoleOutputCP()) { SetConsoleOutputCP(CP_UTF8); }
    ~Utf8Console() {
        if (previous_ != 0) SetConsoleOutputCP(previous_);
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT previous_;
};
#endif

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    const Utf8Console console;
#endif
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
    return trivelon::cli::UsageError("unknown command '" + command + "'");
}
