#pragma once
// How much to put aside: tries repeat until the first success, each costing
// the same and succeeding with the same chance. For a wanted certainty the
// budget is the smallest number of tries that reaches it; for a sum of money,
// the chance is that of the tries it pays for.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "result.h"

namespace trivelon {

// The chance of success of one try, held exactly as succeeding / whole
// (0 < succeeding <= whole), so that the certainty a number of tries reaches
// is decided without rounding.
class TryChance {
public:
    // From a rate in percent given as mantissa / 10^scale. None for a rate
    // of 0 or below, or one too finely divided to hold (scale above 16); a
    // rate of 100 or more is certain.
    static std::optional<TryChance> FromPercent(std::int64_t mantissa, int scale);

    static TryChance Certain() { return TryChance(1, 1); }

    bool certain() const { return succeeding_ == whole_; }
    // The smallest number of tries m with 1 - (1 - p)^m >= percent / 100.
    Result<std::int64_t> triesFor(std::int32_t percent) const;
    // 1 - (1 - p)^tries, the chance that one of that many tries succeeds.
    double chanceWithin(std::int64_t tries) const;

private:
    TryChance(std::int64_t succeeding, std::int64_t whole) : succeeding_(succeeding), whole_(whole) {}
    // True when (1 - p)^tries <= (100 - percent) / 100.
    bool reaches(std::int64_t tries, std::int32_t percent) const;
    // ln(1 - p), which is negative.
    double logOfFailure() const;

    std::int64_t succeeding_;
    std::int64_t whole_;
};

// The certainties a budget is worked out for, in percent.
inline constexpr std::array<std::int32_t, 3> kBudgetChances{50, 90, 99};

struct BudgetLevel {
    std::int32_t chance = 0;  // percent
    std::int64_t tries = 0;
    std::optional<std::int64_t> cost;  // tries x try cost; empty beyond the 64-bit range
};

struct Budget {
    std::int64_t tryCost = 0;
    std::array<BudgetLevel, kBudgetChances.size()> levels;
};

// The budget of each certainty for tries of this cost.
Result<Budget> PlanBudget(const TryChance& chance, std::int64_t tryCost);

// The chance that a sum of money, which may lie beyond 64 bits, covers what
// is spent until the first success, as a chart draws it.
struct ChanceCurve {
    // The chance; it never falls as the sum grows.
    std::function<double(double money)> within;
    // The least sum above the given one at which the chance can rise.
    std::function<double(double money)> nextRise;
    // Whether a try always succeeds; a chance of an uncertain try never
    // reads as 100 %.
    bool certain = false;
};

// Tries that each cost the same and succeed with the same chance, as a
// weapon's forging: a sum covers floor(money / try cost) of them.
ChanceCurve EqualTriesCurve(const TryChance& chance, std::int64_t tryCost);

// A chance in tenths of a percent, rounded to the nearest; where success is
// not certain it never reads as 100.0.
std::int32_t ChanceInTenths(double chance, bool certain);

// The chance, in tenths of a percent, that the tries a sum of money pays for
// bring a success: floor(money / try cost) tries, or as many as needed when a
// try costs nothing. An uncertain chance never shows as 100.0.
std::int32_t ChanceWithinMoneyInTenths(const TryChance& chance, std::int64_t tryCost, std::int64_t money);

// "99.9": tenths of a percent with one decimal after the separator.
std::string PercentText(std::int32_t tenths, char decimalSeparator);

}  // namespace trivelon
