#include "gui/widgets/control_factory.h"

#include <vector>

#include <QAbstractItemView>
#include <QPalette>
#include <QStyledItemDelegate>

#include "gui/widgets/accessibility.h"
#include "gui/widgets/font_families.h"

namespace trivelon::gui {
namespace {

class FixedRowHeightDelegate : public QStyledItemDelegate {
public:
    FixedRowHeightDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
    }

private:
    int rowHeight_;
};

}  // namespace

// The windows ask for a dozen fonts again and again (every result window
// for the same ones); each is made once and then shared.
QFont PixelFont(const QString& family, int pixelSize, bool bold) {
    struct Made {
        QString family;
        int pixelSize;
        bool bold;
        QFont font;
    };
    static std::vector<Made> made;
    for (const Made& font : made)
        if (font.pixelSize == pixelSize && font.bold == bold && font.family == family) return font.font;
    QFont font(InstalledFamilyFor(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    made.push_back({family, pixelSize, bold, font});
    return font;
}

QLabel* AddCaption(QWidget* parent, const QString& text, QPoint topLeft, const QFont& font, QWidget* control) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(topLeft);
    label->adjustSize();
    if (control) CaptionOf(*label, *control);
    return label;
}

void CaptionOf(QLabel& caption, QWidget& control) {
    caption.setBuddy(&control);
    control.setAccessibleName(SpokenCaption(caption.text()));
}

QLabel* AddBoxLabel(QWidget* parent, const QString& text, const QRect& place, const BoxLabelLook& look) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(look.font);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, look.background);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QStringList NumberItems(int first, int last, const QString& prefix) {
    QStringList items;
    for (int n = first; n <= last; ++n) items << prefix + QString::number(n);
    return items;
}

void SetListRowHeight(QComboBox& combo, int rowHeight) {
    combo.setItemDelegate(new FixedRowHeightDelegate(rowHeight, &combo));
}

void SetListWidth(QComboBox& combo, int width) { combo.view()->window()->setMaximumWidth(width); }

EditCombo* AddEditCombo(QWidget* parent, const QRect& place, const QStringList& items, const QString& text,
                        StartItem start) {
    auto* combo = new EditCombo(parent);
    combo->setGeometry(place);
    combo->addItems(items);
    combo->setCurrentIndex(start == StartItem::Matching ? static_cast<int>(items.indexOf(text)) : -1);
    combo->setTextSilently(text);
    return combo;
}

}  // namespace trivelon::gui
