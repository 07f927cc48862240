// Time of one update of the budget chart window: a new calculation's budgets
// and money axis worked out and the whole window painted, with a typed sum
// marked. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build-bench/bench/budget_chart_bench -median 9
#include <QTest>

#include "gui/budget/budget_chart_window.h"
#include "typing.h"

using namespace trivelon;
using namespace trivelon::gui;

class BudgetChartBench : public QObject {
    Q_OBJECT

private slots:
    void updateAndPaint_data() {
        QTest::addColumn<qint64>("mantissa");
        QTest::addColumn<int>("scale");
        QTest::addColumn<qint64>("tryCost");
        // A weapon of level 4 refined from +5 to +10 without research.
        QTest::newRow("refine 0.064 %, 125000 a try") << qint64(64) << 3 << qint64(125000);
        // 4.6 trillion tries for 99 %: the curve follows the pixels, not the tries.
        QTest::newRow("1e-10 %, 1 a try") << qint64(1) << 10 << qint64(1);
    }

    void updateAndPaint() {
        QFETCH(qint64, mantissa);
        QFETCH(int, scale);
        QFETCH(qint64, tryCost);
        const auto chance = TryChance::FromPercent(mantissa, scale);
        QVERIFY(chance);
        PriceBook book;
        BudgetChartWindow window(book);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TypeInto(*window.moneyField(), "300000000");
        // Each update changes the try cost, so that every one is new work.
        const qint64 costs[] = {tryCost, tryCost + 1};
        int next = 0;
        QBENCHMARK {
            window.setCalculation(
                EqualTries(chance, costs[next], std::nullopt, PlanBudget(*chance, costs[next]).value()));
            next = 1 - next;
            QVERIFY(!window.grab().isNull());
        }
    }
};

QTEST_MAIN(BudgetChartBench)
#include "budget_chart_bench.moc"
