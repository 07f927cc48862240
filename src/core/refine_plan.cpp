// One refine, worked out whole for whichever front end shows it.
#include "refine_plan.h"

#include <algorithm>
#include <cmath>

#include "numbers.h"

namespace trivelon {

const char* const kUnreadableResearchMessage =
    TRIVELON_TEXT("Messages", "уровень Weaponry Research не прочитан — шанс не посчитать");

namespace {

RefineBudget PlanBudgetOf(const TryChance& chance, const RefineSpending& materials, const RefineSpending& zeny) {
    RefineBudget budget;
    for (std::size_t i = 0; i < budget.size(); ++i) {
        const std::int32_t percent = kBudgetChances[i];
        // A chance of one try is at least 10^-16 (kMostRiskySteps), so the
        // tries stay far within 64 bits.
        budget[i] = {percent, chance.triesFor(percent).value(), materials.sumFor(percent), zeny.sumFor(percent)};
    }
    return budget;
}

}  // namespace

std::optional<std::int32_t> RefinePlan::chanceWithinInTenths(std::int64_t money) const {
    if (!spending) return std::nullopt;
    return ChanceInTenths(spending->chanceWithin(money), outcome.tryChance && outcome.tryChance->certain());
}

std::optional<ChanceCurve> RefinePlan::chanceCurve() const {
    if (!spending) return std::nullopt;
    // Every whole sum can be where the spending ends.
    return ChanceCurve{
        [spending = spending](double money) {
            return spending->chanceWithin(static_cast<std::int64_t>(std::clamp(std::floor(money), -1.0, 9.2e18)));
        },
        [](double money) { return std::floor(money) + 1; },
        outcome.tryChance && outcome.tryChance->certain(),
    };
}

Result<RefinePlan> PlanRefine(const RefineRules& rules, const RefineRequest& request) {
    const RefineClassRule& cls = rules.classes.at(request.classIndex);
    const std::int32_t cur = request.currentLevel, fin = request.targetLevel;
    std::int64_t research = 0;
    if (RefineNeedsWeaponryResearch(cls, cur, fin)) {
        if (!request.weaponryResearch) return Error{kUnreadableResearchMessage};
        research = ResearchBonus(rules, *request.weaponryResearch);
    }
    auto outcome = ComputeRefine(cls, cur, fin, research);
    if (!outcome) return Error{outcome.error()};

    RefinePlan plan;
    plan.outcome = *outcome;
    plan.attemptFee = cls.fee;
    plan.cost =
        RefineCost(outcome->materialCount, outcome->itemCount, request.materialPrice, cls.fee, request.itemPrice);
    plan.tryCost = RefineTryCost(fin - cur, request.itemPrice, request.materialPrice, cls.fee);
    auto expected = ExpectRefineFigures(cls, cur, fin, research, {request.materialPrice, cls.fee, request.itemPrice});
    if (!expected) return Error{expected.error()};
    plan.expected = *expected;
    if (!outcome->tryChance || !request.budgets) return plan;

    const RefineAttempts attempts = AttemptsOfRefine(cls, cur, fin, research);
    const auto perStep = CheckedSum(request.materialPrice, cls.fee);
    // A step dearer than 64 bits makes every sum too much to count.
    const SpendingRates zenyRates{request.itemPrice, perStep.value_or(kInt64Max)};
    plan.spending = std::make_shared<const RefineSpending>(attempts, zenyRates);
    const RefineSpending materials(attempts, {0, 1});
    plan.budget = PlanBudgetOf(*outcome->tryChance, materials, *plan.spending);
    return plan;
}

}  // namespace trivelon
