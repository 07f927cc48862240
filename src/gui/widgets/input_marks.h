#pragma once
// How a field that cannot be read while it is typed shows it: red text and a
// tool tip that says why, instead of a box in the middle of typing; a screen
// reader says it with the field.
#include <QString>
#include <QWidget>

namespace trivelon::gui {

// The tool tip of a sum of money that reads as none, in the player's language.
QString UnreadableSumToolTip();

// Red with the problem as its tool tip and accessible description, or back to the plain look for an
// empty problem; nothing changes where the look is already right.
void MarkProblem(QWidget& field, const QString& problem);

}  // namespace trivelon::gui
