#pragma once
// What a refine really uses per success. An attempt whose item breaks at a
// step stops there: the steps after it use no material and no fee. Where a
// refine outcome's counts (ComputeRefine) take every step of every attempt,
// these count only the steps an attempt makes:
//
//   A = the chance that an attempt reaches +t (the product of the step chances),
//   E = the expected number of steps one attempt makes (the sum, over the steps
//       c+1 ... t, of the chance that every step before it passed);
//   items per success = 1 / A, materials (and fees paid) per success = E / A
//   (Wald's identity), Zeny per success = E / A x (material + fee) + 1 / A x item.
//
// A step to a level at or below the class's safe level always passes; a step
// above it passes with min(1, (base + W) / 100). Everything is held exactly
// and rounded once, for display.
#include <cstdint>
#include <optional>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "result.h"
#include "rules.h"

namespace trivelon {

using Rational = boost::multiprecision::cpp_rational;

// Zeny per material, per attempt (the fee, paid with each material) and per
// item.
struct RefinePrices {
    std::int64_t material = 0;
    std::int64_t fee = 0;
    std::int64_t item = 0;
};

// The exact expectation per success.
struct RefineExpectation {
    Rational items;      // 1 / A
    Rational materials;  // E / A; the attempt fees paid are as many
    Rational cost;       // E / A x (material + fee) + 1 / A x item, in Zeny
};

// Requires 0 <= cur <= fin <= the class's highest level, as ComputeRefine.
// None when nothing is left to do (cur == fin above the safe level). A safe
// refine (fin at or below the safe level, any W) gives 1 item, fin - cur
// materials and that many times (material + fee), plus the item. Fails with
// RefineStepRateError's message, the one ComputeRefine gives, when a step
// above the safe level has a rate at or below 0.
Result<std::optional<RefineExpectation>> ExpectRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin,
                                                      std::int64_t w, const RefinePrices& prices);

// The expectation as shown, each figure rounded once to the nearest, an exact
// tie going to the even neighbour.
struct RefineExpectationFigures {
    std::int64_t itemsTenths = 0;      // items to one decimal, in tenths: 25 for 2.5
    std::int64_t materialsTenths = 0;  // materials (and fees) to one decimal, in tenths
    // Whole Zeny; empty where the figure lies beyond the signed 64-bit range
    // (never with 32-bit prices and the built-in classes, whose extreme is
    // about 2.4e17, but held so that no figure can wrap).
    std::optional<std::int64_t> cost;
};

// Rounds an expectation that ExpectRefine gave (whose items and materials fit
// 64 bits in tenths; any cost).
RefineExpectationFigures RoundRefineExpectation(const RefineExpectation& expectation);

// ExpectRefine rounded for display: the same requirements, none and errors.
Result<std::optional<RefineExpectationFigures>> ExpectRefineFigures(const RefineClassRule& cls, std::int32_t cur,
                                                                    std::int32_t fin, std::int64_t w,
                                                                    const RefinePrices& prices);

// "2497.5", "11.4", "7.0": tenths with one decimal after the separator, a
// leading "-" when negative.
std::string TenthsText(std::int64_t tenths, char decimalSeparator);

}  // namespace trivelon
