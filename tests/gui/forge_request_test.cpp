// The button "Считаем...": the result window it opens and how it is filled,
// rejections and failures part way, and windows that accumulate and are freed.
#include <cmath>

#include <QTest>

#include "gui/widgets/decimal_separator.h"
#include "main_window_harness.h"
#include "window_parts.h"

using namespace trivelon::gui;
using trivelon::RecipeRowKind;
using namespace trivelon::gui::testing;

namespace {

const QString kResourcesHeader = QStringLiteral("---------------Ресурсы---------------");

// A rate as the window prints it with the user's decimal separator.
QString RateText(const char* rate) { return QString(rate).replace(u'.', QChar(SystemDecimalSeparator())); }

// The design contents a window keeps when nothing was written into it.
void CheckUnfilled(const ForgeResultWindow& window) {
    QCOMPARE(Part(window, "title")->text(), QString("Weapon Name"));
    QCOMPARE(window.row(RecipeRowKind::Tool).name->text(), QString("hammer_name"));
    QVERIFY(Part(window, "rate")->text().isEmpty());
    QVERIFY(Part(window, "averageCost")->text().isEmpty());
    QVERIFY(Part<PictureBox>(window, "bigPicture")->picture().isNull());
}

void CheckUnusedRow(PictureBox* picture, QLabel* quantity, QLabel* name, QLineEdit* price, QLabel* noPrice,
                    QLabel* unit) {
    QCOMPARE(picture->picturePath(), QString("images/empty.bmp"));
    QVERIFY(quantity->text().isEmpty());
    QVERIFY(name->text().isEmpty());
    QVERIFY(price->isHidden());
    QVERIFY(!noPrice->isHidden());
    QVERIFY(unit->text().isEmpty());
}

}  // namespace

class ForgeRequestTest : public QObject {
    Q_OBJECT

private slots:
    // A category header gives the warning and no window of placeholders.
    void aCategoryHeaderGivesTheWarningOnly() {
        MainWindowFixture f;
        QCOMPARE(f.controls().itemSelector()->currentText(), kResourcesHeader);
        QVERIFY(!PressSubmit(*f.window));
        QCOMPARE(f.reporter.warnings, QStringList{"Warning|Выберите, что ковать"});
        QVERIFY(f.reporter.errors.isEmpty());
        QVERIFY(ResultWindows().isEmpty());
    }

    // clang-format off
    void workedExamples_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("anvil");
        QTest::addColumn<int>("starCrumbs");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("title");
        QTest::newRow("Iron") << "Iron" << "" << 0 << "" << RateText("79.1") << "182" << "Iron";
        QTest::newRow("Knife") << "Knife" << "" << 0 << "" << "100" << "1000" << "Knife";
        QTest::newRow("Damascus without anvil") << "Damascus" << "None" << 0 << "" << RateText("74.1") << "19120"
                                                << "Damascus";
        QTest::newRow("Knife, two star crumbs, Fire")
            << "Knife" << "" << 2 << "Fire" << RateText("54.1") << "122000" << "VVS Fire Knife";
    }
    // clang-format on
    void workedExamples() {
        QFETCH(QString, item);
        QFETCH(QString, anvil);
        QFETCH(int, starCrumbs);
        QFETCH(QString, element);
        QFETCH(QString, rate);
        QFETCH(QString, cost);
        QFETCH(QString, title);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), item);
        if (!anvil.isEmpty()) PickRow(*w.anvil(), anvil);
        if (!element.isEmpty()) PickRow(*w.element(), element);
        if (starCrumbs > 0) Click(starCrumbs == 1 ? *w.starCrumbs()[0] : *w.starCrumbs()[1]);

        ForgeResultWindow* window = PressSubmit(w);
        QVERIFY(window);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(window->windowTitle(), item);
        QCOMPARE(Part(*window, "rate")->text(), rate);
        QCOMPARE(Part(*window, "title")->text(), title);
        QCOMPARE(Part(*window, "averageCost")->text(), cost);
    }

    void aResourceShowsNoWeaponStatisticsAndEmptyOptionalRows() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        // Star crumbs and an element count for weapons only.
        Click(*w.starCrumbs()[1]);
        PickRow(*w.element(), "Wind");
        PickRow(*w.itemSelector(), "Iron");
        ForgeResultWindow* window = PressSubmit(w);
        QCOMPARE(Part<PictureBox>(*window, "bigPicture")->picturePath(), QString("images/big/iron.bmp"));
        QCOMPARE(Part(*window, "type")->text(), QString("Ресурсы"));
        QCOMPARE(Part(*window, "weight")->text(), QString("5"));
        for (QLabel* blank : {Part(*window, "atkCaption"), Part(*window, "atk"), Part(*window, "rangeCaption"),
                              Part(*window, "range"), Part(*window, "weaponLevelCaption"), Part(*window, "weaponLevel"),
                              Part(*window, "requiredBaseLevelCaption"), Part(*window, "requiredBaseLevel")})
            QVERIFY(blank->text().isEmpty());
        QCOMPARE(window->row(RecipeRowKind::Tool).name->text(), QString("Mini Furnace"));
        QCOMPARE(window->row(RecipeRowKind::Tool).picture->picturePath(), QString("images/minifurnace.bmp"));
        QCOMPARE(window->row(RecipeRowKind::Material1).name->text(), QString("Iron Ore"));
        QCOMPARE(window->row(RecipeRowKind::Material1).picture->picturePath(), QString("images/ironore.bmp"));
        CheckUnusedRow(window->row(RecipeRowKind::Material2).picture, window->row(RecipeRowKind::Material2).quantity,
                       window->row(RecipeRowKind::Material2).name, window->row(RecipeRowKind::Material2).priceEdit,
                       window->row(RecipeRowKind::Material2).blankPrice, window->row(RecipeRowKind::Material2).unit);
        CheckUnusedRow(window->row(RecipeRowKind::StarCrumbs).picture, window->row(RecipeRowKind::StarCrumbs).quantity,
                       window->row(RecipeRowKind::StarCrumbs).name, window->row(RecipeRowKind::StarCrumbs).priceEdit,
                       window->row(RecipeRowKind::StarCrumbs).blankPrice, window->row(RecipeRowKind::StarCrumbs).unit);
        CheckUnusedRow(
            window->row(RecipeRowKind::ElementStone).picture, window->row(RecipeRowKind::ElementStone).quantity,
            window->row(RecipeRowKind::ElementStone).name, window->row(RecipeRowKind::ElementStone).priceEdit,
            window->row(RecipeRowKind::ElementStone).blankPrice, window->row(RecipeRowKind::ElementStone).unit);
        QCOMPARE(Part(*window, "title")->text(), QString("Iron"));
    }

    void aWeaponFillsItsStatisticsAndChosenRows() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        PickRow(*w.element(), "Fire");
        Click(*w.starCrumbs()[1]);
        ForgeResultWindow* window = PressSubmit(w);
        QCOMPARE(Part(*window, "atkCaption")->text(), QString("ATK:"));
        QCOMPARE(Part(*window, "weaponLevelCaption")->text(), QString("Уровень:"));
        QCOMPARE(Part(*window, "weaponLevel")->text(), QString("1"));
        QCOMPARE(Part(*window, "requiredBaseLevelCaption")->text(), QString("Нужен Base:"));
        QCOMPARE(window->row(RecipeRowKind::Tool).name->text(), QString("Iron Hammer"));
        QCOMPARE(window->row(RecipeRowKind::Tool).fixedPrice->text(), QString("1000"));
        QCOMPARE(window->row(RecipeRowKind::StarCrumbs).quantity->text(), QString("2"));
        QCOMPARE(window->row(RecipeRowKind::StarCrumbs).name->text(), QString("Star Crumb"));
        QCOMPARE(window->row(RecipeRowKind::StarCrumbs).priceEdit->text(), QString("15000"));
        QVERIFY(!window->row(RecipeRowKind::StarCrumbs).priceEdit->isHidden());
        QVERIFY(window->row(RecipeRowKind::StarCrumbs).blankPrice->isHidden());
        QCOMPARE(window->row(RecipeRowKind::StarCrumbs).picture->picturePath(), QString("images/starcrumb.bmp"));
        QCOMPARE(window->row(RecipeRowKind::ElementStone).name->text(), QString("Flame Heart"));
        QCOMPARE(window->row(RecipeRowKind::ElementStone).priceEdit->text(), QString("30000"));
        QCOMPARE(window->row(RecipeRowKind::ElementStone).picture->picturePath(), QString("images/flameheart.bmp"));
        QCOMPARE(window->row(RecipeRowKind::ElementStone).unit->text(), QString("Zeny/шт."));
        QVERIFY(!Part(*window, "description")->text().isEmpty());
        QVERIFY(!Part(*window, "equip")->text().isEmpty());
    }

    void pricesTypedIntoAWindowRecomputeItsCost() {
        MainWindowFixture f;
        PickRow(*f.controls().itemSelector(), "Knife");
        ForgeResultWindow* window = PressSubmit(*f.window);
        const int quantity = window->row(RecipeRowKind::Material1).quantity->text().toInt();
        TypeInto(*window->row(RecipeRowKind::Material1).priceEdit, "40");
        QCOMPARE(Part(*window, "averageCost")->text(), QString::number(1000 + quantity * 40));
        TypeInto(*window->row(RecipeRowKind::Material1).priceEdit, "");
        QCOMPARE(Part(*window, "averageCost")->text(), QString("1000"));
    }

    // A weapon's window grows by the budgets of 50, 90 and 99 % certainty,
    // which follow the typed prices; a resource's window keeps its size.
    void aWeaponsBudgetsFollowTypedPrices() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        // Cutter at the rate 40: 2, 5 and 10 attempts, each of one hammer
        // (1000) and 25 Iron.
        const std::pair<EditCombo*, const char*> lowStats[] = {
            {w.jobLevel(), "0"}, {w.dex(), "-50"}, {w.luk(), "0"}, {w.smithDagger(), "0"}, {w.weaponryResearch(), "0"}};
        for (const auto& [box, text] : lowStats) TypeInto(*box, text);
        PickRow(*w.anvil(), "None");
        PickRow(*w.itemSelector(), "Cutter");
        f.reporter.errors.clear();
        ForgeResultWindow* window = PressSubmit(w);
        QCOMPARE(Part(*window, "rate")->text(), QString("40"));
        QCOMPARE(window->size(), QSize(505, 563));
        QVERIFY(Part<BudgetTable>(*window, "budget")->isVisible());
        auto figures = [&](int row) {
            // Without the narrow spaces between groups of thousands.
            return QStringList{Part<BudgetTable>(*window, "budget")->figureText(row, 0),
                               Part<BudgetTable>(*window, "budget")->figureText(row, 1),
                               Part<BudgetTable>(*window, "budget")->figureText(row, 2)}
                .replaceInStrings(QChar(0x202F), QString());
        };
        QCOMPARE(figures(0), QStringList({"2", "5", "10"}));
        QCOMPARE(figures(1), QStringList({"2000", "5000", "10000"}));
        TypeInto(*window->row(RecipeRowKind::Material1).priceEdit, "100");
        QCOMPARE(Part(*window, "averageCost")->text(), QString("10500"));
        QCOMPARE(figures(1), QStringList({"7000", "17500", "35000"}));
        // A price past 64 bits cannot be read: red and counted as 0, as on the
        // refining tab. Attempts that cost more than 64 bits hold are still
        // counted.
        QLineEdit& iron = *window->row(RecipeRowKind::Material1).priceEdit;
        TypeInto(iron, "1234567890123456789012345");
        QCOMPARE(iron.toolTip(), QString("Цена: Iron: не могу прочитать сумму — считается как 0"));
        QCOMPARE(Part(*window, "averageCost")->text(), QString("3000"));
        TypeInto(iron, "400000000000000000");
        QCOMPARE(figures(0), QStringList({"2", "5", "10"}));
        QCOMPARE(figures(1)[2], QString("слишком много"));
        // Too much to count, in a smaller font: it never runs over "Zeny".
        QLabel& cost = *Part(*window, "averageCost");
        QCOMPARE(cost.text(), QString("слишком много"));
        QVERIFY(QFontMetrics(cost.font()).horizontalAdvance(cost.text()) < cost.width());
        TypeInto(iron, "100");
        QCOMPARE(cost.font().pixelSize(), 16);
        QVERIFY(f.reporter.errors.isEmpty());

        // Its chart closes with it.
        ClickAt(*Part<QPushButton>(*window, "chartButton"), Part<QPushButton>(*window, "chartButton")->rect().center());
        const QPointer<BudgetChartWindow> chart = window->findChild<BudgetChartWindow*>();
        QVERIFY(chart && chart->isVisible());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chart.isNull());

        PickRow(*w.itemSelector(), "Iron");
        ForgeResultWindow* resource = PressSubmit(w);
        QCOMPARE(resource->size(), QSize(505, 490));
        QVERIFY(!Part<BudgetTable>(*resource, "budget"));
    }

    // Emptied or mistyped while being typed, a number field turns red with a
    // tool tip naming it, and no box interrupts the typing; "Считаем..."
    // then says once which field holds what, and opens no window.
    // clang-format off
    void aFieldThatIsNoNumberIsMarkedWhileTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("valid");
        QTest::newRow("Base emptied") << "baseLevel" << "" << "Base Lvl: «» — не целое число" << "1";
        QTest::newRow("Job emptied") << "jobLevel" << "" << "Job Lvl: «» — не целое число" << "1";
        QTest::newRow("Dex emptied") << "dex" << "" << "Dex: «» — не целое число" << "1";
        QTest::newRow("Luk mistyped") << "luk" << "9O" << "Luk: «9O» — не целое число" << "1";
        QTest::newRow("Weaponry Research letters") << "weaponryResearch" << "abc"
                                                   << "Weaponry Research: «abc» — не целое число" << "1";
        QTest::newRow("Smith Dagger") << "smithDagger" << "x" << "Smith Dagger: «x» — не целое число" << "1";
        // An element is one of the list, in any case: a text that names none
        // never lowers the rate as an element of its own.
        QTest::newRow("element outside the list") << "element" << "Огонь"
                                                  << "Элемент: «Огонь» — нет такого элемента" << "fire";
        QTest::newRow("anvil outside the list") << "anvil" << "Diamond Anvil"
                                                << "Наковальня: «Diamond Anvil» — нет такой наковальни" << "golden anvil";
    }
    // clang-format on
    void aFieldThatIsNoNumberIsMarkedWhileTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, valid);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        auto* box = f.window->findChild<EditCombo*>(field);
        QVERIFY(box);
        const QColor normal = box->palette().color(QPalette::Text);
        TypeInto(*box, typed);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(box->toolTip(), message);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(!PressSubmit(w));
        QCOMPARE(f.reporter.errors, QStringList{message});
        QVERIFY(ResultWindows().isEmpty());
        TypeInto(*box, valid);
        QVERIFY(box->toolTip().isEmpty());
        QCOMPARE(box->palette().color(QPalette::Text), normal);
    }

    void aBadSkillInputHurtsOnlyTheItemsThatReadIt() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.orideconResearch(), "x");
        PickRow(*w.itemSelector(), "Knife");
        QVERIFY(!PressSubmit(w));
        QCOMPARE(f.reporter.errors, QStringList{"Oridecon Research: «x» — не целое число"});

        PickRow(*w.itemSelector(), "Iron");
        ForgeResultWindow* iron = PressSubmit(w);
        QCOMPARE(f.reporter.errors.size(), 1);
        QCOMPARE(Part(*iron, "averageCost")->text(), QString("182"));
    }

    void everyPressOpensAnIndependentWindow() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        const char* items[] = {"Iron", "Knife", "Damascus"};
        QList<ForgeResultWindow*> windows;
        for (const char* item : items) {
            PickRow(*w.itemSelector(), item);
            windows << PressSubmit(w);
        }
        QCOMPARE(ResultWindows().size(), 3);
        QCOMPARE(Part(*windows[0], "averageCost")->text(), QString("182"));
        QCOMPARE(Part(*windows[1], "averageCost")->text(), QString("1000"));
        QCOMPARE(Part(*windows[0], "title")->text(), QString("Iron"));
        // Typing into one window leaves the others alone.
        TypeInto(*windows[1]->row(RecipeRowKind::Material1).priceEdit, "5");
        QCOMPARE(Part(*windows[0], "averageCost")->text(), QString("182"));
        QCOMPARE(Part(*windows[2], "title")->text(), QString("Damascus"));
    }

    void aMissingBigPictureLeavesOnlyTheCaption() {
        MainWindowFixture f;
        f.pictures.remove("images/big/knife.bmp");
        PickRow(*f.controls().itemSelector(), "Knife");
        ForgeResultWindow* window = PressSubmit(*f.window);
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY(f.reporter.errors.front().startsWith(
            QString("Cannot open file \"%1\". ").arg(f.pictures.absolute("images/big/knife.bmp"))));
        QCOMPARE(window->windowTitle(), QString("Knife"));
        CheckUnfilled(*window);
        QVERIFY(Part(*window, "description")->text().isEmpty());
    }

    void aBrokenToolPictureStopsAfterTheStatistics() {
        MainWindowFixture f;
        f.pictures.write("images/ironhammer.bmp", "BM");
        PickRow(*f.controls().itemSelector(), "Knife");
        ForgeResultWindow* window = PressSubmit(*f.window);
        QCOMPARE(f.reporter.errors, QStringList{"Stream read error"});
        QCOMPARE(Part(*window, "rate")->text(), QString("100"));
        QCOMPARE(Part(*window, "title")->text(), QString("Knife"));
        QCOMPARE(window->row(RecipeRowKind::Tool).name->text(), QString("hammer_name"));
        QVERIFY(Part(*window, "averageCost")->text().isEmpty());
    }

    // A window whose filling stopped at a picture still shows design texts
    // in its later rows. It shows no cost: neither the one worked out when
    // the star crumb price was set during the filling, nor one that typed
    // prices would make up from its design quantities.
    // clang-format off
    void aWindowStoppedPartWayShowsNoCost_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("starCrumb");
        QTest::addColumn<QString>("element");
        QTest::newRow("material picture") << "images/iron.bmp" << false << "";
        QTest::newRow("element picture after the star crumbs") << "images/flameheart.bmp" << true << "Fire";
    }
    // clang-format on
    void aWindowStoppedPartWayShowsNoCost() {
        QFETCH(QString, missing);
        QFETCH(bool, starCrumb);
        QFETCH(QString, element);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        f.pictures.remove(missing);
        PickRow(*w.itemSelector(), "Knife");
        if (starCrumb) Click(*w.starCrumbs()[0]);
        if (!element.isEmpty()) PickRow(*w.element(), element);
        ForgeResultWindow* window = PressSubmit(w);
        QCOMPARE(f.reporter.errors.size(), 1);
        QCOMPARE(window->row(RecipeRowKind::ElementStone).name->text(), QString("ele_name"));
        QVERIFY(Part(*window, "averageCost")->text().isEmpty());

        TypeInto(*window->row(RecipeRowKind::ElementStone).priceEdit, "5");
        QVERIFY(Part(*window, "averageCost")->text().isEmpty());
        QCOMPARE(f.reporter.errors.size(), 1);
    }

    void anEmptyPlaceholderFileShowsNothingAndIsNoError() {
        MainWindowFixture f;
        f.pictures.write("images/empty.bmp", {});
        PickRow(*f.controls().itemSelector(), "Iron");
        ForgeResultWindow* window = PressSubmit(*f.window);
        QVERIFY(f.reporter.errors.isEmpty());
        QVERIFY(window->row(RecipeRowKind::Material2).picture->picture().isNull());
        QCOMPARE(Part(*window, "averageCost")->text(), QString("182"));
    }

    void closedWindowsAreFreed() {
        MainWindowFixture f;
        PickRow(*f.controls().itemSelector(), "Knife");
        for (int press = 0; press < 1000; ++press) {
            ForgeResultWindow* window = PressSubmit(*f.window);
            QVERIFY(window);
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(f.reporter.errors.isEmpty());
        QVERIFY(ResultWindows().isEmpty());
    }
};

QTEST_MAIN(ForgeRequestTest)
#include "forge_request_test.moc"
