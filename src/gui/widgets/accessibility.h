#pragma once
// What a screen reader is told about the program's windows: each window's
// role, a figure read together with its caption and unit, and a field's
// problem that names the field.
#include <QLabel>
#include <QPainter>
#include <QString>
#include <QWidget>

namespace trivelon::gui {

// Once, before the first window is shown: the program's own top-level
// windows report the role of a window (or of a dialog, for the result
// windows), and labels named as figures read with their caption.
void InstallAccessibleRoles();

// The label's figure is read as "<caption>: <figure> <unit>", whatever the
// label shows later; nothing while it shows nothing.
void NameFigure(QLabel& figure, const QString& caption, const QString& unit = {});

// A caption as it is read: without the blanks around it and a closing colon.
QString SpokenCaption(const QString& caption);

// The problem with the field's accessible name in front: «Цена вещи: не
// могу прочитать сумму — считается как 0».
QString FieldProblem(const QWidget& field, const QString& problem);

// A dotted frame in the highlight colour inside a painted control's place,
// while the control has the focus.
void DrawFocusFrame(const QWidget& control, QPainter& painter, const QRect& place);

}  // namespace trivelon::gui
