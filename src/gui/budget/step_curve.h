#pragma once
// The chance of success against money spent, as the points of the step
// curve it is: the chance rises only where the money pays for one more try.
#include <cstdint>

#include <QPolygonF>
#include <QRectF>

#include "core/budget.h"

namespace trivelon::gui {

// The chance that the tries a sum pays for bring a success, for tries of
// tryCost > 0 Zeny each; the sum may lie beyond 64 bits.
double ChanceWithinSum(const TryChance& chance, std::int64_t tryCost, double money);

// The curve over a plot whose left edge is no money and whose right edge is
// axisEnd Zeny (bottom 0 %, top 100 %), for tries of tryCost > 0 Zeny each.
// Each column of the given width (a device pixel) holds at most one rise, at
// the first try paid for within it, so that however many tries the money
// buys, the work follows the columns and not the tries. The curve ends level
// at the right edge: a try paid for exactly at axisEnd rises beyond it.
QPolygonF StepCurve(const TryChance& chance, std::int64_t tryCost, std::int64_t axisEnd, const QRectF& plot,
                    qreal columnWidth);

}  // namespace trivelon::gui
