// The "budget" that forge and refine print: what 50, 90 and 99 % certainty
// of success take, and with --budget the chance that a sum of money buys.
#include <QJsonArray>

#include "cli_common.h"
#include "core/numbers.h"

namespace trivelon::cli {

namespace {

QJsonValue CostJson(const std::optional<std::int64_t>& cost) {
    return cost ? QJsonValue(static_cast<qint64>(*cost)) : QJsonValue();
}

QJsonObject BudgetObject(std::int64_t tryCost, const QJsonArray& levels) {
    return {{"try_cost", static_cast<qint64>(tryCost)}, {"levels", levels}};
}

}  // namespace

QCommandLineOption BudgetOption() {
    return {"budget",
            "a sum of money in Zeny: adds chance_within_budget, the percent chance (one decimal) that the tries it "
            "pays for bring a success",
            "ZENY"};
}

std::optional<int> AddChanceWithinBudget(const QCommandLineParser& parser, const std::optional<TryChance>& chance,
                                         std::int64_t tryCost, QJsonObject& result) {
    if (!parser.isSet("budget")) return std::nullopt;
    const auto money = TryParseInt64(CoreText(parser.value("budget")));
    if (!money) return UsageError("--budget takes a whole number of Zeny");
    result["chance_within_budget"] =
        chance ? QJsonValue(ChanceWithinMoneyInTenths(*chance, tryCost, *money) / 10.0) : QJsonValue();
    return std::nullopt;
}

QJsonValue BudgetJson(const Budget& budget) {
    QJsonArray levels;
    for (const BudgetLevel& level : budget.levels)
        levels.append(QJsonObject{
            {"chance", level.chance}, {"tries", static_cast<qint64>(level.tries)}, {"cost", CostJson(level.cost)}});
    return BudgetObject(budget.tryCost, levels);
}

QJsonValue RefineBudgetJson(const std::optional<RefineBudget>& budget, std::int64_t tryCost) {
    if (!budget) return QJsonValue();
    QJsonArray levels;
    for (const RefineBudgetLevel& level : *budget)
        levels.append(QJsonObject{{"chance", level.chance},
                                  {"tries", static_cast<qint64>(level.items)},
                                  {"cost", CostJson(level.cost)},
                                  {"items", static_cast<qint64>(level.items)},
                                  {"materials", CostJson(level.materials)}});
    return BudgetObject(tryCost, levels);
}

}  // namespace trivelon::cli
