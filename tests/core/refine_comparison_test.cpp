// Where to start a refine: roads whose cheapest is known by hand, the tie,
// roads too dear to count, and offers that cannot be compared.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "built_in_rules.h"
#include "core/refine_comparison.h"

namespace trivelon {
namespace {

struct Roads {
    const char* what;
    std::int32_t classNumber, target;
    std::vector<RefineOffer> offers;                 // in any order
    std::vector<std::optional<std::int64_t>> costs;  // by level, lowest first
    std::optional<std::int32_t> cheapestLevel;
    std::optional<std::int64_t> nextBestExtra;
    std::int32_t lowestSafeSteps;
};

// Weaponry Research 10 and each class's usual material price. A road's cost
// per success is (E x (material + fee) + item) / A, where A is the chance
// that an attempt reaches the target and E the steps one attempt makes.
const Roads kRoads[] = {
    // Class 2, steps +7 70 % and +8 50 %, 1 200 a step: from +3, E = 4 + 0.7,
    // A = 0.35, (5 640 + 10 000) / 0.35 = 44 685.7; from +6, (2 040 + 50 000)
    // / 0.35; from +7, (1 200 + 40 000) / 0.5.
    {"a start below the safe level",
     2,
     8,
     {{7, 40000}, {3, 10000}, {8, 100000}, {6, 50000}},
     {44686, 148686, 82400, 100000},
     3,
     82400 - 44686,
     3},
    // Class 4 to +10, 25 000 a step: from +0, E = 6.29325 and A = 0.00315,
    // 1 997.857 steps for 49 946 429; from +9, (25 000 + 10 000 000) / 0.2.
    {"buying finished",
     4,
     10,
     {{0, 0}, {9, 10'000'000}, {10, 40'000'000}},
     {49946429, 50125000, 40000000},
     10,
     9946429,
     4},
    // Class 1, step +8 70 %, 250 a step: from +0, (8 x 250 + 100) / 0.7;
    // from +7, (250 + 2 000) / 0.7 = 3 214.3.
    {"cheap items from +0", 1, 8, {{0, 100}, {7, 2000}, {8, 3500}}, {3000, 3214, 3500}, 0, 214, 7},
    // (250 + 1 150) / 0.7 = 2 000, the price of the finished item.
    {"a tie goes to the higher level", 1, 8, {{8, 2000}, {7, 1150}}, {2000, 2000}, 8, 0, 0},
    // No step can fail: 5 x 10 000 + 100 against the finished item.
    {"a safe refine", 3, 5, {{0, 100}, {5, 30000}}, {50100, 30000}, 5, 20100, 5},
    // 317 items at the largest price lie beyond 64 bits: never the cheapest.
    {"a road too dear to count",
     4,
     10,
     {{0, std::numeric_limits<std::int64_t>::max()}, {10, 1}},
     {std::nullopt, 1},
     10,
     std::nullopt,
     4},
    {"every road too dear",
     4,
     10,
     {{0, std::numeric_limits<std::int64_t>::max()}},
     {std::nullopt},
     std::nullopt,
     std::nullopt,
     4},
    {"one road", 1, 8, {{8, 3500}}, {3500}, 8, std::nullopt, 0},
};

TEST(RefineComparisonTest, FindsTheCheapestRoad) {
    for (const Roads& row : kRoads) {
        SCOPED_TRACE(row.what);
        const RefineComparisonRequest request{static_cast<std::size_t>(row.classNumber - 1), row.target, 10,
                                              BuiltInClass(row.classNumber).materialPrice};
        const auto comparison = CompareRefineRoads(BuiltInRules().refine, request, row.offers);
        ASSERT_TRUE(comparison) << comparison.error().sourceText();
        ASSERT_EQ(comparison->roads.size(), row.costs.size());
        for (std::size_t i = 0; i < row.costs.size(); ++i) {
            const RefineRoad& road = comparison->roads[i];
            EXPECT_EQ(road.expected.cost, row.costs[i]) << "from " << road.offer.level;
            EXPECT_EQ(road.bought(), road.offer.level == row.target);
            if (i > 0) {
                EXPECT_LT(comparison->roads[i - 1].offer.level, road.offer.level);
            }
        }
        std::optional<std::int32_t> cheapest;
        if (comparison->cheapest) cheapest = comparison->roads[*comparison->cheapest].offer.level;
        EXPECT_EQ(cheapest, row.cheapestLevel);
        EXPECT_EQ(comparison->nextBestExtra, row.nextBestExtra);
        EXPECT_EQ(comparison->roads.front().safeSteps, row.lowestSafeSteps);
    }
}

TEST(RefineComparisonTest, TheFinishedItemIsOneItemAtItsPrice) {
    // The level-4 weapon, the fourth class.
    const auto comparison = CompareRefineRoads(BuiltInRules().refine, {3, 10, 10, 5000}, {{10, 90'000'000}, {9, 1}});
    ASSERT_TRUE(comparison);
    const RefineRoad& bought = comparison->roads.back();
    EXPECT_FALSE(bought.plan);
    EXPECT_EQ(bought.expected.itemsTenths, 10);
    EXPECT_EQ(bought.expected.materialsTenths, 0);
    EXPECT_EQ(bought.expected.cost, 90'000'000);
    // From +9 one attempt passes with 20 %: 5 items, 5 steps.
    ASSERT_TRUE(comparison->roads.front().plan);
    EXPECT_EQ(comparison->roads.front().expected.itemsTenths, 50);
    EXPECT_EQ(comparison->roads.front().expected.materialsTenths, 50);
}

TEST(RefineComparisonTest, RefusesOffersItCannotCompare) {
    const RefineRules& rules = BuiltInRules().refine;
    const RefineComparisonRequest request{3, 7, 10, 5000};
    EXPECT_EQ(CompareRefineRoads(rules, request, {{8, 1}}).error().sourceText(), "уровень +8 не между +0 и +7");
    EXPECT_EQ(CompareRefineRoads(rules, request, {{4, 1}, {4, 2}}).error().sourceText(), "уровень +4 предложен дважды");
    // A Weaponry Research that cannot be read stops every road that needs it.
    EXPECT_EQ(CompareRefineRoads(rules, {3, 7, std::nullopt, 5000}, {{0, 1}, {7, 2}}).error().sourceText(),
              kUnreadableResearchMessage);
    // The finished item needs none.
    EXPECT_TRUE(CompareRefineRoads(rules, {3, 7, std::nullopt, 5000}, {{7, 2}}));
}

}  // namespace
}  // namespace trivelon
