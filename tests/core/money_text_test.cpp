// Typed sums read in 64 bits and as players write them, sums written
// grouped and short, and the round steps of a money axis.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/message.h"
#include "core/money_axis.h"
#include "core/money_text.h"
#include "core/numbers.h"
#include "core/typed_sum.h"

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

TEST(ReadTypedSum, ReadsSumsAsPlayersWriteThem) {
    using Reading = TypedSum::Reading;
    const std::string nbsp = "\xC2\xA0", narrow = "\xE2\x80\xAF";
    const TypedSum blank{}, unreadable{Reading::Unreadable}, tooMuch{Reading::TooMuch};
    const auto zeny = [](std::int64_t value) { return TypedSum{Reading::Zeny, value}; };
    struct Case {
        std::string text;
        std::string groupSeparator;  // the user's
        TypedSum sum;
    };
    // clang-format off
    const Case cases[] = {
        {"", nbsp, blank}, {"   ", nbsp, blank}, {"\t" + nbsp + narrow, nbsp, blank},
        {"500000", nbsp, zeny(500000)}, {"500000 ", nbsp, zeny(500000)}, {"0", nbsp, zeny(0)},
        {"007", nbsp, zeny(7)}, {" 1 000 000 ", nbsp, zeny(1'000'000)}, {"200 000", nbsp, zeny(200'000)},
        {"1" + nbsp + "000" + nbsp + "000", nbsp, zeny(1'000'000)}, {"1" + narrow + "000", nbsp, zeny(1000)},
        {"1'000'000", nbsp, zeny(1'000'000)}, {"1,000,000", ",", zeny(1'000'000)},
        {"1.000.000", ".", zeny(1'000'000)}, {"1,000,000", nbsp, unreadable},
        // The game's shorthand, with a decimal part after either separator.
        {"500к", nbsp, zeny(500'000)}, {"500К", nbsp, zeny(500'000)}, {"500k", nbsp, zeny(500'000)},
        {"500K", nbsp, zeny(500'000)}, {"500 к", nbsp, zeny(500'000)}, {"1,5кк", nbsp, zeny(1'500'000)},
        {"1.5кк", nbsp, zeny(1'500'000)}, {"1,5кк", ",", zeny(1'500'000)}, {"2.25к", nbsp, zeny(2250)},
        {"3ккк", nbsp, zeny(3'000'000'000)}, {"1,5kK", nbsp, zeny(1'500'000)}, {"1 500к", nbsp, zeny(1'500'000)},
        {"0,5к", nbsp, zeny(500)}, {"1.2345к", nbsp, zeny(1234)}, {"1,000.5к", ",", zeny(1'000'500)},
        // The 64-bit edge, and beyond it.
        {"9223372036854775807", nbsp, zeny(kMax)}, {"9 223 372 036 854 775 807", nbsp, zeny(kMax)},
        {"9223372036854775,807к", nbsp, zeny(kMax)}, {std::string(1000, '0') + "5", nbsp, zeny(5)},
        {"9223372036854775808", nbsp, tooMuch}, {"9223372036854776к", nbsp, tooMuch},
        {"1" + std::string(30, '0'), nbsp, tooMuch}, {std::string(1000, '9'), nbsp, tooMuch},
        {"18446744073709551616", nbsp, tooMuch},
        // Not a sum as people write one.
        {"abc", nbsp, unreadable}, {"'", nbsp, unreadable}, {" ' " + narrow + "'", nbsp, unreadable},
        {"кккк", nbsp, unreadable}, {"1кккк", nbsp, unreadable}, {"1к5", nbsp, unreadable}, {"к", nbsp, unreadable},
        {"1,5", nbsp, unreadable}, {"1.5", nbsp, unreadable}, {"1,к", nbsp, unreadable}, {",5к", nbsp, unreadable},
        {"-500", nbsp, unreadable}, {"+500", nbsp, unreadable}, {"$1E848", nbsp, unreadable},
        {"1e6", nbsp, unreadable}, {"1 00", nbsp, unreadable}, {"1000 000", nbsp, unreadable},
        {"1  000", nbsp, unreadable}, {"1 000 кк к", nbsp, unreadable}, {"５", nbsp, unreadable}};
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(ReadTypedSum(c.text, c.groupSeparator), c.sum) << c.text;
}

TEST(GroupedAmountText, GroupsEveryDigitByThousands) {
    const std::pair<std::int64_t, const char*> cases[] = {{0, "0"},
                                                          {950, "950"},
                                                          {-100, "-100"},
                                                          {1000, "1 000"},
                                                          {-2500, "-2 500"},
                                                          {1'439'040'000, "1 439 040 000"},
                                                          {kMax, "9 223 372 036 854 775 807"},
                                                          {kMin, "-9 223 372 036 854 775 808"}};
    for (auto [value, written] : cases) {
        std::string expected = written;
        for (std::size_t at; (at = expected.find(' ')) != std::string::npos;)
            expected.replace(at, 1, kThousandsSeparator);
        EXPECT_EQ(GroupedAmountText(value), expected) << value;
    }
}

TEST(ShortAmountText, UsesTheLargestUnitReachedWithTheDecimalsAsked) {
    struct Case {
        std::int64_t value;
        int fractionDigits;
        const char* text;
        int exactDigits;
    };
    const Case cases[] = {{0, 3, "0", 0},
                          {950, 3, "950", 0},
                          {1000, 3, "1,000 тыс.", 0},
                          {1250, 3, "1,250 тыс.", 2},
                          {250000, 1, "250,0 тыс.", 0},
                          {1'500'000, 3, "1,500 млн", 1},
                          {2'000'000'000, 0, "2 млрд", 0},
                          // Rounded to the digits asked for, carried into the next unit.
                          {449'625'000, 1, "449,6 млн", 3},
                          {135'375'000, 0, "135 млн", 3},
                          {999'960'000, 1, "1,0 млрд", 2},
                          {999'940'000, 1, "999,9 млн", 2},
                          {1049, 1, "1,0 тыс.", 3},
                          {5'000'000'000'000'000'000, 3, "5,000 квинтлн", 0},
                          {kMax, 2, "9,22 квинтлн", 18},
                          {kMin, 2, "-9,22 квинтлн", 18},
                          {-2500, 1, "-2,5 тыс.", 1},
                          {7, -4, "7", 0},
                          {1234, 40, "1,234 тыс.", 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShortAmountText(c.value, c.fractionDigits, ','), c.text) << c.value;
        EXPECT_EQ(ExactFractionDigits(c.value), c.exactDigits) << c.value;
    }
    EXPECT_EQ(ShortAmountText(1'500'000, 1, '.'), "1.5 млн");
    // Another language's words, each at its power of a thousand.
    const UnitWords english{"k", "M", "bn", "tn", "qd", "qn"};
    EXPECT_EQ(ShortAmountText(999'960'000, 1, '.', Rounding::Nearest, english), "1.0 bn");
    EXPECT_EQ(ShortAmountText(2'500, 1, '.', Rounding::Nearest, english), "2.5 k");
    EXPECT_EQ(ShortAmountText(-3'000'000'000'000'000'000, 0, '.', Rounding::Nearest, english), "-3 qn");
}

// A message's arguments go in one pass: an argument's own "%1" stays as
// typed, a number without an argument and a lone "%" stay.
TEST(Message, FillsEachNumberWithItsArgumentOnce) {
    EXPECT_EQ(Filled("%1: «%2» — не целое число", {"Dex", "%1%2"}), "Dex: «%1%2» — не целое число");
    EXPECT_EQ(Filled("%2 %1 %3 100%", {"a", "b"}), "b a %3 100%");
    EXPECT_EQ((Message{"уровень %1", {TranslatedName{"Fields", "Элемент"}}}.sourceText()), "уровень Элемент");
}

// A sum to put aside never reads smaller than it is: any dropped digit rounds
// the last shown one up, carrying into the next unit, and a sum that is
// written exactly stays as it is.
TEST(ShortAmountText, RoundsUpWhereItIsASumToPutAside) {
    struct Case {
        std::int64_t value;
        int fractionDigits;
        const char* text;
    };
    const Case cases[] = {{2'544'475'000, 1, "2,6 млрд"}, {781'275'000, 0, "782 млн"},    {114'812'500, 1, "114,9 млн"},
                          {999'000'001, 0, "1 млрд"},     {2'000'000'000, 1, "2,0 млрд"}, {1001, 0, "2 тыс."},
                          {kMax, 2, "9,23 квинтлн"}};
    for (const Case& c : cases) EXPECT_EQ(ShortAmountText(c.value, c.fractionDigits, ',', Rounding::Up), c.text);
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
                          // No round step fits beyond: the axis ends at the largest sum.
                          {kMax, 2'000'000'000'000'000'000, kMax},
                          {8'000'000'000'000'000'001, 2'000'000'000'000'000'000, kMax}};
    for (const Case& c : cases) {
        const MoneyAxis axis = MoneyAxisBeyond(c.largest);
        EXPECT_EQ(axis.step, c.step) << c.largest;
        EXPECT_EQ(axis.end, c.end) << c.largest;
    }
}

}  // namespace
}  // namespace trivelon
