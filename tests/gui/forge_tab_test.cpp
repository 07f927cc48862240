// The forging tab's couplings: the star crumb cascade, the element and third
// star crumb exclusion, the character picture that follows the base level,
// and the whole-number checks while typing.
#include <QTest>

#include "gui/error_reporter.h"
#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

const QString kNoElement = QStringLiteral("Без элемента");

PictureCheck& Box(TForm1& w, int number) {
    PictureCheck* boxes[] = {w.SCrumb1, w.SCrumb2, w.SCrumb3};
    return *boxes[number - 1];
}

QString ConversionMessage(const QString& text) { return QStringLiteral("'%1' is not a valid integer value").arg(text); }

}  // namespace

class ForgeTabTest : public QObject {
    Q_OBJECT

private slots:
    void starCrumbCascade_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("elementReset");
        const char* states[] = {"", "1", "12", "123"};
        // The whole table: rows are the state before, columns the box clicked.
        const char* expected[4][3] = {
            {"1", "12", "123"}, {"", "12", "123"}, {"", "1", "123"}, {"", "1", "12"}};
        for (int s = 0; s < 4; ++s)
            for (int box = 1; box <= 3; ++box) {
                const bool reset = QString(expected[s][box - 1]).contains(u'3') || QString(states[s]).contains(u'3');
                QTest::addRow("state '%s' click %d", states[s], box)
                    << QString(states[s]) << box << QString(expected[s][box - 1]) << reset;
            }
    }
    void starCrumbCascade() {
        QFETCH(QString, before);
        QFETCH(int, clicked);
        QFETCH(QString, after);
        QFETCH(bool, elementReset);
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Elt, "Fire");
        for (QChar box : before) Click(Box(w, box.digitValue()));
        QCOMPARE(Ticked(w), before);

        Click(Box(w, clicked));
        QCOMPARE(Ticked(w), after);
        QCOMPARE(w.Elt->currentText(), elementReset ? kNoElement : QString("Fire"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void choosingAnElementUnticksOnlyTheThirdBox_data() {
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("picked Ice") << true << "Ice" << "Ice" << "12";
        QTest::newRow("picked no element") << true << "Без элемента" << "Без элемента" << "123";
        QTest::newRow("typed F completes") << false << "F" << "Fire" << "12";
        QTest::newRow("typed f keeps case") << false << "f" << "fire" << "12";
        QTest::newRow("emptied text") << false << "" << "" << "12";
    }
    void choosingAnElementUnticksOnlyTheThirdBox() {
        QFETCH(bool, picked);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, ticked);
        MainWindowFixture f;
        TForm1& w = *f.window;
        Click(*w.SCrumb3);
        QCOMPARE(Ticked(w), QString("123"));
        if (picked)
            PickRow(*w.Elt, text);
        else
            TypeInto(*w.Elt, text);
        QCOMPARE(w.Elt->currentText(), shown);
        QCOMPARE(Ticked(w), ticked);
    }

    void characterPictureFollowsTheBaseLevel_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("picture");
        QTest::newRow("40") << "40" << "images/bs0.bmp";
        QTest::newRow("41") << "41" << "images/bs41.bmp";
        QTest::newRow("65") << "65" << "images/bs41.bmp";
        QTest::newRow("66") << "66" << "images/bs66.bmp";
        QTest::newRow("80") << "80" << "images/bs66.bmp";
        QTest::newRow("81") << "81" << "images/bs81.bmp";
        QTest::newRow("90") << "90" << "images/bs81.bmp";
        QTest::newRow("91") << "91" << "images/bs91.bmp";
        QTest::newRow("150 typed beyond the list") << "150" << "images/bs91.bmp";
        QTest::newRow("hexadecimal $5B is 91") << "$5B" << "images/bs91.bmp";
    }
    void characterPictureFollowsTheBaseLevel() {
        QFETCH(QString, level);
        QFETCH(QString, picture);
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.Base, level);
        QCOMPARE(w.BS->picturePath(), picture);
        // The refining tab, built only now, shows the same picture.
        OpenRefineTab(w);
        QCOMPARE(w.ImageBS->picturePath(), picture);
        QCOMPARE(w.ImageBS->picture(), w.BS->picture());
    }

    void pickingALevelFromTheListLoadsItsPicture() {
        MainWindowFixture f;
        PickRow(*f.window->Base, "66");
        QCOMPARE(f.window->BS->picturePath(), QString("images/bs66.bmp"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void levelsZeroAndBelowLoadNothing() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        const QImage builtIn = w.BS->picture();
        TypeInto(*w.Base, "-5");
        QVERIFY(w.BS->picturePath().isEmpty());
        QCOMPARE(w.BS->picture(), builtIn);
        // Emptying the field and typing the sign are the only complaints.
        QCOMPARE(f.reporter.errors, QStringList({ConversionMessage(""), ConversionMessage("-")}));
        TypeInto(*w.Base, "0");
        OpenRefineTab(w);
        QVERIFY(w.ImageBS->picturePath().isEmpty());
    }

    void emptiedBaseComplainsAndKeepsThePictures() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.Base, "95");
        f.reporter.errors.clear();
        TypeInto(*w.Base, "");
        QCOMPARE(f.reporter.errors, QStringList{ConversionMessage("")});
        QCOMPARE(WithFullStop(f.reporter.errors.front()), QString("'' is not a valid integer value."));
        QCOMPARE(w.BS->picturePath(), QString("images/bs91.bmp"));
    }

    void missingLowerPictureStopsBeforeHigherOnes() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        OpenForgeTab(w);
        f.pictures.remove("images/bs0.bmp");
        PickRow(*w.Base, "95");
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY2(f.reporter.errors.front().startsWith(
                     QString("Cannot open file \"%1\". ").arg(f.pictures.absolute("images/bs0.bmp"))),
                 qPrintable(f.reporter.errors.front()));
        QVERIFY(w.BS->picturePath().isEmpty());
        QVERIFY(w.ImageBS->picturePath().isEmpty());
    }

    void brokenPictureInTheSecondBoxStopsThere() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        // Built before the level changes, the refining tab loads its copy too.
        OpenRefineTab(w);
        OpenForgeTab(w);
        PickRow(*w.Base, "45");
        QCOMPARE(w.ImageBS->picturePath(), QString("images/bs41.bmp"));
        f.pictures.write("images/bs66.bmp", "this is a text file, not a bitmap");
        PickRow(*w.Base, "70");
        QCOMPARE(f.reporter.errors, QStringList{"Bitmap image is not valid"});
        QCOMPARE(w.BS->picturePath(), QString("images/bs41.bmp"));
        QCOMPARE(w.ImageBS->picturePath(), QString("images/bs41.bmp"));
    }

    void jobDexAndLukAreCheckedWhileTyped() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        TypeInto(*w.Job, "4x");
        TypeInto(*w.Dex, "1 0");
        TypeInto(*w.Luk, "$1F");
        QCOMPARE(f.reporter.errors, QStringList({ConversionMessage(""), ConversionMessage("4x"), ConversionMessage(""),
                                                 ConversionMessage("1 "), ConversionMessage("1 0"),
                                                 ConversionMessage(""), ConversionMessage("$")}));
    }
};

QTEST_MAIN(ForgeTabTest)
#include "forge_tab_test.moc"
