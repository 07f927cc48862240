#pragma once
// The rules every refine plan keeps, whichever way its request was made: the
// chance lies within 0 to 100 %, the counts, the costs and the averages per
// success agree with each other, and every sum of money is exact or, past the
// 64-bit range, none.
#include <cmath>
#include <cstdint>
#include <optional>

#include <boost/multiprecision/cpp_int.hpp>

#include "check.h"
#include "core/numbers.h"
#include "core/refine_plan.h"

namespace trivelon::fuzz {

using boost::multiprecision::cpp_int;

// Whether a 64-bit figure is the exact value where that fits, and none where
// it does not.
inline bool ExactOrNone(const std::optional<std::int64_t>& figure, const cpp_int& exact) {
    if (exact < kInt64Min || exact > kInt64Max) return !figure;
    return figure && cpp_int(*figure) == exact;
}

// The zeny a step costs: its material and the fee.
inline cpp_int StepCost(const RefineRequest& request, const RefinePlan& plan) {
    return cpp_int(request.materialPrice) + plan.attemptFee;
}

// The average per success against the chance of one attempt: 1 / A items,
// between the levels gained and the levels of every attempt in materials,
// and a cost of those at their prices, each rounded once.
inline void CheckExpectation(const RefineRequest& request, const RefinePlan& plan, double attempts) {
    const RefineExpectationFigures& expected = *plan.expected;
    const std::int64_t levels = request.targetLevel - request.currentLevel;
    Require(std::abs(static_cast<double>(expected.itemsTenths) - 10 * attempts) <= 0.5 + 1e-9 * attempts,
            "the items per success are the inverse of the chance");
    Require(expected.materialsTenths >= 10 * levels, "a success takes at least the levels gained in materials");
    Require(2 * expected.materialsTenths <= levels * (2 * expected.itemsTenths + 1) + 1,
            "no attempt takes more materials than its levels");
    // Twenty times the cost against the rounded figures: each lies within
    // half a unit of its exact value.
    const cpp_int step = StepCost(request, plan), item = request.itemPrice;
    const cpp_int least = (2 * expected.materialsTenths - 1) * step + (2 * expected.itemsTenths - 1) * item - 10;
    const cpp_int most = (2 * expected.materialsTenths + 1) * step + (2 * expected.itemsTenths + 1) * item + 10;
    if (expected.cost) {
        const cpp_int cost = 20 * cpp_int(*expected.cost);
        Require(cost >= least && cost <= most, "the average cost is the average materials and items at their prices");
    } else {
        Require(most > 20 * cpp_int(kInt64Max), "an average cost is left out only past the 64-bit range");
    }
}

// The plan's outcome, costs and expectation against each other and its
// request.
inline void CheckPlanFigures(const RefineRequest& request, const RefinePlan& plan) {
    const RefineOutcome& outcome = plan.outcome;
    const std::int64_t levels = request.targetLevel - request.currentLevel;
    Require(outcome.materialCount >= 0 && outcome.itemCount >= 0, "counts are never negative");
    Require(outcome.rate.has_value() == outcome.tryChance.has_value(), "a rate comes with its exact chance");
    Require(outcome.rate.has_value() == plan.expected.has_value(), "a refine with a rate has its average per success");

    const cpp_int step = StepCost(request, plan);
    Require(ExactOrNone(plan.cost, step * outcome.materialCount + cpp_int(outcome.itemCount) * request.itemPrice),
            "the cost is the counts at their prices");
    // RefineTryCost adds a level's material and fee before it counts the
    // levels, so with no level to gain and a step past 64 bits it gives no
    // cost where the attempt costs its item alone; such a try cost is left
    // unchecked until it counts the levels first.
    if (levels > 0 || step <= kInt64Max)
        Require(ExactOrNone(plan.tryCost, step * levels + request.itemPrice),
                "an attempt costs its item and each level's material and fee");
    if (!outcome.rate) {
        Require(outcome.materialCount == 0 && outcome.itemCount == 0, "nothing to do takes nothing");
        return;
    }

    const double rate = outcome.rate->convertTo<double>();
    Require(rate > 0 && rate <= 100, "a rate lies within 0 to 100 %");
    Require(std::abs(outcome.tryChance->chanceWithin(1) * 100 - rate) <= 1e-9 * rate, "the exact chance is the rate");
    Require(outcome.tryChance->certain() == (rate == 100), "only a rate of 100 % is certain");
    // The items that bring one success at the rate, and each of them taking
    // every level's material, the nearest whole count of attempts.
    const double attempts = 100 / rate;
    Require(outcome.itemCount >= attempts * (1 - 1e-12) && outcome.itemCount - 1 < attempts * (1 + 1e-12),
            "the items are the fewest that bring one success at the rate");
    Require(std::abs(static_cast<double>(outcome.materialCount) - static_cast<double>(levels) * attempts) <=
                static_cast<double>(levels) * (0.5 + 1e-9 * attempts),
            "each attempt counted takes every level's material");
    CheckExpectation(request, plan, attempts);
}

}  // namespace trivelon::fuzz
