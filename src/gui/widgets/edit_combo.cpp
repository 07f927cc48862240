#include "gui/widgets/edit_combo.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

#include "gui/widgets/classic_style.h"

namespace trivelon::gui {
namespace {

// A line edit that already has a completer spares the combo box building its
// own over the list; the box completes by itself, so each box drops it again
// at once. One completer therefore serves every box in turn.
QCompleter* CompleterToDrop() {
    static QPointer<QCompleter> shared;
    if (!shared) shared = new QCompleter(QCoreApplication::instance());
    return shared;
}

}  // namespace

EditCombo::EditCombo(QWidget* parent) : QComboBox(parent) {
    ClassicStyle::applyToApplication();
    auto* edit = new QLineEdit(this);
    // The field keeps one pixel of its usual two beside the text, so that
    // the narrowest boxes show their whole texts.
    edit->setTextMargins(-1, 0, -1, 0);
    edit->setCompleter(CompleterToDrop());
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Qt would pick the list item matching the text when editing finishes
    // and report it as a pick; here the text alone is what counts.
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EditCombo::changed);
    connect(this, &QComboBox::activated, this, &EditCombo::changed);
    connect(this, &QComboBox::activated, this, &EditCombo::committed);
}

void EditCombo::setTextSilently(const QString& text) {
    if (currentText() == text) return;
    const QSignalBlocker blocker(this);
    lineEdit()->setText(text);
}

void EditCombo::setTextAsTyped(const QString& text) {
    {
        const QSignalBlocker blocker(this);
        const int row = findText(text);
        if (row >= 0) setCurrentIndex(row);
        lineEdit()->setText(text);
    }
    emit changed();
    emit committed();
}

void EditCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) emit committed();
    if (IsTypedCharacter(*event) && completeTypedText(event->text())) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void EditCombo::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Opening the box's own list takes the focus for a moment; that is no leaving.
    if (event->reason() != Qt::PopupFocusReason) emit committed();
}

bool EditCombo::IsTypedCharacter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return key.text().size() == 1 && key.text().front().isPrint() && !(key.modifiers() & commands);
}

bool EditCombo::completeTypedText(const QString& typed) {
    QLineEdit* edit = lineEdit();
    const QString before = edit->text();
    const QString searched = (edit->hasSelectedText() ? before.left(edit->selectionStart()) : before) + typed;
    int match = -1;
    for (int row = 0; row < count() && match < 0; ++row) {
        if (itemText(row).startsWith(searched, Qt::CaseInsensitive)) match = row;
    }
    if (match < 0) return false;  // the line edit inserts the character itself

    const QString completed = searched + itemText(match).mid(searched.size());
    const bool moved = match != currentIndex();
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(match);
        edit->setText(completed);
        edit->setSelection(static_cast<int>(searched.size()), static_cast<int>(completed.size() - searched.size()));
    }
    if (moved || completed != before) emit changed();
    return true;
}

}  // namespace trivelon::gui
