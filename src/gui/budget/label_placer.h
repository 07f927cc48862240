#pragma once
// Where the labels of a chart go: each at the first of the places offered
// for it that is free, so that labels neither cover each other nor what the
// chart must keep visible.
#include <functional>

#include <QList>
#include <QRectF>

namespace trivelon::gui {

class LabelPlacer {
public:
    // Places must lie within bounds, and be clear by the given test.
    LabelPlacer(const QRectF& bounds, std::function<bool(const QRectF&)> isClear);

    // The first place that lies within bounds, is clear and overlaps no label
    // placed before; the first place when none is free.
    QRectF place(const QList<QRectF>& places);

private:
    QRectF bounds_;
    std::function<bool(const QRectF&)> isClear_;
    QList<QRectF> placed_;
};

}  // namespace trivelon::gui
