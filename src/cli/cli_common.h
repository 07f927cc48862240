#pragma once
// What the command-line front end's subcommands share: exit codes, argument
// parsing and output.
#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/forge_catalogue.h"
#include "core/budget.h"
#include "core/refine_comparison.h"
#include "core/refine_plan.h"
#include "core/rules.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::cli {

enum ExitCode {
    kResult = 0,
    kCalculationError = 1,
    kOutputError = 1,  // standard output could not be written
    kUsageError = 2,
    kSeparatorWarning = 3,
};

// Writes the text on standard output and flushes it; returns the code, or
// kOutputError with a message on standard error when the text could not be
// written whole.
int PrintText(const QByteArray& text, ExitCode code);
// Prints one JSON object on standard output and returns the exit code.
int PrintJson(const QJsonObject& object, ExitCode code);
int PrintError(const Message& message);
// Prints "trivelon-cli: " and the problem on a line of standard error.
void PrintProblem(const QString& problem);
// Prints the message and a pointer to --help on standard error.
int UsageError(const QString& message);

// Adds -h/--help, --rules and the options to the parser and reads a subcommand's
// arguments (arguments[0] is the program name as it was called). An option
// that takes a value takes the next argument, whatever it begins with; an
// argument beginning with "---", such as a category header, is never an
// option. Returns the exit code when the run ends here (help printed or
// wrong usage), nothing when the subcommand goes on.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                  const QStringList& arguments);

// The budget of a forging or a refine: null where there is none (a resource,
// nothing to do), otherwise the try cost and, for 50, 90 and 99 % certainty,
// the tries and their cost (null beyond the 64-bit range); a refine's levels
// also give items and materials.
QJsonValue BudgetJson(const Budget& budget);
// A sum of zeny as a JSON integer, null beyond the 64-bit range.
QJsonValue MoneyJson(const std::optional<std::int64_t>& zeny);
QJsonValue RefineBudgetJson(const std::optional<RefineBudget>& budget, const std::optional<std::int64_t>& tryCost);
// The sum of Zeny given to an option, read as players write it ("1 500",
// "12к", "1,5кк"); none, after a message on standard error, where it cannot
// be read or lies beyond the 64-bit range.
std::optional<std::int64_t> MoneyArgument(const QCommandLineParser& parser, const QString& option);
// --budget ZENY, and the chance within it added to the result when given:
// the tenths of a percent that chanceInTenths gives for the sum, null where
// it gives none (no tries); the exit code of wrong usage when the sum cannot
// be read.
QCommandLineOption BudgetOption();
using ChanceInTenthsOf = std::function<std::optional<std::int32_t>(std::int64_t money)>;
std::optional<int> AddChanceWithinBudget(const QCommandLineParser& parser, const ChanceInTenthsOf& chanceInTenths,
                                         QJsonObject& result);

// What a refine really uses per success: null where there is nothing to do,
// items and materials to one decimal, the cost in whole Zeny (null beyond the
// 64-bit range).
QJsonValue ExpectedJson(const std::optional<RefineExpectationFigures>& figures);
// The offers of --compare ("+0=150000,+4=300к,+10=90кк"), by level, lowest
// first; none, after a message on standard error, where a level is not one
// from +0 to the target or is given twice, or a price cannot be read.
std::optional<std::vector<RefineOffer>> ReadOffers(const QString& text, const RefineRules& rules,
                                                   std::int32_t targetLevel);
// "compare", each road's price, expectation and budget, and "cheapest", the
// level of the least average cost (null where no cost can be counted).
void AddComparison(const RefineComparison& comparison, QJsonObject& result);

// Adds what describes an item, the same for a catalogue entry and a filled
// forge state (which copies it from the entry): type, weapon level, atk,
// range, weight, required base level, big picture, description and who may
// equip it.
template <class Item>
void AddItemFields(const Item& item, QJsonObject& json) {
    json["type"] = QtText(item.typeText);
    json["weapon_level"] = item.weaponLevel;
    json["atk"] = item.atk;
    json["range"] = item.range;
    json["weight"] = item.weight;
    json["base_level"] = item.requiredBaseLevel;
    json["big_picture"] = QtText(item.bigPicture);
    json["description"] = QtText(item.description);
    json["equip"] = QtText(item.equip);
}

// Each subcommand gets the arguments after its name (arguments[0] is the
// program name as it was called, for the parser).
int RunForge(const QStringList& arguments);
int RunRefine(const QStringList& arguments);
int RunCatalogue(const QStringList& arguments);
int RunRules(const QStringList& arguments);

// --rules FILE, which every command takes.
QCommandLineOption RulesOption();
// The rules a command computes with: those of the file given to --rules, or
// the built-in ones; none, after the file's problem on standard error, where
// the file cannot be used.
std::optional<Rules> RulesArgument(const QCommandLineParser& parser);

}  // namespace trivelon::cli
