// Refining: the built-in classes, the expectation from +c to +t, level
// texts, the cost and how picking a class or a level changes a refine.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "built_in_rules.h"
#include "core/numbers.h"
#include "core/refine.h"
#include "core/refine_plan.h"

namespace trivelon {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

// What picking a class shows: its safe refine, the same as the computed refine
// from +0 to the safe level, at the default material price.
TEST(RefineTables, SafeRefineOfEachClass) {
    struct Row {
        std::int32_t level;
        const char* bonus;
        std::int64_t cost;
    };
    const Row rows[] = {{7, "ATK +14", 1750},
                        {6, "ATK +18", 7200},
                        {5, "ATK +25", 50000},
                        {4, "ATK +28", 100000},
                        {4, "DEF +3", 248000}};
    const RefineRules& rules = BuiltInRules().refine;
    ASSERT_EQ(std::size(rows), rules.classes.size());
    for (std::size_t i = 0; i < rules.classes.size(); ++i) {
        const RefineClassRule& cls = rules.classes[i];
        SCOPED_TRACE(cls.name);
        EXPECT_EQ(FindRefineClass(rules, cls.name), i);

        const SafeRefine safe = SafeRefineOf(cls);
        EXPECT_EQ(std::tie(safe.level, safe.bonusText, safe.cost),
                  std::tie(rows[i].level, rows[i].bonus, rows[i].cost));

        auto computed = ComputeRefine(cls, 0, safe.level, 10);
        ASSERT_TRUE(computed.ok()) << computed.error().sourceText();
        EXPECT_EQ(computed->bonusText, safe.bonusText);
        EXPECT_EQ(computed->materialCount, safe.level);
        EXPECT_EQ(computed->itemCount, 1);
        ASSERT_TRUE(computed->rate.has_value());
        EXPECT_EQ(*computed->rate, Extended(100));
        EXPECT_EQ(*RefineCost(computed->materialCount, computed->itemCount, cls.materialPrice, cls.fee, 0), safe.cost);
    }
    EXPECT_EQ(FindRefineClass(rules, "Одежда "), std::nullopt);
    EXPECT_EQ(FindRefineClass(rules, "оружие 1 уровня"), std::nullopt);
}

struct OutcomeRow {
    std::int32_t classNumber, target;
    const char* rate10;
    std::int32_t materials10, items10;
    const char* bonus;
    const char* rate0;
    std::int32_t materials0, items0;
};

class RefineFromZero : public ::testing::TestWithParam<OutcomeRow> {};

TEST_P(RefineFromZero, MatchesTheOutcomeAtWeaponryResearchTenAndZero) {
    const OutcomeRow& row = GetParam();
    struct Expected {
        std::int32_t w;
        const char* rate;
        std::int32_t materials, items;
    };
    for (const Expected& e :
         {Expected{10, row.rate10, row.materials10, row.items10}, Expected{0, row.rate0, row.materials0, row.items0}}) {
        SCOPED_TRACE("W " + std::to_string(e.w));
        auto outcome = ComputeRefine(BuiltInClass(row.classNumber), 0, row.target, e.w);
        ASSERT_TRUE(outcome.ok()) << outcome.error().sourceText();
        ASSERT_TRUE(outcome->rate.has_value());
        EXPECT_EQ(FormatGeneral(*outcome->rate, '.'), e.rate);
        EXPECT_EQ(outcome->materialCount, e.materials);
        EXPECT_EQ(outcome->itemCount, e.items);
        EXPECT_EQ(outcome->bonusText, row.bonus);
    }
}

INSTANTIATE_TEST_SUITE_P(AllClasses, RefineFromZero,
                         ::testing::Values(OutcomeRow{1, 8, "70", 8, 2, "ATK +16+1-3", "60", 16, 2},
                                           OutcomeRow{1, 9, "35", 27, 3, "ATK +18+1-6", "24", 36, 5},
                                           OutcomeRow{1, 10, "10.5", 100, 10, "ATK +20+1-9", "4.8", 210, 21},
                                           OutcomeRow{2, 7, "70", 7, 2, "ATK +21+1-5", "60", 14, 2},
                                           OutcomeRow{2, 8, "35", 24, 3, "ATK +24+1-10", "24", 32, 5},
                                           OutcomeRow{2, 9, "10.5", 90, 10, "ATK +27+1-15", "4.8", 189, 21},
                                           OutcomeRow{2, 10, "3.15", 320, 32, "ATK +30+1-20", "0.96", 1040, 105},
                                           OutcomeRow{3, 6, "70", 6, 2, "ATK +30+1-8", "60", 12, 2},
                                           OutcomeRow{3, 7, "42", 14, 3, "ATK +35+1-16", "30", 21, 4},
                                           OutcomeRow{3, 8, "12.6", 64, 8, "ATK +40+1-24", "6", 136, 17},
                                           OutcomeRow{3, 9, "3.78", 234, 27, "ATK +45+1-32", "1.2", 747, 84},
                                           OutcomeRow{3, 10, "1.134", 880, 89, "ATK +50+1-40", "0.24", 4170, 417},
                                           OutcomeRow{4, 5, "70", 5, 2, "ATK +35+1-14", "60", 10, 2},
                                           OutcomeRow{4, 6, "35", 18, 3, "ATK +42+1-28", "24", 24, 5},
                                           OutcomeRow{4, 7, "17.5", 42, 6, "ATK +49+1-42", "9.6", 70, 11},
                                           OutcomeRow{4, 8, "5.25", 152, 20, "ATK +56+1-56", "1.92", 416, 53},
                                           OutcomeRow{4, 9, "1.575", 567, 64, "ATK +63+1-70", "0.384", 2340, 261},
                                           OutcomeRow{4, 10, "0.315", 3170, 318, "ATK +70+1-84", "0.0384", 26040, 2605},
                                           OutcomeRow{5, 5, "70", 5, 2, "DEF +4", "60", 10, 2},
                                           OutcomeRow{5, 6, "35", 18, 3, "DEF +4", "24", 24, 5},
                                           OutcomeRow{5, 7, "17.5", 42, 6, "DEF +5", "9.6", 70, 11},
                                           OutcomeRow{5, 8, "5.25", 152, 20, "DEF +6", "1.92", 416, 53},
                                           OutcomeRow{5, 9, "1.575", 567, 64, "DEF +6", "0.384", 2340, 261},
                                           OutcomeRow{5, 10, "0.315", 3170, 318, "DEF +7", "0.0384", 26040, 2605}));

struct PartialCase {
    std::int32_t classNumber, cur, fin, w;
    const char* rate;
    std::int32_t materials, items;
    const char* bonus;
};

TEST(ComputeRefine, RoundingOfTheExpectedAttempts) {
    for (const PartialCase& c : {
             // Q = 2.5 exactly: the half goes to the even 2, items round up to 3.
             PartialCase{1, 8, 9, 0, "40", 2, 3, "ATK +2+1-3"},
             PartialCase{1, 8, 10, 0, "8", 24, 13, "ATK +4+1-6"},
             // Q lies just above 1562.5 at extended precision.
             PartialCase{4, 5, 10, 0, "0.064", 7815, 1563, "ATK +35+1-70"},
             PartialCase{5, 5, 10, 0, "0.064", 7815, 1563, "DEF +4"},
             PartialCase{3, 6, 10, 10, "1.62", 248, 62, "ATK +20+1-32"},
             // Safe steps below the first risky one still count as materials.
             PartialCase{1, 3, 8, 10, "70", 5, 2, "ATK +10+1-3"},
         }) {
        SCOPED_TRACE("class " + std::to_string(c.classNumber) + " +" + std::to_string(c.cur) + " -> +" +
                     std::to_string(c.fin) + " W " + std::to_string(c.w));
        auto outcome = ComputeRefine(BuiltInClass(c.classNumber), c.cur, c.fin, c.w);
        ASSERT_TRUE(outcome.ok()) << outcome.error().sourceText();
        ASSERT_TRUE(outcome->rate.has_value());
        EXPECT_EQ(FormatGeneral(*outcome->rate, '.'), c.rate);
        EXPECT_EQ(outcome->materialCount, c.materials);
        EXPECT_EQ(outcome->itemCount, c.items);
        EXPECT_EQ(outcome->bonusText, c.bonus);
    }
}

TEST(ComputeRefine, SafeRefinesAndEmptyRiskyRefines) {
    auto safeNone = ComputeRefine(BuiltInClass(2), 3, 3, 10);
    ASSERT_TRUE(safeNone.ok());
    EXPECT_EQ(safeNone->rate, Extended(100));
    EXPECT_EQ(safeNone->materialCount, 0);
    EXPECT_EQ(safeNone->itemCount, 1);
    EXPECT_EQ(safeNone->bonusText, "ATK +0");
    EXPECT_EQ(ComputeRefine(BuiltInClass(5), 2, 2, 10)->bonusText, "DEF +0");

    // A safe refine does not depend on Weaponry Research at all.
    auto safeAnyW = ComputeRefine(BuiltInClass(1), 0, 7, -1000);
    ASSERT_TRUE(safeAnyW.ok());
    EXPECT_EQ(safeAnyW->bonusText, "ATK +14");

    for (std::int32_t classNumber : {1, 5}) {
        auto nothing = ComputeRefine(BuiltInClass(classNumber), 8, 8, 10);
        ASSERT_TRUE(nothing.ok());
        EXPECT_FALSE(nothing->rate.has_value());
        EXPECT_EQ(nothing->materialCount, 0);
        EXPECT_EQ(nothing->itemCount, 0);
        EXPECT_EQ(nothing->bonusText, classNumber == 5 ? "DEF +0" : "ATK +0");
    }
}

TEST(ComputeRefine, ArmourDefenceByLevelsGained) {
    const std::int32_t defence[] = {0, 1, 1, 2, 3, 4, 4, 5, 6, 6, 7};
    for (std::int32_t n = 0; n <= 10; ++n) {
        auto outcome = ComputeRefine(BuiltInClass(5), 0, n, 10);
        ASSERT_TRUE(outcome.ok()) << n;
        EXPECT_EQ(outcome->bonusText, "DEF +" + std::to_string(defence[n])) << n;
    }
    EXPECT_EQ(ComputeRefine(BuiltInClass(5), 1, 10, 10)->bonusText, "DEF +6");
}

TEST(ComputeRefine, StepRatesAtOrBelowZeroAreErrors) {
    auto zero = ComputeRefine(BuiltInClass(1), 7, 8, -60);
    ASSERT_FALSE(zero.ok());
    EXPECT_EQ(zero.error().sourceText(), "Шанс успешной заточки на +8 равен 0%, расчёт невозможен");

    EXPECT_FALSE(ComputeRefine(BuiltInClass(1), 7, 8, -70).ok());
    // Two negative steps multiply to a positive product; still no valid rate.
    EXPECT_FALSE(ComputeRefine(BuiltInClass(1), 7, 9, -70).ok());
    EXPECT_FALSE(ComputeRefine(BuiltInClass(4), 0, 10, std::numeric_limits<std::int32_t>::min()).ok());
}

// A step can be no more than certain: far beyond 100 per step the chance is
// 100 % and every level gained takes its material.
TEST(ComputeRefine, StepsAboveOneHundredAreCertain) {
    for (const std::int32_t w : {90, 100, kMax}) {
        auto outcome = ComputeRefine(BuiltInClass(4), 4, 10, w);
        ASSERT_TRUE(outcome.ok()) << outcome.error().sourceText();
        EXPECT_EQ(*outcome->rate, Extended(100)) << w;
        EXPECT_EQ(outcome->itemCount, 1);
        EXPECT_EQ(outcome->materialCount, 6);
        EXPECT_TRUE(outcome->tryChance->certain());
    }
    EXPECT_EQ(*ComputeRefine(BuiltInClass(5), 0, 7, 100)->rate, Extended(100));
    EXPECT_EQ(ComputeRefine(BuiltInClass(5), 0, 7, 100)->materialCount, 7);
}

TEST(RefineNeedsWeaponryResearch, OnlyWithStepsAboveTheSafeLevel) {
    EXPECT_FALSE(RefineNeedsWeaponryResearch(BuiltInClass(1), 0, 7));
    EXPECT_TRUE(RefineNeedsWeaponryResearch(BuiltInClass(1), 0, 8));
    EXPECT_FALSE(RefineNeedsWeaponryResearch(BuiltInClass(1), 8, 8));
    EXPECT_TRUE(RefineNeedsWeaponryResearch(BuiltInClass(5), 4, 5));
    EXPECT_FALSE(RefineNeedsWeaponryResearch(BuiltInClass(5), 0, 4));
}

TEST(ParseLevel, AcceptsTheSelectorTextsAsPlayersTypeThem) {
    const RefineRules& rules = BuiltInRules().refine;
    for (std::int32_t level = 0; level <= 10; ++level) {
        const std::string text = "+" + std::to_string(level);
        EXPECT_EQ(LevelText(level), text);
        EXPECT_EQ(ParseLevel(text, rules, LevelKind::Current),
                  level <= 9 ? std::optional<std::int32_t>(level) : std::nullopt)
            << text;
        EXPECT_EQ(ParseLevel(text, rules, LevelKind::Target),
                  level >= 1 ? std::optional<std::int32_t>(level) : std::nullopt)
            << text;
    }
    for (const char* text : {" +1", "+1 ", "+01", "1", " 1\t"}) {
        EXPECT_EQ(ParseLevel(text, rules, LevelKind::Current), 1) << text;
        EXPECT_EQ(ParseLevel(text, rules, LevelKind::Target), 1) << text;
    }
    EXPECT_EQ(ParseLevel("10", rules, LevelKind::Target), 10);
    for (const char* text : {"", "+", "+ 1", "++1", "+11", "-1", "+1O", "＋1", "100", "1 0"}) {
        EXPECT_FALSE(ParseLevel(text, rules, LevelKind::Current).has_value()) << text;
        EXPECT_FALSE(ParseLevel(text, rules, LevelKind::Target).has_value()) << text;
    }
}

TEST(RefineCost, MaterialsAndFeesPerMaterialPlusItemsInSixtyFourBits) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t materials, items, materialPrice, fee, itemPrice;
        std::optional<std::int64_t> cost;
    };
    const Case cases[] = {
        {7, 1, 200, 50, 0, 1750},
        {8, 2, 200, 50, 0, 2000},
        {6, 1, 1000, 200, 500, 7700},
        {1, 1, -300, 50, 0, -250},
        // Weapon level 4 from +4 to +10 without research, an item at 900 000.
        {15624, 2605, 5000, 20000, 900000, 2'735'100'000},
        {26040, 2605, 100000, 20000, 0, 3'124'800'000},
        {1, 1, kMax, 1, 0, std::int64_t{kMax} + 1},
        // 2^62 + 2^62 leaves the range; with a term below 0 the sum is back
        // in it, up to the largest 64-bit figure.
        {kMin, 1, kMin, kMin, -1, kLargest},
        {kMin, kMin, kMin, kMin, 1, kLargest - kMax},
        {kMin, kMin, kMin, kMin, 0, std::nullopt},
        {kMax, kMax, kMax, kMax, kMax, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RefineCost(c.materials, c.items, c.materialPrice, c.fee, c.itemPrice), c.cost)
            << c.materials << " " << c.items << " " << c.materialPrice << " " << c.fee << " " << c.itemPrice;
}

TEST(RefineState, StartAndClassChange) {
    const RefineRules& rules = BuiltInRules().refine;
    RefineState state;
    EXPECT_EQ(std::tie(state.currentLevel, state.targetLevel, state.classIndex), std::make_tuple(0, 7, std::size_t{0}));

    state.currentLevel = 3;
    state.targetLevel = 9;
    ApplyRefineClass(state, rules, 1);
    EXPECT_EQ(std::tie(state.currentLevel, state.targetLevel, state.classIndex), std::make_tuple(0, 6, std::size_t{1}));
    ApplyRefineClass(state, rules, 4);
    EXPECT_EQ(std::tie(state.currentLevel, state.targetLevel, state.classIndex), std::make_tuple(0, 4, std::size_t{4}));
    // A class starts as its safe refine: its fee, one item, a material per level.
    const auto plan = PlanRefine(rules, {state.classIndex, state.currentLevel, state.targetLevel, 10, 0, 0, false});
    ASSERT_TRUE(plan.ok()) << plan.error().sourceText();
    EXPECT_EQ(std::tie(plan->attemptFee, plan->outcome.itemCount, plan->outcome.materialCount),
              std::make_tuple(BuiltInClass(5).fee, 1, 4));
}

// The chance of one try is the exact product of the step rates: a safe
// refine is certain, nothing to do has none, and steps above 100 % are
// certain. A try's cost is counted in 64 bits.
TEST(RefineTry, ChanceAndCost) {
    EXPECT_TRUE(ComputeRefine(BuiltInClass(1), 0, 7, 10)->tryChance->certain());
    EXPECT_FALSE(ComputeRefine(BuiltInClass(1), 8, 8, 10)->tryChance);
    EXPECT_TRUE(ComputeRefine(BuiltInClass(4), 0, 10, 2'000'000'000)->tryChance->certain());

    EXPECT_EQ(ComputeRefine(BuiltInClass(4), 5, 10, 0)->tryChance->triesFor(90).value(), 3597);
    EXPECT_EQ(RefineTryCost(5, 0, 5000, 20000), 125000);
    EXPECT_EQ(RefineTryCost(2, 1, kLargest / 2, 1), std::nullopt);
}

}  // namespace
}  // namespace trivelon
