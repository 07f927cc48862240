// The roads to a refine's target set side by side.
#include "refine_comparison.h"

#include <algorithm>
#include <utility>

#include "numbers.h"
#include "text.h"

namespace trivelon {

Result<RefineRoad> PlanRefineRoad(const RefineRules& rules, const RefineComparisonRequest& request,
                                  const RefineOffer& offer, bool budgets) {
    RefineRoad road;
    road.offer = offer;
    if (offer.level == request.targetLevel) {
        road.expected = {10, 0, offer.itemPrice};
        return road;
    }
    auto plan = PlanRefine(rules, {request.classIndex, offer.level, request.targetLevel, request.weaponryResearch,
                                   request.materialPrice, offer.itemPrice, budgets});
    if (!plan) return Error{plan.error()};
    // A refine below its target always has something to do, so its plan
    // always carries an expectation.
    road.expected = plan->expected.value();
    road.plan = std::move(plan.value());
    const std::int32_t safeLevel = rules.classes.at(request.classIndex).safeLevel;
    road.safeSteps = std::max(0, std::min(safeLevel, request.targetLevel) - offer.level);
    return road;
}

RefineComparison RankRefineRoads(std::vector<RefineRoad> roads) {
    std::sort(roads.begin(), roads.end(),
              [](const RefineRoad& a, const RefineRoad& b) { return a.offer.level < b.offer.level; });
    RefineComparison comparison;
    comparison.roads = std::move(roads);
    // Going up the levels, a cost equal to the best so far takes its place:
    // on a tie the road that starts higher has fewer steps to go wrong.
    std::optional<std::size_t> best, second;
    const auto costOf = [&](std::size_t i) { return *comparison.roads[i].expected.cost; };
    for (std::size_t i = 0; i < comparison.roads.size(); ++i) {
        if (!comparison.roads[i].expected.cost) continue;
        if (!best || costOf(i) <= costOf(*best)) {
            second = best;
            best = i;
        } else if (!second || costOf(i) < costOf(*second)) {
            second = i;
        }
    }
    comparison.cheapest = best;
    // Both costs lie between 0 and the largest 64-bit sum, so their
    // difference does too.
    if (best && second) comparison.nextBestExtra = costOf(*second) - costOf(*best);
    return comparison;
}

Result<RefineComparison> CompareRefineRoads(const RefineRules& rules, const RefineComparisonRequest& request,
                                            const std::vector<RefineOffer>& offers) {
    std::vector<RefineRoad> roads;
    roads.reserve(offers.size());
    for (const RefineOffer& offer : offers) {
        if (offer.level < 0 || offer.level > request.targetLevel)
            return Error{{TRIVELON_TEXT("Messages", "уровень %1 не между +0 и %2"),
                          {LevelText(offer.level), LevelText(request.targetLevel)}}};
        const auto same = [&](const RefineRoad& road) { return road.offer.level == offer.level; };
        if (std::any_of(roads.begin(), roads.end(), same))
            return Error{{TRIVELON_TEXT("Messages", "уровень %1 предложен дважды"), {LevelText(offer.level)}}};
        auto road = PlanRefineRoad(rules, request, offer);
        if (!road) return Error{road.error()};
        roads.push_back(std::move(road.value()));
    }
    return RankRefineRoads(std::move(roads));
}

}  // namespace trivelon
