#pragma once
// Extended precision: a binary floating-point number with a 64-bit
// significand, rounded to nearest with ties to even, over the exponent range
// of the x87 extended format. The refine figures, the forge rate's sums and
// the resource cost are defined at this precision; computed in software, they
// come out to the same digits with every compiler on every processor, where
// long double is that type only with GCC or Clang on x86.
//
// Every operation rounds once, so that arithmetic written on this type reads
// and rounds like arithmetic on a built-in one. Values below the normal range
// are zero: the type has no gradual underflow.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

#include <boost/multiprecision/cpp_bin_float.hpp>

namespace trivelon {

class Extended {
public:
    // Boost.Multiprecision's binary float of that size. Its multiplication,
    // division and conversions round correctly; its addition and subtraction
    // of operands 65 binary places apart do not (Boost 1.74), so this type
    // adds and subtracts through a wider float and rounds once.
    using Float =
        boost::multiprecision::number<boost::multiprecision::cpp_bin_float<64, boost::multiprecision::digit_base_2,
                                                                           void, std::int16_t, -16382, 16383>,
                                      boost::multiprecision::et_off>;

    Extended() = default;
    // Every whole number up to 64 bits and every double is held exactly.
    template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
    Extended(T value) : value_(value) {}
    // A constant written in the C syntax ("79.1", "-1.5e20"), rounded once;
    // not a number where the text is not of that form.
    explicit Extended(std::string_view text);
    // digits x 10^exponent, rounded once: the digits are any number of decimal
    // digits, leading zeros allowed, none at all being zero. Infinite beyond
    // the range, zero below its normal part.
    static Extended FromDecimal(std::string_view digits, std::int64_t exponent);
    explicit Extended(const Float& value) : value_(value) {}

    const Float& value() const { return value_; }
    template <class T>
    T convertTo() const {
        return value_.template convert_to<T>();
    }

    friend Extended operator+(const Extended& a, const Extended& b);
    friend Extended operator-(const Extended& a, const Extended& b);
    friend Extended operator*(const Extended& a, const Extended& b) { return Extended(a.value_ * b.value_); }
    friend Extended operator/(const Extended& a, const Extended& b) { return Extended(a.value_ / b.value_); }
    Extended operator-() const { return Extended(-value_); }
    Extended& operator+=(const Extended& b) { return *this = *this + b; }
    Extended& operator-=(const Extended& b) { return *this = *this - b; }
    Extended& operator*=(const Extended& b) { return *this = *this * b; }
    Extended& operator/=(const Extended& b) { return *this = *this / b; }

    friend bool operator==(const Extended& a, const Extended& b) { return a.value_ == b.value_; }
    friend bool operator!=(const Extended& a, const Extended& b) { return a.value_ != b.value_; }
    friend bool operator<(const Extended& a, const Extended& b) { return a.value_ < b.value_; }
    friend bool operator<=(const Extended& a, const Extended& b) { return a.value_ <= b.value_; }
    friend bool operator>(const Extended& a, const Extended& b) { return a.value_ > b.value_; }
    friend bool operator>=(const Extended& a, const Extended& b) { return a.value_ >= b.value_; }

    friend Extended floor(const Extended& x) { return Extended(boost::multiprecision::floor(x.value_)); }
    friend Extended ceil(const Extended& x) { return Extended(boost::multiprecision::ceil(x.value_)); }
    friend Extended abs(const Extended& x) { return Extended(boost::multiprecision::abs(x.value_)); }
    friend bool isfinite(const Extended& x) { return boost::multiprecision::isfinite(x.value_); }
    friend bool isnan(const Extended& x) { return boost::multiprecision::isnan(x.value_); }
    friend bool isinf(const Extended& x) { return boost::multiprecision::isinf(x.value_); }

    // Shortest text that reads back to the same value, for messages and tests.
    friend std::ostream& operator<<(std::ostream& out, const Extended& x) {
        return out << x.value_.str(0, std::ios_base::fmtflags(0));
    }

private:
    Float value_;
};

}  // namespace trivelon
