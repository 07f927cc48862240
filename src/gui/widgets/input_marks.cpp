#include "gui/widgets/input_marks.h"

#include <QPalette>

namespace trivelon::gui {

void MarkProblem(QWidget& field, const QString& problem) {
    if (field.toolTip() == problem) return;
    field.setToolTip(problem);
    if (problem.isEmpty()) {
        field.setPalette(QPalette());
        return;
    }
    QPalette red = field.palette();
    red.setColor(QPalette::Text, Qt::red);
    field.setPalette(red);
}

}  // namespace trivelon::gui
