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
#include <QScrollArea>
#include <QWidget>

#include "core/forge_quote.h"
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
    // (so that it has no task bar button of its own); the caller shows it.
    // Prices typed into it are kept in the book, which must outlive it, by
    // the good they are the price of, once the player leaves the price's
    // field or closes the window, and only when they read as money.
    ForgeResultWindow(ErrorReporter& reporter, PriceBook& book, QWidget* parent = nullptr);
    ~ForgeResultWindow() override;

    // Fills the window from a filled request, in the order the user sees it
    // fill: picture and texts, rate, statistics, the recipe rows and the
    // first cost last. A weapon's window then grows by the block of budgets;
    // from then on the cost and the budgets follow the typed prices. The
    // prices the book remembers for the window's goods then go into their
    // edits as if typed. The first picture that cannot be loaded stops the
    // filling (HandlerError), leaving what was written so far.
    void fill(const ForgeState& state);

    const RecipeRowControls& row(RecipeRowKind kind) const { return recipeRows_[IndexOf(kind)]; }

protected:
    // Keeps the prices typed and not yet kept.
    void closeEvent(QCloseEvent* event) override;
    // Esc closes it, as it closes the other side windows.
    void keyPressEvent(QKeyEvent* event) override;
    // Shown by the program, the window is no larger than its screen's
    // available area (its content scrolls) and lies inside it.
    void showEvent(QShowEvent* event) override;

private:
    void showStatistics(const ForgeState& state);
    // A recipe row: its quantity, name and price.
    void showRecipeRow(RecipeRowKind kind, const RecipeRow& recipeRow);
    void showCost();
    // Sizes the window to its content, within its screen, and keeps it there.
    void fitToScreen();
    // The change handler of a row's price edit.
    void priceEdited(RecipeRowKind kind);
    // Keeps a typed price in the book once the player is done with it.
    void keepTypedPrice(RecipeRowKind kind);
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
    // Which rows' prices were typed since the book last took them.
    std::array<bool, kRecipeRowCount> typed_{};
    // The calculation as numbers, from the moment the window is filled: the
    // quantities, the prices as read, the rate as shown; never read back
    // from the window's controls.
    std::optional<ForgeQuote> quote_;
    // Whether the first cost is shown: from then on the cost follows the prices.
    bool costShown_ = false;

    // The title line, the picture and the statistics; a caption that the
    // filling blanks for items without the statistic stands beside it.
    QLabel* title_ = nullptr;
    PictureBox* bigPicture_ = nullptr;
    QLabel *type_ = nullptr, *weight_ = nullptr;
    QLabel *atkCaption_ = nullptr, *atk_ = nullptr, *weaponLevelCaption_ = nullptr, *weaponLevel_ = nullptr;
    QLabel *rangeCaption_ = nullptr, *range_ = nullptr, *requiredBaseLevelCaption_ = nullptr,
           *requiredBaseLevel_ = nullptr;
    QLabel *rate_ = nullptr, *description_ = nullptr, *equip_ = nullptr;
    QLabel* averageCost_ = nullptr;
    // A weapon's window shows, under the average cost, what 50, 90 and 99 %
    // certainty take in tries and Zeny, and a button for the chart of
    // chances against money; null in other windows.
    BudgetTable* budget_ = nullptr;
    QPushButton* chartButton_ = nullptr;

    std::array<RecipeRowControls, kRecipeRowCount> recipeRows_{};
    QWidget* panel_ = nullptr;
    // Made once the panel is larger than the window can be on its screen.
    QScrollArea* scrollArea_ = nullptr;
    QLineEdit* lastPriceEdit_ = nullptr;
    QPointer<BudgetChartWindow> chart_;
};

}  // namespace trivelon::gui
