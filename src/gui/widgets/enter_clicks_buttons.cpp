#include "gui/widgets/enter_clicks_buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace trivelon::gui {

void EnterClicksButtons::installOnApplication() {
    auto* app = qApp;
    if (!app || app->findChild<EnterClicksButtons*>(QString(), Qt::FindDirectChildrenOnly)) return;
    app->installEventFilter(new EnterClicksButtons(app));
}

bool EnterClicksButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Return, or Enter on the keypad; a held key presses once, not once a repeat.
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!enter || !button || !button->isEnabled() || !button->hasFocus()) return false;
    if (!key->isAutoRepeat()) button->click();
    return true;
}

}  // namespace trivelon::gui
