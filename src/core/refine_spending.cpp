// The spending of a refine until its first success: its chances on a
// lattice, in bands or approximately, and the tail beyond.
#include "refine_spending.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "numbers.h"
#include "refine.h"

namespace trivelon {

namespace {

// A chance within this of a certainty counts as reaching it, so that sums
// of many terms that are equal to it in exact arithmetic do.
constexpr double kSlack = 1e-12;
// The chance of failing so, before the last try succeeds, that may be cut
// at each end of a band.
constexpr double kBandCut = 1e-17;
// The exact lattice keeps at most this many cells (two arrays of doubles).
constexpr std::int64_t kMostLatticeCells = std::int64_t{1} << 21;

// Writes the running sums of the cells times the scale and returns the sum
// of all cells. The sums are taken four cells at a time, each block added to
// the total once, so that the additions do not all wait for one another.
double ScaledRunningSums(const std::vector<double>& cells, double scale, std::vector<double>& sums) {
    double total = 0;
    std::size_t i = 0;
    for (; i + 4 <= cells.size(); i += 4) {
        const double two = cells[i] + cells[i + 1], three = two + cells[i + 2], four = three + cells[i + 3];
        sums[i] = (total + cells[i]) * scale;
        sums[i + 1] = (total + two) * scale;
        sums[i + 2] = (total + three) * scale;
        total += four;
        sums[i + 3] = total * scale;
    }
    for (; i < cells.size(); ++i) {
        total += cells[i];
        sums[i] = total * scale;
    }
    return total;
}

double Level(std::int32_t percent) { return percent / 100.0 - kSlack; }

// The greatest common divisor of the costs, above 0.
std::int64_t SpanOf(const std::vector<std::int64_t>& costs) {
    std::int64_t span = 0;
    for (std::int64_t cost : costs) span = std::gcd(span, cost);
    return std::max<std::int64_t>(span, 1);
}

// The sum as a whole number of Zeny, or none beyond the 64-bit range.
std::optional<std::int64_t> WholeSum(double sum) {
    const double whole = std::ceil(sum);
    if (!(whole < 9.2e18)) return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

}  // namespace

RefineAttempts AttemptsOfRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin, std::int64_t w) {
    RefineAttempts attempts;
    attempts.successSteps = fin - cur;
    // The chance of reaching a step, as a whole number over 100^risky.
    std::int64_t reach = 1;
    double scale = 1;
    for (std::int32_t level = cur + 1; level <= fin; ++level) {
        if (level <= cls.safeLevel) continue;
        const std::int64_t rate = StepRate(cls, level, w);
        scale *= 100;
        if (rate < 100) attempts.failures.push_back({static_cast<double>(reach * (100 - rate)) / scale, level - cur});
        reach *= rate;
    }
    attempts.success = static_cast<double>(reach) / scale;
    return attempts;
}

void RefineSpending::prepare(const RefineAttempts& attempts, SpendingRates rates) {
    success_ = attempts.success;
    perStep_ = rates.perStep;
    const auto costOf = [&](std::int32_t steps) {
        const auto stepsCost = CheckedProduct(steps, rates.perStep);
        return stepsCost ? CheckedSum(rates.perAttempt, *stepsCost) : std::nullopt;
    };
    const auto base = costOf(attempts.successSteps);
    countable_ = base.has_value();
    base_ = base.value_or(0);
    double sumOfCosts = 0;
    for (const RefineAttempts::Failure& failure : attempts.failures) {
        const auto cost = costOf(failure.steps);
        countable_ = countable_ && cost;
        weights_.push_back(failure.chance);
        costs_.push_back(cost.value_or(0));
        sumOfCosts += failure.chance * static_cast<double>(cost.value_or(0));
    }
    if (costs_.empty() || !(sumOfCosts > 0)) return;

    // The root of sum w_j e^(gamma y_j) = 1: the function is convex and
    // rising, at or above 0 at A / sum w_j y_j, so Newton's steps fall to it.
    gamma_ = success_ / sumOfCosts;
    for (int i = 0; i < 200; ++i) {
        double value = -1, slope = 0;
        for (std::size_t j = 0; j < costs_.size(); ++j) {
            const double term = weights_[j] * std::exp(gamma_ * static_cast<double>(costs_[j]));
            value += term;
            slope += term * static_cast<double>(costs_[j]);
        }
        const double next = gamma_ - value / slope;
        if (!(next < gamma_) || gamma_ - next <= gamma_ * 1e-14) break;
        gamma_ = next;
    }
    // About 99.6 % of the chance lies below base + reach.
    reach_ = (std::log(100.0) + 1) / gamma_ + 3 * static_cast<double>(*std::max_element(costs_.begin(), costs_.end()));
}

RefineSpending::RefineSpending(const RefineAttempts& attempts, SpendingRates rates)
    : RefineSpending(attempts, rates, std::nullopt, kApproximateCells) {}

RefineSpending::RefineSpending(const RefineAttempts& attempts, SpendingRates rates, Method method, std::int64_t cells)
    : RefineSpending(attempts, rates, std::optional(method), cells) {}

RefineSpending::RefineSpending(const RefineAttempts& attempts, SpendingRates rates, std::optional<Method> method,
                               std::int64_t cells) {
    prepare(attempts, rates);
    if (!countable_) return;
    if (reach_ == 0) {
        planCertain();
        return;
    }
    const std::int64_t span = SpanOf(costs_);
    const double latticeCells = reach_ / static_cast<double>(span) + 2;
    if (!method) {
        // The cheapest exact method, or the approximation.
        const double latticeWork = latticeCells * static_cast<double>(costs_.size());
        const double bandsWork = perStep_ > 0 ? bandsWorkEstimate() : kExactWork + 1;
        if (latticeCells <= static_cast<double>(kMostLatticeCells) && latticeWork <= std::min(bandsWork, kExactWork))
            method = Method::Lattice;
        else if (bandsWork <= kExactWork)
            method = Method::Bands;
        else {
            method = Method::Approximate;
            cells = approximateCells();
        }
    }
    if (*method == Method::Lattice || (*method == Method::Bands && perStep_ == 0))
        planLattice(span, std::min(cells, static_cast<std::int64_t>(latticeCells)));
    else if (*method == Method::Bands)
        planBands();
    else
        planApproximate(cells);
}

double RefineSpending::bandsWorkEstimate() const {
    // Rows until their sums pass the reach, each about 17 deviations of its
    // further steps wide, times the steps a failure can add.
    double weight = 0, meanCost = 0, meanSteps = 0, square = 0;
    const auto stepsOf = [&](std::size_t j) {
        return static_cast<double>(costs_[j] - costs_.front()) / static_cast<double>(perStep_);
    };
    for (std::size_t j = 0; j < costs_.size(); ++j) {
        weight += weights_[j];
        meanCost += weights_[j] * static_cast<double>(costs_[j]);
        meanSteps += weights_[j] * stepsOf(j);
    }
    meanCost /= weight;
    meanSteps /= weight;
    for (std::size_t j = 0; j < costs_.size(); ++j) square += weights_[j] * std::pow(stepsOf(j) - meanSteps, 2);
    const double deviation = std::sqrt(square / weight);
    const double rows = 1.2 * reach_ / meanCost + 10;
    return (stepsOf(costs_.size() - 1) + 1) * (rows + 11.3 * deviation * std::pow(rows, 1.5));
}

std::int64_t RefineSpending::approximateCells() const {
    // Each cell adds up the cells its failure costs reach back to.
    const double largestCost = static_cast<double>(*std::max_element(costs_.begin(), costs_.end()));
    std::int64_t cells = kApproximateCells;
    while (cells > kFewestApproximateCells &&
           static_cast<double>(cells) * (largestCost * static_cast<double>(cells) / reach_ + 2) > kApproximateWork)
        cells /= 2;
    return cells;
}

void RefineSpending::planCertain() {
    // Nothing can fail, or nothing costs: the spending is base.
    method_ = Method::Lattice;
    cumulative_ = {1.0};
    horizon_ = base_;
    coveredAtHorizon_ = 1;
}

void RefineSpending::planLattice(std::int64_t span, std::int64_t cells) {
    method_ = Method::Lattice;
    span_ = static_cast<double>(span);
    // The cells stay within the 64-bit range of sums.
    cells = std::max<std::int64_t>(1, std::min(cells, (kInt64Max - base_) / span + 1));
    std::vector<double> mass(static_cast<std::size_t>(cells), 0.0);
    mass[0] = success_;
    std::vector<std::pair<std::size_t, double>> jumps;
    for (std::size_t j = 0; j < costs_.size(); ++j)
        jumps.emplace_back(static_cast<std::size_t>(std::min(costs_[j] / span, cells)), weights_[j]);
    for (std::size_t i = 1; i < mass.size(); ++i) {
        double sum = 0;
        for (const auto& [offset, weight] : jumps)
            if (offset <= i) sum += weight * mass[i - offset];
        mass[i] = sum;
    }
    cumulative_.resize(mass.size());
    std::partial_sum(mass.begin(), mass.end(), cumulative_.begin());
    closeHorizon(base_ + (cells - 1) * span);
}

void RefineSpending::planBands() {
    method_ = Method::Bands;
    // The further steps of a failed attempt past the first step that can
    // fail, and their chances.
    const std::int64_t firstCost = costs_.front();
    std::vector<double> kernel(static_cast<std::size_t>((costs_.back() - firstCost) / perStep_ + 1), 0.0);
    for (std::size_t j = 0; j < costs_.size(); ++j)
        kernel[static_cast<std::size_t>((costs_[j] - firstCost) / perStep_)] += weights_[j];

    const double horizon = std::min(static_cast<double>(base_) + reach_, 9.2e18);
    std::vector<double> row{1.0}, next;
    std::int64_t first = 0;
    for (std::int64_t failures = 0;; ++failures) {
        // The least sum this row keeps; later rows keep only larger ones.
        const double least = static_cast<double>(base_) +
                             static_cast<double>(failures) * static_cast<double>(firstCost) +
                             static_cast<double>(first) * static_cast<double>(perStep_);
        if (least > horizon) break;
        Band band{first, std::vector<double>(row.size())};
        if (ScaledRunningSums(row, success_, band.cumulative) < kBandCut) break;
        // The largest sum in the band, or the 64-bit limit beyond it.
        std::optional<std::int64_t> largest = CheckedProduct(failures, firstCost);
        if (largest) largest = CheckedSum(*largest, base_);
        if (const auto steps = CheckedProduct(first + static_cast<std::int64_t>(row.size()) - 1, perStep_); largest)
            largest = steps ? CheckedSum(*largest, *steps) : std::nullopt;
        coversWholeFrom_.push_back(
            std::max(coversWholeFrom_.empty() ? 0 : coversWholeFrom_.back(), largest.value_or(kInt64Max)));
        chanceBefore_.push_back((chanceBefore_.empty() ? 0 : chanceBefore_.back() + bands_.back().cumulative.back()));
        bands_.push_back(std::move(band));

        // One pass of the row for each further step, which the compiler
        // turns into vector arithmetic; the first writes the cells the
        // others add to.
        next.resize(row.size() + kernel.size() - 1);
        std::fill(next.begin() + static_cast<std::ptrdiff_t>(row.size()), next.end(), 0.0);
        for (std::size_t i = 0; i < row.size(); ++i) next[i] = row[i] * kernel[0];
        for (std::size_t j = 1; j < kernel.size(); ++j) {
            const double chance = kernel[j];
            double* to = next.data() + j;
            for (std::size_t i = 0; i < row.size(); ++i) to[i] += row[i] * chance;
        }
        // Both ends lose what adds up to less than the cut of the whole
        // chance, which narrows the rows of many failures, themselves rare.
        std::size_t from = 0, to = next.size();
        for (double cut = 0; from + 1 < to && cut + next[from] < kBandCut; ++from) cut += next[from];
        for (double cut = 0; to - 1 > from && cut + next[to - 1] < kBandCut; --to) cut += next[to - 1];
        row.assign(next.begin() + static_cast<std::ptrdiff_t>(from), next.begin() + static_cast<std::ptrdiff_t>(to));
        first += static_cast<std::int64_t>(from);
    }
    closeHorizon(static_cast<std::int64_t>(horizon));
}

void RefineSpending::planApproximate(std::int64_t cells) {
    method_ = Method::Approximate;
    span_ = reach_ / static_cast<double>(cells - 1);
    // Each failure cost split between the cells below and above it, in the
    // proportion that keeps its mean.
    std::vector<double> taps;
    for (std::size_t j = 0; j < costs_.size(); ++j) {
        const double offset = static_cast<double>(costs_[j]) / span_;
        const auto below = static_cast<std::size_t>(std::floor(offset));
        const double above = offset - static_cast<double>(below);
        if (taps.size() < below + 2) taps.resize(below + 2, 0.0);
        taps[below] += weights_[j] * (1 - above);
        taps[below + 1] += weights_[j] * above;
    }
    const double stay = 1 - taps[0];  // the share that leaves a cell
    std::vector<double> mass(static_cast<std::size_t>(cells), 0.0);
    for (std::size_t i = 0; i < mass.size(); ++i) {
        double sum = i == 0 ? success_ : 0;
        for (std::size_t offset = 1; offset < taps.size() && offset <= i; ++offset)
            sum += taps[offset] * mass[i - offset];
        mass[i] = sum / stay;
    }
    // Kept without the certain success of the first attempt at base, which
    // is no smooth part of the spending.
    mass[0] -= success_;
    cumulative_.resize(mass.size());
    std::partial_sum(mass.begin(), mass.end(), cumulative_.begin());
    const double last = static_cast<double>(base_) + (static_cast<double>(cells) - 1) * span_;
    closeHorizon(static_cast<std::int64_t>(std::min(last, 9.2e18)));
}

void RefineSpending::closeHorizon(std::int64_t lastSum) {
    horizon_ = lastSum;
    switch (method_) {
        case Method::Lattice: coveredAtHorizon_ = cumulative_.back(); break;
        case Method::Bands: coveredAtHorizon_ = withinBands(lastSum); break;
        case Method::Approximate: coveredAtHorizon_ = success_ + cumulative_.back(); break;
    }
}

double RefineSpending::withinLattice(std::int64_t sum) const {
    const auto cell = static_cast<std::size_t>((sum - base_) / static_cast<std::int64_t>(span_));
    return cumulative_[std::min(cell, cumulative_.size() - 1)];
}

double RefineSpending::withinBands(std::int64_t sum) const {
    if (sum < base_ || bands_.empty()) return 0;
    // The bands the sum covers whole add their chance at once (in the same
    // order of additions as one by one).
    const auto whole = static_cast<std::size_t>(
        std::upper_bound(coversWholeFrom_.begin(), coversWholeFrom_.end(), sum) - coversWholeFrom_.begin());
    if (whole == bands_.size()) return chanceBefore_.back() + bands_.back().cumulative.back();
    double chance = chanceBefore_[whole];
    const std::optional<std::int64_t> failed = CheckedProduct(static_cast<std::int64_t>(whole), costs_.front());
    if (!failed || *failed > sum - base_) return chance;
    // What is left of the sum after each band's failures, as whole further
    // steps and a rest below one step, so that no band needs a division.
    std::int64_t steps = (sum - base_ - *failed) / perStep_, rest = (sum - base_ - *failed) % perStep_;
    const std::int64_t failureSteps = costs_.front() / perStep_, failureRest = costs_.front() % perStep_;
    for (auto band = bands_.begin() + static_cast<std::ptrdiff_t>(whole); band != bands_.end(); ++band) {
        if (steps < 0) break;
        const std::int64_t further = steps - band->first;
        if (further >= 0)
            chance += band->cumulative[static_cast<std::size_t>(
                std::min<std::int64_t>(further, static_cast<std::int64_t>(band->cumulative.size()) - 1))];
        steps -= failureSteps;
        rest -= failureRest;
        if (rest < 0) {
            rest += perStep_;
            --steps;
        }
    }
    return chance;
}

double RefineSpending::withinTail(std::int64_t sum) const {
    return 1 - (1 - coveredAtHorizon_) * std::exp(-gamma_ * (static_cast<double>(sum) - static_cast<double>(horizon_)));
}

double RefineSpending::chanceWithin(std::int64_t sum) const {
    if (!countable_ || sum < base_) return 0;
    if (sum > horizon_) return reach_ == 0 ? 1 : withinTail(sum);
    switch (method_) {
        case Method::Lattice: return withinLattice(sum);
        case Method::Bands: return withinBands(sum);
        case Method::Approximate: break;
    }
    // The smooth part between the middles of its cells.
    const double position = static_cast<double>(sum - base_) / span_ + 0.5;
    const auto cell = static_cast<std::size_t>(position);
    const double before = cell == 0 ? 0 : cumulative_[cell - 1];
    const double here = cell < cumulative_.size() ? cumulative_[cell] - before : 0;
    return success_ + before + (position - static_cast<double>(cell)) * here;
}

std::optional<std::int64_t> RefineSpending::tailSumFor(double level) const {
    if (reach_ == 0) return horizon_;
    return WholeSum(static_cast<double>(horizon_) + std::log((1 - coveredAtHorizon_) / (1 - level)) / gamma_);
}

std::optional<std::int64_t> RefineSpending::sumFor(std::int32_t percent) const {
    if (!countable_) return std::nullopt;
    const double level = Level(percent);
    if (coveredAtHorizon_ < level) return tailSumFor(level);
    switch (method_) {
        case Method::Lattice: {
            const auto cell = std::lower_bound(cumulative_.begin(), cumulative_.end(), level) - cumulative_.begin();
            // A span within a rounding of 2^63 is held as 2^63 itself, which
            // no 64-bit sum reaches.
            if (!(span_ < 0x1p63)) return std::nullopt;
            const std::optional<std::int64_t> steps = CheckedProduct(cell, static_cast<std::int64_t>(span_));
            return steps ? CheckedSum(base_, *steps) : std::nullopt;
        }
        case Method::Bands: {
            std::int64_t below = base_ - 1, reaches = horizon_;
            while (reaches - below > 1) {
                const std::int64_t middle = below + (reaches - below) / 2;
                (withinBands(middle) >= level ? reaches : below) = middle;
            }
            return reaches;
        }
        case Method::Approximate: break;
    }
    if (success_ >= level) return base_;
    const double smooth = level - success_;
    const auto cell = static_cast<std::size_t>(std::lower_bound(cumulative_.begin(), cumulative_.end(), smooth) -
                                               cumulative_.begin());
    const double before = cell == 0 ? 0 : cumulative_[cell - 1];
    const double here = cumulative_[cell] - before;
    const double position = static_cast<double>(cell) + (here > 0 ? (smooth - before) / here : 0) - 0.5;
    return WholeSum(static_cast<double>(base_) + std::max(0.0, position) * span_);
}

}  // namespace trivelon
