// The budgets of refines that the exact methods work out in little time: any
// class and level pair, at a Weaponry Research level high enough that the
// 99 % budget needs at most kMostAttempts attempts (a refine's work grows
// with its attempts, refine_spending.h), at prices up to a whole attempt of
// kDearestAttempt. Input, as FuzzedDataProvider takes it: the class, the
// target, the current level, how far the research level lies above the
// least that allowed, the material's and the item's price.
//
// Each budget holds as many items, materials and Zeny as the one of lesser
// certainty or more; its Zeny bring at least its certainty, and a Zeny less
// does not; and its materials and Zeny agree with its items: each attempt
// made makes from the steps up to the first that can fail to every level,
// the materials cost their price and fee and the items theirs. The plan
// keeps the rules of refine_checks.h as well.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "core/budget.h"
#include "core/refine.h"
#include "core/refine_plan.h"
#include "core/rules.h"
#include "refine_checks.h"

using trivelon::kInt64Max;
using trivelon::fuzz::cpp_int;
using trivelon::fuzz::Require;

namespace {

// The spending keeps the span of its lattice as a double, which rounds a
// span within 512 Zeny of 2^63 to 2^63, past the 64-bit range it is read back
// into (undefined behaviour: a level-2 weapon from +8 to +9 at W 49, a
// material price of 9 223 372 036 854 775 507 and an item at 0); and it
// counts a step dearer than 64 bits as 2^63 - 1 Zeny. Until the core mends
// both, no attempt here costs more than 2^62 Zeny, where neither can happen.
constexpr std::int64_t kDearestAttempt = std::int64_t{1} << 62;

// Few enough for tens of thousands of inputs a minute (docs/performance.md);
// at 1 000 the target tries less than half as many.
constexpr std::int64_t kMostAttempts = 400;

const trivelon::RefineRules& Rules() { return trivelon::BuiltInRules().refine; }

const trivelon::RefineClassRule& ClassOf(const trivelon::RefineRequest& request) {
    return Rules().classes[request.classIndex];
}

// The attempts the 99 % budget takes, none where a step cannot succeed or
// the counts leave 32 bits.
std::optional<std::int64_t> AttemptsFor(const trivelon::RefineRequest& request, std::int32_t research) {
    const auto outcome = trivelon::ComputeRefine(ClassOf(request), request.currentLevel, request.targetLevel,
                                                 trivelon::ResearchBonus(Rules(), research));
    if (!outcome || !outcome->tryChance) return std::nullopt;
    return outcome->tryChance->triesFor(trivelon::kBudgetChances.back()).value();
}

// The least research level whose 99 % budget takes at most kMostAttempts;
// every step is certain at 100.
std::int32_t LeastResearch(const trivelon::RefineRequest& request) {
    std::int32_t fails = -100, holds = 100;
    while (holds - fails > 1) {
        const std::int32_t middle = fails + (holds - fails) / 2;
        const auto attempts = AttemptsFor(request, middle);
        (attempts && *attempts <= kMostAttempts ? holds : fails) = middle;
    }
    return holds;
}

void CheckBudget(const trivelon::RefineRequest& request, const trivelon::RefinePlan& plan) {
    const trivelon::RefineBudget& budget = *plan.budget;
    const std::int64_t levels = request.targetLevel - request.currentLevel;
    const std::int32_t safeLevel = ClassOf(request).safeLevel;
    // The steps of a failed attempt: at least up to the first step that can
    // fail, at most every level.
    const std::int64_t fewestSteps =
        std::min<std::int64_t>(std::max(request.currentLevel, safeLevel) + 1 - request.currentLevel, levels);
    const cpp_int step = trivelon::fuzz::StepCost(request, plan), item = request.itemPrice;
    for (std::size_t i = 0; i < budget.size(); ++i) {
        const trivelon::RefineBudgetLevel& level = budget[i];
        if (i > 0) {
            const trivelon::RefineBudgetLevel& lesser = budget[i - 1];
            Require(level.items >= lesser.items, "more certainty takes no fewer items");
            if (level.materials && lesser.materials)
                Require(*level.materials >= *lesser.materials, "more certainty takes no fewer materials");
            if (level.cost && lesser.cost) Require(*level.cost >= *lesser.cost, "more certainty takes no less Zeny");
        }
        Require(level.items >= 1, "a budget takes an item at least");
        if (level.materials) {
            Require(*level.materials >= (level.items - 1) * fewestSteps + levels,
                    "a budget's materials make the success and the least of each failed attempt");
            Require(*level.materials <= level.items * levels,
                    "a budget's materials make no more than every level of each item");
        }
        if (!level.cost) continue;
        // The exact methods are exact up to double rounding, which past 2^53
        // Zeny moves a sum by a few units in its last place.
        const cpp_int cost = *level.cost, rounding = cost / (std::int64_t{1} << 50);
        Require(plan.chanceWithinInTenths(*level.cost).value_or(0) >= 10 * level.chance,
                "a budget's Zeny bring its certainty");
        const auto less = (cost - 1 - rounding).convert_to<std::int64_t>();
        Require(plan.spending->chanceWithin(less) < level.chance / 100.0,
                "a Zeny less than a budget falls short of its certainty");
        const cpp_int attempts = (item + step * levels) * level.items;
        Require(cost <= attempts + rounding, "a budget's Zeny pay for no more than whole attempts");
        // Where a budget's whole attempts pass the 64-bit range, the range can
        // cut the spending's worked-out sums short of the certainty: its tail
        // then reaches the certainty at a sum below the next one that can be
        // spent, which lies past 64 bits, and the budget should be none. Until
        // it is, such a budget's Zeny are not held to its items and materials.
        if (attempts > kInt64Max) continue;
        Require(cost + rounding >= item * level.items, "a budget's Zeny pay for its items");
        if (level.materials)
            Require(cost + rounding >= step * *level.materials, "a budget's Zeny pay for its materials and fees");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    trivelon::RefineRequest request;
    request.classIndex = input.ConsumeIntegralInRange<std::size_t>(0, Rules().classes.size() - 1);
    const trivelon::RefineLevels targets = trivelon::LevelsOf(Rules(), trivelon::LevelKind::Target);
    const trivelon::RefineLevels currents = trivelon::LevelsOf(Rules(), trivelon::LevelKind::Current);
    request.targetLevel = input.ConsumeIntegralInRange<std::int32_t>(targets.lowest, targets.highest);
    request.currentLevel =
        input.ConsumeIntegralInRange<std::int32_t>(currents.lowest, std::min(request.targetLevel, currents.highest));
    const std::int32_t least = LeastResearch(request);
    request.weaponryResearch = least + input.ConsumeIntegralInRange<std::int32_t>(0, 100 - least);
    // A whole attempt costs at most kDearestAttempt.
    const std::int64_t levels = std::max(1, request.targetLevel - request.currentLevel);
    const std::int64_t fee = ClassOf(request).fee;
    request.materialPrice = input.ConsumeIntegralInRange<std::int64_t>(0, kDearestAttempt / levels - fee);
    request.itemPrice =
        input.ConsumeIntegralInRange<std::int64_t>(0, kDearestAttempt - levels * (request.materialPrice + fee));

    const auto plan = trivelon::PlanRefine(Rules(), request);
    Require(plan.ok(), "a refine shaped to its attempts plans");
    trivelon::fuzz::CheckPlanFigures(request, *plan);
    if (plan->budget) CheckBudget(request, *plan);
    return 0;
}
