// The refining tab: picking a class, coupling the two level selectors, the
// expectation shown for a refine, price edits that normalise themselves, and
// errors that leave every display as it was.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "gui/decimal_separator.h"
#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

QString Decimal(const char* number) { return QString(number).replace(u'.', QChar(SystemDecimalSeparator())); }

// Rate, materials, items, bonus and cost as the tab shows them.
QStringList Shown(const TForm1& w) {
    return {w.RefineRate->text(), w.QuanMaterial->text(), w.QuanRefItem->text(), w.Bonus->text(),
            w.AvgRefPrice->text()};
}

}  // namespace

class RefineTabTest : public QObject {
    Q_OBJECT

private slots:
    void pickingAClassShowsItsSafeRefine() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        PickRow(*w.Refine, "Оружие 2 уровня");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(w.SafeRefine->text(), QString("+6"));
        QCOMPARE(w.Price1Ref->text(), QString("200"));
        QCOMPARE(w.RefLevel->currentText(), QString("+0"));
        QCOMPARE(w.FinalRefine->currentText(), QString("+6"));
        QCOMPARE(w.NameMaterial->text(), QString(" Emveretarcon"));
        QCOMPARE(w.PriceMaterial->text(), QString("1000"));
        QCOMPARE(w.material->picturePath(), QString("images/emveretarcon.bmp"));
        QCOMPARE(Shown(w), QStringList({"100", "6", "1", "ATK +18", "7200"}));

        PickRow(*w.Refine, "Одежда");
        QCOMPARE(w.SafeRefine->text(), QString("+4"));
        QCOMPARE(w.Price1Ref->text(), QString("2000"));
        QCOMPARE(w.PriceMaterial->text(), QString("60000"));
        QCOMPARE(Shown(w), QStringList({"100", "4", "1", "DEF +3", "248000"}));
    }

    void aClassChangeRecomputesTheCostOnlyWhenThePriceTextChanges() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        TypeInto(*w.PriceRefItem, "500");
        QCOMPARE(w.AvgRefPrice->text(), QString("2250"));
        PickRow(*w.Refine, "Оружие 2 уровня");
        QCOMPARE(w.AvgRefPrice->text(), QString("7700"));
        PickRow(*w.Refine, "Оружие 3 уровня");
        QCOMPARE(w.AvgRefPrice->text(), QString("50500"));
        // Classes 3 and 4 share the price "5000": the stored figure stays.
        PickRow(*w.Refine, "Оружие 4 уровня");
        QCOMPARE(w.AvgRefPrice->text(), QString("100000"));
    }

    void aMissingMaterialPictureStopsTheClassChangeThere() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        f.pictures.remove("images/emveretarcon.bmp");
        PickRow(*w.Refine, "Оружие 2 уровня");
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY(f.reporter.errors.front().startsWith("Cannot open file"));
        QCOMPARE(w.SafeRefine->text(), QString("+6"));
        QCOMPARE(w.QuanMaterial->text(), QString("6"));
        QCOMPARE(w.NameMaterial->text(), QString(" Phracon"));
        QCOMPARE(w.PriceMaterial->text(), QString("200"));
        QVERIFY(w.material->picturePath().isEmpty());
    }

    void levelChangesComputeTheExpectation_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("research");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("class 1 +0>+8") << "Оружие 1 уровня" << "10" << "+0" << "+8"
                                       << QStringList{"70", "8", "2", "ATK +16+1-3", "2000"};
        QTest::newRow("class 2 +0>+7") << "Оружие 2 уровня" << "10" << "+0" << "+7"
                                       << QStringList{"70", "7", "2", "ATK +21+1-5", "8400"};
        QTest::newRow("class 1 W0 +8>+9 half to even")
            << "Оружие 1 уровня" << "0" << "+8" << "+9" << QStringList{"40", "2", "3", "ATK +2+1-3", "500"};
        QTest::newRow("class 1 W0 +8>+10") << "Оружие 1 уровня" << "0" << "+8" << "+10"
                                           << QStringList{"8", "24", "13", "ATK +4+1-6", "6000"};
        QTest::newRow("class 4 W0 +5>+10 extended precision")
            << "Оружие 4 уровня" << "0" << "+5" << "+10"
            << QStringList{Decimal("0.064"), "7815", "1563", "ATK +35+1-70", "195375000"};
        QTest::newRow("class 4 +0>+10 beyond 32-bit product")
            << "Оружие 4 уровня" << "10" << "+0" << "+10"
            << QStringList{Decimal("0.315"), "3170", "318", "ATK +70+1-84", "79250000"};
        QTest::newRow("class 2 +3>+3 safe, nothing to do")
            << "Оружие 2 уровня" << "10" << "+3" << "+3" << QStringList{"100", "0", "1", "ATK +0", "0"};
    }
    void levelChangesComputeTheExpectation() {
        QFETCH(QString, cls);
        QFETCH(QString, research);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, shown);
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.WR, research);
        OpenRefineTab(w);
        if (cls != w.Refine->currentText()) PickRow(*w.Refine, cls);
        PickRow(*w.RefLevel, from);
        PickRow(*w.FinalRefine, to);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), shown);
    }

    void theSelectorsKeepCurrentAtOrBelowTarget() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        PickRow(*w.RefLevel, "+9");
        QCOMPARE(w.FinalRefine->currentText(), QString("+9"));
        // Nothing above the safe level is left to do, and no rate was computed yet.
        QCOMPARE(Shown(w), QStringList({"0", "0", "0", "ATK +0", "0"}));

        PickRow(*w.RefLevel, "+5");
        PickRow(*w.FinalRefine, "+3");
        QCOMPARE(w.RefLevel->currentText(), QString("+3"));
        PickRow(*w.FinalRefine, "+6");
        QCOMPARE(Shown(w), QStringList({"100", "3", "1", "ATK +6", "750"}));
    }

    void theLastRateStaysWhenNothingIsLeftToDo() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        PickRow(*w.FinalRefine, "+8");
        PickRow(*w.RefLevel, "+8");
        QCOMPARE(Shown(w), QStringList({"70", "0", "0", "ATK +0", "0"}));
    }

    void aTypedLevelOutsideTheListKeepsTheLevel() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        PickRow(*w.FinalRefine, "+8");
        TypeInto(*w.FinalRefine, "8");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(Shown(w), QStringList({"70", "8", "2", "ATK +16+1-3", "2000"}));
    }

    void priceEditsNormaliseTheirText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cost");
        QTest::newRow("letters") << "abc" << "0" << "350";
        QTest::newRow("emptied") << "" << "0" << "350";
        QTest::newRow("leading zeros") << "007" << "7" << "399";
    }
    void priceEditsNormaliseTheirText() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, cost);
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        TypeInto(*w.PriceMaterial, typed);
        QCOMPARE(w.PriceMaterial->text(), shown);
        QCOMPARE(w.AvgRefPrice->text(), cost);
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void theItemPriceCountsPerItemUsedUp() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        PickRow(*w.FinalRefine, "+10");
        TypeInto(*w.PriceRefItem, "1000");
        QCOMPARE(w.QuanRefItem->text(), QString("10"));
        QCOMPARE(w.AvgRefPrice->text(), QString::number(100 * 200 + 100 * 50 + 10 * 1000));
    }

    void errorsLeaveTheDisplaysAsTheyWere_data() {
        QTest::addColumn<QString>("research");
        QTest::addColumn<QString>("message");
        QTest::newRow("step rate 0") << "-60" << "";
        QTest::newRow("step rate below 0") << "-75" << "";
        QTest::newRow("not a number") << "x" << "'x' is not a valid integer value";
    }
    void errorsLeaveTheDisplaysAsTheyWere() {
        QFETCH(QString, research);
        QFETCH(QString, message);
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.WR, research);
        OpenRefineTab(w);
        const QStringList before = Shown(w);
        PickRow(*w.FinalRefine, "+8");
        QCOMPARE(f.reporter.errors.size(), 1);
        if (!message.isEmpty()) QCOMPARE(f.reporter.errors.front(), message);
        QCOMPARE(Shown(w), before);
        QCOMPARE(w.FinalRefine->currentText(), QString("+8"));
    }

    void aCostBeyond32BitsIsReportedOnceAndShowsNothingNew() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        // Pasted, so that one change both normalises the text and overflows.
        QApplication::clipboard()->setText("0400000000");
        ClickInto(*w.PriceMaterial);
        PressKey(Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.PriceMaterial->text(), QString("400000000"));
        QCOMPARE(f.reporter.errors.size(), 1);
        QCOMPARE(w.AvgRefPrice->text(), QString("1750"));

        PickRow(*w.FinalRefine, "+8");
        QCOMPARE(f.reporter.errors.size(), 2);
        QCOMPARE(Shown(w), QStringList({"100", "7", "1", "ATK +14", "1750"}));
    }
};

QTEST_MAIN(RefineTabTest)
#include "refine_tab_test.moc"
