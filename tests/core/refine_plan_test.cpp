// The refine plan and what the refine the game runs spends: budgets and
// chances against a plain programme over every pair of failed attempts and
// steps made, the approximation within its stated bounds, and the figures of
// whole plans.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "built_in_rules.h"
#include "core/numbers.h"
#include "core/refine_plan.h"

namespace trivelon {
namespace {

constexpr std::int32_t kPercents[] = {50, 90, 99};

// Every sum the refine can spend with its chance, from the failed attempts
// f = 0, 1, ... and, for each f, the chance of each number of steps made;
// the rows stop where the chance of f more failures falls below 1e-14.
struct PlainSpending {
    std::vector<std::pair<std::int64_t, double>> sums;  // sorted by sum, chances cumulated

    PlainSpending(const RefineAttempts& attempts, SpendingRates rates) {
        std::vector<double> steps{1.0};  // chance of f failures with this many steps in them
        std::vector<std::pair<std::int64_t, double>> each;
        for (std::int64_t f = 0; std::pow(1 - attempts.success, static_cast<double>(f)) > 1e-14; ++f) {
            for (std::size_t s = 0; s < steps.size(); ++s)
                if (steps[s] > 0)
                    each.emplace_back((f + 1) * rates.perAttempt +
                                          (static_cast<std::int64_t>(s) + attempts.successSteps) * rates.perStep,
                                      steps[s] * attempts.success);
            std::vector<double> next(steps.size() + 11, 0.0);
            for (std::size_t s = 0; s < steps.size(); ++s)
                for (const RefineAttempts::Failure& failure : attempts.failures)
                    next[s + static_cast<std::size_t>(failure.steps)] += steps[s] * failure.chance;
            steps = std::move(next);
        }
        std::sort(each.begin(), each.end());
        double covered = 0;
        for (const auto& [sum, chance] : each) {
            covered += chance;
            if (!sums.empty() && sums.back().first == sum)
                sums.back().second = covered;
            else
                sums.emplace_back(sum, covered);
        }
    }
    double chanceWithin(std::int64_t money) const {
        auto after = std::upper_bound(sums.begin(), sums.end(), std::pair{money, 2.0});
        return after == sums.begin() ? 0 : std::prev(after)->second;
    }
    std::int64_t sumFor(std::int32_t percent) const {
        for (const auto& [sum, chance] : sums)
            if (chance >= percent / 100.0 - 1e-12) return sum;
        return -1;
    }
};

struct Refine {
    std::int32_t classNumber, cur, fin, w;
    std::int64_t material, item;
};

SpendingRates ZenyRates(const Refine& r) { return {r.item, r.material + BuiltInClass(r.classNumber).fee}; }

// Every class, pairs from below and above the safe level, cheap and dear
// items, prices that share a span with the fee and prices that share none,
// and a material at no price.
const Refine kRefines[] = {
    {1, 0, 8, 10, 200, 0},          {1, 7, 10, 10, 200, 4567},     {1, 8, 10, 0, 0, 100},
    {2, 0, 9, 10, 1000, 0},         {2, 6, 10, 10, 1000, 250000},  {2, 5, 8, 0, 1234, 9999},
    {3, 0, 8, 10, 5000, 0},         {3, 4, 10, 10, 15000, 900000}, {3, 6, 9, 5, 0, 777777},
    {3, 4, 10, 10, 15000, 900001},  {4, 0, 7, 10, 5000, 0},        {4, 5, 9, 10, 5000, 3000000},
    {4, 2, 8, 3, 4999, 1},          {5, 0, 7, 10, 60000, 0},       {5, 4, 8, 10, 0, 123457},
    {5, 6, 9, 10, 60001, 50000000},
};

TEST(RefineSpending, BudgetsAndChancesAsEveryPairOfAttemptsAndStepsGives) {
    for (const Refine& r : kRefines) {
        SCOPED_TRACE(testing::Message() << "class " << r.classNumber << " +" << r.cur << " to +" << r.fin << " W "
                                        << r.w << ", material " << r.material << ", item " << r.item);
        const RefineAttempts attempts = AttemptsOfRefine(BuiltInClass(r.classNumber), r.cur, r.fin, r.w);
        for (const SpendingRates rates : {ZenyRates(r), SpendingRates{0, 1}}) {
            const PlainSpending plain(attempts, rates);
            const RefineSpending spending(attempts, rates);
            EXPECT_NE(spending.method(), RefineSpending::Method::Approximate);
            for (std::int32_t percent : kPercents) {
                const std::int64_t sum = plain.sumFor(percent);
                EXPECT_EQ(spending.sumFor(percent), sum) << percent << " %";
                for (const std::int64_t money : {sum - 1, sum, sum + rates.perStep / 2 + 1})
                    EXPECT_NEAR(spending.chanceWithin(money), plain.chanceWithin(money), 1e-12) << money;
            }
            EXPECT_EQ(spending.chanceWithin(plain.sums.front().first - 1), 0);
        }
    }
}

// Both exact methods give the same figures where both apply.
TEST(RefineSpending, LatticeAndBandsAgree) {
    for (const Refine& r : kRefines) {
        const RefineAttempts attempts = AttemptsOfRefine(BuiltInClass(r.classNumber), r.cur, r.fin, r.w);
        const RefineSpending lattice(attempts, {0, 1}, RefineSpending::Method::Lattice, 1 << 21);
        const RefineSpending bands(attempts, {0, 1}, RefineSpending::Method::Bands);
        for (std::int32_t percent : kPercents) EXPECT_EQ(lattice.sumFor(percent), bands.sumFor(percent));
    }
}

// The approximation serves refines whose attempts succeed so rarely that the
// exact methods would need millions of cells. Its error grows with the
// spread its cells add to the spending, which falls with the number of cells
// times the square root of the chance of an attempt. Here it runs at least as
// coarse as for the rarest refine there is (1.3 in 10^7 an attempt, 2^21
// cells) on refines within the exact lattice's reach: 2^16 cells for chances
// of 4 to 40 in 10^5. It stays within 0.1 % of every exact budget and within
// 0.05 percentage point of every exact chance.
TEST(RefineSpending, ApproximationWithinItsBounds) {
    const Refine rare[] = {
        {4, 4, 10, 0, 5000, 0},  {5, 4, 10, 0, 0, 100000},      {4, 5, 10, 0, 5000, 75000},
        {4, 6, 10, -5, 5000, 0}, {3, 6, 10, -10, 15000, 60000}, {2, 6, 10, -15, 1000, 800},
    };
    for (const Refine& r : rare) {
        SCOPED_TRACE(testing::Message() << "class " << r.classNumber << " +" << r.cur << " to +" << r.fin);
        const RefineAttempts attempts = AttemptsOfRefine(BuiltInClass(r.classNumber), r.cur, r.fin, r.w);
        for (const SpendingRates rates : {ZenyRates(r), SpendingRates{0, 1}}) {
            const RefineSpending exact(attempts, rates);
            ASSERT_EQ(exact.method(), RefineSpending::Method::Lattice);
            const RefineSpending approximate(attempts, rates, RefineSpending::Method::Approximate, 1 << 16);
            for (std::int32_t percent : kPercents) {
                const auto sum = static_cast<double>(*exact.sumFor(percent));
                EXPECT_NEAR(static_cast<double>(*approximate.sumFor(percent)), sum, sum * 0.001) << percent;
                for (const double share : {0.1, 0.7, 1.0, 1.4})
                    EXPECT_NEAR(approximate.chanceWithin(static_cast<std::int64_t>(sum * share)),
                                exact.chanceWithin(static_cast<std::int64_t>(sum * share)), 0.0005)
                        << share << " of the " << percent << " % budget";
            }
        }
    }
}

// Steps of 1 % and 11 % make attempts that succeed once in about 170 000.
// With an item at 1 Zeny the failure costs share no span, and the refine is
// approximated; at no price it is exact on its lattice. The two differ by
// 1 Zeny an attempt, far within the bounds.
TEST(RefineSpending, RareSuccessesAreApproximatedWithinBounds) {
    const RefineAttempts attempts = AttemptsOfRefine(BuiltInClass(4), 4, 10, -9);
    const RefineSpending odd(attempts, {1, 25000});
    const RefineSpending round(attempts, {0, 25000});
    EXPECT_EQ(odd.method(), RefineSpending::Method::Approximate);
    EXPECT_EQ(round.method(), RefineSpending::Method::Lattice);
    for (std::int32_t percent : kPercents) {
        const auto sum = static_cast<double>(*round.sumFor(percent));
        EXPECT_NEAR(static_cast<double>(*odd.sumFor(percent)), sum, sum * 0.001);
        EXPECT_NEAR(odd.chanceWithin(static_cast<std::int64_t>(sum)),
                    round.chanceWithin(static_cast<std::int64_t>(sum)), 0.0005);
    }
}

struct PlanFigures {
    RefineRequest request;
    std::optional<std::int64_t> cost;
    std::int64_t items50, materials50, zeny50, zeny99;
    std::int64_t money;
    std::int32_t chanceTenths;
};

// Whole plans: the counts and cost the tab shows, the budgets of the refine
// the game runs and the chance of a sum; the requests name the classes by
// their place from 0. A level-4 weapon (3) from +0 to +10 at Weaponry
// Research 10 with material 5 000 and a free item takes 34 675 000 Zeny for
// an even chance and covers 66.8 % with 55 000 000; a level-3 one (2) from +4
// with material 15 000 and item 900 000, 59 040 000 Zeny and 202 materials,
// and 69.1 % with 100 000 000.
TEST(PlanRefine, FiguresOfWholePlans) {
    const PlanFigures plans[] = {
        {{3, 0, 10, 10, 5000, 0}, 79'250'000, 220, 1387, 34'675'000, 229'400'000, 55'000'000, 668},
        {{2, 4, 10, 10, 15000, 900000}, 90'660'000, 61, 202, 59'040'000, 390'220'000, 100'000'000, 691},
        // A safe refine is one certain attempt.
        {{0, 0, 7, 10, 200, 0}, 1750, 1, 7, 1750, 1750, 1749, 0},
        {{0, 0, 7, 10, 200, 0}, 1750, 1, 7, 1750, 1750, 1750, 1000},
        // Steps far above 100 % are certain too.
        {{4, 0, 7, 100, 60000, 0}, 434'000, 1, 7, 434'000, 434'000, 434'000, 1000},
    };
    for (const PlanFigures& p : plans) {
        const auto plan = PlanRefine(BuiltInRules().refine, p.request);
        ASSERT_TRUE(plan.ok()) << plan.error().sourceText();
        EXPECT_EQ(plan->cost, p.cost);
        const RefineBudgetLevel& even = plan->budget->front();
        EXPECT_EQ(std::tie(even.items, *even.materials, *even.cost), std::tie(p.items50, p.materials50, p.zeny50));
        EXPECT_EQ(plan->budget->back().cost, p.zeny99);
        EXPECT_EQ(plan->chanceWithinInTenths(p.money), p.chanceTenths);
    }
}

// Rules other than the built-in ones: 2 % a step per level of Weaponry
// Research, and two classes that both reach +5. A weapon class safe to +3,
// +4 at 50 % and +5 at 30 %, fee 1 000; an armour class safe to +2, +3 at
// 70 %, +4 at 50 % and +5 at 25 %, fee 300. Each material at 500, each item at
// 2 000. The rate is the product of the step rates (chance + 2 x research,
// at most 100), the items the attempts 100 / rate rounded up, the materials
// those attempts rounded to the nearest times the levels gained, and the cost
// materials x (500 + fee) + items x 2 000:
//   weapon +3 -> +5 at 5: (50 + 10) x (30 + 10) / 100 = 24 %, 4.17 attempts:
//     5 items, 4 x 2 = 8 materials, 8 x 1 500 + 5 x 2 000 = 22 000;
//   weapon +0 -> +5 at 0: 50 x 30 / 100 = 15 %, 6.67 attempts: 7 items,
//     7 x 5 = 35 materials, 35 x 1 500 + 7 x 2 000 = 66 500;
//   weapon +0 -> +3, safe: 1 item, 3 materials, 3 x 1 500 + 2 000 = 6 500;
//   weapon +4 -> +5 at 50: 30 + 100 is certain: 1 item, 1 material, 3 500;
//   armour +2 -> +5 at 5: 80 x 60 x 35 / 100^2 = 16.8 %, 5.95 attempts:
//     6 items, 6 x 3 = 18 materials, 18 x 800 + 6 x 2 000 = 26 400;
//   armour +0 -> +4 at 0: 70 x 50 / 100 = 35 %, 2.86 attempts: 3 items,
//     3 x 4 = 12 materials, 12 x 800 + 3 x 2 000 = 15 600;
//   a third class with no safe level and every step at 1 %, fee 0, +0 -> +5
//   at 0: 10^-8 %, 10^10 attempts, past 32 bits: 10^10 items, 5 x 10^10
//   materials, 5 x 10^10 x 500 + 10^10 x 2 000 = 4.5 x 10^13.
TEST(PlanRefine, FiguresUnderOtherRules) {
    RefineRules rules;
    rules.researchPerLevel = 2;
    rules.classes = {{"Меч", "Steel", 100, 1000, 3, {50, 30}, 4, 6, false},
                     {"Щит", "Elunium", 500, 300, 2, {70, 50, 25}, 0, 0, true},
                     {"Хрупкое", "Phracon", 100, 0, 0, {1, 1, 1, 1, 1}, 1, 1, false}};
    struct Row {
        std::size_t classIndex;
        std::int32_t from, to, research;
        const char* rate;
        std::int64_t materials, items;
        std::int64_t cost;
    };
    const Row rows[] = {
        {0, 3, 5, 5, "24", 8, 5, 22'000},
        {0, 0, 5, 0, "15", 35, 7, 66'500},
        {0, 0, 3, 5, "100", 3, 1, 6'500},
        {0, 4, 5, 50, "100", 1, 1, 3'500},
        {1, 2, 5, 5, "16.8", 18, 6, 26'400},
        {1, 0, 4, 0, "35", 12, 3, 15'600},
        {2, 0, 5, 0, "1E-8", 50'000'000'000, 10'000'000'000, 45'000'000'000'000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "class " << row.classIndex << " +" << row.from << " to +" << row.to
                                        << " research " << row.research);
        const auto plan = PlanRefine(rules, {row.classIndex, row.from, row.to, row.research, 500, 2000, false});
        ASSERT_TRUE(plan.ok()) << plan.error().sourceText();
        ASSERT_TRUE(plan->outcome.rate.has_value());
        EXPECT_EQ(FormatGeneral(*plan->outcome.rate, '.'), row.rate);
        EXPECT_EQ(plan->outcome.materialCount, row.materials);
        EXPECT_EQ(plan->outcome.itemCount, row.items);
        EXPECT_EQ(plan->cost, row.cost);
    }
}

// A step priced within a rounding of 2^63 Zeny: its budget is too much to
// count, never a sum converted out of range.
TEST(PlanRefine, AStepPricedNearTwoToTheSixtyThreeIsTooMuch) {
    const auto plan = PlanRefine(BuiltInRules().refine, {1, 8, 9, 49, 9'223'372'036'854'775'507, 0});
    ASSERT_TRUE(plan.ok()) << plan.error().sourceText();
    for (const RefineBudgetLevel& level : *plan->budget) EXPECT_EQ(level.cost, std::nullopt) << level.chance;
}

TEST(PlanRefine, NothingToDoAndWhatCannotBePlanned) {
    const RefineRules& rules = BuiltInRules().refine;
    const auto nothing = PlanRefine(rules, {0, 8, 8, 10, 200, 0});
    ASSERT_TRUE(nothing.ok());
    EXPECT_FALSE(nothing->budget || nothing->expected || nothing->spending);
    EXPECT_EQ(nothing->chanceWithinInTenths(1000), std::nullopt);

    EXPECT_EQ(PlanRefine(rules, {0, 0, 8, std::nullopt, 200, 0}).error().sourceText(), kUnreadableResearchMessage);
    EXPECT_TRUE(PlanRefine(rules, {0, 0, 7, std::nullopt, 200, 0}).ok());  // a safe refine needs no research
    EXPECT_EQ(PlanRefine(rules, {0, 7, 8, -60, 200, 0}).error().sourceText(),
              "Шанс успешной заточки на +8 равен 0%, расчёт невозможен");

    // Prices at the edge of 64 bits: counted, or too much, never wrapped.
    const auto dear = PlanRefine(rules, {3, 0, 10, 10, std::int64_t{1} << 62, std::int64_t{1} << 62});
    ASSERT_TRUE(dear.ok());
    EXPECT_EQ(dear->cost, std::nullopt);
    EXPECT_EQ(dear->tryCost, std::nullopt);
    EXPECT_EQ(dear->budget->front().cost, std::nullopt);
    EXPECT_EQ(dear->budget->front().items, 220);
    EXPECT_EQ(dear->chanceWithinInTenths(std::numeric_limits<std::int64_t>::max()), 0);
}

}  // namespace
}  // namespace trivelon
