#include "gui/widgets/image_combo.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace trivelon::gui {

namespace {

constexpr int kPictureLeft = 2;
constexpr int kTextGap = 8;
constexpr int kPictureSize = 24;

// Draws a row as picture and text on one line, both vertically centred.
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
            picture.paint(painter, QRect(QPoint(textLeft, top), size));
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
    setEditable(false);
    setIconSize(QSize(kPictureSize, kPictureSize));
    setItemDelegate(new ImageRowDelegate(this));
    connect(this, &QComboBox::activated, this, &ImageCombo::changed);
}

void ImageCombo::addRow(const QString& text, const QIcon& picture) { addItem(picture, text); }

}  // namespace trivelon::gui
