// The expected items, materials and Zeny per success of a refine whose
// attempts stop at the step that breaks the item.
#include "refine_expectation.h"

#include <algorithm>

#include "numbers.h"
#include "refine.h"
#include "text.h"

namespace trivelon {

namespace {

using boost::multiprecision::cpp_int;

// Items and materials per success stay within 64 bits in tenths: with at most
// kMostRiskySteps (8) steps above the safe level, each at 1 % or more, an
// attempt succeeds with at least 10^-16, so items are at most 10^16 and
// materials at most kMostRefineLevel (20) times that, 2 x 10^18 tenths in all.
static_assert(kMostRiskySteps <= 8 && kMostRefineLevel <= 20);

// The nearest whole number, an exact half going to the even neighbour.
cpp_int RoundHalfEven(const Rational& value) {
    const cpp_int& numerator = boost::multiprecision::numerator(value);
    const cpp_int& denominator = boost::multiprecision::denominator(value);  // above 0
    cpp_int quotient = numerator / denominator;                              // towards zero
    cpp_int remainder = numerator - quotient * denominator;
    if (remainder < 0) {  // the floor, with a remainder in [0, denominator)
        --quotient;
        remainder += denominator;
    }
    const cpp_int twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::optional<std::int64_t> ToInt64(const cpp_int& value) {
    if (value < kInt64Min || value > kInt64Max) return std::nullopt;
    return value.convert_to<std::int64_t>();
}

}  // namespace

Result<std::optional<RefineExpectation>> ExpectRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin,
                                                      std::int64_t w, const RefinePrices& prices) {
    if (fin > cls.safeLevel && cur == fin) return std::optional<RefineExpectation>();
    if (auto error = RefineStepRateError(cls, cur, fin, w)) return *error;

    // After j steps, in whole numbers over 100^j: reach = 100^j x the chance
    // that all j passed (the product of the step rates in percent), made =
    // 100^j x the expected number of them an attempt makes.
    cpp_int reach = 1;
    cpp_int made = 0;
    cpp_int scale = 1;  // 100^j
    for (std::int32_t level = cur + 1; level <= fin; ++level) {
        // The step is made when every one before it passed.
        made = 100 * (made + reach);
        const std::int64_t rate = level <= cls.safeLevel ? 100 : StepRate(cls, level, w);
        reach *= rate;
        scale *= 100;
    }
    // items = 1 / A = scale / reach, materials = E / A = made / reach.
    const cpp_int perMaterial = cpp_int(prices.material) + prices.fee;
    RefineExpectation expectation{Rational(scale, reach), Rational(made, reach),
                                  Rational(made * perMaterial + scale * prices.item, reach)};
    return std::optional<RefineExpectation>(std::move(expectation));
}

RefineExpectationFigures RoundRefineExpectation(const RefineExpectation& expectation) {
    // Within 64 bits by the limits of a rule set (see the assertion above).
    return {RoundHalfEven(expectation.items * 10).convert_to<std::int64_t>(),
            RoundHalfEven(expectation.materials * 10).convert_to<std::int64_t>(),
            ToInt64(RoundHalfEven(expectation.cost))};
}

Result<std::optional<RefineExpectationFigures>> ExpectRefineFigures(const RefineClassRule& cls, std::int32_t cur,
                                                                    std::int32_t fin, std::int64_t w,
                                                                    const RefinePrices& prices) {
    auto expectation = ExpectRefine(cls, cur, fin, w, prices);
    if (!expectation) return Error{expectation.error()};
    if (!*expectation) return std::optional<RefineExpectationFigures>();
    return std::optional<RefineExpectationFigures>(RoundRefineExpectation(**expectation));
}

std::string TenthsText(std::int64_t tenths, char decimalSeparator) {
    // In unsigned arithmetic, so that the most negative value has a magnitude.
    const std::uint64_t magnitude =
        tenths < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(tenths) : static_cast<std::uint64_t>(tenths);
    return Join({tenths < 0 ? "-" : "", std::to_string(magnitude / 10), std::string_view(&decimalSeparator, 1),
                 std::to_string(magnitude % 10)});
}

}  // namespace trivelon
