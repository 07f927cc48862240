// Addition and subtraction of extended-precision numbers, rounded once.
#include "extended.h"

namespace trivelon {

namespace {

// The exact sum of two 64-bit significands up to 128 binary places apart fits
// 192 bits; farther apart, the smaller lies so far below half a unit in the
// last place of the larger that a rounding at 192 bits cannot move the sum
// across a tie. Either way, rounding the wide sum gives the correctly
// rounded one.
using Wide = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<192, boost::multiprecision::digit_base_2, void, std::int32_t, -16600, 16600>,
    boost::multiprecision::et_off>;

}  // namespace

Extended operator+(const Extended& a, const Extended& b) {
    return Extended(Extended::Float(Wide(a.value()) + Wide(b.value())));
}

Extended operator-(const Extended& a, const Extended& b) {
    return Extended(Extended::Float(Wide(a.value()) - Wide(b.value())));
}

}  // namespace trivelon
