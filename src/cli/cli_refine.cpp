// trivelon-cli refine: the refining tab's figures for one class and one pair
// of levels, as the tab shows them after the same picks and typing.
#include <QCommandLineParser>

#include "cli_common.h"
#include "core/forge_input.h"
#include "core/numbers.h"
#include "core/refine_plan.h"
#include "language/language.h"
#include "qt_text/translated.h"

namespace trivelon::cli {

namespace {

// "+0 to +9": the levels of a kind, as the help and the errors name them.
QString LevelSpan(const RefineRules& rules, LevelKind kind) {
    const RefineLevels levels = LevelsOf(rules, kind);
    return QtText(LevelText(levels.lowest)) + " to " + QtText(LevelText(levels.highest));
}

}  // namespace

QJsonValue ExpectedJson(const std::optional<RefineExpectationFigures>& figures) {
    if (!figures) return QJsonValue();
    return QJsonObject{
        {"items", static_cast<double>(figures->itemsTenths) / 10},
        {"materials", static_cast<double>(figures->materialsTenths) / 10},
        {"cost", MoneyJson(figures->cost)},
    };
}

int RunRefine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Refining figures as the refining tab shows them: picks the class, sets the current level, then the "
        "target level (a current level above the target raises the target; a target below the current level "
        "lowers it), and types the prices. Prices are read as players write them (\"1 500\", \"12к\", \"1,5кк\").");
    // The help names the built-in rules' classes and levels; --rules may
    // give others.
    const RefineRules& builtIn = BuiltInRules().refine;
    const auto builtInCount = static_cast<int>(builtIn.classes.size());
    const QList<QCommandLineOption> options = {
        {"class",
         QString("equipment class, its place in the rules' class list: 1 to %1 weapon level, %2 armour (default 1); "
                 "or its id: weapon-1 to weapon-%1, armour")
             .arg(builtInCount - 1)
             .arg(builtInCount),
         "N", "1"},
        {"from", "current level, " + LevelSpan(builtIn, LevelKind::Current) + " (default +0)", "level", "+0"},
        {"to", "target level, " + LevelSpan(builtIn, LevelKind::Target) + " (default: the class's safe level)",
         "level"},
        {"weaponry-research", "Weaponry Research level (default \"10\")", "text", "10"},
        {"material-price", "material price in Zeny (default: the class's usual price)", "ZENY"},
        {"item-price", "price in Zeny of the item being refined (default 0)", "ZENY", "0"},
        BudgetOption(),
        {"compare",
         "the levels an item is offered at, each with its price, such as \"+0=150000,+4=300к,+7=2кк,+10=90кк\" "
         "(levels +0 to the target): adds \"compare\", what one success costs on average from each level and its "
         "budget (buying at the target is the item at its price), and \"cheapest\", the level of the least "
         "average cost, the higher one on a tie; the other figures are those of the lowest level offered, "
         "so --from and --item-price do not go with it",
         "OFFERS"},
    };
    if (auto exit = ParseArguments(parser, options, arguments)) return *exit;
    if (!parser.positionalArguments().isEmpty()) return UsageError("refine takes no arguments besides options");

    const std::optional<Rules> rules = RulesArgument(parser);
    if (!rules) return kUsageError;
    const RefineRules& refine = rules->refine;
    const auto classCount = static_cast<std::int32_t>(refine.classes.size());
    // The class by its place in the list, or by its id or name.
    std::vector<std::string_view> classNames;
    for (const RefineClassRule& rule : refine.classes) classNames.push_back(rule.name);
    const std::string classText = SourceName("Rules", classNames, parser.value("class"));
    std::optional<std::size_t> found = FindRefineClass(refine, classText);
    if (const auto number = TryParseInt(classText); number && *number >= 1 && *number <= classCount)
        found = static_cast<std::size_t>(*number - 1);
    if (!found) return UsageError(QString("--class takes a number from 1 to %1, or a class's id").arg(classCount));
    const std::size_t classIndex = *found;
    const RefineClassRule& cls = refine.classes[classIndex];

    RefineState state;
    ApplyRefineClass(state, refine, classIndex);
    const bool comparing = parser.isSet("compare");
    if (comparing && (parser.isSet("from") || parser.isSet("item-price")))
        return UsageError("--compare gives the levels to start from and their prices: no --from or --item-price");
    const auto from = ParseLevel(CoreText(parser.value("from")), refine, LevelKind::Current);
    if (!from) return UsageError("--from takes a level from " + LevelSpan(refine, LevelKind::Current));
    ChooseCurrentLevel(state, *from);
    if (parser.isSet("to")) {
        const auto to = ParseLevel(CoreText(parser.value("to")), refine, LevelKind::Target);
        if (!to) return UsageError("--to takes a level from " + LevelSpan(refine, LevelKind::Target));
        ChooseTargetLevel(state, *to);
    }
    std::vector<RefineOffer> offers;
    if (comparing) {
        auto read = ReadOffers(parser.value("compare"), refine, state.targetLevel);
        if (!read) return kUsageError;
        offers = std::move(*read);
        // The target stays where it is: the lowest level offered lies at or
        // below it.
        state.currentLevel = offers.front().level;
    }

    RefineRequest request{classIndex, state.currentLevel, state.targetLevel, 0, cls.materialPrice, 0};
    if (parser.isSet("material-price")) {
        const auto price = MoneyArgument(parser, "material-price");
        if (!price) return kUsageError;
        request.materialPrice = *price;
    }
    if (comparing) {
        request.itemPrice = offers.front().itemPrice;
    } else {
        const auto itemPrice = MoneyArgument(parser, "item-price");
        if (!itemPrice) return kUsageError;
        request.itemPrice = *itemPrice;
    }
    if (RefineNeedsWeaponryResearch(cls, state.currentLevel, state.targetLevel)) {
        // Read as the forging tab and forge read it.
        const std::string typed = CoreText(parser.value("weaponry-research"));
        const std::optional<std::int32_t> research = TryParseInt(typed);
        if (!research) return PrintError(*WholeNumberProblem(FieldOf(ForgeInput::WeaponryResearch), typed));
        request.weaponryResearch = *research;
    }
    const auto plan = PlanRefine(refine, request);
    if (!plan) return PrintError(plan.error());

    const RefineOutcome& outcome = plan->outcome;
    const bool hasRate = outcome.rate.has_value();
    QJsonObject result{
        {"class", static_cast<std::int32_t>(classIndex + 1)},
        {"from", QtText(LevelText(request.currentLevel))},
        {"to", QtText(LevelText(request.targetLevel))},
        {"rate", hasRate ? QJsonValue(outcome.rate->convertTo<double>()) : QJsonValue()},
        {"rate_text", hasRate ? QJsonValue(QtText(FormatGeneral(*outcome.rate, '.'))) : QJsonValue()},
        {"materials", static_cast<qint64>(outcome.materialCount)},
        {"items", static_cast<qint64>(outcome.itemCount)},
        {"bonus", QtText(outcome.bonusText)},
        {"fee", plan->attemptFee},
        {"material", QtText(cls.material)},
        {"material_price", static_cast<qint64>(request.materialPrice)},
        {"item_price", static_cast<qint64>(request.itemPrice)},
        {"cost", MoneyJson(plan->cost)},
        {"expected", ExpectedJson(plan->expected)},
        {"safe_level", QtText(LevelText(SafeRefineOf(cls).level))},
        {"budget", RefineBudgetJson(plan->budget, plan->tryCost)},
    };
    if (comparing) {
        const auto comparison = CompareRefineRoads(
            refine, {classIndex, request.targetLevel, request.weaponryResearch, request.materialPrice}, offers);
        if (!comparison) return PrintError(comparison.error());
        AddComparison(*comparison, result);
    }
    const auto chanceWithin = [&](std::int64_t money) { return plan->chanceWithinInTenths(money); };
    if (auto exit = AddChanceWithinBudget(parser, chanceWithin, result)) return *exit;
    return PrintJson(result, kResult);
}

}  // namespace trivelon::cli
