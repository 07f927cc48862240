// Round steps for a money axis.
#include "money_axis.h"

#include <algorithm>

#include "numbers.h"

namespace trivelon {

namespace {

constexpr std::int64_t kWantedSteps = 5;

// The smallest of 1, 2, 2.5, 5 and 10 times a power of ten that is at least
// the given amount (2.5 only where it is whole).
std::int64_t RoundStepAtLeast(std::int64_t amount) {
    std::int64_t power = 1;
    while (power <= amount / 10) power *= 10;  // power <= amount < 10 x power
    // 2.5 x power comes out as 0 for a power of 1, below any amount.
    for (const std::int64_t candidate : {power, 2 * power, power / 2 * 5, 5 * power}) {
        if (candidate >= amount) return candidate;
    }
    // Reached only when amount > 5 x power, so 10 x power <= 2 x amount fits.
    return 10 * power;
}

}  // namespace

MoneyAxis MoneyAxisBeyond(std::int64_t largest) {
    largest = std::max<std::int64_t>(largest, 1);
    // Rounding up keeps the count of steps to the largest at most five.
    const std::int64_t step = RoundStepAtLeast(largest / kWantedSteps + (largest % kWantedSteps != 0));
    const std::int64_t steps = largest / step + 1;
    return {step, steps <= kInt64Max / step ? steps * step : kInt64Max};
}

}  // namespace trivelon
