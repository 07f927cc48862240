#pragma once
// The chart window of one calculation: the chance of success against money,
// and a field where the player types a sum to read the chance within it.
// Esc closes it.
#include <cstdint>

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/price_book.h"
#include "gui/budget/budget_chart.h"
#include "gui/widgets/side_window.h"

namespace trivelon::gui {

class BudgetChartWindow : public SideWindow {
    Q_OBJECT
public:
    // A top-level window, freed when closed, that does not keep the program
    // running. With a parent it also goes when the parent goes. The caller
    // names the calculation in the title, sets it and shows the window. The
    // sum field starts with the last sum the book remembers, as if typed;
    // a sum typed into it is remembered there once the field is left or the
    // window closed, and only when it reads as a sum (or is cleared); the
    // book must outlive the window.
    explicit BudgetChartWindow(PriceBook& book, QWidget* parent = nullptr);
    ~BudgetChartWindow() override;

    // Follows the calculation: budgets, chart and the chance of the typed
    // sum, which stays as typed.
    void setCalculation(const BudgetCalculation& calculation);

    BudgetChart* chart() const { return chart_; }
    QLineEdit* moneyField() const { return moneyField_; }
    QLabel* chanceLabel() const { return chanceLabel_; }

protected:
    // Keeps the sum typed and not yet kept.
    void closeEvent(QCloseEvent* event) override;

private:
    void keepTypedMoney();
    // Reads the typed sum and shows its chance, on the label and the chart,
    // or says why there is none.
    void showChanceOfMoney();

    PriceBook& book_;
    bool moneyTyped_ = false;  // typed since the book last took it
    BudgetCalculation calculation_;
    BudgetChart* chart_;
    QLineEdit* moneyField_;
    QLabel* chanceLabel_;
};

}  // namespace trivelon::gui
