#include "gui/widgets/picture_check.h"

#include <QImage>
#include <QPainter>

#include "gui/widgets/accessibility.h"
#include "gui/widgets/known_format_image.h"

namespace trivelon::gui {

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 17;
constexpr int kTickSize = 10;

// The built-in tick picture, or a plain drawn box when the resource is not
// compiled in.
QImage TickPicture(const QString& resource, bool ticked, bool enabled) {
    QImage picture = BuiltInPicture(resource);
    if (!picture.isNull()) return picture;
    picture = QImage(kTickSize, kTickSize, QImage::Format_RGB32);
    picture.fill(enabled ? Qt::white : Qt::lightGray);
    QPainter painter(&picture);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, kTickSize - 1, kTickSize - 1);
    if (ticked) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(2, 5, 4, 7);
        painter.drawLine(4, 7, 8, 2);
    }
    return picture;
}

const QImage& TickFor(bool checked, bool enabled) {
    static const QImage on = TickPicture(":/pictures/tick_on.bmp", true, true);
    static const QImage off = TickPicture(":/pictures/tick_off.bmp", false, true);
    static const QImage disabled = TickPicture(":/pictures/tick_disabled.bmp", false, false);
    if (!enabled) return disabled;
    return checked ? on : off;
}

}  // namespace

PictureCheck::PictureCheck(QWidget* parent) : QCheckBox(parent) { setFixedSize(kWidth, kHeight); }

QSize PictureCheck::sizeHint() const { return {kWidth, kHeight}; }

bool PictureCheck::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void PictureCheck::paintEvent(QPaintEvent*) {
    const QImage& tick = TickFor(isChecked(), isEnabled());
    QPainter painter(this);
    painter.drawImage(0, (height() - tick.height()) / 2, tick);
    DrawFocusFrame(*this, painter, rect());
}

}  // namespace trivelon::gui
