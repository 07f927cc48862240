#pragma once
// Repeats a tile from the top-left corner across its whole area, behind its
// sibling widgets.
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace trivelon::gui {

class Wallpaper : public QWidget {
    Q_OBJECT
public:
    explicit Wallpaper(const QImage& tile, QWidget* parent = nullptr);

    void setTile(const QImage& tile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap tile_;
};

}  // namespace trivelon::gui
