// What a refine really uses per success, attempts stopping at the step that
// breaks the item: worked cases by hand, the rounding for display, errors, and
// every refine against an absorbing Markov chain solved exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "built_in_rules.h"
#include "core/refine.h"
#include "core/refine_expectation.h"

namespace trivelon {
namespace {

using boost::multiprecision::cpp_int;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::string Describe(std::int32_t classNumber, std::int32_t cur, std::int32_t fin, std::int32_t w) {
    return "class " + std::to_string(classNumber) + " +" + std::to_string(cur) + " -> +" + std::to_string(fin) + " W " +
           std::to_string(w);
}

struct WorkedCase {
    const char* why;
    std::int32_t classNumber, cur, fin, w;
    RefinePrices prices;
    Rational items, materials, cost;                    // exact
    std::int64_t itemsTenths, materialsTenths, cost64;  // rounded once
    const char* itemsText;
    const char* materialsText;
};

TEST(ExpectRefine, WorkedCases) {
    // One case a block, its fields in the order of WorkedCase.
    // clang-format off
    const WorkedCase cases[] = {
        // The table. A = 0.4 x 0.4 x 0.2 x 0.2 x 0.1 = 0.00064,
        // E = 1 + 0.4 + 0.16 + 0.032 + 0.0064 = 1.5984: the tab shows 7815.
        {"level-4 weapon W 0 +5 -> +10", 4, 5, 10, 0, {5000, 20000, 0},
         Rational(3125, 2), Rational(4995, 2), Rational(62437500),
         15625, 24975, 62437500, "1562.5", "2497.5"},
        // Seven safe steps and one at 70 %: E = 8, A = 0.7; the tab shows 8.
        {"level-1 weapon W 10 +0 -> +8", 1, 0, 8, 10, {200, 50, 0},
         Rational(10, 7), Rational(80, 7), Rational(20000, 7),
         14, 114, 2857, "1.4", "11.4"},
        // A = 0.4, E = 1; the tab shows 2 (2.5 rounded to the even 2).
        {"level-1 weapon W 0 +8 -> +9", 1, 8, 9, 0, {200, 50, 0},
         Rational(5, 2), Rational(5, 2), Rational(625),
         25, 25, 625, "2.5", "2.5"},
        {"the same with an item price", 1, 8, 9, 0, {200, 50, 1000},
         Rational(5, 2), Rational(5, 2), Rational(3125),
         25, 25, 3125, "2.5", "2.5"},
        // Safe: one item, a material and a fee per level, whatever W.
        {"safe refine", 1, 0, 7, -1000, {200, 50, 300},
         Rational(1), Rational(7), Rational(2050),
         10, 70, 2050, "1.0", "7.0"},
        {"safe refine of no levels", 2, 3, 3, 10, {1000, 200, 300},
         Rational(1), Rational(0), Rational(300),
         10, 0, 300, "1.0", "0.0"},
        {"armour to its safe level", 5, 0, 4, 10, {60000, 2000, 0},
         Rational(1), Rational(4), Rational(248000),
         10, 40, 248000, "1.0", "4.0"},
        // W 60: the chances 120 and 100 are capped at 1, the last is 80 %:
        // A = 0.8, E = 3. Items 1.25, materials 3.75 and Zeny 937.5 are ties,
        // each going to the even neighbour.
        {"step chances above 100 %", 1, 7, 10, 60, {200, 50, 0},
         Rational(5, 4), Rational(15, 4), Rational(1875, 2),
         12, 38, 938, "1.2", "3.8"},
        {"certain above the safe level", 4, 4, 10, kMax, {5000, 20000, 7},
         Rational(1), Rational(6), Rational(150007),
         10, 60, 150007, "1.0", "6.0"},
        // The smallest step chance, 1 %: A = 51 x 31 x 31 x 11 x 11 x 1 / 10^12.
        {"level-4 weapon W -9 +0 -> +10", 4, 0, 10, -9, {5000, 20000, 0},
         Rational(1000000000000, 5930331), Rational(5723095243100, 5930331), Rational(143077381077500000, 5930331),
         1686247, 9650549, 24126373566, "168624.7", "965054.9"},
        // The largest figures 32-bit prices reach: level-3 weapon at W -19,
        // A = 41 x 31 x 1 x 1 x 1 / 10^10.
        {"the largest Zeny", 3, 0, 10, -19, {kMax, kMax, kMax},
         Rational(10000000000, 1271), Rational(65383837100, 1271),
         Rational(cpp_int("302296278370723807400"), cpp_int(1271)),
         78678206, 514428301, 237841289040695364, "7867820.6", "51442830.1"},
        {"the most negative Zeny", 3, 0, 10, -19, {kMin, kMin, kMin},
         Rational(10000000000, 1271), Rational(65383837100, 1271),
         Rational(cpp_int("-302296278511491481600"), cpp_int(1271)),
         78678206, 514428301, -237841289151448845, "7867820.6", "51442830.1"},
    };
    // clang-format on
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(std::string(c.why) + ", " + Describe(c.classNumber, c.cur, c.fin, c.w));
        auto exact = ExpectRefine(BuiltInClass(c.classNumber), c.cur, c.fin, c.w, c.prices);
        ASSERT_TRUE(exact.ok()) << exact.error().sourceText();
        ASSERT_TRUE(exact->has_value());
        EXPECT_EQ((*exact)->items, c.items);
        EXPECT_EQ((*exact)->materials, c.materials);
        EXPECT_EQ((*exact)->cost, c.cost);

        auto figures = ExpectRefineFigures(BuiltInClass(c.classNumber), c.cur, c.fin, c.w, c.prices);
        ASSERT_TRUE(figures.ok()) << figures.error().sourceText();
        ASSERT_TRUE(figures->has_value());
        EXPECT_EQ((*figures)->itemsTenths, c.itemsTenths);
        EXPECT_EQ((*figures)->materialsTenths, c.materialsTenths);
        EXPECT_EQ((*figures)->cost, c.cost64);
        EXPECT_EQ(TenthsText((*figures)->itemsTenths, '.'), c.itemsText);
        EXPECT_EQ(TenthsText((*figures)->materialsTenths, '.'), c.materialsText);
    }
}

// The tab's own figures do not change: they still count every step.
TEST(ExpectRefine, LeavesTheTabsFiguresAsTheyAre) {
    auto tab = ComputeRefine(BuiltInClass(4), 5, 10, 0);
    ASSERT_TRUE(tab.ok());
    EXPECT_EQ(tab->materialCount, 7815);
    EXPECT_EQ(tab->itemCount, 1563);
    EXPECT_EQ(ComputeRefine(BuiltInClass(1), 0, 8, 10)->materialCount, 8);
    EXPECT_EQ(ComputeRefine(BuiltInClass(1), 8, 9, 0)->materialCount, 2);
}

TEST(ExpectRefine, NothingToDoAboveTheSafeLevel) {
    struct Case {
        std::int32_t classNumber, level, w;
    };
    for (const Case& c : {Case{1, 8, 10}, Case{1, 10, 0}, Case{4, 5, 10}, Case{5, 10, -1000}, Case{3, 9, kMin}}) {
        SCOPED_TRACE(Describe(c.classNumber, c.level, c.level, c.w));
        auto exact = ExpectRefine(BuiltInClass(c.classNumber), c.level, c.level, c.w, {5000, 20000, 100});
        ASSERT_TRUE(exact.ok()) << exact.error().sourceText();
        EXPECT_FALSE(exact->has_value());
        auto figures = ExpectRefineFigures(BuiltInClass(c.classNumber), c.level, c.level, c.w, {5000, 20000, 100});
        ASSERT_TRUE(figures.ok()) << figures.error().sourceText();
        EXPECT_FALSE(figures->has_value());
    }
}

// A step chance at or below 0 gives the message the tab gives for it.
TEST(ExpectRefine, StepChancesAtOrBelowZeroAreTheTabsErrors) {
    struct Case {
        std::int32_t classNumber, cur, fin, w;
        const char* message;
    };
    const Case cases[] = {
        {1, 7, 8, -60, "Шанс успешной заточки на +8 равен 0%, расчёт невозможен"},
        {1, 0, 8, -60, "Шанс успешной заточки на +8 равен 0%, расчёт невозможен"},
        {4, 0, 10, -10, "Шанс успешной заточки на +10 равен 0%, расчёт невозможен"},
        {1, 7, 10, -20, "Шанс успешной заточки на +10 равен 0%, расчёт невозможен"},  // 40, 20, 0
        {1, 7, 8, -70, "Шанс успешной заточки на +8 равен -10%, расчёт невозможен"},
        {1, 7, 10, -30, "Шанс успешной заточки на +10 равен -10%, расчёт невозможен"},  // 30, 10, -10
        {1, 7, 9, -70, "Шанс успешной заточки на +8 равен -10%, расчёт невозможен"},    // -10 x -30 > 0
        {4, 0, 10, kMin, "Шанс успешной заточки на +5 равен -2147483588%, расчёт невозможен"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.classNumber, c.cur, c.fin, c.w));
        auto exact = ExpectRefine(BuiltInClass(c.classNumber), c.cur, c.fin, c.w, {200, 50, 0});
        ASSERT_FALSE(exact.ok());
        EXPECT_EQ(exact.error().sourceText(), c.message);
        auto figures = ExpectRefineFigures(BuiltInClass(c.classNumber), c.cur, c.fin, c.w, {200, 50, 0});
        ASSERT_FALSE(figures.ok());
        EXPECT_EQ(figures.error().sourceText(), c.message);
        auto tab = ComputeRefine(BuiltInClass(c.classNumber), c.cur, c.fin, c.w);
        ASSERT_FALSE(tab.ok());
        EXPECT_EQ(tab.error().sourceText(), c.message);
    }
}

// Rounded once, ties to even, and a Zeny figure beyond 64 bits is reported as
// such instead of wrapping.
TEST(RoundRefineExpectation, TiesGoToEvenAndZenyBeyond64BitsIsEmpty) {
    struct TenthsCase {
        Rational value;
        std::int64_t tenths;
    };
    for (const TenthsCase& c : {
             TenthsCase{Rational(1, 20), 0},  // 0.05
             TenthsCase{Rational(3, 20), 2},  // 0.15
             TenthsCase{Rational(5, 4), 12},  // 1.25
             TenthsCase{Rational(7, 4), 18},  // 1.75
             TenthsCase{Rational(1249, 1000), 12},
             TenthsCase{Rational(1251, 1000), 13},
             TenthsCase{Rational(10, 7), 14},
         }) {
        SCOPED_TRACE(c.value.str());
        const RefineExpectationFigures figures = RoundRefineExpectation({c.value, c.value, 0});
        EXPECT_EQ(figures.itemsTenths, c.tenths);
        EXPECT_EQ(figures.materialsTenths, c.tenths);
    }

    const cpp_int top = cpp_int(1) << 63;  // one above the largest 64-bit figure
    struct ZenyCase {
        Rational value;
        std::optional<std::int64_t> zeny;
    };
    for (const ZenyCase& c : {
             ZenyCase{Rational(1, 2), 0},
             ZenyCase{Rational(3, 2), 2},
             ZenyCase{Rational(-5, 2), -2},  // negative ties go to even as well
             ZenyCase{Rational(-7, 2), -4},
             ZenyCase{Rational(-1, 3), 0},
             ZenyCase{Rational(top - 1), std::numeric_limits<std::int64_t>::max()},
             ZenyCase{Rational(2 * top - 3, 2), std::numeric_limits<std::int64_t>::max() - 1},  // 2^63 - 1.5
             ZenyCase{Rational(2 * top - 5, 2), std::numeric_limits<std::int64_t>::max() - 1},  // 2^63 - 2.5
             ZenyCase{Rational(2 * top - 1, 2), std::nullopt},  // 2^63 - 0.5 goes to the even 2^63
             ZenyCase{Rational(top), std::nullopt},
             ZenyCase{Rational(-top), std::numeric_limits<std::int64_t>::min()},
             ZenyCase{Rational(-2 * top - 1, 2), std::numeric_limits<std::int64_t>::min()},  // to the even -2^63
             ZenyCase{Rational(-2 * top - 3, 2), std::nullopt},  // -2^63 - 1.5 goes to -2^63 - 2
             ZenyCase{Rational(top * top), std::nullopt},
             ZenyCase{Rational(-top * top), std::nullopt},
         }) {
        SCOPED_TRACE(c.value.str());
        EXPECT_EQ(RoundRefineExpectation({1, 1, c.value}).cost, c.zeny);
    }
}

TEST(TenthsText, OneDecimalAfterTheSeparator) {
    EXPECT_EQ(TenthsText(24975, '.'), "2497.5");
    EXPECT_EQ(TenthsText(114, ','), "11,4");
    EXPECT_EQ(TenthsText(70, '.'), "7.0");
    EXPECT_EQ(TenthsText(0, '.'), "0.0");
    EXPECT_EQ(TenthsText(5, ','), "0,5");
    EXPECT_EQ(TenthsText(-5, '.'), "-0.5");
    EXPECT_EQ(TenthsText(std::numeric_limits<std::int64_t>::max(), '.'), "922337203685477580.7");
    EXPECT_EQ(TenthsText(std::numeric_limits<std::int64_t>::min(), '.'), "-922337203685477580.8");
}

// The second way: the refine as an absorbing Markov chain. State i (0 <= i <
// n = t - c) is an item standing at +(c + i) about to try the next step, which
// uses one material and one fee; it passes with p_i to state i + 1 (or to
// success from the last), and otherwise breaks the item, which is replaced by
// a new one at +c, state 0. The expected materials, items and Zeny still to
// pay until success, x_i, satisfy
//   x_i - p_i x_{i+1} - (1 - p_i) x_0 = r_i,   x_n = 0,
// with r_i = (1 material, 1 - p_i items, material + fee + (1 - p_i) item);
// per success comes the first item on top of x_0. With p_i = q_i / 100 the
// equations times 100 are whole numbers, solved exactly by fraction-free
// (Bareiss) elimination, whose divisions all leave no remainder, then back
// substitution over rationals.
struct ChainSolution {
    Rational items, materials, cost;
};

ChainSolution SolveChain(const std::vector<std::int32_t>& percents, const RefinePrices& prices) {
    const std::size_t n = percents.size();
    constexpr std::size_t kColumns = 3;  // materials, items, Zeny
    // Each row: n coefficients, then the three right-hand sides.
    std::vector<std::vector<cpp_int>> rows(n, std::vector<cpp_int>(n + kColumns));
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t q = percents[i];
        std::vector<cpp_int>& row = rows[i];
        row[i] += 100;
        if (i + 1 < n) row[i + 1] -= q;
        row[0] -= 100 - q;
        row[n] = 100;
        row[n + 1] = 100 - q;
        row[n + 2] = 100 * (cpp_int(prices.material) + prices.fee) + cpp_int(100 - q) * prices.item;
    }
    cpp_int previous = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        while (rows[pivot][col] == 0) ++pivot;  // the system is regular while success is possible
        std::swap(rows[col], rows[pivot]);
        for (std::size_t r = col + 1; r < n; ++r) {
            for (std::size_t k = col + 1; k < n + kColumns; ++k) {
                const cpp_int cross = rows[col][col] * rows[r][k] - rows[r][col] * rows[col][k];
                rows[r][k] = cross / previous;
                EXPECT_EQ(rows[r][k] * previous, cross);  // exact
            }
            rows[r][col] = 0;
        }
        previous = rows[col][col];
    }
    std::vector<std::vector<Rational>> x(n, std::vector<Rational>(kColumns));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t k = 0; k < kColumns; ++k) {
            Rational sum = rows[i][n + k];
            for (std::size_t j = i + 1; j < n; ++j)
                if (rows[i][j] != 0) sum -= rows[i][j] * x[j][k];
            x[i][k] = sum / rows[i][i];
        }
    // State 0 is the item as each attempt starts it.
    return {1 + x[0][1], x[0][0], prices.item + x[0][2]};
}

TEST(ExpectRefine, AgreesWithAMarkovChainOverEveryRefine) {
    std::int32_t compared = 0, failed = 0;
    for (std::int32_t classNumber = 1; classNumber <= static_cast<std::int32_t>(BuiltInRules().refine.classes.size());
         ++classNumber) {
        const RefineClassRule& cls = BuiltInClass(classNumber);
        const RefinePrices prices{cls.materialPrice, cls.fee, 1000003};
        for (std::int32_t cur = 0; cur <= 9; ++cur)
            for (std::int32_t fin = cur + 1; fin <= 10; ++fin)
                for (std::int32_t w = -10; w <= 60; ++w) {
                    std::vector<std::int32_t> percents;
                    bool possible = true;
                    for (std::int32_t level = cur + 1; level <= fin; ++level) {
                        const std::int32_t percent = level <= cls.safeLevel ? 100 : cls.chanceTo(level) + w;
                        possible = possible && percent > 0;
                        percents.push_back(std::min(percent, 100));
                    }
                    auto exact = ExpectRefine(cls, cur, fin, w, prices);
                    if (!possible) {
                        ASSERT_FALSE(exact.ok()) << Describe(classNumber, cur, fin, w);
                        EXPECT_EQ(exact.error().sourceText(), ComputeRefine(cls, cur, fin, w).error().sourceText())
                            << Describe(classNumber, cur, fin, w);
                        ++failed;
                        continue;
                    }
                    ASSERT_TRUE(exact.ok()) << Describe(classNumber, cur, fin, w) << ": " << exact.error().sourceText();
                    ASSERT_TRUE(exact->has_value()) << Describe(classNumber, cur, fin, w);
                    const ChainSolution chain = SolveChain(percents, prices);
                    EXPECT_EQ((*exact)->items, chain.items) << Describe(classNumber, cur, fin, w);
                    EXPECT_EQ((*exact)->materials, chain.materials) << Describe(classNumber, cur, fin, w);
                    EXPECT_EQ((*exact)->cost, chain.cost) << Describe(classNumber, cur, fin, w);
                    ++compared;
                }
    }
    // 5 classes x 55 pairs x 71 levels of W, some with a step at or below 0.
    EXPECT_EQ(compared + failed, 5 * 55 * 71);
    EXPECT_GT(failed, 0);
    EXPECT_GT(compared, 5 * 55 * 60);
}

}  // namespace
}  // namespace trivelon
