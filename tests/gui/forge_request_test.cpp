// The button "Считаем...": the result window it opens and how it is filled,
// rejections and failures part way, and windows that accumulate and are freed.
#include <cmath>

#include <QTest>

#include "gui/decimal_separator.h"
#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

const QString kResourcesHeader = QStringLiteral("---------------Ресурсы---------------");

// A rate as the window prints it with the user's decimal separator.
QString RateText(const char* rate) { return QString(rate).replace(u'.', QChar(SystemDecimalSeparator())); }

// The design contents a window keeps when nothing was written into it.
void CheckUnfilled(const TDBForm& window) {
    QCOMPARE(window.WeaponName->text(), QString("Weapon Name"));
    QCOMPARE(window.hammer_name->text(), QString("hammer_name"));
    QVERIFY(window.rate->text().isEmpty());
    QVERIFY(window.summ_price->text().isEmpty());
    QVERIFY(window.BigImage->picture().isNull());
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
    void aCategoryHeaderIsRejectedWithAWarningAndAnEmptyWindow() {
        MainWindowFixture f;
        TDBForm* window = PressSubmit(*f.window);
        QVERIFY(window);
        QCOMPARE(f.reporter.warnings, QStringList{"Warning|Выберите, что ковать"});
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(window->windowTitle(), kResourcesHeader);
        QVERIFY(window->isVisible());
        CheckUnfilled(*window);
    }

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
    void workedExamples() {
        QFETCH(QString, item);
        QFETCH(QString, anvil);
        QFETCH(int, starCrumbs);
        QFETCH(QString, element);
        QFETCH(QString, rate);
        QFETCH(QString, cost);
        QFETCH(QString, title);
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, item);
        if (!anvil.isEmpty()) PickRow(*w.Anvil, anvil);
        if (!element.isEmpty()) PickRow(*w.Elt, element);
        if (starCrumbs > 0) Click(starCrumbs == 1 ? *w.SCrumb1 : *w.SCrumb2);

        TDBForm* window = PressSubmit(w);
        QVERIFY(window);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(window->windowTitle(), item);
        QCOMPARE(window->rate->text(), rate);
        QCOMPARE(window->WeaponName->text(), title);
        QCOMPARE(window->summ_price->text(), cost);
    }

    void aResourceShowsNoWeaponStatisticsAndEmptyOptionalRows() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        // Star crumbs and an element count for weapons only.
        Click(*w.SCrumb2);
        PickRow(*w.Elt, "Wind");
        PickRow(*w.Weapon, "Iron");
        TDBForm* window = PressSubmit(w);
        QCOMPARE(window->BigImage->picturePath(), QString("images/big/iron.bmp"));
        QCOMPARE(window->Type_sign->text(), QString("Ресурсы"));
        QCOMPARE(window->weight_sign->text(), QString("5"));
        for (QLabel* blank : {window->atk, window->atk_sign, window->range, window->range_sign, window->lvl,
                              window->lvl_sign, window->baselev, window->baselev_sign})
            QVERIFY(blank->text().isEmpty());
        QCOMPARE(window->hammer_name->text(), QString("Mini Furnace"));
        QCOMPARE(window->hammer->picturePath(), QString("images/minifurnace.bmp"));
        QCOMPARE(window->it1_name->text(), QString("Iron Ore"));
        QCOMPARE(window->item1->picturePath(), QString("images/ironore.bmp"));
        CheckUnusedRow(window->item2, window->it2_quan, window->it2_name, window->it2_price, window->it2_noprice,
                       window->itz2);
        CheckUnusedRow(window->crumbimg, window->crumb_quan, window->crumb_name, window->crumb_price,
                       window->crumb_noprice, window->itzcrumb);
        CheckUnusedRow(window->eleimg, window->ele_quan, window->ele_name, window->ele_price, window->ele_noprice,
                       window->itzele);
        QCOMPARE(window->WeaponName->text(), QString("Iron"));
    }

    void aWeaponFillsItsStatisticsAndChosenRows() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, "Knife");
        PickRow(*w.Elt, "Fire");
        Click(*w.SCrumb2);
        TDBForm* window = PressSubmit(w);
        QCOMPARE(window->atk->text(), QString("ATK:"));
        QCOMPARE(window->lvl->text(), QString("Уровень:"));
        QCOMPARE(window->lvl_sign->text(), QString("1"));
        QCOMPARE(window->baselev->text(), QString("Нужен Base:"));
        QCOMPARE(window->hammer_name->text(), QString("Iron Hammer"));
        QCOMPARE(window->hammer_price->text(), QString("1000"));
        QCOMPARE(window->crumb_quan->text(), QString("2"));
        QCOMPARE(window->crumb_name->text(), QString("Star Crumb"));
        QCOMPARE(window->crumb_price->text(), QString("15000"));
        QVERIFY(!window->crumb_price->isHidden());
        QVERIFY(window->crumb_noprice->isHidden());
        QCOMPARE(window->crumbimg->picturePath(), QString("images/starcrumb.bmp"));
        QCOMPARE(window->ele_name->text(), QString("Flame Heart"));
        QCOMPARE(window->ele_price->text(), QString("30000"));
        QCOMPARE(window->eleimg->picturePath(), QString("images/flameheart.bmp"));
        QCOMPARE(window->itzele->text(), QString("Zeny/шт."));
        QVERIFY(!window->descript->text().isEmpty());
        QVERIFY(!window->Wear->text().isEmpty());
    }

    void aTypedElementWithoutStoneShowsItsOwnRow() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, "Knife");
        TypeInto(*w.Elt, "Holy");
        TDBForm* window = PressSubmit(w);
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(window->WeaponName->text(), QString("Holy Knife"));
        QCOMPARE(window->ele_name->text(), QString("Holy"));
        QCOMPARE(window->ele_quan->text(), QString("1"));
        QCOMPARE(window->ele_price->text(), QString("0"));
        QVERIFY(!window->ele_price->isHidden());
        QVERIFY(window->ele_noprice->isHidden());
        QCOMPARE(window->itzele->text(), QString("Zeny/шт."));
        QVERIFY(window->eleimg->picture().isNull());

        // A price typed for it counts once per attempt.
        const int before = window->summ_price->text().toInt();
        const double rate = QString(window->rate->text()).replace(QChar(SystemDecimalSeparator()), u'.').toDouble();
        const int attempts = static_cast<int>(std::ceil(100.0 / rate));
        TypeInto(*window->ele_price, "700");
        QCOMPARE(window->summ_price->text().toInt(), before + attempts * 700);
    }

    void pricesTypedIntoAWindowRecomputeItsCost() {
        MainWindowFixture f;
        PickRow(*f.window->Weapon, "Knife");
        TDBForm* window = PressSubmit(*f.window);
        const int quantity = window->it1_quan->text().toInt();
        TypeInto(*window->it1_price, "40");
        QCOMPARE(window->summ_price->text(), QString::number(1000 + quantity * 40));
        TypeInto(*window->it1_price, "");
        QCOMPARE(window->summ_price->text(), QString("1000"));
    }

    void aBadCharacterInputOpensNoWindow() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, "Iron");
        TypeInto(*w.Luk, "9O");
        f.reporter.errors.clear();
        QVERIFY(!PressSubmit(w));
        QCOMPARE(f.reporter.errors, QStringList{"'9O' is not a valid integer value"});
        QVERIFY(ResultWindows().isEmpty());
    }

    void aBadSkillInputHurtsOnlyTheItemsThatReadIt() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.Ori, "x");
        PickRow(*w.Weapon, "Knife");
        TDBForm* knife = PressSubmit(w);
        QVERIFY(knife);
        QCOMPARE(f.reporter.errors, QStringList{"'x' is not a valid integer value"});
        QCOMPARE(knife->windowTitle(), QString("Knife"));
        CheckUnfilled(*knife);

        PickRow(*w.Weapon, "Iron");
        TDBForm* iron = PressSubmit(w);
        QCOMPARE(f.reporter.errors.size(), 1);
        QCOMPARE(iron->summ_price->text(), QString("182"));
    }

    void everyPressOpensAnIndependentWindow() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        const char* items[] = {"Iron", "Knife", "Damascus"};
        QList<TDBForm*> windows;
        for (const char* item : items) {
            PickRow(*w.Weapon, item);
            windows << PressSubmit(w);
        }
        QCOMPARE(ResultWindows().size(), 3);
        QCOMPARE(TDBForm::DBForm().data(), windows.back());
        QCOMPARE(windows[0]->summ_price->text(), QString("182"));
        QCOMPARE(windows[1]->summ_price->text(), QString("1000"));
        QCOMPARE(windows[0]->WeaponName->text(), QString("Iron"));
        // Typing into one window leaves the others alone.
        TypeInto(*windows[1]->it1_price, "5");
        QCOMPARE(windows[0]->summ_price->text(), QString("182"));
        QCOMPARE(windows[2]->WeaponName->text(), QString("Damascus"));
    }

    void aMissingBigPictureLeavesOnlyTheCaption() {
        MainWindowFixture f;
        f.pictures.remove("images/big/knife.bmp");
        PickRow(*f.window->Weapon, "Knife");
        TDBForm* window = PressSubmit(*f.window);
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY(f.reporter.errors.front().startsWith(
            QString("Cannot open file \"%1\". ").arg(f.pictures.absolute("images/big/knife.bmp"))));
        QCOMPARE(window->windowTitle(), QString("Knife"));
        CheckUnfilled(*window);
        QVERIFY(window->descript->text().isEmpty());
    }

    void aBrokenToolPictureStopsAfterTheStatistics() {
        MainWindowFixture f;
        f.pictures.write("images/ironhammer.bmp", "BM");
        PickRow(*f.window->Weapon, "Knife");
        TDBForm* window = PressSubmit(*f.window);
        QCOMPARE(f.reporter.errors, QStringList{"Stream read error"});
        QCOMPARE(window->rate->text(), QString("100"));
        QCOMPARE(window->WeaponName->text(), QString("Knife"));
        QCOMPARE(window->hammer_name->text(), QString("hammer_name"));
        QVERIFY(window->summ_price->text().isEmpty());
    }

    // A window whose filling stopped at a picture still shows design texts
    // in its later rows. It shows no cost: neither the one worked out when
    // the star crumb price was set during the filling, nor one that typed
    // prices would make up from its design quantities.
    void aWindowStoppedPartWayShowsNoCost_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("starCrumb");
        QTest::addColumn<QString>("element");
        QTest::newRow("material picture") << "images/iron.bmp" << false << "";
        QTest::newRow("element picture after the star crumbs") << "images/flameheart.bmp" << true << "Fire";
    }
    void aWindowStoppedPartWayShowsNoCost() {
        QFETCH(QString, missing);
        QFETCH(bool, starCrumb);
        QFETCH(QString, element);
        MainWindowFixture f;
        TForm1& w = *f.window;
        f.pictures.remove(missing);
        PickRow(*w.Weapon, "Knife");
        if (starCrumb) Click(*w.SCrumb1);
        if (!element.isEmpty()) PickRow(*w.Elt, element);
        TDBForm* window = PressSubmit(w);
        QCOMPARE(f.reporter.errors.size(), 1);
        QCOMPARE(window->ele_name->text(), QString("ele_name"));
        QVERIFY(window->summ_price->text().isEmpty());

        TypeInto(*window->ele_price, "5");
        QVERIFY(window->summ_price->text().isEmpty());
        QCOMPARE(f.reporter.errors.size(), 1);
    }

    void anEmptyPlaceholderFileShowsNothingAndIsNoError() {
        MainWindowFixture f;
        f.pictures.write("images/empty.bmp", {});
        PickRow(*f.window->Weapon, "Iron");
        TDBForm* window = PressSubmit(*f.window);
        QVERIFY(f.reporter.errors.isEmpty());
        QVERIFY(window->item2->picture().isNull());
        QCOMPARE(window->summ_price->text(), QString("182"));
    }

    void closedWindowsAreFreed() {
        MainWindowFixture f;
        PickRow(*f.window->Weapon, "Knife");
        for (int press = 0; press < 1000; ++press) {
            TDBForm* window = PressSubmit(*f.window);
            QVERIFY(window);
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(f.reporter.errors.isEmpty());
        QVERIFY(ResultWindows().isEmpty());
        QVERIFY(TDBForm::DBForm().isNull());
    }
};

QTEST_MAIN(ForgeRequestTest)
#include "forge_request_test.moc"
