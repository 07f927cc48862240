// The forge result window: its design, its focus order, the cost estimate
// that follows typed prices, and its life after closing.
#include <QApplication>
#include <QMap>
#include <QSignalSpy>
#include <QTest>

#include "gui/forge/forge_result_window.h"
#include "recording_reporter.h"
#include "typing.h"

using namespace trivelon::gui;
using trivelon::RecipeRowKind;

namespace {

// Fills the window as the forge request does for a weapon at the rate 40:
// the "Iron Hammer" at 1000 Zeny, 25 "Iron" and 10 "Jellopy" at no price.
void FillAsCutter(ForgeResultWindow& form) {
    form.showRecipeRow(RecipeRowKind::Tool, {true, "Iron Hammer", "", 1, 1000, false});
    form.showRecipeRow(RecipeRowKind::Material1, {true, "Iron", "", 25, 0, true});
    form.showRecipeRow(RecipeRowKind::Material2, {true, "Jellopy", "", 10, 0, true});
    for (RecipeRowKind unused : {RecipeRowKind::Material3, RecipeRowKind::ElementStone, RecipeRowKind::StarCrumbs})
        form.showRecipeRow(unused, {});
    form.showRate("40");
    form.showFirstCost(3000, false);
}

}  // namespace

class ItemFormTest : public QObject {
    Q_OBJECT

private slots:
    void designTextsAndLook() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        QCOMPARE(form.windowTitle(), QString("DBForm"));
        QCOMPARE(form.size(), QSize(505, 490));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.isWindow());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const QList<std::pair<QLabel*, QString>> design = {{form.title, "Weapon Name"},
                                                           {form.atkCaption, "ATK:"},
                                                           {form.weaponLevelCaption, "Уровень:"},
                                                           {form.rangeCaption, "Дистанция:"},
                                                           {form.requiredBaseLevelCaption, "Нужен Base:"},
                                                           {form.rate, ""},
                                                           {form.averageCost, ""},
                                                           {form.type, ""},
                                                           {form.weight, ""},
                                                           {form.description, ""},
                                                           {form.equip, ""}};
        for (const auto& [label, text] : design) QCOMPARE(label->text(), text);
        // Rows top to bottom: quantity, name and unit until the window is filled.
        const char* const quantities[] = {"1", "2", "3", "4", "1", "6"};
        const char* const names[] = {"hammer_name", "it1_name", "it2_name", "it3_name", "ele_name", "crumb_name"};
        for (std::size_t i = 0; i < trivelon::kRecipeRowCount; ++i) {
            const RecipeRowControls& row = form.row(static_cast<RecipeRowKind>(i));
            QCOMPARE(row.quantity->text(), QString(quantities[i]));
            QCOMPARE(row.name->text(), QString(names[i]));
            QCOMPARE(row.unit->text(), QString("Zeny/шт"));
        }
        QCOMPARE(form.row(RecipeRowKind::Tool).fixedPrice->text(), QString("hammer_price"));

        // The captions that never change, with their colours.
        const QColor yellow(255, 255, 0), cream(255, 251, 240), white(255, 255, 255);
        QMap<QString, QColor> captions;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (!form.budget || !form.budget->isAncestorOf(label))
                captions.insert(label->text(), label->palette().color(QPalette::Window));
        const QList<std::pair<QString, QColor>> fixed = {{"Тип:", cream},
                                                         {"Вес:", cream},
                                                         {"Вероятность успешной ковки", yellow},
                                                         {"%", yellow},
                                                         {"Для ковки надо:", cream},
                                                         {"Средняя себестоимость ковки:", yellow},
                                                         {"Zeny", yellow}};
        for (const auto& [text, colour] : fixed) QCOMPARE(captions.value(text), colour);
        const QList<std::pair<QLabel*, QColor>> backgrounds = {{form.title, yellow},
                                                               {form.row(RecipeRowKind::Material1).quantity, white},
                                                               {form.description, white},
                                                               {form.averageCost, yellow}};
        for (const auto& [label, colour] : backgrounds) QCOMPARE(label->palette().color(QPalette::Window), colour);

        form.show();
        for (std::size_t i = 1; i < trivelon::kRecipeRowCount; ++i) {
            const RecipeRowControls& row = form.row(static_cast<RecipeRowKind>(i));
            QCOMPARE(row.priceEdit->text(), QString("0"));
            QVERIFY(row.priceEdit->isVisible());
            if (row.blankPrice) QVERIFY(!row.blankPrice->isVisible());
        }
        QVERIFY(!form.row(RecipeRowKind::Material1).blankPrice);
    }

    void onlyThePriceEditsTakeFocusInRowOrder() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QList<QWidget*> order = {
            form.row(RecipeRowKind::Material1).priceEdit,  form.row(RecipeRowKind::Material2).priceEdit,
            form.row(RecipeRowKind::Material3).priceEdit,  form.row(RecipeRowKind::ElementStone).priceEdit,
            form.row(RecipeRowKind::StarCrumbs).priceEdit, form.row(RecipeRowKind::Material1).priceEdit};
        ClickInto(*order.front());
        for (qsizetype i = 1; i < order.size(); ++i) {
            PressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
        // Besides them only the chart button of a weapon's budgets, after them.
        for (QWidget* child : form.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(child) && child != form.chartButton)
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
    }

    void typedPricesRecalculateTheCost() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        form.show();
        FillAsCutter(form);
        TypeInto(*form.row(RecipeRowKind::Material1).priceEdit, "100");
        QCOMPARE(form.averageCost->text(), QString("10500"));
        // Not a number the window reads: counts as 0, and the edit says so.
        QLineEdit& jellopy = *form.row(RecipeRowKind::Material2).priceEdit;
        const QColor normal = jellopy.palette().color(QPalette::Text);
        for (const char* countedAsZero : {"abc", "2147483648", " "}) {
            TypeInto(jellopy, countedAsZero);
            QCOMPARE(form.averageCost->text(), QString("10500"));
            QCOMPARE(jellopy.toolTip(), QString("не число — считается как 0"));
            QCOMPARE(jellopy.palette().color(QPalette::Text), QColor(Qt::red));
        }
        for (const char* read : {"", "0", "$10"}) {
            TypeInto(jellopy, read);
            QVERIFY(jellopy.toolTip().isEmpty());
            QCOMPARE(jellopy.palette().color(QPalette::Text), normal);
        }
        TypeInto(jellopy, "0");
        TypeInto(*form.row(RecipeRowKind::Material1).priceEdit, "");
        QCOMPARE(form.averageCost->text(), QString("3000"));
        form.showRecipeRow(RecipeRowKind::StarCrumbs, {true, "Star Crumb", "", 2, 0, true});
        form.row(RecipeRowKind::StarCrumbs).priceEdit->setText("-20");  // set by code: still recalculated
        QCOMPARE(form.averageCost->text(), QString("2880"));
        QVERIFY(recorder.errors.isEmpty());
    }

    void failedRecalculationReportsAndKeepsTheCost() {
        RecordingReporter recorder;
        ForgeResultWindow neverFilled(recorder, book_);
        neverFilled.show();
        TypeInto(*neverFilled.row(RecipeRowKind::Material1).priceEdit, "5");
        QCOMPARE(recorder.errors.last(), QString("'hammer_price' is not a valid integer value"));
        QCOMPARE(neverFilled.averageCost->text(), QString());

        ForgeResultWindow form(recorder, book_);
        FillAsCutter(form);
        form.showRate("4O");
        form.row(RecipeRowKind::Material1).priceEdit->setText("100");
        QCOMPARE(recorder.errors.last(), QString("'4O' is not a valid floating point value"));
        QCOMPARE(form.averageCost->text(), QString("3000"));
        form.row(RecipeRowKind::Material1).priceEdit->setText("100");  // the same text again: nothing runs
        QCOMPARE(recorder.errors.size(), 3);
    }

    void eachWindowRecalculatesOnlyItself() {
        RecordingReporter recorder;
        ForgeResultWindow first(recorder, book_);
        ForgeResultWindow second(recorder, book_);
        FillAsCutter(first);
        FillAsCutter(second);
        first.row(RecipeRowKind::Material1).priceEdit->setText("100");
        QCOMPARE(first.averageCost->text(), QString("10500"));
        QCOMPARE(second.averageCost->text(), QString("3000"));
    }

    void closingFreesTheWindow() {
        RecordingReporter recorder;
        auto* window = new ForgeResultWindow(recorder, book_);
        window->show();
        QSignalSpy destroyed(window, &QObject::destroyed);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(destroyed.count(), 1);
    }

private:
    // Never typed into here: every window starts at the recipe's prices.
    trivelon::PriceBook book_;
};

QTEST_MAIN(ItemFormTest)
#include "item_form_test.moc"
