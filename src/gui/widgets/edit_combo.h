#pragma once
// An editable combo box whose text is free, with prefix completion from its
// list and a change signal that fires only for what the user does.
#include <QComboBox>

namespace trivelon::gui {

class EditCombo : public QComboBox {
    Q_OBJECT
public:
    explicit EditCombo(QWidget* parent = nullptr);

    // Sets the text from code: no change signal, nothing at all when equal.
    void setTextSilently(const QString& text);
    // Puts the text in as if the user had typed it and left the field: the
    // list follows to the item of that text, if any, and changed() and
    // committed() are emitted.
    void setTextAsTyped(const QString& text);

signals:
    // The user picked a list item or edited the text (completion included).
    void changed();
    // The user settled on the text: picked a list item, pressed Enter, or
    // left the field. Follows changed() for a pick.
    void committed();

protected:
    // The box holds the keyboard focus for its text field (it is the field's
    // focus proxy), so typed keys arrive here before the field sees them.
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static bool IsTypedCharacter(const QKeyEvent& key);
    // Completes the text from the list; false when no item matches and the
    // character is to be inserted as typed.
    bool completeTypedText(const QString& typed);
};

}  // namespace trivelon::gui
