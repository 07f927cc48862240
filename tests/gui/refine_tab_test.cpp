// The refining tab: picking a class, coupling the two level selectors, the
// figures shown for a refine and what it really takes on average, price edits
// that normalise themselves, and errors that leave every display as it was.
#include <QApplication>
#include <QTest>

#include "core/refine_plan.h"
#include "gui/refine/refine_comparison_window.h"
#include "gui/widgets/decimal_separator.h"
#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

QString Decimal(const char* number) { return QString(number).replace(u'.', QChar(SystemDecimalSeparator())); }

// Rate, materials, items, bonus and cost as the tab shows them.
QStringList Shown(const MainWindowControls& w) {
    return {w.successRate()->text(), w.materialCount()->text(), w.itemCount()->text(), w.bonus()->text(),
            w.averageCost()->text()};
}

// A row of the budget table without the narrow spaces between groups of
// thousands, from the given column to the last.
QStringList BudgetRow(const MainWindowControls& w, int row, int firstColumn, int lastColumn) {
    QStringList texts;
    // A figure too wide for its cell is shortened, every digit in its tool tip.
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const QString shortened = w.refineBudget()->figureToolTip(row, column);
        QString figure = shortened.isEmpty() ? w.refineBudget()->figureText(row, column) : shortened;
        texts << figure.remove(QChar(0x202F));
    }
    return texts;
}

// Whether any pixel of the widget has the colour.
bool ShowsColor(QWidget& widget, const QColor& color) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) return true;
    return false;
}

// A sum as the comparison writes it, with narrow spaces between the groups.
QString Grouped(const char* digits) { return QString(digits).replace(u' ', QChar(0x202F)); }

// The comparison window the button opened.
RefineComparisonWindow* OpenComparison(const MainWindowControls& w) {
    ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
    return w.window().findChild<RefineComparisonWindow*>();
}

// Items, materials and Zeny of the column "в среднем".
QStringList Expected(const MainWindowControls& w) {
    return {BudgetRow(w, 0, 3, 3).front(), BudgetRow(w, 1, 3, 3).front(), BudgetRow(w, 2, 3, 3).front()};
}

}  // namespace

class RefineTabTest : public QObject {
    Q_OBJECT

private slots:
    void pickingAClassShowsItsSafeRefine() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(w.safeLevel()->text(), QString("+6"));
        QCOMPARE(w.attemptFee()->text(), QString("200"));
        QCOMPARE(w.currentLevel()->currentText(), QString("+0"));
        QCOMPARE(w.targetLevel()->currentText(), QString("+6"));
        QCOMPARE(w.materialName()->text(), QString(" Emveretarcon"));
        QCOMPARE(w.materialPrice()->text(), QString("1000"));
        QCOMPARE(w.materialPicture()->picturePath(), QString("images/emveretarcon.bmp"));
        QCOMPARE(Shown(w), QStringList({"100", "6", "1", "ATK +18", "7200"}));

        PickRow(*w.classSelector(), "Одежда");
        QCOMPARE(w.safeLevel()->text(), QString("+4"));
        QCOMPARE(w.attemptFee()->text(), QString("2000"));
        QCOMPARE(w.materialPrice()->text(), QString("60000"));
        QCOMPARE(Shown(w), QStringList({"100", "4", "1", "DEF +3", "248000"}));
    }

    // An item's price is that of its class and current level: another class
    // or level shows its own, or none (not on offer, counted as 0), and the
    // typed one comes back with its class and level.
    void anItemPriceBelongsToItsClassAndLevel() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        TypeInto(*w.itemPrice(), "500");
        QCOMPARE(w.averageCost()->text(), QString("2250"));
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        QCOMPARE(w.itemPrice()->text(), QString());
        QCOMPARE(w.averageCost()->text(), QString("7200"));
        PickRow(*w.classSelector(), "Оружие 1 уровня");
        QCOMPARE(w.itemPrice()->text(), QString("500"));
        PickRow(*w.currentLevel(), "+3");
        QCOMPARE(w.itemPrice()->text(), QString());
        RefineComparisonWindow* window = OpenComparison(w);
        QCOMPARE(window->priceEdit(0)->text(), QString("500"));
        QCOMPARE(window->priceEdit(3)->text(), QString());
        QVERIFY(!window->levelLabel(3)->isEnabled());
        PickRow(*w.currentLevel(), "+0");
        QCOMPARE(w.itemPrice()->text(), QString("500"));
        QCOMPARE(w.averageCost()->text(), QString("2250"));
    }

    void aMissingMaterialPictureStopsTheClassChangeThere() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        f.pictures.remove("images/emveretarcon.bmp");
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY(f.reporter.errors.front().startsWith("Cannot open file"));
        QCOMPARE(w.safeLevel()->text(), QString("+6"));
        QCOMPARE(w.materialCount()->text(), QString("6"));
        QCOMPARE(w.materialName()->text(), QString(" Phracon"));
        QCOMPARE(w.materialPrice()->text(), QString("200"));
        QVERIFY(w.materialPicture()->picturePath().isEmpty());
    }

    // clang-format off
    // What the tab shows, and beside the budgets the expectation where an
    // attempt stops at the step that breaks the item (items and materials to
    // one decimal, whole Zeny), at the class's prices and no item price.
    void levelChangesComputeTheExpectation_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("research");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("class 1 +0>+8") << "Оружие 1 уровня" << "10" << "+0" << "+8"
                                       << QStringList{"70", "8", "2", "ATK +16+1-3", "2000"}
                                       << QStringList{Decimal("1.4"), Decimal("11.4"), "2857"};
        QTest::newRow("class 2 +0>+7") << "Оружие 2 уровня" << "10" << "+0" << "+7"
                                       << QStringList{"70", "7", "2", "ATK +21+1-5", "8400"}
                                       << QStringList{Decimal("1.4"), Decimal("10.0"), "12000"};
        // Every attempt makes the one step: the tab's 3 items and 2 materials
        // against 2.5 of each.
        QTest::newRow("class 1 W0 +8>+9 half to even")
            << "Оружие 1 уровня" << "0" << "+8" << "+9" << QStringList{"40", "2", "3", "ATK +2+1-3", "500"}
            << QStringList{Decimal("2.5"), Decimal("2.5"), "625"};
        QTest::newRow("class 1 W0 +8>+10") << "Оружие 1 уровня" << "0" << "+8" << "+10"
                                           << QStringList{"8", "24", "13", "ATK +4+1-6", "6000"}
                                           << QStringList{Decimal("12.5"), Decimal("17.5"), "4375"};
        // 2497.5 materials and fees at 5000 + 20000 Zeny.
        QTest::newRow("class 4 W0 +5>+10 extended precision")
            << "Оружие 4 уровня" << "0" << "+5" << "+10"
            << QStringList{Decimal("0.064"), "7815", "1563", "ATK +35+1-70", "195375000"}
            << QStringList{Decimal("1562.5"), Decimal("2497.5"), "62437500"};
        QTest::newRow("class 4 +0>+10 beyond 32-bit product")
            << "Оружие 4 уровня" << "10" << "+0" << "+10"
            << QStringList{Decimal("0.315"), "3170", "318", "ATK +70+1-84", "79250000"}
            << QStringList{Decimal("317.5"), Decimal("1997.9"), "49946429"};
        QTest::newRow("class 2 +3>+3 safe, nothing to do")
            << "Оружие 2 уровня" << "10" << "+3" << "+3" << QStringList{"100", "0", "1", "ATK +0", "0"}
            << QStringList{Decimal("1.0"), Decimal("0.0"), "0"};
        QTest::newRow("class 1 +8>+8 above the safe level, nothing to do")
            << "Оружие 1 уровня" << "0" << "+8" << "+8" << QStringList{"—", "0", "0", "ATK +0", "0"}
            << QStringList{"—", "—", "—"};
    }
    // clang-format on
    void levelChangesComputeTheExpectation() {
        QFETCH(QString, cls);
        QFETCH(QString, research);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, expected);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.weaponryResearch(), research);
        OpenRefineTab(w);
        if (cls != w.classSelector()->currentText()) PickRow(*w.classSelector(), cls);
        PickRow(*w.currentLevel(), from);
        PickRow(*w.targetLevel(), to);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), shown);
        QCOMPARE(Expected(w), expected);
    }

    void theSelectorsKeepCurrentAtOrBelowTarget() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.currentLevel(), "+9");
        QCOMPARE(w.targetLevel()->currentText(), QString("+9"));
        // Nothing above the safe level is left to do, and no rate was computed yet.
        QCOMPARE(Shown(w), QStringList({"—", "0", "0", "ATK +0", "0"}));

        PickRow(*w.currentLevel(), "+5");
        PickRow(*w.targetLevel(), "+3");
        QCOMPARE(w.currentLevel()->currentText(), QString("+3"));
        PickRow(*w.targetLevel(), "+6");
        QCOMPARE(Shown(w), QStringList({"100", "3", "1", "ATK +6", "750"}));
    }

    // The level coupling follows a committed choice: typed key by key, a
    // half-typed target that would pull the current level down changes
    // nothing; Enter or leaving the field commits it.
    void theCouplingWaitsForACommittedLevel() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.currentLevel(), "+5");  // class 1: +5 to +7, safe
        const QStringList fiveToSeven = Shown(w);
        struct Key {
            QString typed;  // one key, or empty for Tab
            QString current, target;
            bool sameFigures;
        };
        const Key keys[] = {
            {"+", "+5", "+", true}, {"1", "+5", "+1", true}, {"0", "+5", "+10", false}, {"", "+5", "+10", false}};
        ClickInto(*w.targetLevel());
        PressKey(Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_Delete);
        for (const Key& key : keys) {
            if (key.typed.isEmpty())
                PressKey(Qt::Key_Tab);
            else
                TypeText(key.typed);
            QCOMPARE(w.currentLevel()->currentText(), key.current);
            QCOMPARE(w.targetLevel()->currentText().left(key.target.size()), key.target);
            QCOMPARE(Shown(w) == fiveToSeven, key.sameFigures);
        }
        QCOMPARE(w.successRate()->text(), Decimal("10.5"));  // +5 to +10 at research 10

        // Typed and committed by Enter: the current level follows down.
        TypeInto(*w.targetLevel(), "+3");
        QCOMPARE(w.currentLevel()->currentText(), QString("+5"));
        PressKey(Qt::Key_Return);
        QCOMPARE(w.currentLevel()->currentText(), QString("+3"));
        QCOMPARE(Shown(w), QStringList({"100", "0", "1", "ATK +0", "0"}));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // A research level typed on the forging tab is followed at once by the
    // refining tab, its chart and its comparison, though none of them is shown.
    void aNewResearchLevelShowsAtOnceInTheTabAndItsWindows() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.targetLevel(), "+8");
        TypeInto(*w.itemPrice(), "0");
        QCOMPARE(w.successRate()->text(), QString("70"));
        ClickAt(*w.refineChartButton(), w.refineChartButton()->rect().center());
        auto* chart = w.window().findChild<BudgetChartWindow*>();
        TypeInto(*chart->moneyField(), "2000");
        const QString chanceAtTen = chart->chanceLabel()->text();
        RefineComparisonWindow* window = OpenComparison(w);
        const QString costAtTen = window->figure(0, RefineComparisonWindow::Cost)->text();
        OpenForgeTab(w);
        TypeInto(*w.weaponryResearch(), "0");
        QCOMPARE(Shown(w), QStringList({"60", "16", "2", "ATK +16+1-3", "4000"}));
        QVERIFY(chart->chanceLabel()->text() != chanceAtTen);
        QCOMPARE(window->figure(0, RefineComparisonWindow::Cost)->text(), Grouped("3 333"));
        QVERIFY(costAtTen != Grouped("3 333"));
        // A level that cannot be read shows no figures of another: dashes,
        // and why in their tool tips; no message box.
        TypeInto(*w.weaponryResearch(), "x");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), QStringList({"—", "—", "—", "—", "—"}));
        QCOMPARE(w.successRate()->toolTip(), QString::fromUtf8(trivelon::kUnreadableResearchMessage));
    }

    // Nothing to do above the safe level has no rate: a dash, not the last rate.
    void nothingLeftToDoShowsNoRate() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.targetLevel(), "+8");
        PickRow(*w.currentLevel(), "+8");
        QCOMPARE(Shown(w), QStringList({"—", "0", "0", "ATK +0", "0"}));
    }

    void aTypedLevelOutsideTheListKeepsTheLevel() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.targetLevel(), "+8");
        TypeInto(*w.targetLevel(), "8");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), QStringList({"70", "8", "2", "ATK +16+1-3", "2000"}));
    }

    // Prices are read as players write them and stay as typed; one that
    // cannot be read counts as 0 and says so.
    // clang-format off
    void pricesAreReadAsPlayersWriteThem_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("groups") << "1 500" << "10850" << false;
        QTest::newRow("thousands") << "12к" << "84350" << false;
        QTest::newRow("decimal millions") << "0,5кк" << "3500350" << false;
        QTest::newRow("leading zeros") << "007" << "399" << false;
        QTest::newRow("emptied") << "" << "350" << false;
        QTest::newRow("letters") << "abc" << "350" << true;
        QTest::newRow("half a group") << "1 50" << "350" << true;
    }
    // clang-format on
    void pricesAreReadAsPlayersWriteThem() {
        QFETCH(QString, typed);
        QFETCH(QString, cost);
        QFETCH(bool, unreadable);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        TypeInto(*w.materialPrice(), typed);
        QCOMPARE(w.materialPrice()->text(), typed);
        QCOMPARE(w.averageCost()->text(), cost);
        QCOMPARE(w.materialPrice()->toolTip().isEmpty(), !unreadable);
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void theItemPriceCountsPerItemUsedUp() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.targetLevel(), "+10");
        TypeInto(*w.itemPrice(), "1000");
        QCOMPARE(w.itemCount()->text(), QString("10"));
        QCOMPARE(w.averageCost()->text(), QString::number(100 * 200 + 100 * 50 + 10 * 1000));
    }

    // A refine that cannot be worked out shows no figures of other levels:
    // dashes, with why in their tool tips, and no message box.
    // clang-format off
    void whatCannotBeWorkedOutShowsDashesAndWhy_data() {
        QTest::addColumn<QString>("research");
        QTest::addColumn<QString>("message");
        QTest::newRow("step rate 0") << "-60" << "Шанс успешной заточки на +8 равен 0%, расчёт невозможен";
        QTest::newRow("step rate below 0") << "-75" << "Шанс успешной заточки на +8 равен -15%, расчёт невозможен";
        QTest::newRow("not a number") << "x" << QString::fromUtf8(trivelon::kUnreadableResearchMessage);
    }
    // clang-format on
    void whatCannotBeWorkedOutShowsDashesAndWhy() {
        QFETCH(QString, research);
        QFETCH(QString, message);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.weaponryResearch(), research);
        OpenRefineTab(w);
        PickRow(*w.targetLevel(), "+8");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), QStringList({"—", "—", "—", "—", "—"}));
        QCOMPARE(w.successRate()->toolTip(), message);
        QCOMPARE(w.targetLevel()->currentText(), QString("+8"));
    }

    // Items, materials and Zeny that 50, 90 and 99 % certainty take follow
    // the levels and the prices, and so does the chart with its line of the
    // expectation; with nothing to do there is no budget.
    void budgetsFollowLevelsAndPrices() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.weaponryResearch(), "0");
        OpenRefineTab(w);
        // Four columns of figures still end where the rows above them do.
        QCOMPARE(w.refineBudget()->geometry().right(), w.bonus()->geometry().right());
        const auto figures = [&](int row) { return BudgetRow(w, row, 0, 2); };
        // +0 to +7 is safe: one try.
        QCOMPARE(figures(0), QStringList({"1", "1", "1"}));
        QCOMPARE(figures(2), QStringList({"1750", "1750", "1750"}));

        PickRow(*w.classSelector(), "Оружие 4 уровня");
        PickRow(*w.targetLevel(), "+10");
        PickRow(*w.currentLevel(), "+5");
        QCOMPARE(w.successRate()->text(), Decimal("0.064"));
        QCOMPARE(figures(0), QStringList({"1083", "3597", "7194"}));
        // Materials and Zeny of attempts that stop where the item breaks.
        QCOMPARE(figures(1), QStringList({"1732", "5746", "11487"}));
        QCOMPARE(figures(2), QStringList({"43300000", "143650000", "287175000"}));
        // A sum to put aside, shortened, rounds up; the average says what it counts.
        QCOMPARE(w.refineBudget()->figureText(2, 2), QString("288 млн"));
        QVERIFY(w.averageCost()->toolTip().contains("каждый шаг каждой попытки"));
        TypeInto(*w.itemPrice(), "1000");
        QCOMPARE(figures(2), QStringList({"44392000", "147235000", "294370000"}));

        // The chart follows the tab: a typed sum's chance changes with the prices.
        ClickAt(*w.refineChartButton(), w.refineChartButton()->rect().center());
        auto* chart = w.window().findChild<BudgetChartWindow*>();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(ShowsColor(*chart->chart(), BudgetChart::expectedColor()));
        TypeInto(*chart->moneyField(), "100000000");
        QCOMPARE(chart->chanceLabel()->text(), QString("Шанс успеха: %1 %").arg(Decimal("79.1")));
        TypeInto(*w.itemPrice(), "0");
        QCOMPARE(chart->chanceLabel()->text(), QString("Шанс успеха: %1 %").arg(Decimal("79.9")));

        PickRow(*w.targetLevel(), "+9");
        PickRow(*w.currentLevel(), "+9");
        QCOMPARE(figures(0), QStringList({"—", "—", "—"}));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // Where to start a refine of a weapon of level 2 to +8 (steps +7 70 %
    // and +8 50 %, 1 200 Zeny a step): prices typed as players write them
    // into the rows and into the tab, whose item price is the row of its
    // current level; the cheapest road follows each change.
    void theComparisonMarksTheCheapestRoadAsPricesAreTyped() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        PickRow(*w.targetLevel(), "+8");
        PickRow(*w.currentLevel(), "+3");
        TypeInto(*w.itemPrice(), "10к");
        RefineComparisonWindow* window = OpenComparison(w);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->priceEdit(3)->text(), QString("10к"));
        // Nothing remembered for +0: not on offer, greyed.
        QCOMPARE(window->priceEdit(0)->text(), QString());
        QVERIFY(!window->levelLabel(0)->isEnabled());
        QVERIFY(window->levelLabel(3)->isEnabled());
        QVERIFY(!window->priceEdit(9)->isVisible());
        QCOMPARE(window->levelLabel(8)->text(), QString("+8 купить готовый"));

        TypeInto(*window->priceEdit(7), "40 000");
        TypeInto(*window->priceEdit(6), "50к");
        TypeInto(*window->priceEdit(8), "0,1кк");
        // From +3: 4 safe steps and +8 after a passed +7, (4.7 x 1 200 +
        // 10 000) / 0.35; from +7, (1 200 + 40 000) / 0.5. 90 % certainty
        // takes 6 items and 27 steps: 60 000 + 27 x 1 200.
        // The budgets follow the averages, one row per turn of the event loop.
        QCOMPARE(window->figure(3, RefineComparisonWindow::Certain)->text(), QString("…"));
        while (window->budgetsPending()) QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
        const auto row = [&](int level) {
            QStringList texts;
            for (int column = 0; column < RefineComparisonWindow::kColumns; ++column)
                texts << window->figure(level, RefineComparisonWindow::Column(column))->text();
            return texts;
        };
        QCOMPARE(row(3),
                 QStringList({"35", Decimal("2.9"), Decimal("13.4"), Grouped("44 686"), Grouped("92 400"), "до +6"}));
        QCOMPARE(row(7)[RefineComparisonWindow::Cost], Grouped("82 400"));
        QCOMPARE(row(8),
                 QStringList({"—", Decimal("1.0"), Decimal("0.0"), Grouped("100 000"), Grouped("100 000"), ""}));
        QCOMPARE(window->verdict()->text(),
                 QString("дешевле всего: купить +3 и точить — в среднем %1 Zeny").arg(Grouped("44 686")));
        QCOMPARE(window->verdict()->toolTip(),
                 QString("следующая по цене дорога дороже на %1 Zeny").arg(Grouped("37 714")));
        QVERIFY(window->levelLabel(3)->font().bold());

        // A cheaper +7 takes the mark: (1 200 + 10 000) / 0.5.
        TypeInto(*window->priceEdit(7), "10 000");
        QCOMPARE(window->verdict()->text(),
                 QString("дешевле всего: купить +7 и точить — в среднем %1 Zeny").arg(Grouped("22 400")));
        QVERIFY(window->levelLabel(7)->font().bold());
        QVERIFY(!window->levelLabel(3)->font().bold());
        // A price that cannot be read is no offer, and says so.
        TypeInto(*window->priceEdit(7), "10к5");
        QCOMPARE(window->priceEdit(7)->toolTip(),
                 QString("Цена вещи +7: не могу прочитать сумму — этот уровень не сравнивается"));
        QVERIFY(!window->levelLabel(7)->isEnabled());
        QVERIFY(window->verdict()->text().contains("+3"));

        // The row of the tab's level and the tab's item price are one price.
        TypeInto(*window->priceEdit(3), "1кк");
        QCOMPARE(w.itemPrice()->text(), QString("1кк"));
        QCOMPARE(window->verdict()->text(),
                 QString("дешевле всего: купить готовый +8 — %1 Zeny").arg(Grouped("100 000")));
        TypeInto(*w.itemPrice(), "1к");
        QCOMPARE(window->priceEdit(3)->text(), QString("1к"));
        // The window follows the tab's target: +7 is bought finished now.
        PickRow(*w.targetLevel(), "+7");
        QCOMPARE(window->levelLabel(7)->text(), QString("+7 купить готовый"));
        QVERIFY(!window->priceEdit(8)->isVisible());
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // A weapon of level 4 from +4 to +10 without research costs 2 735 100 000
    // with an item at 900 000: shown whole as it is typed, with no message.
    void aCostBeyond32BitsIsShownWhole() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.weaponryResearch(), "0");
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 4 уровня");
        PickRow(*w.targetLevel(), "+10");
        PickRow(*w.currentLevel(), "+4");
        TypeInto(*w.itemPrice(), "900000");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(w.averageCost()->text(), QString("2735100000"));
        QCOMPARE(w.refineBudget()->figureToolTip(2, 2), QString("11\u202F378\u202F650\u202F000"));
    }
};

QTEST_MAIN(RefineTabTest)
#include "refine_tab_test.moc"
