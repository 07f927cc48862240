#pragma once
// Where to start a refine to a target level: an item bought at +k and refined
// from there, for each level the market offers, or the finished item bought
// outright. Each road is worked out as the refine plan of its own level and
// price; the roads are then set side by side by what one success costs on
// average.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "refine_plan.h"

namespace trivelon {

// An item on offer at a level, at a price in Zeny (0 or more).
struct RefineOffer {
    std::int32_t level = 0;
    std::int64_t itemPrice = 0;
};

// What the roads share: the class, the target, the Weaponry Research level
// (none where its text cannot be read) and the material's price.
struct RefineComparisonRequest {
    std::size_t classIndex = 0;
    std::int32_t targetLevel = 7;
    std::optional<std::int32_t> weaponryResearch = 10;
    std::int64_t materialPrice = 0;
};

struct RefineRoad {
    RefineOffer offer;
    // The refine from the offer's level, none for the finished item bought.
    std::optional<RefinePlan> plan;
    // What one success takes on average: for the finished item 1 item, no
    // material and its price.
    RefineExpectationFigures expected;
    // The steps at the start of the road that cannot fail, those up to the
    // class's safe level; 0 for the finished item.
    std::int32_t safeSteps = 0;

    bool bought() const { return !plan; }
};

// A road to the target from one offer, which lies between +0 and the target;
// without budgets its plan holds none (see RefineRequest::budgets). Fails as
// PlanRefine does.
Result<RefineRoad> PlanRefineRoad(const RefineRules& rules, const RefineComparisonRequest& request,
                                  const RefineOffer& offer, bool budgets = true);

struct RefineComparison {
    std::vector<RefineRoad> roads;  // by level, lowest first
    // The road of the least average cost, the higher level on a tie; none
    // where there is no road or every road's cost lies beyond 64 bits, since
    // those cannot be told apart.
    std::optional<std::size_t> cheapest;
    // How much more the next best road costs on average; none where there is
    // no other road whose cost can be counted.
    std::optional<std::int64_t> nextBestExtra;
};

// Sets roads side by side: sorts them by level and finds the cheapest.
RefineComparison RankRefineRoads(std::vector<RefineRoad> roads);

// Every offer's road, ranked. The offers' levels must be distinct and lie
// between +0 and the target; fails with a message where one does not, or as
// PlanRefine does.
Result<RefineComparison> CompareRefineRoads(const RefineRules& rules, const RefineComparisonRequest& request,
                                            const std::vector<RefineOffer>& offers);

}  // namespace trivelon
