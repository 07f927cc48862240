#pragma once
// The money axis of a chart: from nothing to a round sum a little beyond the
// largest amount it must show, divided in round steps.
#include <cstdint>

namespace trivelon {

struct MoneyAxis {
    std::int64_t step = 1;  // 1, 2, 2.5 or 5 times a power of ten
    std::int64_t end = 1;   // a whole number of steps, or the largest 64-bit sum
};

// At most six steps, the last one ending beyond the largest amount; where no
// whole step fits beyond it within the 64-bit range, the axis ends at the
// largest 64-bit sum, which it then reaches.
MoneyAxis MoneyAxisBeyond(std::int64_t largest);

}  // namespace trivelon
