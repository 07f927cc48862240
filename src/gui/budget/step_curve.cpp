// Sampling the step curve of the chance by pixel columns.
#include "gui/budget/step_curve.h"

#include <algorithm>
#include <cmath>

namespace trivelon::gui {

QPolygonF StepCurve(const ChanceCurve& curve, std::int64_t axisEnd, const QRectF& plot, qreal columnWidth) {
    QPolygonF points;
    if (axisEnd <= 0 || !(plot.width() > 0) || !(columnWidth > 0)) return points;
    // Money and pixels meet in doubles: a column spans far more than the
    // rounding of its ends.
    const double end = static_cast<double>(axisEnd);
    const auto xOf = [&](double money) { return plot.left() + money / end * plot.width(); };
    const auto yOf = [&](double level) { return plot.bottom() - level * plot.height(); };

    double level = curve.within(0);
    points << QPointF(plot.left(), yOf(level));
    const auto columns = static_cast<int>(std::ceil(plot.width() / columnWidth));
    for (int column = 0; column < columns; ++column) {
        const double from = end * (column * columnWidth / plot.width());
        const double to = std::min(end, end * ((column + 1) * columnWidth / plot.width()));
        const double firstRise = curve.nextRise(from);
        // A rise at the end of the axis would merge with the plot's edge;
        // the curve shows the sums before it.
        if (firstRise > to || firstRise >= end) continue;
        const double reached = curve.within(to);
        if (reached == level) continue;
        points << QPointF(xOf(firstRise), yOf(level)) << QPointF(xOf(firstRise), yOf(reached));
        level = reached;
    }
    points << QPointF(plot.right(), yOf(level));
    return points;
}

}  // namespace trivelon::gui
