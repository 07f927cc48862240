#include "gui/widgets/image_combo.h"

#include <QAbstractItemView>
#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/widgets/classic_style.h"

namespace trivelon::gui {

namespace {

constexpr int kPictureLeft = 2;
constexpr int kTextGap = 8;
constexpr int kPictureSize = 24;

// A row picture with the colour of its bottom-left pixel, its background,
// left out, so that the row's own colour shows around the figure.
QPixmap WithBackgroundSeeThrough(QPixmap picture) {
    const QImage pixels = picture.toImage();
    const QColor background = pixels.pixelColor(0, pixels.height() - 1);
    picture.setMask(picture.createMaskFromColor(background, Qt::MaskInColor));
    return picture;
}

// Draws a row as picture and text on one line, both vertically centred; the
// row under the pointer is highlighted across its whole width.
class ImageRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, highlighted ? palette.highlight() : palette.base());
        int textLeft = option.rect.left() + kPictureLeft;
        const QIcon picture = index.data(Qt::DecorationRole).value<QIcon>();
        const QSize size = picture.isNull() ? QSize() : picture.actualSize(QSize(kPictureSize, kPictureSize));
        if (!size.isEmpty()) {
            const int top = option.rect.top() + (option.rect.height() - size.height()) / 2;
            painter->drawPixmap(textLeft, top, WithBackgroundSeeThrough(picture.pixmap(size)));
            textLeft += size.width() + kTextGap;
        }
        painter->setPen(highlighted ? palette.highlightedText().color() : palette.text().color());
        QRect textRect = option.rect;
        textRect.setLeft(textLeft);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(ImageCombo::kRowHeight);
        return size;
    }
};

}  // namespace

ImageCombo::ImageCombo(QWidget* parent) : QComboBox(parent) {
    ClassicStyle::applyToApplication();
    setEditable(false);
    setIconSize(QSize(kPictureSize, kPictureSize));
    setItemDelegate(new ImageRowDelegate(this));
    connect(this, &QComboBox::activated, this, &ImageCombo::changed);
}

void ImageCombo::keyPressEvent(QKeyEvent* event) {
    const bool switchesTabs =
        (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier);
    if (switchesTabs) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool ImageCombo::pick(const QString& text) { return pickRow(findText(text)); }

bool ImageCombo::pickKey(const QString& key) { return pickRow(findData(key)); }

bool ImageCombo::pickRow(int row) {
    if (row < 0) return false;
    setCurrentIndex(row);
    emit changed();
    return true;
}

void ImageCombo::addRow(const QString& text, const QIcon& picture, const QString& key) {
    addItem(picture, text, key.isEmpty() ? text : key);
}

QString ImageCombo::currentKey() const { return currentData().toString(); }

}  // namespace trivelon::gui
