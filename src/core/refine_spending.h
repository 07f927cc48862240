#pragma once
// What the refine the game runs spends until its first success, and the
// chance that a sum covers it.
//
// An attempt buys one item and makes the steps from the current level
// upward, each with one material and the fee. It ends at the first step that
// fails, which breaks the item, or when the target is reached. Over N
// attempts and S steps made in all, a spending counts N x perAttempt +
// S x perStep: Zeny with the item's price per attempt and material + fee per
// step, materials with 0 and 1.
//
// Let A be the chance that an attempt succeeds, and w_j the chance that it
// breaks at the j-th step that can fail, after s_j steps made. The failed
// attempts before the first success are geometric in number, and the
// spending is base (the successful attempt's cost) plus one cost
// y_j = perAttempt + s_j x perStep for each failed attempt. Its chances are
// worked out in one of three ways:
//
// - Lattice: where the y_j are multiples of one span h (their greatest
//   common divisor), the chance of spending base + i h follows from
//   mass[i] = A [i = 0] + sum_j w_j mass[i - y_j / h].
// - Bands: otherwise, the chance of f failed attempts whose further steps
//   (past the first step that can fail) total t, row by row in f: each row
//   the one before convolved with the w_j, its ends cut where less than
//   1e-17 of the row's weight lies beyond them.
// - Approximate: the lattice over cells spanning the sums that matter, as
//   many as kApproximateWork operations allow, from kFewestApproximateCells to
//   kApproximateCells, each y_j split between the two cells around it so
//   that its mean stays. The rounding then adds noise of mean zero to the spending,
//   whose spread stays within about 1 % of the sum: it moves a budget by far
//   less than 0.1 % and a chance by far less than 0.05 percentage point (the
//   tests hold it to those bounds against the exact methods).
//
// The lattice and the bands are exact up to double rounding; the cheaper of
// them is used while it takes at most kExactWork operations, which covers
// every refine whose 99 % budget needs some 1 900 attempts or fewer (a
// level-4 weapon from +0 to +10 at Weaponry Research 9). Past
// the last sum worked out, where more than 99 % is covered, the chance left
// falls as e^(-gamma x), gamma the positive root of sum_j w_j e^(gamma y_j) = 1
// (the Cramér-Lundberg rate).
#include <cstdint>
#include <optional>
#include <vector>

#include "rules.h"

namespace trivelon {

// The attempts of a refine: the chance that one succeeds and the steps it
// makes, and for each step that can break the item, the chance that an
// attempt breaks there and the steps it has made by then.
struct RefineAttempts {
    struct Failure {
        double chance = 0;
        std::int32_t steps = 0;
    };
    double success = 1;
    std::int32_t successSteps = 0;
    std::vector<Failure> failures;  // by the step they break at, in order
};

// The attempts of a refine from +cur to +fin at the research bonus w. Steps
// to levels at or below the class's safe level always pass, the others with
// min(100, chance + w) percent. Requires 0 <= cur <= fin <= the class's
// highest level and every step rate above 0 (RefineStepRateError gives none).
RefineAttempts AttemptsOfRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin, std::int64_t w);

// What an attempt and a step made cost, each 0 or more.
struct SpendingRates {
    std::int64_t perAttempt = 0;
    std::int64_t perStep = 0;
};

class RefineSpending {
public:
    enum class Method { Lattice, Bands, Approximate };
    static constexpr double kExactWork = 1.2e7;
    static constexpr double kApproximateWork = 5e6;
    static constexpr std::int64_t kApproximateCells = std::int64_t{1} << 21;
    static constexpr std::int64_t kFewestApproximateCells = std::int64_t{1} << 16;

    // The cheapest exact method, or the approximation where neither is
    // cheap enough.
    RefineSpending(const RefineAttempts& attempts, SpendingRates rates);
    // This method, for comparing them: the lattice needs a common span of
    // the failure costs that leaves at most `cells` cells, the bands a cost
    // per step above 0; the approximation uses `cells` cells.
    RefineSpending(const RefineAttempts& attempts, SpendingRates rates, Method method,
                   std::int64_t cells = kApproximateCells);

    Method method() const { return method_; }
    // The chance that the spending until the first success is at most the
    // sum.
    double chanceWithin(std::int64_t sum) const;
    // The smallest whole sum whose chance reaches percent (1 to 99); none
    // beyond the 64-bit range.
    std::optional<std::int64_t> sumFor(std::int32_t percent) const;

private:
    // The method given, or the cheapest exact one (the approximation where
    // neither is cheap enough) where none is.
    RefineSpending(const RefineAttempts& attempts, SpendingRates rates, std::optional<Method> method,
                   std::int64_t cells);

    struct Band {
        std::int64_t first = 0;          // the smallest further-step total kept
        std::vector<double> cumulative;  // chance of f failures, then success, up to each total
    };

    void prepare(const RefineAttempts& attempts, SpendingRates rates);
    double bandsWorkEstimate() const;
    std::int64_t approximateCells() const;
    void planCertain();
    void planLattice(std::int64_t span, std::int64_t cells);
    void planBands();
    void planApproximate(std::int64_t cells);
    // Where the worked-out sums end, and the rate of the tail beyond.
    void closeHorizon(std::int64_t lastSum);

    double withinLattice(std::int64_t sum) const;
    double withinBands(std::int64_t sum) const;
    double withinTail(std::int64_t sum) const;
    std::optional<std::int64_t> tailSumFor(double level) const;

    Method method_ = Method::Lattice;
    bool countable_ = true;  // every cost fits 64 bits
    double success_ = 1;
    std::vector<double> weights_;      // w_j
    std::vector<std::int64_t> costs_;  // y_j
    std::int64_t base_ = 0;
    std::int64_t perStep_ = 0;
    double gamma_ = 0;
    double reach_ = 0;  // the sums beyond base that matter, about 99.6 % of the chance

    // The lattice (exact or approximate): cells of `span_` Zeny from base.
    double span_ = 1;
    std::vector<double> cumulative_;
    // The bands, row f for f failed attempts; before each band, the chance of
    // the bands before it, and the least sum that covers it and every band
    // before it whole (never falling), so that a sum skips the bands it
    // covers whole.
    std::vector<Band> bands_;
    std::vector<double> chanceBefore_;
    std::vector<std::int64_t> coversWholeFrom_;

    std::int64_t horizon_ = 0;  // the last sum worked out
    double coveredAtHorizon_ = 1;
};

}  // namespace trivelon
