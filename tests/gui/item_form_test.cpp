// The forge result window: its design, its focus order, the cost estimate
// that follows typed prices, and its life after closing.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "gui/ItemForm.h"
#include "recording_reporter.h"
#include "typing.h"

using namespace trivelon::gui;

namespace {

// Fills the window as the forge request does for "Cutter" at the rate 40:
// the "Iron Hammer" at 1000 Zeny and 25 "Iron", no other rows.
void FillAsCutter(TDBForm& form) {
    form.hammer_name->setText("Iron Hammer");
    form.hammer_price->setText("1000");
    form.it1_quan->setText("25");
    form.it1_name->setText("Iron");
    for (QLabel* unused : {form.it2_quan, form.it3_quan, form.ele_quan, form.crumb_quan}) unused->clear();
    form.rate->setText("40");
    form.summ_price->setText("3000");
}

}  // namespace

class ItemFormTest : public QObject {
    Q_OBJECT

private slots:
    void designTextsAndLook() {
        TDBForm form;
        QCOMPARE(form.windowTitle(), QString("DBForm"));
        QCOMPARE(form.size(), QSize(505, 490));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.isWindow());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const QList<std::pair<QLabel*, QString>> design = {
            {form.WeaponName, "Weapon Name"}, {form.TypeItem, "Тип:"}, {form.atk, "ATK:"},
            {form.lvl, "Уровень:"}, {form.weight, "Вес:"}, {form.range, "Дистанция:"},
            {form.baselev, "Нужен Base:"}, {form.Label1, "Вероятность успешной ковки"}, {form.Label2, "%"},
            {form.Label6, "Для ковки надо:"}, {form.hammer_quan, "1"}, {form.it1_quan, "2"},
            {form.it2_quan, "3"}, {form.it3_quan, "4"}, {form.ele_quan, "1"}, {form.crumb_quan, "6"},
            {form.hammer_name, "hammer_name"}, {form.it1_name, "it1_name"}, {form.it2_name, "it2_name"},
            {form.it3_name, "it3_name"}, {form.ele_name, "ele_name"}, {form.crumb_name, "crumb_name"},
            {form.hammer_price, "hammer_price"}, {form.itzham, "Zeny/шт"}, {form.itzcrumb, "Zeny/шт"},
            {form.Label3, "Средняя себестоимость ковки:"}, {form.Label5, "Zeny"}, {form.rate, ""},
            {form.summ_price, ""}, {form.Type_sign, ""}, {form.descript, ""}, {form.Wear, ""}};
        for (const auto& [label, text] : design) QCOMPARE(label->text(), text);
        const QColor yellow(255, 255, 0), cream(255, 251, 240), white(255, 255, 255);
        const QList<std::pair<QLabel*, QColor>> backgrounds = {
            {form.WeaponName, yellow}, {form.TypeItem, cream}, {form.Label6, cream},
            {form.it1_quan, white},    {form.descript, white}, {form.summ_price, yellow}};
        for (const auto& [label, colour] : backgrounds) QCOMPARE(label->palette().color(QPalette::Window), colour);

        form.show();
        for (QLineEdit* edit : {form.it1_price, form.it2_price, form.it3_price, form.ele_price, form.crumb_price}) {
            QCOMPARE(edit->text(), QString("0"));
            QVERIFY(edit->isVisible());
        }
        for (QLabel* blank : {form.it2_noprice, form.it3_noprice, form.ele_noprice, form.crumb_noprice}) {
            QVERIFY(!blank->isVisible());
        }
    }

    void onlyThePriceEditsTakeFocusInRowOrder() {
        TDBForm form;
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QList<QWidget*> order = {form.it1_price, form.it2_price, form.it3_price, form.ele_price,
                                       form.crumb_price, form.it1_price};
        ClickInto(*order.front());
        for (qsizetype i = 1; i < order.size(); ++i) {
            PressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
        for (QWidget* child : form.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(child)) QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
    }

    void typedPricesRecalculateTheCost() {
        RecordingReporter recorder;
        TDBForm form;
        form.show();
        FillAsCutter(form);
        TypeInto(*form.it1_price, "100");
        QCOMPARE(form.summ_price->text(), QString("10500"));
        TypeInto(*form.it2_price, "abc");  // not a number: counts as 0
        QCOMPARE(form.summ_price->text(), QString("10500"));
        TypeInto(*form.it1_price, "");
        QCOMPARE(form.summ_price->text(), QString("3000"));
        form.crumb_quan->setText("2");
        form.crumb_price->setText("-20");  // set by code: still recalculated
        QCOMPARE(form.summ_price->text(), QString("2880"));
        QVERIFY(recorder.errors.isEmpty());
    }

    void failedRecalculationReportsAndKeepsTheCost() {
        RecordingReporter recorder;
        TDBForm neverFilled;
        neverFilled.show();
        TypeInto(*neverFilled.it1_price, "5");
        QCOMPARE(recorder.errors.last(), QString("'hammer_price' is not a valid integer value"));
        QCOMPARE(neverFilled.summ_price->text(), QString());

        TDBForm form;
        FillAsCutter(form);
        form.rate->setText("4O");
        form.it1_price->setText("100");
        QCOMPARE(recorder.errors.last(), QString("'4O' is not a valid floating point value"));
        QCOMPARE(form.summ_price->text(), QString("3000"));
        form.it1_price->setText("100");  // the same text again: nothing runs
        QCOMPARE(recorder.errors.size(), 3);
    }

    void eachWindowRecalculatesOnlyItself() {
        RecordingReporter recorder;
        TDBForm first;
        TDBForm second;
        FillAsCutter(first);
        FillAsCutter(second);
        first.it1_price->setText("100");
        QCOMPARE(first.summ_price->text(), QString("10500"));
        QCOMPARE(second.summ_price->text(), QString("3000"));
    }

    void newestWindowIsForgottenOnceClosed() {
        auto* older = new TDBForm;
        auto* newest = new TDBForm;
        QCOMPARE(TDBForm::DBForm().data(), newest);
        newest->show();
        older->show();
        QSignalSpy destroyed(newest, &QObject::destroyed);
        QVERIFY(newest->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(destroyed.count(), 1);
        QVERIFY(TDBForm::DBForm().isNull());
        delete older;
    }
};

QTEST_MAIN(ItemFormTest)
#include "item_form_test.moc"
