// What the player typed, kept between runs: every input back with its
// handler's effect, the price book filling new windows, damaged settings
// files, a folder that cannot be written, two programs writing at once, and
// the program's --reset and --help. Every test has a settings file of its
// own in a temporary folder.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "gui/budget/budget_chart_window.h"
#include "gui/refine/refine_comparison_window.h"
#include "main_window_harness.h"
#include "rules_file/rules_file.h"
#include "window_parts.h"

using namespace trivelon;
using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// Everything a player reads off the main window: each input of the forging
// tab with its name, the item, the ticked star crumbs, the character's picture and, once built, the
// refining tab's inputs and figures.
QStringList Shown(const MainWindowControls& w) {
    QStringList shown;
    for (const EditCombo* box : w.tabs()->widget(0)->findChildren<EditCombo*>())
        shown << box->objectName() + u'=' + box->currentText();
    shown << w.itemSelector()->currentText() << Ticked(w) << w.characterPicture()->picturePath();
    if (!w.classSelector()) return shown;
    shown << w.classSelector()->currentText() << w.currentLevel()->currentText() << w.targetLevel()->currentText()
          << w.materialPrice()->text() << w.itemPrice()->text();
    for (const QLabel* label : {w.safeLevel(), w.attemptFee(), w.materialName(), w.materialCount(), w.itemCount(),
                                w.successRate(), w.averageCost(), w.bonus()})
        shown << label->text();
    shown << w.refineCharacterPicture()->picturePath();
    return shown;
}

// The title, rate and cost of the result window the forge button opens.
QStringList Forged(const MainWindowControls& w) {
    ForgeResultWindow* result = PressSubmit(w);
    if (!result) return {};
    const QStringList shown{Part(*result, "title")->text(), Part(*result, "rate")->text(),
                            Part(*result, "averageCost")->text()};
    CloseResultWindows();
    return shown;
}

std::unique_ptr<MainWindow> StartedWindow(RecordingReporter& reporter, SettingsStore& settings) {
    auto window = std::make_unique<MainWindow>(reporter, settings);
    window->show();
    QApplication::setActiveWindow(window.get());
    return window;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The chart window the button opened, with the sum typed into it.
BudgetChartWindow* OpenChart(QWidget& owner, QPushButton& button) {
    ClickAt(button, button.rect().center());
    return owner.findChild<BudgetChartWindow*>();
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    // Typed, picked and clicked in one run, back in the next as if typed
    // again: the character's picture follows the base level, the refine
    // figures the class, the levels and the Weaponry Research, and a forge
    // request gives what it gave before.
    void everyInputComesBackWithItsHandlersEffect() {
        PictureFolder pictures;
        TemporarySettings settings;
        RecordingReporter reporter;
        auto first = StartedWindow(reporter, settings.store);
        const MainWindowControls w(*first);
        const QStringList defaults = Shown(w);
        const std::pair<EditCombo*, const char*> typed[] = {
            {w.baseLevel(), "99"},
            {w.jobLevel(), "50"},
            {w.dex(), "99"},
            {w.luk(), "1"},
            {w.smithDagger(), "1"},
            {w.smithSword(), "2"},
            {w.smith2HSword(), "1"},
            {w.smithAxe(), "2"},
            {w.smithMace(), "1"},
            {w.smithKnucklebrace(), "2"},
            {w.smithSpear(), "1"},
            {w.weaponryResearch(), "5"},
            {w.orideconResearch(), "3"},
            {w.ironTempering(), "2"},
            {w.steelTempering(), "4"},
            {w.enchantedStoneCraft(), "1"},
        };
        for (const auto& [box, text] : typed) TypeInto(*box, text);
        PickRow(*w.anvil(), "Golden Anvil");
        PickRow(*w.element(), "Fire");
        Click(*w.starCrumbs()[1]);
        PickRow(*w.itemSelector(), "Knife");
        const QStringList forged = Forged(w);
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 3 уровня");
        PickRow(*w.targetLevel(), "+9");
        PickRow(*w.currentLevel(), "+4");
        TypeInto(*w.materialPrice(), "4321");
        TypeInto(*w.itemPrice(), "777");
        const QStringList before = Shown(w);
        // Typing over a number passes through an empty text, which
        // interrupts nothing.
        QVERIFY(reporter.errors.isEmpty());
        reporter.errors.clear();
        QVERIFY(first->close());
        first.reset();

        auto second = StartedWindow(reporter, settings.store);
        const MainWindowControls again(*second);
        QCOMPARE(again.dex()->currentText(), QString("99"));
        QCOMPARE(again.characterPicture()->picturePath(), QString("images/bs91.bmp"));
        QCOMPARE(Forged(again), forged);
        OpenRefineTab(again);
        const QStringList after = Shown(again);
        QCOMPARE(after, before);
        // Every input, the star crumbs and the picture differ from a first start.
        for (qsizetype i = 0; i < defaults.size(); ++i) QVERIFY2(after[i] != defaults[i], qPrintable(after[i]));
        QVERIFY2(reporter.errors.isEmpty(), qPrintable(reporter.errors.join(u'\n')));
        QVERIFY(settings.told.isEmpty());
    }

    void withoutSettingsTheStartIsTheFirstStart() {
        MainWindowFixture f;
        const MainWindowControls w(*f.window);
        QCOMPARE(w.dex()->currentText(), QString("117"));
        QCOMPARE(w.characterPicture()->picturePath(), QString());
        QVERIFY(!QFile::exists(f.settings.store.path()));
        QVERIFY(f.settings.told.isEmpty());
    }

    // A price typed into a result window goes into every result window
    // opened after it, in this run and the next, with the cost it gives
    // when typed; a good without a remembered price keeps the recipe's.
    void typedPricesFillTheNextWindows() {
        MainWindowFixture f;
        const MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        PickRow(*w.element(), "Fire");
        ForgeResultWindow* typedInto = PressSubmit(w);
        TypeInto(*typedInto->row(RecipeRowKind::Material1).priceEdit, "120");
        TypeInto(*typedInto->row(RecipeRowKind::ElementStone).priceEdit, "25000");
        TypeInto(*typedInto->row(RecipeRowKind::Material2).priceEdit, "не знаю");
        const QString cost = Part(*typedInto, "averageCost")->text();
        const QString budget = Part<BudgetTable>(*typedInto, "budget")->figureText(1, 2);
        QVERIFY(!QFile::exists(f.settings.store.path()));
        CloseResultWindows();
        QVERIFY(ReadFile(f.settings.store.path()).contains("\niron=120"));

        const auto expectFilled = [&](const MainWindowControls& controls) {
            ForgeResultWindow* next = PressSubmit(controls);
            QCOMPARE(next->row(RecipeRowKind::Material1).priceEdit->text(), QString("120"));
            QCOMPARE(next->row(RecipeRowKind::ElementStone).priceEdit->text(), QString("25000"));
            QCOMPARE(next->row(RecipeRowKind::Material2).priceEdit->text(), QString("0"));
            QCOMPARE(Part(*next, "averageCost")->text(), cost);
            QCOMPARE(Part<BudgetTable>(*next, "budget")->figureText(1, 2), budget);
            CloseResultWindows();
        };
        expectFilled(w);
        QVERIFY(f.window->close());
        f.window = StartedWindow(f.reporter, f.settings.store);
        expectFilled(MainWindowControls(*f.window));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // The refine material's price is the good's one price: it comes back
    // with every class refined with it and in the forge windows that use it;
    // the sum typed into a chart comes back in every chart opened later.
    void refineMaterialPricesAndTheChartSum() {
        MainWindowFixture f;
        const MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 3 уровня");
        TypeInto(*w.materialPrice(), "7 000");
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        QCOMPARE(w.materialPrice()->text(), QString("1000"));
        PickRow(*w.classSelector(), "Оружие 4 уровня");
        QCOMPARE(w.materialPrice()->text(), QString("7 000"));
        BudgetChartWindow* chart = OpenChart(*f.window, *w.refineChartButton());
        TypeInto(*chart->moneyField(), "1,5кк");
        const QString chance = chart->chanceLabel()->text();
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.window->close());

        f.window = StartedWindow(f.reporter, f.settings.store);
        const MainWindowControls again(*f.window);
        PickRow(*again.itemSelector(), "Gladius");
        QCOMPARE(PressSubmit(again)->row(RecipeRowKind::Material1).priceEdit->text(), QString("7 000"));
        CloseResultWindows();
        OpenRefineTab(again);
        PickRow(*again.classSelector(), "Оружие 3 уровня");
        QCOMPARE(again.materialPrice()->text(), QString("7 000"));
        chart = OpenChart(*f.window, *again.refineChartButton());
        QCOMPARE(chart->moneyField()->text(), QString("1,5кк"));
        QCOMPARE(chart->chanceLabel()->text(), chance);
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // An item's price at a level, typed into the comparison or on the tab,
    // comes back in both at the next start, by class and level; a cleared
    // one comes back as not on offer.
    void itemPricesByLevelComeBack() {
        MainWindowFixture f;
        const MainWindowControls w(*f.window);
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 4 уровня");
        PickRow(*w.targetLevel(), "+10");
        ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
        auto* window = f.window->findChild<RefineComparisonWindow*>();
        TypeInto(*window->priceEdit(7), "2кк");
        TypeInto(*window->priceEdit(10), "90 кк");
        TypeInto(*window->priceEdit(0), "");
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Half-typed prices are not written down.
        TypeInto(*w.materialPrice(), "2,");
        TypeInto(*w.itemPrice(), "3,");
        QVERIFY(f.window->close());
        const QByteArray saved = ReadFile(f.settings.store.path());
        QVERIFY2(saved.contains("\nrefine-item-class-4-7=2\xd0\xba\xd0\xba\n"), saved.constData());
        QVERIFY2(!saved.contains("2,") && !saved.contains("3,"), saved.constData());

        f.window = StartedWindow(f.reporter, f.settings.store);
        const MainWindowControls again(*f.window);
        OpenRefineTab(again);
        QCOMPARE(again.itemPrice()->text(), QString());
        PickRow(*again.currentLevel(), "+7");
        QCOMPARE(again.itemPrice()->text(), QString("2кк"));
        ClickAt(*again.refineCompareButton(), again.refineCompareButton()->rect().center());
        window = f.window->findChild<RefineComparisonWindow*>();
        QCOMPARE(window->priceEdit(10)->text(), QString("90 кк"));
        QCOMPARE(window->priceEdit(7)->text(), QString("2кк"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    // The price book's keys of earlier versions (a good's own name, written
    // with %20 for a blank and %U0423 for a Cyrillic letter; the refine
    // material by its class) are read and moved to plain keys at the next
    // save; a key of the present form wins over the earlier form of the same
    // entry, and the first of two earlier keys of one entry wins.
    void earlierPriceKeysAreReadAndMoved() {
        MainWindowFixture f;
        WriteFile(f.settings.store.path(),
                  "[prices]\nIron=120\nFlame%20Heart=7\nflame-heart=5\nrefine%20material%20of%20class%201=333\n"
                  "refine%20material%20of%20class%203=7000\nrefine%20material%20of%20class%204=6000\n"
                  "%U0423%20%U043C%U0435%U043D%U044F%20%U0435%U0441%U0442%U044C=500\xd0\xba\n");
        f.window = StartedWindow(f.reporter, f.settings.store);
        const MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        ForgeResultWindow* result = PressSubmit(w);
        QCOMPARE(result->row(RecipeRowKind::Material1).priceEdit->text(), QString("120"));
        CloseResultWindows();
        OpenRefineTab(w);
        PickRow(*w.classSelector(), "Оружие 2 уровня");
        PickRow(*w.classSelector(), "Оружие 1 уровня");
        QCOMPARE(w.materialPrice()->text(), QString("333"));
        PickRow(*w.classSelector(), "Оружие 4 уровня");
        QCOMPARE(w.materialPrice()->text(), QString("7000"));
        QVERIFY(f.window->close());
        const QByteArray saved = ReadFile(f.settings.store.path());
        for (const char* line :
             {"\niron=120\n", "\nflame-heart=5\n", "\nphracon=333\n", "\noridecon=7000\n", "\nmoney=500\xd0\xba\n"})
            QVERIFY2(saved.contains(line), saved.constData());
        QVERIFY2(!saved.contains('%') && !saved.contains("Iron") && !saved.contains("6000"), saved.constData());
    }

    // A name picked from a list is kept by its id, the same in every
    // language; the names an earlier version kept are read and kept by their
    // ids at the next save, whether the refining tab was opened or not.
    void listNamesAreKeptByTheirIds_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("openRefine");
        QTest::addColumn<QStringList>("shown");  // element, anvil, and the class when the tab is opened
        QTest::addColumn<QByteArray>("saved");
        const QByteArray earlier =
            "[forge]\nelement=Без элемента\nanvil=Golden Anvil\n[refine]\nclass=Оружие 4 уровня\n";
        const QByteArray moved = "element=none;anvil=golden-anvil;class=weapon-4";
        QTest::newRow("earlier names") << earlier << true
                                       << QStringList{"Без элемента", "Golden Anvil", "Оружие 4 уровня"} << moved;
        QTest::newRow("earlier names, refining tab not opened")
            << earlier << false << QStringList{"Без элемента", "Golden Anvil"} << moved;
        QTest::newRow("ids") << QByteArray("[forge]\nelement=fire\nanvil=iron-anvil\n[refine]\nclass=armour\n") << true
                             << QStringList{"Fire", "Iron Anvil", "Одежда"}
                             << QByteArray("element=fire;anvil=iron-anvil;class=armour");
    }
    void listNamesAreKeptByTheirIds() {
        QFETCH(QByteArray, file);
        QFETCH(bool, openRefine);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, saved);
        MainWindowFixture f;
        WriteFile(f.settings.store.path(), file);
        f.window = StartedWindow(f.reporter, f.settings.store);
        const MainWindowControls w(*f.window);
        QStringList read{w.element()->currentText(), w.anvil()->currentText()};
        if (openRefine) {
            OpenRefineTab(w);
            read << w.classSelector()->currentText();
        }
        QCOMPARE(read, shown);
        QVERIFY(f.window->close());
        const QByteArray written = ReadFile(f.settings.store.path());
        for (const QByteArray& line : saved.split(';'))
            QVERIFY2(written.contains("\n" + line + "\n"), written.constData());
    }

    // Damaged, hand-edited and foreign files: the program starts without a
    // message box, takes each value its field would take as typed, leaves
    // every other field at its default, and keeps the keys it does not know.
    void hostileFilesStartTheProgram_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("changed");  // "objectName=text" of the fields that take a value
        QTest::addColumn<bool>("told");
        QByteArray binary(4096, '\0');
        for (qsizetype i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 131 + 7) % 256);
        QTest::newRow("empty") << QByteArray() << QStringList{} << false;
        QTest::newRow("binary") << binary << QStringList{} << false;
        QTest::newRow("truncated") << QByteArray("[forge]\ndex=99\nluk=") << QStringList{"dex=99"} << false;
        QTest::newRow("broken syntax") << QByteArray("[forge\n=\n==7\n[]\ndex\n[forge]\nluk==5\n") << QStringList{}
                                       << false;
        QTest::newRow("nonsense")
            << QByteArray(
                   "[forge]\nbase=abc\ndex=-\nanvil=Diamond Anvil\nelement=Holy\nitem=Nothing\n"
                   "star-crumbs=7\n[refine]\nclass=9\nfrom=+11\nto=x\nmaterial-price=abc\nitem-price=1e5\n")
            << QStringList{} << false;
        QTest::newRow("huge")
            << "[forge]\ndex=99999999999\nluk=2147483647\nbase=" + QByteArray(100000, '9') +
                   "\n[refine]\nitem-price=99999999999999999999\n[prices]\nIron=99999999999999999999\n"
            << QStringList{"luk=2147483647"} << false;
        QTest::newRow("not texts") << QByteArray(
                                          "[forge]\ndex=1, 2\nluk=@ByteArray(77)\njob=@Variant(\\0\\0\\0\\x7f)\n")
                                   << QStringList{} << false;
        QTest::newRow("another version") << QByteArray(
                                                "[general]\nversion=99\n[forge]\ndex=100\nsmith-axe=1\n"
                                                "[future]\nwish=more\n")
                                         << QStringList{"dex=100", "smithAxe=1"} << false;
        QTest::newRow("larger than any settings") << "[forge]\ndex=55\n#" + QByteArray(300 * 1024, 'x') + "\n"
                                                  << QStringList{} << true;
    }

    void hostileFilesStartTheProgram() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, changed);
        QFETCH(bool, told);
        MainWindowFixture defaults;
        OpenRefineTab(defaults.controls());
        const QStringList firstStart = Shown(defaults.controls());
        PictureFolder pictures;
        TemporarySettings settings;
        WriteFile(settings.store.path(), file);
        RecordingReporter reporter;
        auto window = StartedWindow(reporter, settings.store);
        OpenRefineTab(*window);
        QStringList expected = firstStart;
        for (const QString& field : changed) {
            const QString name = field.section(u'=', 0, 0);
            const auto at = std::find_if(expected.begin(), expected.end(),
                                         [&](const QString& shown) { return shown.startsWith(name + u'='); });
            QVERIFY(at != expected.end());
            *at = field;
        }
        QCOMPARE(Shown(*window), expected);
        QVERIFY2(reporter.errors.isEmpty(), qPrintable(reporter.errors.join(u'\n')));
        QCOMPARE(settings.told.size(), told ? 1 : 0);
        // The price book took nothing either: a new window shows the recipe's prices.
        OpenForgeTab(*window);
        PickRow(*MainWindowControls(*window).itemSelector(), "Knife");
        ForgeResultWindow* result = PressSubmit(*window);
        QCOMPARE(result->row(RecipeRowKind::Material1).priceEdit->text(), QString("0"));
        CloseResultWindows();

        QVERIFY(window->close());
        if (told) {
            QCOMPARE(ReadFile(settings.store.path()), file);  // a file it cannot read, it does not write over
            QCOMPARE(settings.told.size(), 1);
        } else if (file.contains("[future]")) {
            QVERIFY(ReadFile(settings.store.path()).contains("wish=more"));
        }
    }

    // A folder that cannot be written or made, a file that cannot be read:
    // the windows work as ever, and the store says once that nothing will
    // be kept.
    void settingsThatCannotBeWrittenAreSaidOnce_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("a file in the folder's place") << "file for folder";
        QTest::newRow("a read-only folder") << "read-only folder";
        QTest::newRow("a folder in the file's place") << "folder for file";
    }

    void settingsThatCannotBeWrittenAreSaidOnce() {
        QFETCH(QString, fault);
        PictureFolder pictures;
        QTemporaryDir folder;
        const QString settingsFolder = folder.filePath("trivelon");
        const QString file = settingsFolder + "/trivelon.ini";
        if (fault == "file for folder") {
            WriteFile(settingsFolder, "not a folder");
        } else if (fault == "folder for file") {
            QVERIFY(QDir().mkpath(file));
        } else {
            QVERIFY(QDir().mkpath(settingsFolder));
            QVERIFY(QFile::setPermissions(settingsFolder, QFile::ReadOwner | QFile::ExeOwner));
            // An administrator writes into it all the same.
            if (QFile(settingsFolder + "/probe").open(QIODevice::WriteOnly))
                QSKIP("this user writes into read-only folders");
        }
        QStringList told;
        SettingsStore settings(file, [&told](const QString& problem) { told << problem; });
        RecordingReporter reporter;
        auto window = StartedWindow(reporter, settings);
        const MainWindowControls w(*window);
        PickRow(*w.itemSelector(), "Knife");
        ForgeResultWindow* result = PressSubmit(w);
        TypeInto(*result->row(RecipeRowKind::Material1).priceEdit, "120");
        QCOMPARE(Part(*result, "averageCost")->text(), QString("1120"));
        CloseResultWindows();
        PickRow(*w.dex(), "99");
        QVERIFY(window->close());
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.front().contains(file), qPrintable(told.front()));
        QVERIFY(reporter.errors.isEmpty());
    }

    // Two programs closed at the same moment, again and again: the file
    // always reads as the settings of one of them, whole.
    void twoProgramsClosedAtOnceLeaveOneWhole() {
        TemporarySettings settings;
        for (int round = 0; round < 10; ++round) {
            QProcess first, second;
            first.start(QStringLiteral(SETTINGS_WRITER), {settings.store.path(), "1111"});
            second.start(QStringLiteral(SETTINGS_WRITER), {settings.store.path(), "2222"});
            QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
            QCOMPARE(first.exitCode() + second.exitCode(), 0);
            PriceBook book;
            const SavedTexts saved = settings.store.read(book);
            QCOMPARE(saved.size(), 200);
            const QString winner = saved.first();
            QVERIFY(winner == "1111" || winner == "2222");
            for (const QString& text : saved) QCOMPARE(text, winner);
            QCOMPARE(book.text("Iron"), std::optional<std::string>(CoreText(winner)));
        }
        QVERIFY(settings.told.isEmpty());
    }

    // A server's rules file is remembered: the next start works under it,
    // the title names it and the refining lists follow its classes and
    // levels; a file that can no longer be used leaves the built-in rules
    // and says why, naming the file.
    void rulesFileComesBackAndABadOneIsSaid() {
        PictureFolder pictures;
        TemporarySettings settings;
        RecordingReporter reporter;
        Rules server = BuiltInRules();
        server.name = "Тестовый сервер";
        server.refine.classes = {server.refine.classes[3], server.refine.classes[4]};
        server.refine.classes[0].name = "Меч";
        server.refine.researchPerLevel = 2;
        for (RefineClassRule& cls : server.refine.classes) cls.chances.pop_back();  // up to +9
        const QString rulesPath = settings.folder.filePath(QStringLiteral("server.toml"));
        WriteFile(rulesPath, QByteArray::fromStdString(RulesText(server)));
        QSettings(settings.folder.filePath(QStringLiteral("trivelon.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("rules/file"), rulesPath);

        auto first = StartedWindow(reporter, settings.store);
        const MainWindowControls w(*first);
        QVERIFY(first->windowTitle().endsWith(QStringLiteral("правила: Тестовый сервер")));
        OpenRefineTab(w);
        QCOMPARE(w.classSelector()->count(), 2);
        QCOMPARE(w.classSelector()->currentText(), QStringLiteral("Меч"));
        QCOMPARE(w.targetLevel()->count(), 9);
        QCOMPARE(w.attemptFee()->text(), QStringLiteral("20000"));
        // Weaponry Research 10 worth 20 %: (60 + 20)(40 + 20)(40 + 20)(20 + 20)(20 + 20) / 100^4 = 4.608 %.
        PickRow(*w.targetLevel(), QStringLiteral("+9"));
        QCOMPARE(w.successRate()->text(), QStringLiteral("4.608").replace(u'.', QLocale::system().decimalPoint()));
        QVERIFY2(reporter.errors.isEmpty(), qPrintable(reporter.errors.join(u'\n')));
        QVERIFY(first->close());
        first.reset();

        WriteFile(rulesPath, "chances = [");
        auto second = StartedWindow(reporter, settings.store);
        const MainWindowControls again(*second);
        QCOMPARE(reporter.errors.size(), 1);
        QVERIFY2(reporter.errors[0].startsWith(QStringLiteral("server.toml, строка 1")),
                 qPrintable(reporter.errors[0]));
        QVERIFY(!second->windowTitle().contains(QStringLiteral("правила")));
        OpenRefineTab(again);
        QCOMPARE(again.classSelector()->count(), static_cast<int>(BuiltInRules().refine.classes.size()));
    }

    // trivelon --reset forgets what was saved; --help says so. The program
    // runs with its settings folder in a temporary place and ends after its
    // first paint.
    void resetForgetsTheSavedSettings() {
        QTemporaryDir config;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TRIVELON_QUIT_AFTER_START", "1");
        const auto run = [&](const QStringList& arguments) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(TRIVELON_PROGRAM), arguments);
            if (!program.waitForFinished(30000) || program.exitCode() != 0) qFatal("trivelon did not end well");
            return QString::fromUtf8(program.readAllStandardOutput());
        };
        const QString help = run({"--help"});
        QVERIFY2(help.contains("--reset") && help.contains(config.path() + "/trivelon/trivelon.ini"), qPrintable(help));

        QVERIFY(QDir(config.path()).mkpath("trivelon"));
        const QString file = config.filePath("trivelon/trivelon.ini");
        WriteFile(file, "[forge]\ndex=99\n[prices]\nIron=120\n");
        run({});
        QVERIFY(QFile::exists(file));  // a start that only reads writes nothing
        run({"--reset"});
        QVERIFY(!QFile::exists(file));

        // The language chosen in the window is the next start's, unless
        // --lang says otherwise for one run.
        WriteFile(file, "language=en\n");
        QVERIFY2(run({"--help"}).contains("this help"), "the chosen language");
        QVERIFY2(run({"--help", "--lang", "ru"}).contains("эта справка"), "--lang over the chosen language");
    }

    // Choosing a language in the window's menu keeps it at once and says it
    // applies from the next start.
    void theLanguageChosenIsKept() {
        MainWindowFixture f;
        for (QAction* action : f.window->actions())
            if (action->text() == "English") action->trigger();
        QCOMPARE(QSettings(f.settings.store.path(), QSettings::IniFormat).value("language").toString(),
                 QStringLiteral("en"));
        auto* note = f.window->findChild<QMessageBox*>("languageNote");
        QVERIFY(note && note->isVisible() && !note->isModal());
        note->close();
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
