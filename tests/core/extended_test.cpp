// The software extended type against the processor's own on x86-64, where
// long double has the same 64-bit significand: every refine figure, and rate
// texts and totals at random, must come out bit for bit the same. Elsewhere
// there is no hardware type to compare with, and the test says so.
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>
#include <boost/multiprecision/cpp_int.hpp>

#include "built_in_rules.h"
#include "core/numbers.h"
#include "core/refine.h"

namespace trivelon {
namespace {

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
constexpr bool kHardwareExtended = true;
#else
constexpr bool kHardwareExtended = false;
#endif

// The hardware value, carried over exactly (the two types share the format).
Extended FromHardware(long double value) { return Extended(value); }

// The general format as the C library writes 15 significant digits.
std::string HardwareFormat(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    const std::string text(buffer);
    const std::size_t mark = text.find('e');
    std::string digits;
    for (char c : text.substr(0, mark))
        if (c >= '0' && c <= '9') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(text.c_str() + mark + 1);
    std::string shown = text[0] == '-' ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        shown += digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        return shown + "E" + std::to_string(exponent);
    }
    if (exponent < 0) return shown + "0." + std::string(-exponent - 1, '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return shown + digits + std::string(whole - digits.size(), '0');
    return shown + digits.substr(0, whole) + "." + digits.substr(whole);
}

class ExtendedAgainstHardware : public ::testing::Test {
protected:
    void SetUp() override {
        if (!kHardwareExtended) GTEST_SKIP() << "long double is not the 64-bit-significand type here";
    }
};

TEST_F(ExtendedAgainstHardware, EveryRefineFigure) {
    for (std::int32_t classNumber = 1; classNumber <= static_cast<std::int32_t>(BuiltInRules().refine.classes.size());
         ++classNumber) {
        const RefineClassRule& cls = BuiltInClass(classNumber);
        for (std::int32_t research = 0; research <= 10; ++research) {
            for (std::int32_t from = 0; from <= 9; ++from) {
                for (std::int32_t to = std::max(from, 1); to <= 10; ++to) {
                    SCOPED_TRACE(testing::Message() << "class " << classNumber << " +" << from << " to +" << to
                                                    << " research " << research);
                    const auto outcome = ComputeRefine(cls, from, to, research);
                    ASSERT_TRUE(outcome.ok()) << outcome.error().sourceText();
                    const std::int32_t first = std::max(from, cls.safeLevel) + 1;
                    if (to <= cls.safeLevel || from == to) continue;
                    long double product = 1;
                    for (std::int32_t level = first; level <= to; ++level)
                        product *= static_cast<long double>(cls.chanceTo(level) + research);
                    long double divisor = 1;
                    for (std::int32_t i = first; i < to; ++i) divisor *= 100;
                    const long double rate = product / divisor;
                    const long double attempts = 100 / rate;
                    EXPECT_EQ(*outcome->rate, FromHardware(rate));
                    EXPECT_EQ(FormatGeneral(*outcome->rate, '.'), HardwareFormat(rate));
                    EXPECT_EQ(outcome->itemCount, static_cast<std::int32_t>(std::ceil(attempts)));
                    EXPECT_EQ(outcome->materialCount,
                              static_cast<std::int32_t>(std::nearbyint(attempts)) * (to - from));
                }
            }
        }
    }
}

// Rate texts of up to 20 digits with the separator anywhere and now and then
// an exponent; totals of up to 32 bits. Reading, writing and the resource and
// weapon steps all agree with the hardware.
TEST_F(ExtendedAgainstHardware, RandomRateTextsAndTotals) {
    std::mt19937_64 random(20061207);
    for (int i = 0; i < 100000; ++i) {
        const int length = 1 + static_cast<int>(random() % 20);
        std::string text;
        for (int d = 0; d < length; ++d) text += static_cast<char>('0' + random() % 10);
        text.insert(random() % (text.size() + 1), ".");
        if (random() % 4 == 0) text += "e" + std::to_string(static_cast<int>(random() % 60) - 30);
        SCOPED_TRACE(text);
        const long double hardware = std::strtold(text.c_str(), nullptr);
        const auto parsed = ParseStrictFloat(text, '.');
        ASSERT_TRUE(parsed.ok()) << parsed.error().sourceText();
        ASSERT_EQ(*parsed, FromHardware(hardware));
        ASSERT_EQ(FormatGeneral(*parsed, '.'), HardwareFormat(hardware));
        if (hardware == 0) continue;

        const auto total = static_cast<std::int32_t>(random());
        const long double share = ((200 - hardware) / 100) * static_cast<long double>(total);
        ASSERT_EQ(((200 - *parsed) / 100) * Extended(total), FromHardware(share));
        ASSERT_EQ(100 / *parsed, FromHardware(100 / hardware));
        ASSERT_EQ(parsed->convertTo<double>(), static_cast<double>(hardware));
    }
}

// Long texts at, just above and just below the exact half-way point between
// two neighbouring values, over the whole normal range: the reading must
// decide the tie from every digit, as the C library's does.
TEST_F(ExtendedAgainstHardware, TextsNextToATie) {
    using boost::multiprecision::cpp_int;
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 3000; ++i) {
        // The tie (2m + 1) x 2^(power - 1) after the value m x 2^power, m of 64 bits.
        const cpp_int significand = (cpp_int(1) << 63) | cpp_int(random() >> 1);
        const int power =
            i % 10 == 0 ? static_cast<int>(random() % 32700) - 16440 : static_cast<int>(random() % 400) - 250;
        const cpp_int twiceAndOne = 2 * significand + 1;
        std::string digits = power >= 1 ? cpp_int(twiceAndOne << (power - 1)).str()
                                        : cpp_int(twiceAndOne * pow(cpp_int(5), 1 - power)).str();
        std::int64_t exponent = power >= 1 ? 0 : power - 1;
        const int side = i % 3;  // the tie itself, just above it, just below it
        if (side != 0) {
            cpp_int nudged(digits);
            nudged = nudged * cpp_int("1000000000000") + (side == 1 ? 1 : -1);
            digits = nudged.str();
            exponent -= 12;
        }
        const std::string text = digits.substr(0, 1) + "." + digits.substr(1) + "e" +
                                 std::to_string(exponent + static_cast<std::int64_t>(digits.size()) - 1);
        SCOPED_TRACE(text.substr(0, 40) + "... (" + std::to_string(text.size()) + " characters)");
        const auto parsed = ParseStrictFloat(text, '.');
        ASSERT_TRUE(parsed.ok());
        ASSERT_EQ(*parsed, FromHardware(std::strtold(text.c_str(), nullptr)));
    }
}

}  // namespace
}  // namespace trivelon
