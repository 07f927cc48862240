// Typed sums read in 64 bits, sums written short, and the round steps of a
// money axis.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "core/money_axis.h"
#include "core/money_text.h"
#include "core/numbers.h"

namespace trivelon {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(TryParseInt64, ReadsThePriceSyntaxInSixtyFourBits) {
    // clang-format off
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"0", 0}, {"  +42", 42}, {"-0", 0}, {"007", 7}, {"1000000000000", 1'000'000'000'000},
        {"$1E848", 125000}, {"x1f", 31}, {"X1F", 31}, {"0x1F", 31}, {"-0X10", -16}, {"-$10", -16},
        {"9223372036854775807", kMax}, {"-9223372036854775808", kMin}, {"$7FFFFFFFFFFFFFFF", kMax},
        {"-$8000000000000000", kMin},
        // Beyond 64 bits, or not the syntax at all.
        {"9223372036854775808", std::nullopt}, {"-9223372036854775809", std::nullopt},
        {"$8000000000000000", std::nullopt}, {"99999999999999999999999", std::nullopt},
        {"", std::nullopt}, {"   ", std::nullopt}, {"-", std::nullopt}, {"$", std::nullopt},
        {"0x", std::nullopt}, {"--5", std::nullopt}, {"-+5", std::nullopt}, {"$-5", std::nullopt},
        {"$+5", std::nullopt}, {"42 ", std::nullopt}, {"4 2", std::nullopt}, {"1.5", std::nullopt},
        {"1,5", std::nullopt}, {"12a", std::nullopt}, {"0x1G", std::nullopt}, {"\t5", std::nullopt},
        {"５", std::nullopt}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(TryParseInt64(text), value) << text;
        EXPECT_EQ(ParseLenientInt64(text), value.value_or(0)) << text;
    }
}

TEST(ShortAmountText, UsesTheLargestUnitReached) {
    struct Case {
        std::int64_t value;
        int fractionDigits;
        const char* text;
    };
    const Case cases[] = {{0, 3, "0"},
                          {950, 3, "950"},
                          {1000, 3, "1 тыс."},
                          {1250, 3, "1,25 тыс."},
                          {250000, 1, "250 тыс."},
                          {1'500'000, 3, "1,5 млн"},
                          {2'000'000'000, 3, "2 млрд"},
                          // Rounded to the digits asked for, carried into the next unit.
                          {449'625'000, 1, "449,6 млн"},
                          {135'375'000, 0, "135 млн"},
                          {999'960'000, 1, "1 млрд"},
                          {999'940'000, 1, "999,9 млн"},
                          {1049, 1, "1 тыс."},
                          {5'000'000'000'000'000'000, 3, "5 квинтлн"},
                          {kMax, 2, "9,22 квинтлн"},
                          {kMin, 2, "-9,22 квинтлн"},
                          {-2500, 1, "-2,5 тыс."},
                          {7, -4, "7"},
                          {1234, 40, "1,234 тыс."}};
    for (const Case& c : cases) EXPECT_EQ(ShortAmountText(c.value, c.fractionDigits, ','), c.text) << c.value;
    EXPECT_EQ(ShortAmountText(1'500'000, 1, '.'), "1.5 млн");
}

TEST(MoneyAxis, EndsInRoundStepsBeyondTheLargestAmount) {
    struct Case {
        std::int64_t largest, step, end;
    };
    const Case cases[] = {{899'250'000, 200'000'000, 1'000'000'000},  // refine 99 % budget
                          {700, 200, 800},
                          {100, 20, 120},
                          {1'250'000, 250'000, 1'500'000},
                          {12, 5, 15},
                          {7, 2, 8},
                          {1, 1, 2},
                          {0, 1, 2},
                          {-50, 1, 2},
                          // No round step fits beyond: the last whole one within 64 bits.
                          {kMax, 2'000'000'000'000'000'000, 8'000'000'000'000'000'000}};
    for (const Case& c : cases) {
        const MoneyAxis axis = MoneyAxisBeyond(c.largest);
        EXPECT_EQ(axis.step, c.step) << c.largest;
        EXPECT_EQ(axis.end, c.end) << c.largest;
    }
}

}  // namespace
}  // namespace trivelon
