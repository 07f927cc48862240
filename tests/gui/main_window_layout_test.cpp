// The main window as it starts: titles, defaults of both tabs, keyboard
// order, hints, and how the window follows a resize.
#include <QAbstractItemView>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "gui/widgets/wallpaper.h"
#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheForgingTabWithItsTitleAndSize() {
        MainWindowFixture f;
        QCOMPARE(f.window->windowTitle(), QString("Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"));
        QCOMPARE(f.window->size(), QSize(688, 446));
        QCOMPARE(f.window->Page1->count(), 2);
        QCOMPARE(f.window->Page1->tabText(0), QString("Ковка"));
        QCOMPARE(f.window->Page1->tabText(1), QString("Заточка (Beta)"));
        QCOMPARE(f.window->Page1->currentIndex(), 0);
    }

    void forgingTabDefaultsAndNoHandlerRanWhileBuilding() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        const std::pair<EditCombo*, const char*> texts[] = {
            {w.Base, "71"}, {w.Job, "42"},     {w.Dex, "117"},   {w.Luk, "90"},     {w.SmDagger, "3"},
            {w.SmSword, "3"}, {w.Sm2HSword, "3"}, {w.SmAxe, "3"}, {w.SmMace, "3"},    {w.SmKn, "3"},
            {w.SmSpear, "3"}, {w.WR, "10"},     {w.Ori, "5"},     {w.Iron, "1"},     {w.Steel, "1"},
            {w.Stone, "5"},  {w.Anvil, "Emperium Anvil"}, {w.Elt, "Без элемента"},
        };
        for (const auto& [combo, text] : texts) QCOMPARE(combo->currentText(), QString(text));
        QCOMPARE(w.Base->count(), 99);
        QCOMPARE(w.Luk->count(), 200);
        QCOMPARE(w.WR->itemText(0), QString("0"));
        // Defaults marked as text only leave no list item current.
        QCOMPARE(w.WR->currentIndex(), -1);
        QCOMPARE(w.Anvil->currentIndex(), -1);
        QCOMPARE(w.Base->currentIndex(), 70);

        QCOMPARE(w.Weapon->count(), 68);
        QCOMPARE(w.Weapon->currentText(), QString("---------------Ресурсы---------------"));
        QCOMPARE(w.Weapon->itemText(1), QString("Iron"));
        for (PictureCheck* box : {w.SCrumb1, w.SCrumb2, w.SCrumb3}) QVERIFY(!box->isChecked());

        // BaseChange did not run: both character pictures are the built-in one.
        QVERIFY(w.BS->picturePath().isEmpty());
        OpenRefineTab(w);
        QVERIFY(w.ImageBS->picturePath().isEmpty());
        QCOMPARE(w.BS->picture(), w.ImageBS->picture());
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void refiningTabIsBuiltWhenFirstOpenedAndThenShown() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(!w.Refine);
        QVERIFY(!w.AvgRefPrice);
        OpenRefineTab(w);
        for (QWidget* control : std::initializer_list<QWidget*>{w.Refine, w.RefLevel, w.FinalRefine, w.PriceMaterial,
                                                               w.PriceRefItem, w.AvgRefPrice, w.ImageBS, w.material})
            QVERIFY(control->isVisible());
        QCOMPARE(w.Refine->parentWidget(), w.Page1->widget(1));
        QCOMPARE(w.Refine->geometry(), QRect(104, 248, 153, 23));
        // Opening it again builds nothing more.
        QLabel* const cost = w.AvgRefPrice;
        const int children = w.Page1->widget(1)->children().size();
        OpenForgeTab(w);
        OpenRefineTab(w);
        QCOMPARE(w.AvgRefPrice, cost);
        QCOMPARE(w.Page1->widget(1)->children().size(), children);
        // Its handlers are bound: a typed level recomputes.
        TypeInto(*w.FinalRefine, "+8");
        QVERIFY(w.RefineRate->text() != QString("100"));
        QVERIFY(f.reporter.errors.isEmpty());
    }

    void switchingTabsByKeyboardFocusesTheRefiningTabsFirstControl() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        ClickInto(*w.Base);
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.Page1->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Refine));
        // And back, and again: the focus follows as it does for any page.
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.Page1->currentIndex(), 0);
        PressKey(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Refine));
    }

    void refiningTabDefaults() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        QCOMPARE(w.Refine->count(), 5);
        QCOMPARE(w.Refine->currentText(), QString("Оружие 1 уровня"));
        QCOMPARE(w.RefLevel->currentText(), QString("+0"));
        QCOMPARE(w.RefLevel->currentIndex(), -1);
        QCOMPARE(w.FinalRefine->currentText(), QString("+7"));
        QCOMPARE(w.FinalRefine->count(), 10);
        const std::pair<QLabel*, const char*> labels[] = {
            {w.SafeRefine, "+7"}, {w.Price1Ref, "50"},  {w.NameMaterial, " Phracon"}, {w.RefineRate, "100"},
            {w.QuanMaterial, "7"}, {w.QuanRefItem, "1"}, {w.AvgRefPrice, "1750"},    {w.Bonus, "ATK +14"},
        };
        for (const auto& [label, text] : labels) QCOMPARE(label->text(), QString(text));
        QCOMPARE(w.PriceMaterial->text(), QString("200"));
        QCOMPARE(w.PriceRefItem->text(), QString("0"));
        QVERIFY(w.material->picturePath().isEmpty());
    }

    void builtInPicturesAreFound() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        QCOMPARE(w.BS->picture().size(), QSize(125, 125));
        QCOMPARE(w.ImageBS->picture(), w.BS->picture());
        QCOMPARE(w.material->picture().size(), QSize(24, 24));
        QCOMPARE(w.windowIcon().pixmap(QSize(32, 32)).size(), QSize(32, 32));
        QCOMPARE(w.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        QVERIFY(w.Weapon->itemIcon(0).isNull());
        for (int row = 1; row < w.Weapon->count(); ++row)
            if (!w.Weapon->itemText(row).startsWith(u'-'))
                QVERIFY2(!w.Weapon->itemIcon(row).isNull(), qPrintable(w.Weapon->itemText(row)));
        for (int row = 0; row < w.Refine->count(); ++row) QVERIFY(!w.Refine->itemIcon(row).isNull());
    }

    // The item list shows at most 20 rows (fewer where the screen has no
    // room for them) and scrolls the rest, instead of covering the screen.
    void itemListShowsTwentyRowsAndScrolls() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        PickRow(*w.Weapon, "Knife");
        ClickAt(*w.Weapon, w.Weapon->rect().center());
        QAbstractItemView* list = w.Weapon->view();
        QVERIFY(list->isVisible());
        QCOMPARE(w.Weapon->maxVisibleItems(), 20);
        QVERIFY(list->viewport()->height() <= 20 * ImageCombo::kRowHeight);
        QVERIFY(list->window()->height() < w.screen()->availableGeometry().height());
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        PressKey(Qt::Key_Escape);
    }

    void starCrumbBoxesCarryTheOnlyHintsAndTakeNoFocus() {
        MainWindowFixture f;
        QCOMPARE(f.window->SCrumb1->toolTip(), QString("VeryStrong (VS)"));
        QCOMPARE(f.window->SCrumb2->toolTip(), QString("Very Very Strong (VVS)"));
        QCOMPARE(f.window->SCrumb3->toolTip(), QString("Very Very Very Strong (VVVS)"));
        QCOMPARE(f.window->SCrumb1->focusPolicy(), Qt::NoFocus);
        QVERIFY(f.window->Base->toolTip().isEmpty());
    }

    void tabKeyWalksTheForgingTabInItsOrder() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        const QList<QWidget*> order = {w.Base,     w.Job,     w.Submit,    w.Dex,   w.Luk,    w.SmDagger, w.SmSword,
                                       w.Sm2HSword, w.SmAxe,  w.SmMace,    w.SmKn,  w.SmSpear, w.WR,       w.Ori,
                                       w.Iron,      w.Steel,  w.Stone,     w.Anvil, w.Elt,    w.Weapon};
        checkTabOrder(order);
    }

    void tabKeyWalksTheRefiningTabInItsOrder() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        OpenRefineTab(w);
        checkTabOrder({w.Refine, w.RefLevel, w.FinalRefine, w.PriceMaterial, w.PriceRefItem});
    }

    void resizingMovesNoControlButTheTabsFollow() {
        MainWindowFixture f;
        TForm1& w = *f.window;
        // Each page's panel and the wallpaper one pixel inside it.
        const QSize pageBefore = w.Page1->currentWidget()->size();
        QCOMPARE(pageBefore, QSize(680, 418));
        QCOMPARE(w.Page1->currentWidget()->findChild<Wallpaper*>()->geometry(), QRect(1, 1, 678, 416));
        const QRect submitBefore = w.Submit->geometry();
        w.resize(900, 600);
        QCoreApplication::processEvents();
        QCOMPARE(w.Page1->size(), QSize(900, 600));
        QCOMPARE(w.Page1->currentWidget()->size(), pageBefore + QSize(900 - 688, 600 - 446));
        QCOMPARE(w.Submit->geometry(), submitBefore);
        QCOMPARE(w.Base->pos(), QPoint(440, 8));
    }

    void closingTheMainWindowEndsTheProgram() {
        MainWindowFixture f;
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
        TForm1& w = *f.window;
        OpenRefineTab(w);
        QList<EditCombo*> boxes = {w.Base, w.Job, w.Dex, w.Luk, w.SmDagger, w.SmSword, w.Sm2HSword, w.SmAxe,
                                   w.SmMace, w.SmKn, w.SmSpear, w.WR, w.Ori, w.Iron, w.Steel, w.Stone,
                                   w.Anvil, w.Elt, w.RefLevel, w.FinalRefine};
        for (EditCombo* box : boxes) {
            QStringList texts;
            for (int row = 0; row < box->count(); ++row) {
                texts << box->itemText(row);
                if (box->itemText(row).toInt() > 0 && box->itemText(row).front().isDigit())
                    texts << u'-' + box->itemText(row);
            }
            if (box == w.WR) texts << QStringLiteral("-60");  // the research that makes a step rate 0
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
                                        .arg(text).arg(box->x()).arg(box->y()).arg(end - start).arg(advance)));
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
