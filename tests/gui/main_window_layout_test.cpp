// The main window as it starts: titles, defaults of both tabs, keyboard
// order, hints, and how the window follows a resize.
#include <QAbstractItemView>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "catalogue/forge_catalogue.h"
#include "gui/budget/budget_chart_window.h"
#include "gui/refine/refine_comparison_window.h"
#include "gui/widgets/wallpaper.h"
#include "main_window_harness.h"
#include "window_parts.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// Pages the scroll bars of the control's window as a person does, clicking
// into their troughs on the side where the control lies, until the
// control's centre shows; whether it does.
bool ScrolledIntoReach(QWidget& control) {
    // The window laid out at the size it took on its screen.
    QCoreApplication::processEvents();
    auto* area = control.window()->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    if (!area) return control.visibleRegion().boundingRect().contains(control.rect().center());
    const auto centre = [&] { return control.mapTo(area->viewport(), control.rect().center()); };
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        const bool vertical = bar->orientation() == Qt::Vertical;
        const int arrow = vertical ? bar->width() : bar->height();
        const int length = vertical ? bar->height() : bar->width();
        for (int page = 0; page < 20 && bar->isVisible(); ++page) {
            const int at = vertical ? centre().y() : centre().x();
            const int shown = vertical ? area->viewport()->height() : area->viewport()->width();
            if (at >= 0 && at < shown) break;
            const int along = at < 0 ? arrow + 2 : length - arrow - 2;
            const int across = (vertical ? bar->width() : bar->height()) / 2;
            ClickAt(*bar, vertical ? QPoint(across, along) : QPoint(along, across));
        }
    }
    return control.visibleRegion().boundingRect().contains(control.rect().center());
}

}  // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheForgingTabWithItsTitleAndSize() {
        MainWindowFixture f;
        QCOMPARE(f.window->windowTitle(), QString("Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"));
        QCOMPARE(f.window->size(), QSize(688, 446));
        QCOMPARE(f.controls().tabs()->count(), 2);
        QCOMPARE(f.controls().tabs()->tabText(0), QString("Ковка"));
        QCOMPARE(f.controls().tabs()->tabText(1), QString("Заточка (Beta)"));
        QCOMPARE(f.controls().tabs()->currentIndex(), 0);
        // The keyboard starts in the first field, its text selected: typing
        // replaces it.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.controls().baseLevel()));
        TypeText("9");
        QCOMPARE(f.controls().baseLevel()->currentText(), QString("9"));
    }

    void forgingTabDefaultsAndNoHandlerRanWhileBuilding() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        const std::pair<EditCombo*, const char*> texts[] = {
            {w.baseLevel(), "71"},
            {w.jobLevel(), "42"},
            {w.dex(), "117"},
            {w.luk(), "90"},
            {w.smithDagger(), "3"},
            {w.smithSword(), "3"},
            {w.smith2HSword(), "3"},
            {w.smithAxe(), "3"},
            {w.smithMace(), "3"},
            {w.smithKnucklebrace(), "3"},
            {w.smithSpear(), "3"},
            {w.weaponryResearch(), "10"},
            {w.orideconResearch(), "5"},
            {w.ironTempering(), "1"},
            {w.steelTempering(), "1"},
            {w.enchantedStoneCraft(), "5"},
            {w.anvil(), "Emperium Anvil"},
            {w.element(), "Без элемента"},
        };
        for (const auto& [combo, text] : texts) QCOMPARE(combo->currentText(), QString(text));
        QCOMPARE(w.baseLevel()->count(), 99);
        QCOMPARE(w.luk()->count(), 200);
        QCOMPARE(w.weaponryResearch()->itemText(0), QString("0"));
        // Defaults marked as text only leave no list item current.
        QCOMPARE(w.weaponryResearch()->currentIndex(), -1);
        QCOMPARE(w.anvil()->currentIndex(), -1);
        QCOMPARE(w.baseLevel()->currentIndex(), 70);

        QCOMPARE(w.itemSelector()->count(), static_cast<int>(trivelon::ForgeCatalogue::SelectorRows().size()));
        QCOMPARE(w.itemSelector()->currentText(), QString("---------------Ресурсы---------------"));
        QCOMPARE(w.itemSelector()->itemText(1), QString("Iron"));
        for (PictureCheck* box : {w.starCrumbs()[0], w.starCrumbs()[1], w.starCrumbs()[2]}) QVERIFY(!box->isChecked());

        // No handler ran while building: both character pictures are the built-in one.
        QVERIFY(w.characterPicture()->picturePath().isEmpty());
        OpenRefineTab(w);
        QVERIFY(w.refineCharacterPicture()->picturePath().isEmpty());
        QCOMPARE(w.characterPicture()->picture(), w.refineCharacterPicture()->picture());
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void refiningTabIsBuiltWhenFirstOpenedAndThenShown() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        QVERIFY(!w.classSelector());
        QVERIFY(!w.averageCost());
        OpenRefineTab(w);
        for (QWidget* control : std::initializer_list<QWidget*>{w.classSelector(), w.currentLevel(), w.targetLevel(),
                                                                w.materialPrice(), w.itemPrice(), w.averageCost(),
                                                                w.refineCharacterPicture(), w.materialPicture()})
            QVERIFY(control->isVisible());
        QCOMPARE(w.classSelector()->parentWidget(), w.tabs()->widget(1));
        QCOMPARE(w.classSelector()->geometry(), QRect(104, 248, 153, 23));
        // Opening it again builds nothing more.
        QLabel* const cost = w.averageCost();
        const int children = w.tabs()->widget(1)->children().size();
        OpenForgeTab(w);
        OpenRefineTab(w);
        QCOMPARE(w.averageCost(), cost);
        QCOMPARE(w.tabs()->widget(1)->children().size(), children);
        // Its handlers are bound: a typed level recomputes.
        TypeInto(*w.targetLevel(), "+8");
        QVERIFY(w.successRate()->text() != QString("100"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void switchingTabsByKeyboardFocusesTheRefiningTabsFirstControl() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        ClickInto(*w.baseLevel());
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.tabs()->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.currentLevel()));
        // And back, and again: the focus follows as it does for any page.
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.tabs()->currentIndex(), 0);
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.currentLevel()));
    }

    void refiningTabDefaults() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        QCOMPARE(w.classSelector()->count(), 5);
        QCOMPARE(w.classSelector()->currentText(), QString("Оружие 1 уровня"));
        QCOMPARE(w.currentLevel()->currentText(), QString("+0"));
        QCOMPARE(w.currentLevel()->currentIndex(), -1);
        QCOMPARE(w.targetLevel()->currentText(), QString("+7"));
        QCOMPARE(w.targetLevel()->count(), 10);
        const std::pair<QLabel*, const char*> labels[] = {
            {w.safeLevel(), "+7"},    {w.attemptFee(), "50"}, {w.materialName(), " Phracon"}, {w.successRate(), "100"},
            {w.materialCount(), "7"}, {w.itemCount(), "1"},   {w.averageCost(), "1750"},      {w.bonus(), "ATK +14"},
        };
        for (const auto& [label, text] : labels) QCOMPARE(label->text(), QString(text));
        QCOMPARE(w.materialPrice()->text(), QString("200"));
        // No item is on offer at a level until its price is typed.
        QCOMPARE(w.itemPrice()->text(), QString());
        QVERIFY(w.materialPicture()->picturePath().isEmpty());
    }

    void builtInPicturesAreFound() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        QCOMPARE(w.characterPicture()->picture().size(), QSize(125, 125));
        QCOMPARE(w.refineCharacterPicture()->picture(), w.characterPicture()->picture());
        QCOMPARE(w.materialPicture()->picture().size(), QSize(24, 24));
        QCOMPARE(w.window().windowIcon().pixmap(QSize(32, 32)).size(), QSize(32, 32));
        QCOMPARE(w.window().windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        QVERIFY(w.itemSelector()->itemIcon(0).isNull());
        for (int row = 1; row < w.itemSelector()->count(); ++row)
            if (!w.itemSelector()->itemText(row).startsWith(u'-'))
                QVERIFY2(!w.itemSelector()->itemIcon(row).isNull(), qPrintable(w.itemSelector()->itemText(row)));
        for (int row = 0; row < w.classSelector()->count(); ++row) QVERIFY(!w.classSelector()->itemIcon(row).isNull());
    }

    // The item list shows at most 20 rows (fewer where the screen has no
    // room for them) and scrolls the rest, instead of covering the screen.
    void itemListShowsTwentyRowsAndScrolls() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        ClickAt(*w.itemSelector(), w.itemSelector()->rect().center());
        QAbstractItemView* list = w.itemSelector()->view();
        QVERIFY(list->isVisible());
        QCOMPARE(w.itemSelector()->maxVisibleItems(), 20);
        QVERIFY(list->viewport()->height() <= 20 * ImageCombo::kRowHeight);
        QVERIFY(list->window()->height() < w.window().screen()->availableGeometry().height());
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        PressKey(Qt::Key_Escape);
    }

    void starCrumbBoxesCarryTheOnlyHints() {
        MainWindowFixture f;
        QCOMPARE(f.controls().starCrumbs()[0]->toolTip(), QString("VeryStrong (VS)"));
        QCOMPARE(f.controls().starCrumbs()[1]->toolTip(), QString("Very Very Strong (VVS)"));
        QCOMPARE(f.controls().starCrumbs()[2]->toolTip(), QString("Very Very Very Strong (VVVS)"));
        QVERIFY(f.controls().baseLevel()->toolTip().isEmpty());
    }

    void tabKeyWalksTheForgingTabInItsOrder() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        const QList<QWidget*> order = {w.baseLevel(),
                                       w.jobLevel(),
                                       w.dex(),
                                       w.luk(),
                                       w.smithDagger(),
                                       w.smithSword(),
                                       w.smith2HSword(),
                                       w.smithAxe(),
                                       w.smithMace(),
                                       w.smithKnucklebrace(),
                                       w.smithSpear(),
                                       w.weaponryResearch(),
                                       w.orideconResearch(),
                                       w.ironTempering(),
                                       w.steelTempering(),
                                       w.enchantedStoneCraft(),
                                       w.anvil(),
                                       w.itemSelector(),
                                       w.element(),
                                       w.starCrumbs()[0],
                                       w.starCrumbs()[1],
                                       w.starCrumbs()[2],
                                       w.forgeButton()};
        checkTabOrder(order);
    }

    void tabKeyWalksTheRefiningTabInItsOrder() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        checkTabOrder({w.currentLevel(), w.classSelector(), w.targetLevel(), w.materialPrice(), w.itemPrice(),
                       Part<QWidget>(*f.window, "refineChartButton"), Part<QWidget>(*f.window, "refineCompareButton"),
                       Part<QWidget>(*f.window, "refineBudget")});
    }

    void resizingMovesNoControlButTheTabsFollow() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        // Each page's panel and the wallpaper one pixel inside it.
        const QSize pageBefore = w.tabs()->currentWidget()->size();
        QCOMPARE(pageBefore, QSize(680, 418));
        QCOMPARE(w.tabs()->currentWidget()->findChild<Wallpaper*>()->geometry(), QRect(1, 1, 678, 416));
        const QRect submitBefore = w.forgeButton()->geometry();
        f.window->resize(900, 600);
        QCoreApplication::processEvents();
        QCOMPARE(w.tabs()->size(), QSize(900, 600));
        QCOMPARE(w.tabs()->currentWidget()->size(), pageBefore + QSize(900 - 688, 600 - 446));
        QCOMPARE(w.forgeButton()->geometry(), submitBefore);
        QCOMPARE(w.baseLevel()->pos(), QPoint(440, 8));
    }

    // Every window the program opens lies inside the available area of its
    // screen, also a chart opened from a result window at the screen's left
    // edge (centred over it, it would stick out), and what does not fit
    // scrolls: "Считаем..." and a weapon's "График..." are reached by paging
    // the scroll bars. CTest runs this once more at scale 2, where the
    // offscreen screen of 800 x 600 holds 400 x 300 and no window fits.
    void windowsLieInsideTheirScreenAndScrollWhatDoesNotFit() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        const QRect area = f.window->screen()->availableGeometry();
        QVERIFY(area.contains(f.window->frameGeometry()));
        PickRow(*w.itemSelector(), "Knife");
        QVERIFY(ScrolledIntoReach(*w.forgeButton()));
        ForgeResultWindow* result = PressSubmit(w);
        auto* chartButton = result ? Part<QPushButton>(*result, "chartButton") : nullptr;
        QVERIFY(chartButton);
        QVERIFY(area.contains(result->frameGeometry()));
        result->move(area.topLeft());
        QVERIFY(ScrolledIntoReach(*chartButton));
        ClickAt(*chartButton, chartButton->rect().center());
        auto* chart = result->findChild<BudgetChartWindow*>();
        QVERIFY(chart && chart->isVisible());
        QVERIFY2(area.contains(chart->frameGeometry()),
                 qPrintable(QString("chart at %1, %2").arg(chart->x()).arg(chart->y())));
        CloseResultWindows();
        // The comparison, wider than the screen, scrolls inside it.
        QVERIFY(ScrolledIntoReach(*w.tabs()->tabBar()));
        OpenRefineTab(w);
        QVERIFY(ScrolledIntoReach(*w.refineCompareButton()));
        ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
        auto* comparison = f.window->findChild<RefineComparisonWindow*>();
        QVERIFY(comparison && comparison->isVisible());
        QVERIFY(area.contains(comparison->frameGeometry()));
        QVERIFY(comparison->findChild<QScrollArea*>("contentScrollArea"));
    }

    void closingTheMainWindowEndsTheProgram() {
        MainWindowFixture f;
        PickRow(*f.controls().itemSelector(), "Knife");
        QVERIFY(PressSubmit(*f.window));
        QTimer::singleShot(0, f.window.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Every list item of every editable box, and what a person types within
    // a number field's range, negative values included, shows whole: the
    // field need not scroll its text to show the end of it.
    void editableBoxesShowWholeTexts() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        const QList<EditCombo*> boxes = w.window().findChildren<EditCombo*>();
        QCOMPARE(boxes.size(), 20);
        for (EditCombo* box : boxes) {
            QStringList texts;
            for (int row = 0; row < box->count(); ++row) {
                texts << box->itemText(row);
                if (box->itemText(row).toInt() > 0 && box->itemText(row).front().isDigit())
                    texts << u'-' + box->itemText(row);
            }
            if (box == w.weaponryResearch()) texts << QStringLiteral("-60");  // the research that makes a step rate 0
            QLineEdit* field = box->lineEdit();
            for (const QString& text : texts) {
                box->setTextSilently(text);
                field->home(false);
                field->grab();
                const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                field->end(false);
                field->grab();
                const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                const qreal advance = QFontMetricsF(field->font()).horizontalAdvance(text);
                QVERIFY2(qAbs(end - start - advance) < 1,
                         qPrintable(QStringLiteral("\"%1\" in a box at %2, %3: %4 of %5 pixels shown")
                                        .arg(text)
                                        .arg(box->x())
                                        .arg(box->y())
                                        .arg(end - start)
                                        .arg(advance)));
            }
        }
    }

private:
    // Tab from each control must land on the next one.
    void checkTabOrder(const QList<QWidget*>& order) {
        ClickInto(*order.front());
        // A click on a pick-only box opens its list, which Escape closes.
        if (QApplication::activePopupWidget()) PressKey(Qt::Key_Escape);
        for (qsizetype i = 1; i < order.size(); ++i) {
            PressKey(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused == order[i] || focused->parentWidget() == order[i],
                     qPrintable(QString("step %1 reached %2").arg(i).arg(focused->metaObject()->className())));
        }
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
