// The chart window of a budget: the curve rises through 50 % at the 50 %
// budget, a typed sum shows its chance and stays through updates, and
// calculations without a curve show a note instead.
#include <memory>

#include <QLocale>
#include <QTest>

#include "gui/budget/budget_chart_window.h"
#include "typing.h"

using namespace trivelon;
using namespace trivelon::gui;

namespace {

BudgetCalculation Calculation(std::int64_t mantissa, int scale, std::int64_t tryCost) {
    const std::optional<TryChance> chance = TryChance::FromPercent(mantissa, scale);
    const Result<Budget> budget = PlanBudget(*chance, tryCost);
    return EqualTries(chance, tryCost, std::nullopt, budget ? std::optional(*budget) : std::nullopt);
}

// A weapon of level 4 refined from +5 to +10 without research, 125000 Zeny a try.
BudgetCalculation Refine() { return Calculation(64, 3, 125000); }

// "Шанс успеха: 50,0 %" with the user's decimal separator.
QString ChanceText(QString percent) {
    if (percent != QStringLiteral("—")) percent = percent.replace(u'.', QLocale::system().decimalPoint()) + " %";
    return QStringLiteral("Шанс успеха: ") + percent;
}

}  // namespace

Q_DECLARE_METATYPE(trivelon::gui::BudgetCalculation)

class BudgetChartTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<BudgetChartWindow>(book_);
        window_->setCalculation(Refine());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void curveRisesThroughHalfAtTheHalfBudget_data() {
        QTest::addColumn<BudgetCalculation>("calculation");
        QTest::addColumn<qint64>("halfBudget");
        QTest::addColumn<qint64>("axisEnd");
        QTest::addColumn<QString>("typed");
        // 1083 tries; the 99 % budget of 899 250 000 takes the axis to 1 млрд.
        QTest::newRow("refine, 17 tries a pixel") << Refine() << qint64(135'375'000) << qint64(1'000'000'000) << "";
        // One try; the axis ends at 800, past the 99 % budget of 7 tries.
        QTest::newRow("half a chance, steps of 60 pixels")
            << Calculation(50, 0, 100) << qint64(100) << qint64(800) << "";
        // A sum far beyond the budgets stands at the axis' end; the axis
        // keeps to the budgets.
        QTest::newRow("half a chance, half a billion typed")
            << Calculation(50, 0, 100) << qint64(100) << qint64(800) << "0,5ккк";
    }

    void curveRisesThroughHalfAtTheHalfBudget() {
        QFETCH(BudgetCalculation, calculation);
        QFETCH(qint64, halfBudget);
        QFETCH(qint64, axisEnd);
        QFETCH(QString, typed);
        TypeInto(*window_->moneyField(), typed);
        window_->setCalculation(calculation);
        if (!typed.isEmpty()) QVERIFY(MoneyLineShown());
        const QImage image = window_->chart()->grab().toImage();
        const QRectF plot = window_->chart()->plotArea();
        const int halfHeight = qRound(plot.bottom() - plot.height() / 2);
        const int budgetColumn = qRound(plot.left() + plot.width() * halfBudget / axisEnd);
        const auto isCurve = [&](int column, int row) {
            return image.pixelColor(column, row) == BudgetChart::curveColor();
        };
        // The curve first reaches 50 % at the budget (its 2-pixel pen touches
        // the row up to 3 pixels early where it climbs steeply)...
        int first = 0;
        while (first < image.width() && !isCurve(first, halfHeight)) ++first;
        QVERIFY2(qAbs(first - budgetColumn) <= 3, qPrintable(QString("at x %1, not %2").arg(first).arg(budgetColumn)));
        // ...and stays near it, clear of the budget's ring (the refine curve
        // climbs about 2 pixels a pixel there).
        int top = 0;
        while (top < image.height() && !isCurve(budgetColumn + 8, top)) ++top;
        QVERIFY2(top <= halfHeight + 1 && top >= halfHeight - 18,
                 qPrintable(QString("at height %1, 50 %% at %2").arg(top).arg(halfHeight)));
    }

    // clang-format off
    void typedSumShowsItsChance_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const QString group = QLocale::system().groupSeparator();
        QTest::newRow("one try") << "125000" << "0.1";
        QTest::newRow("just short of a try") << "124999" << "0.0";
        QTest::newRow("the 50 % budget") << "135375000" << "50.0";
        QTest::newRow("beyond 32 bits, never certain") << "1000000000000" << "99.9";
        QTest::newRow("grouped by spaces") << " 135 375 000 " << "50.0";
        QTest::newRow("grouped by no-break spaces") << "135\u00A0375\u202F000" << "50.0";
        QTest::newRow("grouped by apostrophes") << "135'375'000" << "50.0";
        QTest::newRow("grouped as the user does") << "135" + group + "375" + group + "000" << "50.0";
        QTest::newRow("millions") << "135,375кк" << "50.0";
        QTest::newRow("thousands") << "135 375K" << "50.0";
        QTest::newRow("the largest sum") << "9223372036854775807" << "99.9";
        QTest::newRow("beyond 64 bits") << "9223372036854775808" << "слишком много";
        QTest::newRow("10^30") << "1" + QString(30, u'0') << "слишком много";
        QTest::newRow("a thousand digits") << QString(1000, u'7') << "слишком много";
        QTest::newRow("nonsense") << "много" << "не могу прочитать сумму";
        QTest::newRow("negative") << "-135375000" << "не могу прочитать сумму";
        QTest::newRow("hex") << "$1E848" << "не могу прочитать сумму";
        QTest::newRow("only separators") << " ' \u202F'" << "не могу прочитать сумму";
        QTest::newRow("four k") << "кккк" << "не могу прочитать сумму";
        QTest::newRow("k inside") << "1к5" << "не могу прочитать сумму";
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("blanks") << "   " << "";
    }
    // clang-format on

    // The typed sum's chance, or why there is none; the sum's line on the
    // chart, where the money axis reaches it.
    void typedSumShowsItsChance() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TypeInto(*window_->moneyField(), typed);
        const bool isChance = !shown.isEmpty() && shown.front().isDigit();
        QCOMPARE(window_->chanceLabel()->text(), isChance ? ChanceText(shown) : shown);
        QCOMPARE(MoneyLineShown(), isChance);
    }

    void typedSumStaysThroughUpdates() {
        TypeInto(*window_->moneyField(), "135375000");
        window_->setCalculation(Calculation(64, 3, 250000));  // 541 tries
        QCOMPARE(window_->moneyField()->text(), QString("135375000"));
        QCOMPARE(window_->chanceLabel()->text(), ChanceText("29.3"));
        window_->setCalculation({});
        window_->setCalculation(Refine());
        QCOMPARE(window_->chanceLabel()->text(), ChanceText("50.0"));
    }

    // clang-format off
    void noteInsteadOfTheCurve_data() {
        QTest::addColumn<BudgetCalculation>("calculation");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("percent");
        QTest::newRow("no tries") << BudgetCalculation{} << "Нет попыток — нечего считать" << "—";
        const QString free = "Попытка ничего не стоит: шанс успеха 100 % при любой сумме";
        QTest::newRow("free tries") << Calculation(50, 0, 0) << free << "100.0";
        QTest::newRow("tries that pay") << Calculation(50, 0, -300) << free << "100.0";
        // 693 147 180 560 tries for 50 %: every budget is beyond 64 bits.
        QTest::newRow("budgets beyond 64 bits") << Calculation(1, 10, 4'000'000'000'000) << "" << "0.0";
    }
    // clang-format on

    void noteInsteadOfTheCurve() {
        QFETCH(BudgetCalculation, calculation);
        QFETCH(QString, note);
        QFETCH(QString, percent);
        TypeInto(*window_->moneyField(), "1000000000000");
        window_->setCalculation(calculation);
        const auto* noteLabel = window_->chart()->findChild<QLabel*>("noteLabel");
        QCOMPARE(noteLabel->isVisible(), !note.isEmpty());
        if (!note.isEmpty()) QCOMPARE(noteLabel->text(), note);
        QCOMPARE(window_->chanceLabel()->text(), ChanceText(percent));
        QVERIFY(!window_->grab().isNull());
        window_->setCalculation(Refine());
        QVERIFY(!noteLabel->isVisible());
    }

private:
    // Whether the chart draws the player's line (or its label).
    bool MoneyLineShown() const {
        const QImage image = window_->chart()->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == BudgetChart::moneyColor()) return true;
        return false;
    }

    PriceBook book_;
    std::unique_ptr<BudgetChartWindow> window_;
};

QTEST_MAIN(BudgetChartTest)
#include "budget_chart_test.moc"
