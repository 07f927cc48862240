// trivelon-cli refine: the refining tab's figures for one class and one pair
// of levels, as the tab shows them after the same picks and typing.
#include <QCommandLineParser>

#include "cli_common.h"
#include "core/numbers.h"
#include "core/refine.h"
#include "core/refine_expectation.h"

namespace trivelon::cli {

namespace {

// What a refine really uses per success, attempts stopping at the step that
// breaks the item: null where there is nothing to do, items and materials to
// one decimal, the cost in whole Zeny (null beyond the 64-bit range).
QJsonValue ExpectedJson(const std::optional<RefineExpectationFigures>& figures) {
    if (!figures) return QJsonValue();
    return QJsonObject{
        {"items", static_cast<double>(figures->itemsTenths) / 10},
        {"materials", static_cast<double>(figures->materialsTenths) / 10},
        {"cost", figures->cost ? QJsonValue(static_cast<qint64>(*figures->cost)) : QJsonValue()},
    };
}

constexpr int kClassCount = static_cast<int>(kRefineClasses.size());

}  // namespace

int RunRefine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Refining figures as the refining tab shows them: picks the class, sets the current level, then the "
        "target level (a current level above the target raises the target; a target below the current level "
        "lowers it), and types the prices.");
    const QList<QCommandLineOption> options = {
        {"class", "equipment class: 1 to 4 weapon level, 5 armour (default 1)", "N", "1"},
        {"from", "current level text, \"+0\" to \"+9\" (default \"+0\")", "level", "+0"},
        {"to", "target level text, \"+1\" to \"+10\" (default: the class's safe level)", "level"},
        {"weaponry-research", "Weaponry Research level (default \"10\")", "text", "10"},
        {"material-price", "material price text (default: the class's default price)", "text"},
        {"item-price", "price text of the item being refined (default \"0\")", "text", "0"},
        BudgetOption(),
    };
    if (auto exit = ParseArguments(parser, options, arguments)) return *exit;
    if (!parser.positionalArguments().isEmpty()) return UsageError("refine takes no arguments besides options");

    const auto classNumber = TryParseInt(CoreText(parser.value("class")));
    if (!classNumber || *classNumber < 1 || *classNumber > kClassCount)
        return UsageError(QString("--class takes a number from 1 to %1").arg(kClassCount));
    const RefineClass& cls = kRefineClasses[static_cast<std::size_t>(*classNumber - 1)];

    RefineState state;
    ApplyRefineClass(state, cls);
    const auto from = ParseLevel(CoreText(parser.value("from")), LevelKind::Current);
    if (!from) return UsageError("--from takes a level from +0 to +9");
    ChooseCurrentLevel(state, *from);
    if (parser.isSet("to")) {
        const auto to = ParseLevel(CoreText(parser.value("to")), LevelKind::Target);
        if (!to) return UsageError("--to takes a level from +1 to +10");
        ChooseTargetLevel(state, *to);
    }

    // The price edits normalise what is typed: anything but a whole number is 0.
    const std::int32_t materialPrice = parser.isSet("material-price")
                                           ? ParseLenientInt(CoreText(parser.value("material-price")))
                                           : cls.materialDefaultPrice;
    const std::int32_t itemPrice = ParseLenientInt(CoreText(parser.value("item-price")));
    const std::int32_t fee = cls.fee;

    std::int32_t w = 0;
    if (RefineNeedsWeaponryResearch(state.classNumber, state.currentLevel, state.targetLevel)) {
        auto parsed = ParseStrictInt(CoreText(parser.value("weaponry-research")));
        if (!parsed) return PrintError(parsed.error());
        w = *parsed;
    }
    auto outcome = ComputeRefine(state.classNumber, state.currentLevel, state.targetLevel, w);
    if (!outcome) return PrintError(outcome.error());
    const auto cost = RefineCost(outcome->materialCount, outcome->itemCount, materialPrice, fee, itemPrice);
    auto expected = ExpectRefineFigures(state.classNumber, state.currentLevel, state.targetLevel, w,
                                        {.material = materialPrice, .fee = fee, .item = itemPrice});
    if (!expected) return PrintError(expected.error());

    const std::int32_t levels = state.targetLevel - state.currentLevel;
    const std::int64_t tryCost = RefineTryCost(levels, itemPrice, materialPrice, fee);
    auto budget = PlanRefineBudget(outcome->tryChance, levels, tryCost);
    if (!budget) return PrintError(budget.error());

    const bool hasRate = outcome->rate.has_value();
    QJsonObject result{
        {"class", *classNumber},
        {"from", QtText(LevelText(state.currentLevel))},
        {"to", QtText(LevelText(state.targetLevel))},
        {"rate", hasRate ? QJsonValue(outcome->rate->convertTo<double>()) : QJsonValue()},
        {"rate_text", hasRate ? QJsonValue(QtText(FormatGeneral(*outcome->rate, '.'))) : QJsonValue()},
        {"materials", outcome->materialCount},
        {"items", outcome->itemCount},
        {"bonus", QtText(outcome->bonusText)},
        {"fee", fee},
        {"material", QtText(cls.materialName)},
        {"material_price", materialPrice},
        {"item_price", itemPrice},
        {"cost", MoneyJson(cost)},
        {"expected", ExpectedJson(*expected)},
        {"safe_level", QtText(LevelText(SafeRefineOf(cls).level))},
        {"budget", RefineBudgetJson(*budget, tryCost)},
    };
    if (auto exit = AddChanceWithinBudget(parser, outcome->tryChance, tryCost, result)) return *exit;
    return PrintJson(result, kResult);
}

}  // namespace trivelon::cli
