#pragma once
// A check box drawn as a 10 x 10 tick picture at its left edge; the rest of
// its 80 x 17 area is see-through and takes clicks too. It is a check box to
// the keyboard (Tab reaches it, Space turns it over, a dotted frame shows
// the focus) and to a screen reader.
#include <QCheckBox>

namespace trivelon::gui {

class PictureCheck : public QCheckBox {
    Q_OBJECT
public:
    explicit PictureCheck(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace trivelon::gui
