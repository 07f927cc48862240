#pragma once
// Shows a picture unscaled at its top-left corner, clipped to its area.
// A transparent box leaves out the pixels of the bottom-left pixel's colour.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace trivelon::gui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setTransparent(bool transparent);
    bool isTransparent() const { return transparent_; }

    // An empty image draws nothing. Clears the recorded file path.
    void setPicture(const QImage& picture);
    // As setPicture, remembering the file the picture came from.
    void setPictureFromFile(const QImage& picture, const QString& path);
    const QImage& picture() const { return picture_; }
    // The path of the last successful load from a file; empty otherwise.
    QString picturePath() const { return path_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildPixmap();

    QImage picture_;
    QPixmap shown_;
    QString path_;
    bool transparent_ = false;
};

}  // namespace trivelon::gui
