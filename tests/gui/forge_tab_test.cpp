// The forging tab's couplings: the star crumb cascade, the element and third
// star crumb exclusion, the character picture that follows the base level,
// and the whole-number checks while typing.
#include <QApplication>
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

// The editable boxes of both tabs in keyboard order, by the names the
// window gives them.
const std::pair<const char*, EditCombo* TForm1::*> kEditableBoxes[] = {
    {"Base", &TForm1::Base},   {"Job", &TForm1::Job},         {"Dex", &TForm1::Dex},
    {"Luk", &TForm1::Luk},     {"SmDagger", &TForm1::SmDagger}, {"SmSword", &TForm1::SmSword},
    {"Sm2HSword", &TForm1::Sm2HSword}, {"SmAxe", &TForm1::SmAxe}, {"SmMace", &TForm1::SmMace},
    {"SmKn", &TForm1::SmKn},   {"SmSpear", &TForm1::SmSpear}, {"WR", &TForm1::WR},
    {"Ori", &TForm1::Ori},     {"Iron", &TForm1::Iron},       {"Steel", &TForm1::Steel},
    {"Stone", &TForm1::Stone}, {"Anvil", &TForm1::Anvil},     {"Elt", &TForm1::Elt},
    {"RefLevel", &TForm1::RefLevel}, {"FinalRefine", &TForm1::FinalRefine},
};

EditCombo* Box(TForm1& w, const QString& name) {
    for (const auto& [boxName, member] : kEditableBoxes)
        if (name == QLatin1String(boxName)) return w.*member;
    qFatal("no box %s", qPrintable(name));
}

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

    // Keys as the window system delivers them, to the focused box, complete
    // from its list: the typed text in the case typed, the rest of the first
    // matching item selected, and that item current. "\b" stands for
    // Backspace, which first removes a selected completion.
    void typedKeysCompleteInEveryEditableBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("tabFrom");  // empty: focused by a click
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("current");
        for (const auto& [name, member] : kEditableBoxes) {
            const QString box = QLatin1String(name);
            if (box == "Anvil" || box == "Elt" || box == "RefLevel" || box == "FinalRefine") continue;
            // "2" is no box's default item, so the current item moves.
            QTest::addRow("%s clicked", name) << box << "" << "2" << "2" << "" << "2";
        }
        QTest::newRow("Elt F") << "Elt" << "" << "F" << "Fire" << "ire" << "Fire";
        QTest::newRow("Elt f keeps the case") << "Elt" << "" << "f" << "fire" << "ire" << "Fire";
        QTest::newRow("Elt Backspace removes the completion") << "Elt" << "" << "f\b" << "f" << "" << "Fire";
        QTest::newRow("Elt mixed case") << "Elt" << "" << "eA" << "eArth" << "rth" << "Earth";
        QTest::newRow("Elt whole item") << "Elt" << "" << "ice" << "ice" << "" << "Ice";
        QTest::newRow("Elt typed past every item") << "Elt" << "" << "wix" << "wix" << "" << "Wind";
        QTest::newRow("Elt Cyrillic") << "Elt" << "" << "б" << "без элемента" << "ез элемента" << "Без элемента";
        QTest::newRow("Anvil g") << "Anvil" << "" << "g" << "golden Anvil" << "olden Anvil" << "Golden Anvil";
        QTest::newRow("RefLevel +") << "RefLevel" << "" << "+" << "+0" << "0" << "+0";
        QTest::newRow("FinalRefine +1 then 0") << "FinalRefine" << "" << "+10" << "+10" << "" << "+10";
        QTest::newRow("Job after Tab") << "Job" << "Base" << "5" << "5" << "" << "5";
        QTest::newRow("Elt after Tab") << "Elt" << "Anvil" << "W" << "Wind" << "ind" << "Wind";
        QTest::newRow("Anvil after Tab") << "Anvil" << "Stone" << "o" << "oridecon Anvil" << "ridecon Anvil"
                                         << "Oridecon Anvil";
        QTest::newRow("FinalRefine after Tab") << "FinalRefine" << "RefLevel" << "+8" << "+8" << "" << "+8";
    }
    void typedKeysCompleteInEveryEditableBox() {
        QFETCH(QString, box);
        QFETCH(QString, tabFrom);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, selected);
        QFETCH(QString, current);
        MainWindowFixture f;
        TForm1& w = *f.window;
        if (box == "RefLevel" || box == "FinalRefine") OpenRefineTab(w);
        EditCombo& target = *Box(w, box);
        if (tabFrom.isEmpty()) {
            ClickInto(target);
            PressKey(Qt::Key_A, Qt::ControlModifier);
        } else {
            ClickInto(*Box(w, tabFrom));
            PressKey(Qt::Key_Tab);  // selects the whole text of the box it enters
        }
        QCOMPARE(QApplication::focusWidget(), &target);
        for (const QChar key : keys) {
            if (key == u'\b')
                PressKey(Qt::Key_Backspace);
            else
                TypeText(key);
        }
        QCOMPARE(target.currentText(), shown);
        QCOMPARE(target.lineEdit()->selectedText(), selected);
        QCOMPARE(target.itemText(target.currentIndex()), current);
    }

    // A typed element reaches the forge request as the completed word.
    void aTypedElementCompletesBeforeTheForgeRequestReadsIt() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, "Knife");
        TypeInto(*w.Elt, "F");
        TDBForm* window = PressSubmit(w);
        QVERIFY(window);
        QCOMPARE(window->WeaponName->text(), QString("Fire Knife"));
        QCOMPARE(window->ele_name->text(), QString("Flame Heart"));
        QCOMPARE(window->summ_price->text(), QString("62000"));
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
