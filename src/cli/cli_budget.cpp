// The "budget" that forge and refine print: what 50, 90 and 99 % certainty
// of success take, and with --budget the chance that a sum of money buys.
#include <QJsonArray>

#include "cli_common.h"
#include "core/typed_sum.h"

namespace trivelon::cli {

namespace {

QJsonObject BudgetObject(const std::optional<std::int64_t>& tryCost, const QJsonArray& levels) {
    return {{"try_cost", MoneyJson(tryCost)}, {"levels", levels}};
}

}  // namespace

QJsonValue MoneyJson(const std::optional<std::int64_t>& zeny) {
    return zeny ? QJsonValue(static_cast<qint64>(*zeny)) : QJsonValue();
}

QCommandLineOption BudgetOption() {
    return {"budget",
            "a sum of money in Zeny, as players write it (\"300000000\", \"300 000 000\", \"1,5кк\", \"500k\"): "
            "adds chance_within_budget, the percent chance (one decimal) that the tries it pays for bring a success",
            "ZENY"};
}

std::optional<std::int64_t> MoneyArgument(const QCommandLineParser& parser, const QString& option) {
    // Without a locale of its own the command line knows no group separator
    // besides the spaces and the apostrophe that every reading takes.
    const TypedSum money = ReadTypedSum(CoreText(parser.value(option)), {});
    switch (money.reading) {
        case TypedSum::Reading::Zeny: return money.zeny;
        case TypedSum::Reading::TooMuch:
            UsageError(QString("--%1 takes at most 9223372036854775807 Zeny, the largest 64-bit sum").arg(option));
            return std::nullopt;
        case TypedSum::Reading::Blank:
        case TypedSum::Reading::Unreadable: break;
    }
    UsageError(QString("--%1 takes a sum of Zeny such as 300000000, \"300 000 000\" or 300кк").arg(option));
    return std::nullopt;
}

std::optional<int> AddChanceWithinBudget(const QCommandLineParser& parser, const ChanceInTenthsOf& chanceInTenths,
                                         QJsonObject& result) {
    if (!parser.isSet("budget")) return std::nullopt;
    const auto money = MoneyArgument(parser, "budget");
    if (!money) return kUsageError;
    const std::optional<std::int32_t> tenths = chanceInTenths(*money);
    result["chance_within_budget"] = tenths ? QJsonValue(*tenths / 10.0) : QJsonValue();
    return std::nullopt;
}

QJsonValue BudgetJson(const Budget& budget) {
    QJsonArray levels;
    for (const BudgetLevel& level : budget.levels)
        levels.append(QJsonObject{
            {"chance", level.chance}, {"tries", static_cast<qint64>(level.tries)}, {"cost", MoneyJson(level.cost)}});
    return BudgetObject(budget.tryCost, levels);
}

QJsonValue RefineBudgetJson(const std::optional<RefineBudget>& budget, const std::optional<std::int64_t>& tryCost) {
    if (!budget) return QJsonValue();
    QJsonArray levels;
    for (const RefineBudgetLevel& level : *budget)
        levels.append(QJsonObject{{"chance", level.chance},
                                  {"tries", static_cast<qint64>(level.items)},
                                  {"cost", MoneyJson(level.cost)},
                                  {"items", static_cast<qint64>(level.items)},
                                  {"materials", MoneyJson(level.materials)}});
    return BudgetObject(tryCost, levels);
}

}  // namespace trivelon::cli
