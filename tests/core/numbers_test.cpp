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
    ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error().sourceText();
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
    EXPECT_EQ(parsed.error().sourceText(), "'" + text + "' is not a valid integer value");
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
    Extended value;
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
        FormatCase{Extended(7910 / 100.0), '.', "79.1"}, FormatCase{Extended(7910 / 100.0), ',', "79,1"},
        FormatCase{Extended(4410 / 100.0 + 10.0), '.', "54.1"}, FormatCase{Extended(0.1 + 0.2), '.', "0.3"},
        FormatCase{Extended("100.0"), '.', "100"}, FormatCase{Extended("0.0"), '.', "0"},
        FormatCase{Extended("0.0384"), '.', "0.0384"}, FormatCase{Extended("10.5"), '.', "10.5"},
        FormatCase{Extended("3.15"), '.', "3.15"}, FormatCase{Extended("1.134"), '.', "1.134"},
        FormatCase{Extended("0.315"), '.', "0.315"}, FormatCase{Extended("1.62"), '.', "1.62"},
        FormatCase{Extended("1.62"), ',', "1,62"}, FormatCase{Extended("-48.6"), '.', "-48.6"},
        FormatCase{Extended("-0.5"), '.', "-0.5"}, FormatCase{Extended(1) / 3, '.', "0.333333333333333"},
        FormatCase{Extended(2) / 3, '.', "0.666666666666667"},
        FormatCase{Extended("123456789012345.0"), '.', "123456789012345"},
        FormatCase{Extended("0.0001"), '.', "0.0001"}, FormatCase{Extended("1.5e20"), '.', "1.5E20"},
        FormatCase{Extended("123456789012345678.0"), '.', "1.23456789012346E17"},
        FormatCase{Extended("2.5e-7"), '.', "2.5E-7"},
        // Fixed notation runs from 1E-5 up to 15 integer digits, decided on
        // the value rounded to 15 significant digits.
        FormatCase{Extended("1e-5"), '.', "0.00001"},
        FormatCase{Extended("9.99999999999999e-6"), '.', "9.99999999999999E-6"},
        FormatCase{Extended("9.999999999999999e-6"), '.', "0.00001"}, FormatCase{Extended("1e15"), '.', "1E15"},
        FormatCase{Extended("999999999999999.0"), '.', "999999999999999"},
        FormatCase{Extended("999999999999999.5"), '.', "1E15"}));

TEST(ParseStrictFloat, ReadsWithTheGivenSeparatorAndSurroundingBlanks) {
    struct Case {
        const char* text;
        char separator;
        Extended value;
    };
    for (const Case& c :
         {Case{"79.1", '.', Extended("79.1")}, Case{" 79.1 ", '.', Extended("79.1")},
          Case{"79,1", ',', Extended("79.1")}, Case{"100", '.', Extended("100.0")}, Case{"-5", '.', Extended("-5.0")},
          Case{"1E2", '.', Extended("100.0")}, Case{"0.0384", '.', Extended("0.0384")},
          // The smallest normal values; below them, zero (extended precision
          // here has no gradual underflow).
          Case{"1e-4931", '.', Extended("1e-4931")}, Case{"0.00001e-4926", '.', Extended("1e-4931")},
          Case{"1e-4940", '.', Extended(0)}, Case{"-0,3e-4949", ',', Extended(0)}, Case{"1e-5000", '.', Extended(0)}}) {
        auto parsed = ParseStrictFloat(c.text, c.separator);
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.error().sourceText();
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
        EXPECT_EQ(parsed.error().sourceText(), std::string("'") + c.text + "' is not a valid floating point value");
    }
}

// Sums and products stop at the 64-bit edges, on either side, without a
// wider type to lean on.
TEST(CheckedArithmetic, StopsAtTheSixtyFourBitEdges) {
    constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(CheckedSum(kMax64, 0), kMax64);
    EXPECT_EQ(CheckedSum(kMin64, kMax64), -1);
    EXPECT_FALSE(CheckedSum(kMax64, 1));
    EXPECT_FALSE(CheckedSum(kMin64, -1));
    EXPECT_EQ(CheckedProduct(kMin64, 1), kMin64);
    EXPECT_EQ(CheckedProduct(-std::int64_t{1} << 32, std::int64_t{1} << 31), kMin64);
    EXPECT_EQ(CheckedProduct(3037000499, 3037000499), 9223372030926249001);
    EXPECT_EQ(CheckedProduct(-1, -1), 1);
    EXPECT_EQ(CheckedProduct(0, kMin64), 0);
    EXPECT_FALSE(CheckedProduct(kMin64, -1));
    EXPECT_FALSE(CheckedProduct(kMax64, 2));
    EXPECT_FALSE(CheckedProduct(std::int64_t{1} << 32, std::int64_t{1} << 31));
    EXPECT_FALSE(CheckedProduct(3037000500, -3037000500));
    EXPECT_FALSE(CheckedProduct(-3037000500, -3037000500));
}

TEST(CeilToInt64, RoundsUpToAWholeNumber) {
    struct Case {
        Extended value;
        std::int64_t result;
    };
    for (const Case& c : {Case{Extended("2.0"), 2}, Case{Extended("2.000001"), 3}, Case{Extended("-1.5"), -1},
                          Case{Extended("-0.5"), 0}, Case{Extended("0.0"), 0}, Case{Extended("181.35"), 182},
                          Case{Extended("2147483647.5"), 2147483648}, Case{Extended("1e16"), 10000000000000000},
                          Case{Extended("-9223372036854775808.0"), std::numeric_limits<std::int64_t>::min()}}) {
        EXPECT_EQ(CeilToInt64(c.value), c.result) << c.value;
    }
}

TEST(CeilToInt64, ValuesOutsideThe64BitRangeAreNone) {
    for (const Extended& value :
         {Extended("9223372036854775807.5"), Extended("1e30"), Extended("-1e30"),
          Extended(std::numeric_limits<double>::infinity()), Extended(std::numeric_limits<double>::quiet_NaN())}) {
        EXPECT_FALSE(CeilToInt64(value)) << value;
    }
}

}  // namespace
}  // namespace trivelon
