#pragma once
// The forge result window: one forging calculation with its recipe, and a
// cost estimate that follows the unit prices typed into it.
#include <array>
#include <optional>
#include <string>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "core/forge_cost.h"
#include "core/price_book.h"
#include "core/recipe.h"
#include "gui/budget/budget_chart_window.h"
#include "gui/budget/budget_table.h"
#include "gui/widgets/error_reporter.h"
#include "gui/widgets/picture_box.h"

namespace trivelon::gui {

// The controls of one row of the recipe block.
struct RecipeRowControls {
    QLabel* quantity;
    PictureBox* picture;
    QLabel* name;
    QLabel* fixedPrice;    // the tool's price, which cannot be typed; null in the other rows
    QLineEdit* priceEdit;  // null in the tool's row
    QLabel* blankPrice;    // the empty cell shown instead of the edit in an unused row; null where always used
    QLabel* unit;
};

class ForgeResultWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window, freed when closed, owned by the parent's window
    // (so that it has no task bar button of its own); the caller shows it. A failed
    // recalculation of its cost is reported to the reporter. Prices typed
    // into it are noted in the book, which must outlive it, by the good
    // they are the price of.
    ForgeResultWindow(ErrorReporter& reporter, PriceBook& book, QWidget* parent = nullptr);

    // The title line, the picture and the statistics; a caption that the
    // filling blanks for items without the statistic stands beside it.
    QLabel* title;
    PictureBox* bigPicture;
    QLabel *type, *weight;
    QLabel *atkCaption, *atk, *weaponLevelCaption, *weaponLevel;
    QLabel *rangeCaption, *range, *requiredBaseLevelCaption, *requiredBaseLevel;
    QLabel *rate, *description, *equip;
    QLabel* averageCost;

    // A weapon's window shows, under the average cost, what 50, 90 and 99 %
    // certainty take in tries and Zeny, and a button for the chart of
    // chances against money; null in other windows.
    BudgetTable* budget = nullptr;
    QPushButton* chartButton = nullptr;

    const RecipeRowControls& row(RecipeRowKind kind) const { return recipeRows_[IndexOf(kind)]; }

    // Filling, in the order the window fills: a recipe row (its quantity
    // before its price, so that the recalculation the price starts finds a
    // number), the rate, and the first cost last. A weapon's window then
    // grows by the block of budgets; from then on the cost and the budgets
    // follow the typed prices. The prices the book remembers for the
    // window's goods then go into their edits as if typed.
    void showRecipeRow(RecipeRowKind kind, const RecipeRow& recipeRow);
    void showRate(const std::string& rateText);
    void showFirstCost(const std::optional<std::int64_t>& cost, bool resource);

protected:
    // Shown by the program, the window is no larger than its screen's
    // available area (its content scrolls) and lies inside it.
    void showEvent(QShowEvent* event) override;

private:
    // Sizes the window to its content, within its screen, and keeps it there.
    void fitToScreen();
    // The change handler of a row's price edit.
    void priceEdited(RecipeRowKind kind);
    // Notes a price the user typed in the book.
    void priceTyped(RecipeRowKind kind);
    void putRememberedPrices();
    void showBudget();
    // The budgets, and the chart when open, for the prices typed now.
    void updateBudget();
    void openChart();

    ErrorReporter& reporter_;
    PriceBook& book_;
    // The good each row's price is the price of, as the book names it;
    // empty in an unused row and in the row of a typed element that names
    // no stone.
    std::array<std::string, kRecipeRowCount> goods_{};
    // The calculation as data: the quantities, prices and rate the window
    // shows, kept as it shows them and never read back from its controls;
    // the design texts until the window is filled.
    ForgeCostSheet sheet_;
    // Whether the window is filled and shows a cost, and that cost: none
    // where it leaves the 64-bit range.
    bool filled_ = false;
    std::optional<std::int64_t> cost_;
    std::array<RecipeRowControls, kRecipeRowCount> recipeRows_{};
    QWidget* panel_ = nullptr;
    QLineEdit* lastPriceEdit_ = nullptr;
    QPointer<BudgetChartWindow> chart_;
};

}  // namespace trivelon::gui
