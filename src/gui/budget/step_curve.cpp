// Sampling the step curve of the chance by pixel columns.
#include "gui/budget/step_curve.h"

#include <algorithm>
#include <cmath>

namespace trivelon::gui {

namespace {

// The largest double below 2^63: any count of tries beyond it is as good as
// it for the chance, and it still converts to a 64-bit integer.
constexpr double kMostTries = 9223372036854774784.0;

}  // namespace

double ChanceWithinSum(const TryChance& chance, std::int64_t tryCost, double money) {
    const double tries = std::clamp(std::floor(money / static_cast<double>(tryCost)), 0.0, kMostTries);
    return chance.chanceWithin(static_cast<std::int64_t>(tries));
}

QPolygonF StepCurve(const TryChance& chance, std::int64_t tryCost, std::int64_t axisEnd, const QRectF& plot,
                    qreal columnWidth) {
    QPolygonF points;
    if (tryCost <= 0 || axisEnd <= 0 || !(plot.width() > 0) || !(columnWidth > 0)) return points;
    // Money and pixels meet in doubles: a column spans far more than the
    // rounding of its ends.
    const double cost = static_cast<double>(tryCost);
    const double end = static_cast<double>(axisEnd);
    const auto xOf = [&](double money) { return plot.left() + money / end * plot.width(); };
    const auto yOf = [&](double level) { return plot.bottom() - level * plot.height(); };
    const auto chanceAt = [&](double money) { return ChanceWithinSum(chance, tryCost, money); };

    double level = chanceAt(0);
    points << QPointF(plot.left(), yOf(level));
    const auto columns = static_cast<int>(std::ceil(plot.width() / columnWidth));
    for (int column = 0; column < columns; ++column) {
        const double from = end * (column * columnWidth / plot.width());
        const double to = std::min(end, end * ((column + 1) * columnWidth / plot.width()));
        const double firstRise = (std::floor(from / cost) + 1) * cost;
        // A rise at the end of the axis would merge with the plot's edge;
        // the curve shows the sums before it.
        if (firstRise > to || firstRise >= end) continue;
        const double reached = chanceAt(to);
        points << QPointF(xOf(firstRise), yOf(level)) << QPointF(xOf(firstRise), yOf(reached));
        level = reached;
    }
    points << QPointF(plot.right(), yOf(level));
    return points;
}

}  // namespace trivelon::gui
