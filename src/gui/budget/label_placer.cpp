// Choosing free places for chart labels.
#include "gui/budget/label_placer.h"

#include <algorithm>
#include <utility>

namespace trivelon::gui {

LabelPlacer::LabelPlacer(const QRectF& bounds, std::function<bool(const QRectF&)> isClear)
    : bounds_(bounds), isClear_(std::move(isClear)) {}

QRectF LabelPlacer::place(const QList<QRectF>& places) {
    const auto isFree = [&](const QRectF& box) {
        const auto overlaps = [&](const QRectF& other) { return other.intersects(box); };
        return bounds_.contains(box) && isClear_(box) && std::none_of(placed_.begin(), placed_.end(), overlaps);
    };
    const auto found = std::find_if(places.begin(), places.end(), isFree);
    placed_.append(found != places.end() ? *found : places.front());
    return placed_.back();
}

}  // namespace trivelon::gui
