// Budgets for repeated tries: the smallest number of tries that reaches a
// certainty, decided exactly, and the chance that a sum of money buys.
#include "budget.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

#include "numbers.h"

namespace trivelon {

namespace {

constexpr int kMaxScale = 16;  // 100 x 10^16 still fits 64 bits

// Whether m tries reach a certainty is the sign of g = m ln(1 - p) - ln(c),
// c = 1 - certainty. In double precision g is off by far less than this
// margin; a g within it is worked out again to a hundred digits, and only
// a g within the second margin, which the exact equalities (such as
// 0.1^2 = 0.01) give, is decided by whole-number arithmetic.
constexpr double kDoubleMargin = 1e-9;
using WideFloat = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<100>>;
const WideFloat kWideMargin("1e-80");

}  // namespace

std::optional<TryChance> TryChance::FromPercent(std::int64_t mantissa, int scale) {
    if (mantissa <= 0 || scale < 0) return std::nullopt;
    while (scale > 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    if (scale > kMaxScale) return std::nullopt;
    const std::int64_t whole = 100 * PowerOfTen(scale);
    if (mantissa >= whole) return Certain();
    const std::int64_t divisor = std::gcd(mantissa, whole);
    return TryChance(mantissa / divisor, whole / divisor);
}

double TryChance::logOfFailure() const {
    const std::int64_t failing = whole_ - succeeding_;
    // Where failure is likely, log1p keeps the digits of a small p.
    if (2 * succeeding_ < whole_) return std::log1p(-static_cast<double>(succeeding_) / static_cast<double>(whole_));
    return std::log(static_cast<double>(failing) / static_cast<double>(whole_));
}

bool TryChance::reaches(std::int64_t tries, std::int32_t percent) const {
    const std::int64_t failing = whole_ - succeeding_;
    if (failing == 0) return tries >= 1;
    const std::int32_t left = 100 - percent;  // c = left / 100
    const double g = static_cast<double>(tries) * logOfFailure() - std::log(left / 100.0);
    if (std::fabs(g) > kDoubleMargin) return g < 0;

    const WideFloat wide = WideFloat(tries) * log(WideFloat(failing) / WideFloat(whole_)) - log(WideFloat(left) / 100);
    if (abs(wide) > kWideMargin) return wide < 0;

    using boost::multiprecision::cpp_int;
    const auto exponent = static_cast<unsigned>(tries);
    return pow(cpp_int(failing), exponent) * 100 <= pow(cpp_int(whole_), exponent) * left;
}

Result<std::int64_t> TryChance::triesFor(std::int32_t percent) const {
    if (certain() || percent <= 0) return std::int64_t{1};
    const double estimate = std::ceil(std::log((100 - percent) / 100.0) / logOfFailure());
    constexpr std::int64_t kHalfOfInt64 = kInt64Max / 2;  // room left to step the estimate
    if (!(estimate < static_cast<double>(kHalfOfInt64))) return Error{kOutOfRangeMessage};
    std::int64_t tries = std::max<std::int64_t>(1, static_cast<std::int64_t>(estimate));
    while (tries > 1 && reaches(tries - 1, percent)) --tries;
    while (!reaches(tries, percent)) ++tries;
    return tries;
}

double TryChance::chanceWithin(std::int64_t tries) const {
    if (tries <= 0) return 0;
    if (certain()) return 1;
    return -std::expm1(static_cast<double>(tries) * logOfFailure());
}

Result<Budget> PlanBudget(const TryChance& chance, std::int64_t tryCost) {
    Budget budget;
    budget.tryCost = tryCost;
    for (std::size_t i = 0; i < kBudgetChances.size(); ++i) {
        BudgetLevel& level = budget.levels[i];
        level.chance = kBudgetChances[i];
        auto tries = chance.triesFor(level.chance);
        if (!tries) return Error{tries.error()};
        level.tries = *tries;
        level.cost = CheckedProduct(level.tries, tryCost);
    }
    return budget;
}

std::int32_t ChanceWithinMoneyInTenths(const TryChance& chance, std::int64_t tryCost, std::int64_t money) {
    if (tryCost <= 0) return 1000;  // every try is paid for
    const std::int64_t tries = money < 0 ? 0 : money / tryCost;
    return ChanceInTenths(chance.chanceWithin(tries), chance.certain());
}

std::int32_t ChanceInTenths(double chance, bool certain) {
    const auto tenths = static_cast<std::int32_t>(std::lround(chance * 1000));
    return tenths == 1000 && !certain ? 999 : tenths;
}

std::string PercentText(std::int32_t tenths, char decimalSeparator) {
    return std::to_string(tenths / 10) + decimalSeparator + std::to_string(tenths % 10);
}

ChanceCurve EqualTriesCurve(const TryChance& chance, std::int64_t tryCost) {
    const double cost = static_cast<double>(tryCost);
    return {
        [chance, cost](double money) {
            // The largest double below 2^63: any count of tries beyond it is
            // as good as it for the chance, and it still converts to 64 bits.
            const double tries = std::clamp(std::floor(money / cost), 0.0, 9223372036854774784.0);
            return chance.chanceWithin(static_cast<std::int64_t>(tries));
        },
        [cost](double money) { return (std::floor(money / cost) + 1) * cost; },
        chance.certain(),
    };
}

}  // namespace trivelon
