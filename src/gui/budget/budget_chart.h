#pragma once
// A chart of how likely a success is against the money spent on tries: the
// step curve of the chance, the budgets of 50, 90 and 99 % certainty marked
// on it, and the average cost, the cost expected when attempts stop at a
// broken item, and the player's own sum as vertical lines. It takes the
// focus, and its description says those figures in words.
#include <array>
#include <cstdint>
#include <optional>

#include <QColor>
#include <QLabel>
#include <QList>
#include <QRectF>
#include <QWidget>

#include "core/money_axis.h"
#include "gui/budget/budget_calculation.h"

namespace trivelon::gui {

class BudgetChart : public QWidget {
    Q_OBJECT
public:
    explicit BudgetChart(QWidget* parent = nullptr);

    // Works out the budgets and the money axis again and repaints. Where
    // there is no curve to draw, a short note takes the chart's place.
    void setCalculation(const BudgetCalculation& calculation);
    // The player's sum, or none; marked on the money axis, or at its end,
    // pointing further on, where it lies beyond the budgets.
    void setMoney(std::optional<std::int64_t> money);

    // The area from no money at 0 % (bottom left) to the end of the money
    // axis at 100 % (top right).
    QRectF plotArea() const;
    static QColor curveColor();
    static QColor moneyColor();     // of the player's line
    static QColor expectedColor();  // of the expected cost's line

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the chart draws once a calculation has a curve.
    struct Plot {
        ChanceCurve curve;
        std::optional<std::int64_t> averageCost;
        std::optional<std::int64_t> expectedCost;
        Budget budget;
        std::array<QString, kBudgetChances.size()> budgetTexts;
        MoneyAxis axis;
        int amountDigits = 1;  // the decimals of every amount label
    };

    // The money axis beyond the 99 % budget and the averages, and the
    // decimals that write its ticks exactly.
    void fitAxis();
    // Repaints, and says what is drawn in the description: «50 %: 220 000
    // Zeny; …; среднее: …; у меня: …», or the note shown instead.
    void drawingChanged();

    std::optional<Plot> plot_;
    // The places of the average's and the expected cost's labels as last
    // painted (empty where not drawn), and what each one counts.
    QList<QRectF> averagePlaces_;
    std::array<QString, 2> averageToolTips_;
    std::optional<std::int64_t> money_;
    QLabel* noteLabel_;
};

}  // namespace trivelon::gui
