#pragma once
// The forge result window: one forging calculation with its recipe, and a
// cost estimate that follows the unit prices typed into it.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "core/forge_cost.h"
#include "core/recipe.h"
#include "gui/budget_chart_window.h"
#include "gui/budget_table.h"
#include "gui/error_reporter.h"
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
    // A top-level window, freed when closed; the caller shows it. A failed
    // recalculation of its cost is reported to the reporter.
    explicit ForgeResultWindow(ErrorReporter& reporter, QWidget* parent = nullptr);

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

    // Grows the window by the block of budgets and fills it; from then on
    // its figures follow the typed prices. For a filled weapon's window.
    void showBudget();

private:
    // The change handler shared by the five price edits.
    void priceEdited();
    // The texts the cost estimate is recalculated from.
    ForgeCostSheet costSheet() const;
    // The budgets, and the chart when open, for the prices shown now.
    void updateBudget();
    void openChart();

    ErrorReporter& reporter_;
    std::array<RecipeRowControls, kRecipeRowCount> recipeRows_;
    QWidget* panel_;
    QLineEdit* lastPriceEdit_;
    QPointer<BudgetChartWindow> chart_;
};

}  // namespace trivelon::gui
