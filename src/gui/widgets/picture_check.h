#pragma once
// A check box drawn as a 10 x 10 tick picture at its left edge; the rest of
// its 80 x 17 area is see-through. It never takes keyboard focus.
#include <QWidget>

namespace trivelon::gui {

class PictureCheck : public QWidget {
    Q_OBJECT
public:
    explicit PictureCheck(QWidget* parent = nullptr);

    bool isChecked() const { return checked_; }
    // From code: redraws, emits nothing.
    void setChecked(bool checked);
    // Turns over as a click does, and says so.
    void click();

signals:
    // Emitted after the state turned over, so receivers see the new state.
    void clicked(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool checked_ = false;
};

}  // namespace trivelon::gui
