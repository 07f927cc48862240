// The editable combo box: completion while typing, and a change signal that
// follows the user but never code.
#include <memory>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui/widgets/edit_combo.h"
#include "typing.h"

using trivelon::gui::EditCombo;

class EditComboTest : public QObject {
    Q_OBJECT

private:
    // A shown, focused box with the element list and an emptied field.
    std::unique_ptr<EditCombo> elementBox() {
        auto box = std::make_unique<EditCombo>();
        box->addItems({"Без элемента", "Fire", "Ice", "Wind", "Earth"});
        box->show();
        ClickInto(*box);
        PressKey(Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_Backspace);
        return box;
    }

private slots:
    void backspaceRemovesTheSelectedCompletionFirst() {
        auto box = elementBox();
        TypeText("f");
        QSignalSpy changed(box.get(), &EditCombo::changed);
        PressKey(Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString("f"));
        QCOMPARE(changed.count(), 1);
        PressKey(Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(changed.count(), 2);
    }

    void everyKeystrokeThatChangesTheTextRaisesOneChange() {
        EditCombo box;
        for (int level = 1; level <= 99; ++level) box.addItem(QString::number(level));
        box.setCurrentIndex(70);
        box.show();
        ClickInto(box);
        QSignalSpy changed(&box, &EditCombo::changed);
        PressKey(Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_Backspace);
        QCOMPARE(changed.count(), 1);
        TypeText("150");
        QCOMPARE(box.currentText(), QString("150"));
        QCOMPARE(changed.count(), 4);
    }

    void codeNeverRaisesAChange() {
        auto box = elementBox();
        QSignalSpy changed(box.get(), &EditCombo::changed);
        box->setTextSilently("Без элемента");
        box->setTextSilently("Без элемента");
        box->setCurrentIndex(3);
        QCOMPARE(box->currentText(), QString("Wind"));
        QCOMPARE(changed.count(), 0);
    }

    void finishingAnEditRaisesNoChange() {
        auto box = elementBox();
        TypeText("fI");
        box->setTextSilently("Ice");
        QSignalSpy changed(box.get(), &EditCombo::changed);
        PressKey(Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("Ice"));
        QCOMPARE(changed.count(), 0);
    }

    void pickingAnItemRaisesOneChange() {
        auto box = elementBox();
        QSignalSpy changed(box.get(), &EditCombo::changed);
        PressKey(Qt::Key_Down);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(box->currentText(), box->itemText(box->currentIndex()));
    }
};

QTEST_MAIN(EditComboTest)
#include "edit_combo_test.moc"
