#pragma once
// A person's mouse and keyboard, as the window system delivers them: a click
// goes to the widget under the pointer in its window, which it activates, and
// keys go to whichever widget holds the keyboard focus. No helper reaches
// into a control's inner parts: what passes here passes for a person too.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QString>
#include <QTest>
#include <QWidget>

// Moves the pointer to a point of the control (in its own coordinates) and
// clicks there. Lists follow the pointer: the row under it is the one a
// click picks.
inline void ClickAt(QWidget& control, QPoint point, Qt::MouseButton button = Qt::LeftButton) {
    if (!control.isVisible()) qFatal("%s is not on screen to be clicked", control.metaObject()->className());
    QWidget* window = control.window();
    QApplication::setActiveWindow(window);
    const QPoint inWindow = control.mapTo(window, point);
    QWidget* target = window->childAt(inWindow);
    if (!target) target = window;
    if (target != &control && !control.isAncestorOf(target))
        qFatal("%s is covered by %s where it is clicked", control.metaObject()->className(),
               target->metaObject()->className());
    const QPoint inTarget = target->mapFrom(window, inWindow);
    // The move goes to the widget under the pointer, as the press and release
    // do. (QTest's own move without a button sets the cursor position, which
    // the offscreen platform hands to the first window there, not to an open
    // list on top of it.)
    QMouseEvent move(QEvent::MouseMove, inTarget, target->mapToGlobal(inTarget), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QTest::mouseClick(target, button, {}, inTarget);
}

// Clicks into the text field of an edit or editable combo box, or at the
// middle of any other control.
inline void ClickInto(QWidget& control) {
    const auto* combo = qobject_cast<QComboBox*>(&control);
    const QWidget* field = combo && combo->lineEdit() ? combo->lineEdit() : nullptr;
    ClickAt(control, field ? field->geometry().center() : control.rect().center());
}

inline QWidget& FocusedWidget() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) qFatal("no widget has the keyboard focus");
    return *focused;
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&FocusedWidget(), key, modifiers);
}

// Types any text, Cyrillic and surrogate pairs included, one key press per
// character; QTest's own keyClicks only takes Latin-1 characters.
inline void TypeText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        QTest::sendKeyEvent(QTest::Click, &FocusedWidget(), Qt::Key_unknown, one, Qt::NoModifier);
    }
}

// Replaces a field's text as a person does: click into it, select all,
// delete, type (an empty text just deletes).
inline void TypeInto(QWidget& control, const QString& text) {
    ClickInto(control);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_Delete);
    TypeText(text);
}
