// Response times of the main window, driven as a user would: the press of
// "Считаем..." until its result window is filled and painted, and a typed
// target refine level until the refining tab's labels show the new figures,
// and the slowest refine change until its open chart is painted again; the
// comparison of where to start with ten levels on offer: opened until
// painted, a price typed until painted, and the dearest row's budget, which
// follows a change in a later turn of the event loop.
// Run offscreen from any folder; the pictures are read from the repository:
//   QT_QPA_PLATFORM=offscreen build-bench/bench/gui_bench -median 9
#include <memory>
#include <utility>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/budget/budget_chart_window.h"
#include "gui/forge/forge_result_window.h"
#include "gui/main_window.h"
#include "gui/refine/refine_comparison_window.h"
#include "main_window_harness.h"
#include "recording_reporter.h"
#include "rules_file/rules_file.h"
#include "typing.h"
#include "window_parts.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// Counts the paints of a window's widgets, so that every measured press is
// known to have painted it: a window whose content covers it gets no paint of
// its own.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == &window_)
            ++paints;
        return false;
    }

private:
    const QWidget& window_;
};

// Retypes the last character of the focused field (the digit after "+" of a
// level, the last digit of a price), the first and the second in turn, so
// that every keystroke changes it and runs its handler once.
class LevelDigitToggle {
public:
    LevelDigitToggle(QString first, QString second) : digits_{std::move(first), std::move(second)} {}
    void type() {
        PressKey(Qt::Key_End);
        PressKey(Qt::Key_Left, Qt::ShiftModifier);
        TypeText(digits_[next_]);
        next_ = 1 - next_;
    }

private:
    QString digits_[2];
    int next_ = 0;
};

}  // namespace

class GuiBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(TRIVELON_SOURCE_DIR))); }

    void init() {
        window_ = std::make_unique<MainWindow>(reporter_, settings_.store);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        CloseResultWindows();
        window_.reset();
        QVERIFY2(reporter_.errors.isEmpty(), qPrintable(reporter_.errors.join(u'\n')));
        QVERIFY(reporter_.warnings.isEmpty());
    }

    void forgePressToPaintedResultWindow() {
        MainWindowControls w(*window_);
        PickRow(*w.itemSelector(), QStringLiteral("Knife"));
        PickRow(*w.element(), QStringLiteral("Fire"));
        Click(*w.starCrumbs()[1]);
        // The measured press fills its window.
        const ForgeResultWindow* first = PressSubmit(w);
        QVERIFY(first);
        QCOMPARE(Part(*first, "title")->text(), QStringLiteral("VVS Fire Knife"));
        CloseResultWindows();

        QBENCHMARK {
            ForgeResultWindow* result = PressSubmit(w);
            QVERIFY(result);
            const PaintCounter counter(*result);
            // The new window's expose arrives as an event, and is painted on it.
            QCoreApplication::processEvents();
            QVERIFY(counter.paints > 0);
            CloseResultWindows();
        }
    }

    void typedTargetLevelToUpdatedLabels() {
        MainWindowControls w(*window_);
        OpenRefineTab(w);
        ClickInto(*w.targetLevel());
        LevelDigitToggle level(QStringLiteral("9"), QStringLiteral("8"));
        QBENCHMARK { level.type(); }
        QVERIFY(w.targetLevel()->currentText() == QStringLiteral("+8") ||
                w.targetLevel()->currentText() == QStringLiteral("+9"));
        QVERIFY(w.successRate()->text() != QStringLiteral("100"));
    }

    // About the slowest refine change there is: a level-4 weapon to +10 at
    // W 9, the most attempts worked out exactly, at an item price that shares
    // no span with the material (the bands), with the chart open, which
    // follows every change.
    void typedCurrentLevelOfTheSlowestPairWithItsChart() {
        MainWindowControls w(*window_);
        TypeInto(*w.weaponryResearch(), QStringLiteral("9"));
        OpenRefineTab(w);
        PickRow(*w.classSelector(), QStringLiteral("Оружие 4 уровня"));
        TypeInto(*w.targetLevel(), QStringLiteral("+10"));
        TypeInto(*w.itemPrice(), QStringLiteral("1"));
        ClickAt(*w.refineChartButton(), w.refineChartButton()->rect().center());
        auto* chart = window_->findChild<BudgetChartWindow*>();
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        const PaintCounter counter(*chart);
        window_->activateWindow();
        ClickInto(*w.currentLevel());
        // From +0 and from +1 the refine is the same but for a safe step, and
        // every keystroke plans it again.
        LevelDigitToggle level(QStringLiteral("1"), QStringLiteral("0"));
        QBENCHMARK {
            level.type();
            QCoreApplication::processEvents();
        }
        QVERIFY(counter.paints > 0);
        chart->close();
    }

    // Opening the comparison, its ten offered rows worked out and painted.
    void openedComparisonOfTenOfferedLevels() {
        MainWindowControls w(*window_);
        // The prices typed are kept in the book when the window closes, and
        // every opening puts them back.
        openComparisonOfTenOfferedLevels()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QBENCHMARK {
            ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
            auto* window = window_->findChild<RefineComparisonWindow*>();
            QVERIFY(window);
            // Painted at once: its expose would come with the next turn of
            // the event loop, which also starts on the rows' budgets.
            const PaintCounter counter(*window);
            window->grab();
            QVERIFY(counter.paints > 0);
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // A price typed into a row, its road and the ranking worked out and the
    // window painted again.
    void typedPriceInTheComparisonOfTenOfferedLevels() {
        RefineComparisonWindow* window = openComparisonOfTenOfferedLevels();
        const PaintCounter counter(*window);
        ClickInto(*window->priceEdit(5));
        LevelDigitToggle price(QStringLiteral("7"), QStringLiteral("8"));
        QBENCHMARK {
            price.type();
            window->repaint();
        }
        QVERIFY(counter.paints > 0);
        QVERIFY(window->verdict()->text().startsWith(QStringLiteral("дешевле всего")));
    }

    // A price typed into the row of +0, the dearest budget of all, and that
    // budget worked out in the next turn of the event loop and painted.
    void budgetOfTheDearestRowInTheComparison() {
        RefineComparisonWindow* window = openComparisonOfTenOfferedLevels();
        ClickInto(*window->priceEdit(0));
        LevelDigitToggle price(QStringLiteral("4"), QStringLiteral("3"));
        QBENCHMARK {
            price.type();
            QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
            window->repaint();
        }
        QVERIFY(!window->budgetsPending());
    }

    // A rules file loaded while the refining tab, its chart and the
    // comparison of ten offered levels are open, until every window shows
    // the figures of the new rules, the comparison's budgets included: two
    // files in turn, each with the slowest refine.
    void rulesFileLoadedWithEveryWindowOpen() {
        RefineComparisonWindow* comparison = openComparisonOfTenOfferedLevels();
        MainWindowControls w(*window_);
        ClickAt(*w.refineChartButton(), w.refineChartButton()->rect().center());
        QTemporaryDir folder;
        trivelon::Rules other = trivelon::BuiltInRules();
        other.name = "Другой сервер";
        other.refine.researchPerLevel = 2;
        const QString paths[] = {folder.filePath(QStringLiteral("ours.toml")),
                                 folder.filePath(QStringLiteral("other.toml"))};
        for (const auto& [path, rules] : {std::pair{paths[0], trivelon::BuiltInRules()}, std::pair{paths[1], other}}) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(QByteArray::fromStdString(trivelon::RulesText(rules))) < 0)
                qFatal("cannot write %s", qPrintable(path));
        }
        int next = 0;
        QBENCHMARK {
            QVERIFY(window_->useRulesFile(paths[next]));
            next = 1 - next;
            // The comparison's budgets, which follow in later turns.
            for (RefineComparisonWindow* open : window_->findChildren<RefineComparisonWindow*>())
                while (open->isVisible() && open->budgetsPending())
                    QCoreApplication::sendPostedEvents(open, QEvent::MetaCall);
            for (QWidget* shown : QApplication::topLevelWidgets())
                if (shown->isVisible()) shown->repaint();
        }
        QVERIFY(reporter_.errors.isEmpty());
        // The same window, every row's budget worked out under the last rules.
        QVERIFY(comparison->isVisible());
        for (int level = 0; level <= 9; ++level) {
            const QString budget = comparison->figure(level, RefineComparisonWindow::Certain)->text();
            QVERIFY2(budget.at(0).isDigit(), qPrintable(budget));
        }
        QCOMPARE(w.classSelector()->currentText(), QStringLiteral("Оружие 4 уровня"));
    }

private:
    // A level-4 weapon to +10 at W 9, the slowest refine there is, with an
    // item on offer at every level from +0 to +9 at prices that share no span
    // with the material, and the finished item not: the comparison window
    // open with every budget worked out.
    RefineComparisonWindow* openComparisonOfTenOfferedLevels() {
        MainWindowControls w(*window_);
        TypeInto(*w.weaponryResearch(), QStringLiteral("9"));
        OpenRefineTab(w);
        PickRow(*w.classSelector(), QStringLiteral("Оружие 4 уровня"));
        TypeInto(*w.targetLevel(), QStringLiteral("+10"));
        ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
        auto* window = window_->findChild<RefineComparisonWindow*>();
        if (!window || !QTest::qWaitForWindowExposed(window)) qFatal("the comparison window did not open");
        for (int level = 0; level <= 9; ++level)
            TypeInto(*window->priceEdit(level), QString::number(1000003 + 7919 * level));
        while (window->budgetsPending()) QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
        return window;
    }

    RecordingReporter reporter_;
    TemporarySettings settings_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(GuiBench)
#include "gui_bench.moc"
