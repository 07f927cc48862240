// Reading a sum of money from an edit and marking one that cannot be read.
#include "gui/widgets/money_field.h"

#include "core/typed_sum.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/input_marks.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

std::int64_t ReadMoneyField(QLineEdit& edit) {
    const TypedSum sum = ReadTypedSum(CoreText(edit.text()), SystemGroupSeparator());
    const bool unreadable = sum.reading == TypedSum::Reading::Unreadable || sum.reading == TypedSum::Reading::TooMuch;
    MarkProblem(edit, unreadable ? FieldProblem(edit, UnreadableSumToolTip()) : QString());
    return sum.reading == TypedSum::Reading::Zeny ? sum.zeny : 0;
}

}  // namespace trivelon::gui
