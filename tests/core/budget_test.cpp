// Budgets for repeated tries: tries per certainty against hand-worked cases
// and against whole-number arithmetic, costs at the 64-bit edge, and the
// chance a sum of money buys.
#include "core/budget.h"

#include <random>

#include <gtest/gtest.h>
#include <boost/multiprecision/cpp_int.hpp>

namespace trivelon {
namespace {

TryChance Percent(std::int64_t mantissa, int scale) {
    auto chance = TryChance::FromPercent(mantissa, scale);
    EXPECT_TRUE(chance);
    return *chance;
}

struct TriesCase {
    const char* name;
    std::int64_t mantissa;
    int scale;
    std::int64_t tries50, tries90, tries99;
};

class TriesForEachCertainty : public ::testing::TestWithParam<TriesCase> {};

TEST_P(TriesForEachCertainty, AreTheSmallestThatReachIt) {
    const TriesCase& c = GetParam();
    const TryChance chance = Percent(c.mantissa, c.scale);
    EXPECT_EQ(*chance.triesFor(50), c.tries50);
    EXPECT_EQ(*chance.triesFor(90), c.tries90);
    EXPECT_EQ(*chance.triesFor(99), c.tries99);
}

INSTANTIATE_TEST_SUITE_P(HandWorked, TriesForEachCertainty,
                         ::testing::Values(TriesCase{"certain", 100, 0, 1, 1, 1},
                                           TriesCase{"above_certain", 2505, 1, 1, 1, 1},
                                           TriesCase{"half", 50, 0, 1, 4, 7},
                                           // 0.1^2 = 0.01 exactly: two tries reach 99 %, not three.
                                           TriesCase{"ninety_exact_boundary", 90, 0, 1, 1, 2},
                                           TriesCase{"ninety_nine_exact_boundary", 99, 0, 1, 1, 1},
                                           TriesCase{"one", 1, 0, 69, 230, 459},
                                           TriesCase{"weapon_fraction", 335, 1, 2, 6, 12},
                                           // Level-4 weapon +5 to +10 without Weaponry Research.
                                           TriesCase{"refine_0_064", 64, 3, 1083, 3597, 7194},
                                           // The smallest refine rate: level 4 from +0 to +10 without research.
                                           TriesCase{"refine_0_0384", 384, 4, 1805, 5996, 11991},
                                           // One step of 1 % in six, the lowest a positive research can leave.
                                           TriesCase{"tiny", 1, 10, 693147180560LL, 2302585092993LL, 4605170185986LL}),
                         [](const auto& row) { return std::string(row.param.name); });

// The float shortcut agrees with whole-number arithmetic on random rates of
// up to 15 significant digits.
TEST(TryChance, AgreesWithWholeNumbersOnRandomRates) {
    using boost::multiprecision::cpp_int;
    std::mt19937_64 random(20061207);
    for (int i = 0; i < 2000; ++i) {
        const int scale = static_cast<int>(random() % 14);
        std::int64_t whole = 100;
        for (int s = 0; s < scale; ++s) whole *= 10;
        const auto mantissa = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(whole - 1)) + 1;
        const TryChance chance = Percent(mantissa, scale);
        for (std::int32_t percent : kBudgetChances) {
            const std::int64_t tries = *chance.triesFor(percent);
            if (tries > 400) continue;  // exact powers grow too long to be quick
            const cpp_int failing = whole - mantissa;
            auto reaches = [&](std::int64_t m) {
                return pow(failing, static_cast<unsigned>(m)) * 100 <=
                       pow(cpp_int(whole), static_cast<unsigned>(m)) * (100 - percent);
            };
            ASSERT_TRUE(reaches(tries)) << mantissa << "e-" << scale << " at " << percent;
            if (tries > 1) {
                ASSERT_FALSE(reaches(tries - 1)) << mantissa << "e-" << scale << " at " << percent;
            }
        }
    }
}

TEST(TryChance, RefusesRatesItCannotHold) {
    EXPECT_FALSE(TryChance::FromPercent(0, 0));
    EXPECT_FALSE(TryChance::FromPercent(-5, 1));
    EXPECT_FALSE(TryChance::FromPercent(1, 17));
    EXPECT_TRUE(TryChance::FromPercent(100000000000000000, 17));  // 1 %, after its zeros
}

TEST(PlanBudget, CostsAreTriesTimesTheTryCost) {
    // The refine above with item 0, material 5000 and fee 20000: five
    // materials and fees a try, one player in ten needs over 449 million.
    const auto budget = PlanBudget(Percent(64, 3), 125000);
    ASSERT_TRUE(budget);
    EXPECT_EQ(budget->levels[1].chance, 90);
    EXPECT_EQ(budget->levels[1].cost, 449625000);
    EXPECT_EQ(budget->levels[2].cost, 7194LL * 125000);

    const auto free = PlanBudget(Percent(1, 0), 0);
    EXPECT_EQ(free->levels[2].tries, 459);
    EXPECT_EQ(free->levels[2].cost, 0);

    const auto negative = PlanBudget(Percent(50, 0), -300);
    EXPECT_EQ(negative->levels[2].cost, -2100);

    // Beyond 64 bits the cost is missing, the tries are still there.
    const auto huge = PlanBudget(Percent(1, 10), 4'000'000'000'000LL);
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->levels[0].tries, 693147180560LL);
    EXPECT_FALSE(huge->levels[0].cost);
}

TEST(ChanceWithinMoney, CountsTheTriesPaidFor) {
    const TryChance half = Percent(50, 0);
    EXPECT_EQ(ChanceWithinMoneyInTenths(half, 100, 99), 0);
    EXPECT_EQ(ChanceWithinMoneyInTenths(half, 100, 250), 750);  // two tries
    EXPECT_EQ(ChanceWithinMoneyInTenths(half, 100, -500), 0);
    EXPECT_EQ(ChanceWithinMoneyInTenths(half, 0, 0), 1000);  // tries cost nothing
    EXPECT_EQ(ChanceWithinMoneyInTenths(half, -10, 0), 1000);
    // 1 - 0.99^459 = 0.990 and more, never 100.0 while a try can still fail.
    EXPECT_EQ(ChanceWithinMoneyInTenths(Percent(1, 0), 1, 459), 990);
    EXPECT_EQ(ChanceWithinMoneyInTenths(Percent(1, 0), 1, 100000), 999);
    EXPECT_EQ(ChanceWithinMoneyInTenths(Percent(100, 0), 1, 1), 1000);
    EXPECT_EQ(PercentText(999, ','), "99,9");
    EXPECT_EQ(PercentText(1000, '.'), "100.0");
    EXPECT_EQ(PercentText(5, '.'), "0.5");
}

}  // namespace
}  // namespace trivelon
