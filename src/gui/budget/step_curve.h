#pragma once
// The chance of success against money spent, as the points of the step
// curve it is: the chance rises only at the sums where it can.
#include <cstdint>

#include <QPolygonF>
#include <QRectF>

#include "gui/budget/budget_calculation.h"

namespace trivelon::gui {

// The curve over a plot whose left edge is no money and whose right edge is
// axisEnd Zeny (bottom 0 %, top 100 %). Each column of the given width (a
// device pixel) holds at most one rise, at the first sum within it where the
// chance can rise, so that however many rises the money covers, the work
// follows the columns and not the rises. The curve ends level at the right
// edge: a rise exactly at axisEnd lies beyond it.
QPolygonF StepCurve(const ChanceCurve& curve, std::int64_t axisEnd, const QRectF& plot, qreal columnWidth);

}  // namespace trivelon::gui
