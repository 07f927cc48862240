// The forge result window: its design, its focus order, the cost estimate
// that follows typed prices, and its life after closing.
#include <QApplication>
#include <QMap>
#include <QSignalSpy>
#include <QTest>

#include "gui/forge/forge_result_window.h"
#include "main_window_harness.h"
#include "recording_reporter.h"
#include "typing.h"

using namespace trivelon::gui;
using trivelon::RecipeRowKind;

namespace {

// A weapon at the rate 40: the "Iron Hammer" at 1000 Zeny, 25 "Iron" and
// 10 "Jellopy" at no price, the first cost 3 x 1000.
trivelon::ForgeState Cutter() {
    trivelon::ForgeState state;
    state.itemName = "Cutter";
    state.bigPicture = "images/big/cutter.bmp";
    state.toolName = "Iron Hammer";
    state.toolPicture = "images/ironhammer.bmp";
    state.toolPrice = 1000;
    state.materials[0] = {"Iron", "images/iron.bmp", 25, 0};
    state.materials[1] = {"Jellopy", "images/iron.bmp", 10, 0};
    state.weaponLevel = 1;
    state.rate = 40;
    state.shownRate = {false, "40", 0};
    return state;
}

// A label of the window by its name, read as a person reads the window.
QLabel& Label(const ForgeResultWindow& form, const char* name) {
    auto* label = form.findChild<QLabel*>(QLatin1String(name));
    if (!label) qFatal("no label %s", name);
    return *label;
}

}  // namespace

class ItemFormTest : public QObject {
    Q_OBJECT

private slots:
    // Each test starts with an empty book.
    void init() { book_ = trivelon::PriceBook(); }

    void designTextsAndLook() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        QCOMPARE(form.windowTitle(), QString("DBForm"));
        QCOMPARE(form.size(), QSize(505, 490));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.isWindow());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const QList<std::pair<QLabel*, QString>> design = {{&Label(form, "title"), "Weapon Name"},
                                                           {&Label(form, "atkCaption"), "ATK:"},
                                                           {&Label(form, "weaponLevelCaption"), "Уровень:"},
                                                           {&Label(form, "rangeCaption"), "Дистанция:"},
                                                           {&Label(form, "requiredBaseLevelCaption"), "Нужен Base:"},
                                                           {&Label(form, "rate"), ""},
                                                           {&Label(form, "averageCost"), ""},
                                                           {&Label(form, "type"), ""},
                                                           {&Label(form, "weight"), ""},
                                                           {&Label(form, "description"), ""},
                                                           {&Label(form, "equip"), ""}};
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
            captions.insert(label->text(), label->palette().color(QPalette::Window));
        const QList<std::pair<QString, QColor>> fixed = {{"Тип:", cream},
                                                         {"Вес:", cream},
                                                         {"Вероятность успешной ковки", yellow},
                                                         {"%", yellow},
                                                         {"Для ковки надо:", cream},
                                                         {"Средняя себестоимость ковки:", yellow},
                                                         {"Zeny", yellow}};
        for (const auto& [text, colour] : fixed) QCOMPARE(captions.value(text), colour);
        const QList<std::pair<QLabel*, QColor>> backgrounds = {{&Label(form, "title"), yellow},
                                                               {form.row(RecipeRowKind::Material1).quantity, white},
                                                               {&Label(form, "description"), white},
                                                               {&Label(form, "averageCost"), yellow}};
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
            if (!qobject_cast<QLineEdit*>(child) && child->objectName() != QLatin1String("chartButton"))
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
    }

    void typedPricesAreReadAsMoney() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        form.show();
        form.fill(Cutter());
        QLabel& cost = Label(form, "averageCost");
        QCOMPARE(cost.text(), QString("3000"));
        TypeInto(*form.row(RecipeRowKind::Material1).priceEdit, "100");
        QCOMPARE(cost.text(), QString("10500"));
        // Read as players write money; what is no sum counts as 0, and the
        // edit says so while it keeps the text as typed.
        QLineEdit& jellopy = *form.row(RecipeRowKind::Material2).priceEdit;
        const QColor normal = jellopy.palette().color(QPalette::Text);
        struct Case {
            const char* typed;
            const char* cost;
            bool red;
        };
        for (const Case& c : {Case{"abc", "10500", true}, Case{"1к5", "10500", true}, Case{"-20", "10500", true},
                              Case{"$10", "10500", true}, Case{"1 500", "55500", false}, Case{"12к", "370500", false},
                              Case{"1,5к", "55500", false}, Case{"", "10500", false}, Case{"0", "10500", false}}) {
            TypeInto(jellopy, c.typed);
            QCOMPARE(jellopy.text(), QString(c.typed));
            QCOMPARE(cost.text(), QString(c.cost));
            QCOMPARE(jellopy.toolTip(),
                     c.red ? QString("Цена: Jellopy: не могу прочитать сумму — считается как 0") : QString());
            QCOMPARE(jellopy.palette().color(QPalette::Text), c.red ? QColor(Qt::red) : normal);
        }
        QVERIFY(recorder.errors.isEmpty());
    }

    // A figure too wide for its place is shortened, with every digit in its
    // tool tip, so that it never touches its unit.
    void aCostTooWideForItsPlaceIsShortened() {
        RecordingReporter recorder;
        ForgeResultWindow form(recorder, book_);
        form.show();
        form.fill(Cutter());
        // 3 x (1000 + 25 x 114 532 467 800): every digit, touching its unit.
        TypeInto(*form.row(RecipeRowKind::Material1).priceEdit, "114 532 467 800");
        QLabel& cost = Label(form, "averageCost");
        QCOMPARE(cost.toolTip(), QString("8589935088000"));
        QCOMPARE(cost.text(), QString("8,59 трлн").replace(',', QLocale::system().decimalPoint()));
        QVERIFY(cost.fontMetrics().horizontalAdvance(cost.text()) < cost.width());
        TypeInto(*form.row(RecipeRowKind::Material1).priceEdit, "100");
        QCOMPARE(cost.text(), QString("10500"));
        QVERIFY(cost.toolTip().isEmpty());
    }

    // The book takes a typed price when the field is left or the window
    // closes, and only when it reads as money: nothing half-typed.
    void theBookKeepsOnlyFinishedPrices() {
        RecordingReporter recorder;
        trivelon::PriceBook book;
        auto* form = new ForgeResultWindow(recorder, book);
        form->show();
        form->fill(Cutter());
        QLineEdit& iron = *form->row(RecipeRowKind::Material1).priceEdit;
        TypeInto(iron, "12к");
        QVERIFY(!book.text("Iron"));  // still being typed
        PressKey(Qt::Key_Tab);
        QCOMPARE(book.text("Iron"), std::optional<std::string>("12к"));
        TypeInto(iron, "1к5");
        PressKey(Qt::Key_Tab);
        QCOMPARE(book.text("Iron"), std::optional<std::string>("12к"));
        TypeInto(*form->row(RecipeRowKind::Material2).priceEdit, "1 500");
        QVERIFY(!book.text("Jellopy"));
        form->close();
        QCOMPARE(book.text("Jellopy"), std::optional<std::string>("1 500"));
    }

    void eachWindowRecalculatesOnlyItself() {
        RecordingReporter recorder;
        ForgeResultWindow first(recorder, book_);
        ForgeResultWindow second(recorder, book_);
        first.fill(Cutter());
        second.fill(Cutter());
        first.row(RecipeRowKind::Material1).priceEdit->setText("100");
        QCOMPARE(Label(first, "averageCost").text(), QString("10500"));
        QCOMPARE(Label(second, "averageCost").text(), QString("3000"));
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
    testing::PictureFolder pictures_;
};

QTEST_MAIN(ItemFormTest)
#include "item_form_test.moc"
