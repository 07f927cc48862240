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
        box->activateWindow();
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        return box;
    }

private slots:
    void completionKeepsTheTypedCaseAndSelectsTheRest_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("selected");
        QTest::newRow("lower case") << "f" << "fire" << "ire";
        QTest::newRow("upper case") << "F" << "Fire" << "ire";
        QTest::newRow("mixed case") << "eA" << "eArth" << "rth";
        QTest::newRow("whole item") << "ice" << "ice" << "";
        QTest::newRow("cyrillic") << "б" << "без элемента" << "ез элемента";
        QTest::newRow("typed over the completion") << "wix" << "wix" << "";
    }
    void completionKeepsTheTypedCaseAndSelectsTheRest() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, selected);
        auto box = elementBox();
        TypeText(box->lineEdit(), typed);
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(box->lineEdit()->selectedText(), selected);
    }

    void backspaceRemovesTheSelectedCompletionFirst() {
        auto box = elementBox();
        TypeText(box->lineEdit(), "f");
        QSignalSpy changed(box.get(), &EditCombo::changed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString("f"));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(changed.count(), 2);
    }

    void everyKeystrokeThatChangesTheTextRaisesOneChange() {
        EditCombo box;
        for (int level = 1; level <= 99; ++level) box.addItem(QString::number(level));
        box.setCurrentIndex(70);
        box.show();
        box.setFocus();
        QSignalSpy changed(&box, &EditCombo::changed);
        box.lineEdit()->selectAll();
        QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
        QCOMPARE(changed.count(), 1);
        TypeText(box.lineEdit(), "150");
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
        TypeText(box->lineEdit(), "fI");
        box->setTextSilently("Ice");
        QSignalSpy changed(box.get(), &EditCombo::changed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("Ice"));
        QCOMPARE(changed.count(), 0);
    }

    void pickingAnItemRaisesOneChange() {
        auto box = elementBox();
        QSignalSpy changed(box.get(), &EditCombo::changed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Down);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(box->currentText(), box->itemText(box->currentIndex()));
    }
};

QTEST_MAIN(EditComboTest)
#include "edit_combo_test.moc"
