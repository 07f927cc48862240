#include "gui/widgets/edit_combo.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

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
    auto* edit = new QLineEdit(this);
    edit->setCompleter(CompleterToDrop());
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    // Qt would pick the list item matching the text when editing finishes
    // and report it as a pick; here the text alone is what counts.
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EditCombo::changed);
    connect(this, &QComboBox::activated, this, &EditCombo::changed);
}

void EditCombo::setTextSilently(const QString& text) {
    if (currentText() == text) return;
    const QSignalBlocker blocker(this);
    lineEdit()->setText(text);
}

bool EditCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsTypedCharacter(*key)) return completeTypedText(key->text());
    }
    return QComboBox::eventFilter(watched, event);
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
