// The forging tab's couplings: the star crumb cascade, the element and third
// star crumb exclusion, the character picture that follows the base level,
// and the whole-number checks while typing.
#include <QApplication>
#include <QTest>

#include "gui/widgets/error_reporter.h"
#include "main_window_harness.h"
#include "window_parts.h"

using namespace trivelon::gui;
using trivelon::RecipeRowKind;
using namespace trivelon::gui::testing;

namespace {

const QString kNoElement = QStringLiteral("Без элемента");

PictureCheck& StarCrumb(const MainWindowControls& w, int number) {
    return *w.starCrumbs()[static_cast<std::size_t>(number - 1)];
}

// The editable boxes of both tabs in keyboard order, by their objectNames.
const char* const kEditableBoxes[] = {
    "baseLevel",
    "jobLevel",
    "dex",
    "luk",
    "smithDagger",
    "smithSword",
    "smith2HSword",
    "smithAxe",
    "smithMace",
    "smithKnucklebrace",
    "smithSpear",
    "weaponryResearch",
    "orideconResearch",
    "ironTempering",
    "steelTempering",
    "enchantedStoneCraft",
    "anvil",
    "element",
    "currentLevel",
    "targetLevel",
};

EditCombo& Box(const MainWindowControls& w, const QString& name) {
    auto* box = w.window().findChild<EditCombo*>(name);
    if (!box) qFatal("no box %s", qPrintable(name));
    return *box;
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
        const char* expected[4][3] = {{"1", "12", "123"}, {"", "12", "123"}, {"", "1", "123"}, {"", "1", "12"}};
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
        MainWindowControls w(*f.window);
        PickRow(*w.element(), "Fire");
        for (QChar box : before) Click(StarCrumb(w, box.digitValue()));
        QCOMPARE(Ticked(w), before);

        Click(StarCrumb(w, clicked));
        QCOMPARE(Ticked(w), after);
        QCOMPARE(w.element()->currentText(), elementReset ? kNoElement : QString("Fire"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // clang-format off
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
    // clang-format on
    void choosingAnElementUnticksOnlyTheThirdBox() {
        QFETCH(bool, picked);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, ticked);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        Click(*w.starCrumbs()[2]);
        QCOMPARE(Ticked(w), QString("123"));
        if (picked)
            PickRow(*w.element(), text);
        else
            TypeInto(*w.element(), text);
        QCOMPARE(w.element()->currentText(), shown);
        QCOMPARE(Ticked(w), ticked);
    }

    // Keys as the window system delivers them, to the focused box, complete
    // from its list: the typed text in the case typed, the rest of the first
    // matching item selected, and that item current. "\b" stands for
    // Backspace, which first removes a selected completion.
    // clang-format off
    void typedKeysCompleteInEveryEditableBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("tabFrom");  // empty: focused by a click
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("current");
        for (const char* name : kEditableBoxes) {
            const QString box = QLatin1String(name);
            if (box == "anvil" || box == "element" || box == "currentLevel" || box == "targetLevel") continue;
            // "2" is no box's default item, so the current item moves.
            QTest::addRow("%s clicked", name) << box << "" << "2" << "2" << "" << "2";
        }
        QTest::newRow("element F") << "element" << "" << "F" << "Fire" << "ire" << "Fire";
        QTest::newRow("element f keeps the case") << "element" << "" << "f" << "fire" << "ire" << "Fire";
        QTest::newRow("element Backspace removes the completion") << "element" << "" << "f\b" << "f" << "" << "Fire";
        QTest::newRow("element mixed case") << "element" << "" << "eA" << "eArth" << "rth" << "Earth";
        QTest::newRow("element whole item") << "element" << "" << "ice" << "ice" << "" << "Ice";
        QTest::newRow("element typed past every item") << "element" << "" << "wix" << "wix" << "" << "Wind";
        QTest::newRow("element Cyrillic") << "element" << "" << "б" << "без элемента" << "ез элемента" << "Без элемента";
        QTest::newRow("anvil g") << "anvil" << "" << "g" << "golden Anvil" << "olden Anvil" << "Golden Anvil";
        QTest::newRow("currentLevel +") << "currentLevel" << "" << "+" << "+0" << "0" << "+0";
        QTest::newRow("targetLevel +1 then 0") << "targetLevel" << "" << "+10" << "+10" << "" << "+10";
        QTest::newRow("jobLevel after Tab") << "jobLevel" << "baseLevel" << "5" << "5" << "" << "5";
        QTest::newRow("anvil after Tab") << "anvil" << "enchantedStoneCraft" << "o" << "oridecon Anvil" << "ridecon Anvil"
                                         << "Oridecon Anvil";
    }
    // clang-format on
    void typedKeysCompleteInEveryEditableBox() {
        QFETCH(QString, box);
        QFETCH(QString, tabFrom);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, selected);
        QFETCH(QString, current);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        if (box == "currentLevel" || box == "targetLevel") OpenRefineTab(w);
        EditCombo& target = Box(w, box);
        if (tabFrom.isEmpty()) {
            ClickInto(target);
            PressKey(Qt::Key_A, Qt::ControlModifier);
        } else {
            ClickInto(Box(w, tabFrom));
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
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        TypeInto(*w.element(), "F");
        ForgeResultWindow* window = PressSubmit(w);
        QVERIFY(window);
        QCOMPARE(Part(*window, "title")->text(), QString("Fire Knife"));
        QCOMPARE(window->row(RecipeRowKind::ElementStone).name->text(), QString("Flame Heart"));
        QCOMPARE(Part(*window, "averageCost")->text(), QString("62000"));
    }

    // clang-format off
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
    // clang-format on
    void characterPictureFollowsTheBaseLevel() {
        QFETCH(QString, level);
        QFETCH(QString, picture);
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.baseLevel(), level);
        QCOMPARE(w.characterPicture()->picturePath(), picture);
        // The refining tab, built only now, shows the same picture.
        OpenRefineTab(w);
        QCOMPARE(w.refineCharacterPicture()->picturePath(), picture);
        QCOMPARE(w.refineCharacterPicture()->picture(), w.characterPicture()->picture());
    }

    void pickingALevelFromTheListLoadsItsPicture() {
        MainWindowFixture f;
        PickRow(*f.controls().baseLevel(), "66");
        QCOMPARE(f.controls().characterPicture()->picturePath(), QString("images/bs66.bmp"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void levelsZeroAndBelowLoadNothing() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        const QImage builtIn = w.characterPicture()->picture();
        TypeInto(*w.baseLevel(), "-5");
        QVERIFY(w.characterPicture()->picturePath().isEmpty());
        QCOMPARE(w.characterPicture()->picture(), builtIn);
        // Emptying the field and typing the sign interrupt nothing.
        QVERIFY(f.reporter.errors.isEmpty());
        TypeInto(*w.baseLevel(), "0");
        OpenRefineTab(w);
        QVERIFY(w.refineCharacterPicture()->picturePath().isEmpty());
    }

    void emptiedBaseIsMarkedAndKeepsThePictures() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.baseLevel(), "95");
        TypeInto(*w.baseLevel(), "");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(w.baseLevel()->toolTip(), QString("Base Lvl: «» — не целое число"));
        QCOMPARE(w.characterPicture()->picturePath(), QString("images/bs91.bmp"));
    }

    void missingLowerPictureStopsBeforeHigherOnes() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        OpenForgeTab(w);
        f.pictures.remove("images/bs0.bmp");
        PickRow(*w.baseLevel(), "95");
        QCOMPARE(f.reporter.errors.size(), 1);
        QVERIFY2(f.reporter.errors.front().startsWith(
                     QString("Cannot open file \"%1\". ").arg(f.pictures.absolute("images/bs0.bmp"))),
                 qPrintable(f.reporter.errors.front()));
        QVERIFY(w.characterPicture()->picturePath().isEmpty());
        QVERIFY(w.refineCharacterPicture()->picturePath().isEmpty());
    }

    void brokenPictureInTheSecondBoxStopsThere() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        // Built before the level changes, the refining tab loads its copy too.
        OpenRefineTab(w);
        OpenForgeTab(w);
        PickRow(*w.baseLevel(), "45");
        QCOMPARE(w.refineCharacterPicture()->picturePath(), QString("images/bs41.bmp"));
        f.pictures.write("images/bs66.bmp", "this is a text file, not a bitmap");
        PickRow(*w.baseLevel(), "70");
        QCOMPARE(f.reporter.errors, QStringList{"Bitmap image is not valid"});
        QCOMPARE(w.characterPicture()->picturePath(), QString("images/bs41.bmp"));
        QCOMPARE(w.refineCharacterPicture()->picturePath(), QString("images/bs41.bmp"));
    }

    void jobDexAndLukAreCheckedWhileTyped() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.jobLevel(), "4x");
        TypeInto(*w.dex(), "1 0");
        TypeInto(*w.luk(), "$1F");
        QVERIFY(f.reporter.errors.isEmpty());
        QCOMPARE(w.jobLevel()->toolTip(), QString("Job Lvl: «4x» — не целое число"));
        QCOMPARE(w.dex()->toolTip(), QString("Dex: «1 0» — не целое число"));
        QVERIFY(w.luk()->toolTip().isEmpty());  // hexadecimal, as the request reads it
    }
};

QTEST_MAIN(ForgeTabTest)
#include "forge_tab_test.moc"
