// Keys as on Windows: Enter (Return or the keypad's Enter) presses the
// focused push button, as Space does, and Esc closes a chart window.
#include <QPointer>
#include <QTest>

#include "main_window_harness.h"

using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// Tabs from the field on to the button; false when it never gets the focus.
bool TabOnTo(QWidget& field, const QPushButton& button) {
    ClickInto(field);
    for (int presses = 0; presses < 30 && &FocusedWidget() != &button; ++presses) PressKey(Qt::Key_Tab);
    return &FocusedWidget() == &button;
}

}  // namespace

class PushButtonKeysTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButtonAndEscClosesTheWindowsItOpens() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        PickRow(*w.itemSelector(), "Knife");
        QVERIFY(TabOnTo(*w.luk(), *w.forgeButton()));
        PressKey(Qt::Key_Return);
        QCOMPARE(ResultWindows().size(), 1);
        QVERIFY(TabOnTo(*w.luk(), *w.forgeButton()));
        PressKey(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ResultWindows().size(), 2);
        ClickInto(*ResultWindows().back()->row(trivelon::RecipeRowKind::Material1).priceEdit);
        PressKey(Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(ResultWindows().size(), 1);
        CloseResultWindows();

        OpenRefineTab(w);
        QVERIFY(TabOnTo(*w.itemPrice(), *w.refineChartButton()));
        PressKey(Qt::Key_Return);
        const QPointer<BudgetChartWindow> chart = w.window().findChild<BudgetChartWindow*>();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(f.reporter.errors.isEmpty());

        ClickInto(*chart->moneyField());
        PressKey(Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chart.isNull());
    }
};

QTEST_MAIN(PushButtonKeysTest)
#include "push_button_keys_test.moc"
