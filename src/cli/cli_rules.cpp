// --rules FILE, and trivelon-cli rules: the rules in force as a file.
#include <filesystem>

#include "cli_common.h"
#include "qt_text/translated.h"
#include "rules_file/rules_file.h"

namespace trivelon::cli {

QCommandLineOption RulesOption() {
    return {"rules", "compute with the rules of this rules file instead of the built-in ones", "FILE"};
}

std::optional<Rules> RulesArgument(const QCommandLineParser& parser) {
    if (!parser.isSet("rules")) return BuiltInRules();
    const QByteArray path = parser.value("rules").toUtf8();
    Result<Rules> rules = LoadRulesFile(std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(path.constData()), static_cast<std::size_t>(path.size()))));
    if (!rules) {
        PrintProblem(Sentence(rules.error()));
        return std::nullopt;
    }
    return std::move(rules.value());
}

int RunRules(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Prints the rules in force as a complete rules file: the built-in ones, or those of --rules FILE. "
        "A server's rules start from it.");
    if (auto exit = ParseArguments(parser, {}, arguments)) return *exit;
    if (!parser.positionalArguments().isEmpty()) return UsageError("rules takes no arguments besides options");
    const std::optional<Rules> rules = RulesArgument(parser);
    if (!rules) return kUsageError;
    const auto inLanguage = [](const char* text) { return CoreText(Translated("RulesFile", text)); };
    return PrintText(QByteArray::fromStdString(RulesText(*rules, inLanguage)), kResult);
}

}  // namespace trivelon::cli
