// Reading and writing numbers as the controls hold them: whole numbers in
// decimal or hex, decimals in the general format, and rounding up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/numbers.h"

namespace trivelon {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct IntCase {
    const char* text;
    std::int32_t value;
};

class StrictIntAccepts : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrictIntAccepts, ReadsTheValue) {
    const auto& c = GetParam();
    auto parsed = ParseStrictInt(c.text);
    ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error();
    EXPECT_EQ(*parsed, c.value) << c.text;
    EXPECT_EQ(ParseLenientInt(c.text), c.value) << c.text;
    EXPECT_EQ(TryParseInt(c.text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(DecimalHexSignsAndBlanks, StrictIntAccepts,
                         ::testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"+42", 42}, IntCase{"-42", -42},
                                           IntCase{"-0", 0}, IntCase{"  42", 42}, IntCase{" -7", -7}, IntCase{"007", 7},
                                           IntCase{"000000000000000000000000042", 42}, IntCase{"2147483647", kMax},
                                           IntCase{"-2147483648", kMin}, IntCase{"$1F", 31}, IntCase{"$ff", 255},
                                           IntCase{"x1F", 31}, IntCase{"X1f", 31}, IntCase{"0x1F", 31},
                                           IntCase{"0X1F", 31}, IntCase{"0x7FFFFFFF", kMax},
                                           IntCase{"-$80000000", kMin}, IntCase{"-$10", -16}, IntCase{"  $A", 10}));

class StrictIntRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StrictIntRejects, NamesTheTextAndLenientGivesZero) {
    const std::string text = GetParam();
    auto parsed = ParseStrictInt(text);
    ASSERT_FALSE(parsed.ok()) << "accepted '" << text << "' as " << *parsed;
    EXPECT_EQ(parsed.error(), "'" + text + "' is not a valid integer value");
    EXPECT_EQ(ParseLenientInt(text), 0) << text;
    EXPECT_FALSE(TryParseInt(text).has_value()) << text;
}

INSTANTIATE_TEST_SUITE_P(BadSyntaxAndOutOfRange, StrictIntRejects,
                         ::testing::Values("", " ", "+", "-", "abc", "42 ", "4 2", "- 5", "12a", "1.5", "1e3", "$",
                                           "0x", "x", "$G", "0x1G", "2147483648", "-2147483649", "$80000000",
                                           "0x100000000", "-$80000001", "99999999999999999999999999",
                                           "-99999999999999999999999999", "$FFFFFFFFFFFFFFFFFFFFFFFF",
                                           "18446744073709551658"));

struct FormatCase {
    long double value;
    char separator;
    const char* text;
};

class FormatGeneralWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralWrites, ShortestFormWithinFifteenDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatGeneral(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    RatesAndEdges, FormatGeneralWrites,
    ::testing::Values(
        // Forge rates arrive as doubles widened to extended precision.
        FormatCase{static_cast<long double>(7910 / 100.0), '.', "79.1"},
        FormatCase{static_cast<long double>(7910 / 100.0), ',', "79,1"},
        FormatCase{static_cast<long double>(4410 / 100.0 + 10.0), '.', "54.1"},
        FormatCase{static_cast<long double>(0.1 + 0.2), '.', "0.3"}, FormatCase{100.0L, '.', "100"},
        FormatCase{0.0L, '.', "0"}, FormatCase{0.0384L, '.', "0.0384"}, FormatCase{10.5L, '.', "10.5"},
        FormatCase{3.15L, '.', "3.15"}, FormatCase{1.134L, '.', "1.134"}, FormatCase{0.315L, '.', "0.315"},
        FormatCase{1.62L, '.', "1.62"}, FormatCase{1.62L, ',', "1,62"}, FormatCase{-48.6L, '.', "-48.6"},
        FormatCase{-0.5L, '.', "-0.5"}, FormatCase{1.0L / 3.0L, '.', "0.333333333333333"},
        FormatCase{2.0L / 3.0L, '.', "0.666666666666667"}, FormatCase{123456789012345.0L, '.', "123456789012345"},
        FormatCase{0.0001L, '.', "0.0001"}, FormatCase{1.5e20L, '.', "1.5E20"},
        FormatCase{123456789012345678.0L, '.', "1.23456789012346E17"}, FormatCase{2.5e-7L, '.', "2.5E-7"},
        // Fixed notation runs from 1E-5 up to 15 integer digits, decided on
        // the value rounded to 15 significant digits.
        FormatCase{1e-5L, '.', "0.00001"}, FormatCase{9.99999999999999e-6L, '.', "9.99999999999999E-6"},
        FormatCase{9.999999999999999e-6L, '.', "0.00001"}, FormatCase{1e15L, '.', "1E15"},
        FormatCase{999999999999999.0L, '.', "999999999999999"}, FormatCase{999999999999999.5L, '.', "1E15"}));

TEST(ParseStrictFloat, ReadsWithTheGivenSeparatorAndSurroundingBlanks) {
    struct Case {
        const char* text;
        char separator;
        long double value;
    };
    for (const Case& c :
         {Case{"79.1", '.', 79.1L}, Case{" 79.1 ", '.', 79.1L}, Case{"79,1", ',', 79.1L}, Case{"100", '.', 100.0L},
          Case{"-5", '.', -5.0L}, Case{"1E2", '.', 100.0L}, Case{"0.0384", '.', 0.0384L},
          // Below the normal range: subnormal values, then zero.
          Case{"1e-4940", '.', 1e-4940L}, Case{"-0,3e-4949", ',', -3e-4950L}, Case{"0.00001e-4930", '.', 1e-4935L},
          Case{"1e-5000", '.', 0.0L}}) {
        auto parsed = ParseStrictFloat(c.text, c.separator);
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error();
        EXPECT_EQ(*parsed, c.value) << c.text;
    }
}

TEST(ParseStrictFloat, RejectsWithTheFloatMessage) {
    struct Case {
        const char* text;
        char separator;
    };
    for (const Case& c :
         {Case{"", '.'}, Case{"x", '.'}, Case{"abc", '.'}, Case{"79.1x", '.'}, Case{"1.2.3", '.'}, Case{"79.1", ','},
          Case{"79,1", '.'}, Case{"7 9", '.'}, Case{"1e5000", '.'}, Case{"-1e99999999999999999999", '.'}}) {
        auto parsed = ParseStrictFloat(c.text, c.separator);
        ASSERT_FALSE(parsed.ok()) << "accepted '" << c.text << "'";
        EXPECT_EQ(parsed.error(), std::string("'") + c.text + "' is not a valid floating point value");
    }
}

TEST(Ceil, RoundsUpToAWholeNumber) {
    struct Case {
        long double value;
        std::int32_t result;
    };
    for (const Case& c : {Case{2.0L, 2}, Case{2.000001L, 3}, Case{-1.5L, -1}, Case{-0.5L, 0}, Case{0.0L, 0},
                          Case{181.35L, 182}, Case{2147483647.0L, kMax}, Case{2147483646.5L, kMax},
                          Case{-2147483648.0L, kMin}, Case{-2147483648.5L, kMin}}) {
        auto rounded = Ceil(c.value);
        ASSERT_TRUE(rounded.ok()) << static_cast<double>(c.value) << ": " << rounded.error();
        EXPECT_EQ(*rounded, c.result) << static_cast<double>(c.value);
    }
}

TEST(Ceil, ValuesOutsideThe32BitRangeAreErrors) {
    for (long double value :
         {2147483647.5L, 2147483648.0L, 1e30L, -2147483649.0L, -1e30L, std::numeric_limits<long double>::infinity(),
          -std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN()}) {
        auto rounded = Ceil(value);
        EXPECT_FALSE(rounded.ok()) << static_cast<double>(value) << " gave " << *rounded;
    }
}

}  // namespace
}  // namespace trivelon
