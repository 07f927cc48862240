#include "gui/widgets/classic_style.h"

#include <QApplication>
#include <QStyleOptionComboBox>
#include <QStyleOptionTabWidgetFrame>

#include "gui/widgets/enter_clicks_buttons.h"

namespace trivelon::gui {
namespace {

// An editable combo box: a 2-pixel frame around the text field, and an arrow
// button 15 pixels wide at the right edge.
constexpr int kComboFrame = 2;
constexpr int kArrowWidth = 15;

// A tab page sits 4 pixels inside the tab control's sides and bottom, below
// a tab row 24 pixels high (taller only where the font needs it).
constexpr int kPageSideMargin = 4;
constexpr int kTabRowHeight = 24;
constexpr int kTabTextPadding = 8;

}  // namespace

void ClassicStyle::applyToApplication() {
    if (!qobject_cast<ClassicStyle*>(QApplication::style())) QApplication::setStyle(new ClassicStyle);
    EnterClicksButtons::installOnApplication();
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !combo->editable)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect box = option->rect;
    switch (part) {
        case SC_ComboBoxArrow: return QRect(box.right() - kArrowWidth + 1, box.top(), kArrowWidth, box.height());
        case SC_ComboBoxEditField:
            return QRect(box.left() + kComboFrame, box.top() + kComboFrame, box.width() - kComboFrame - kArrowWidth,
                         box.height() - 2 * kComboFrame);
        default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

QRect ClassicStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
    const auto* tabs = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
    if (element != SE_TabWidgetTabContents || !tabs) return QProxyStyle::subElementRect(element, option, widget);
    // Below the tab row, or below the tabs where a larger font makes them taller.
    const int top = std::max(kTabRowHeight, tabs->tabBarSize.height());
    const QRect whole = option->rect;
    return QRect(whole.left() + kPageSideMargin, top, whole.width() - 2 * kPageSideMargin,
                 whole.bottom() - kPageSideMargin - top + 1);
}

QSize ClassicStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                     const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_TabBarTab) size.setHeight(std::max(kTabRowHeight, option->fontMetrics.height() + kTabTextPadding));
    return size;
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    // A list that opens below its box and shows at most its box's number of
    // visible rows, scrolling the rest, for pick-only boxes too.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace trivelon::gui
