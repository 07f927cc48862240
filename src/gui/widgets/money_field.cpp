// Reading a sum of money from an edit and marking one that cannot be read.
#include "gui/widgets/money_field.h"

#include <QPalette>

#include "core/typed_sum.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

std::int64_t ReadMoneyField(QLineEdit& edit) {
    const TypedSum sum = ReadTypedSum(CoreText(edit.text()), SystemGroupSeparator());
    const bool unreadable = sum.reading == TypedSum::Reading::Unreadable || sum.reading == TypedSum::Reading::TooMuch;
    if (unreadable == !edit.toolTip().isEmpty()) return sum.reading == TypedSum::Reading::Zeny ? sum.zeny : 0;
    if (unreadable) {
        QPalette red = edit.palette();
        red.setColor(QPalette::Text, Qt::red);
        edit.setPalette(red);
        edit.setToolTip(QString::fromUtf16(kUnreadableMoneyTip));
    } else {
        edit.setPalette(QPalette());
        edit.setToolTip(QString());
    }
    return sum.reading == TypedSum::Reading::Zeny ? sum.zeny : 0;
}

}  // namespace trivelon::gui
