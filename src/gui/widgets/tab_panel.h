#pragma once
// The panel that fills one tab page: a background colour and a tiled
// wallpaper one pixel inside its edges that follows the panel's size.
#include <QColor>
#include <QImage>
#include <QWidget>

namespace trivelon::gui {

class Wallpaper;

class TabPanel : public QWidget {
    Q_OBJECT
public:
    TabPanel(const QImage& tile, QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    void setTile(const QImage& tile);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Wallpaper* wallpaper_;
};

}  // namespace trivelon::gui
