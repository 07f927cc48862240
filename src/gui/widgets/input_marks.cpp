#include "gui/widgets/input_marks.h"

#include <QCoreApplication>
#include <QPalette>

namespace trivelon::gui {

QString UnreadableSumToolTip() {
    return QCoreApplication::translate("InputMarks", "не могу прочитать сумму — считается как 0");
}

void MarkProblem(QWidget& field, const QString& problem) {
    if (field.toolTip() == problem) return;
    field.setToolTip(problem);
    // A screen reader says the problem with the field, as the tool tip shows
    // it to the pointer.
    field.setAccessibleDescription(problem);
    if (problem.isEmpty()) {
        field.setPalette(QPalette());
        return;
    }
    QPalette red = field.palette();
    red.setColor(QPalette::Text, Qt::red);
    field.setPalette(red);
}

}  // namespace trivelon::gui
