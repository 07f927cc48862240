#pragma once
// The refining tab: an equipment class and a current and target refine
// level, the prices of the material and of the item, and what the refine
// takes: chance, materials, items, cost, bonus and the budgets.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include "core/price_book.h"
#include "core/refine_plan.h"
#include "gui/budget/budget_chart_window.h"
#include "gui/budget/budget_table.h"
#include "gui/refine/refine_comparison_window.h"
#include "gui/widgets/edit_combo.h"
#include "gui/widgets/error_reporter.h"
#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/tab_panel.h"
#include "settings/saved_texts.h"

namespace trivelon::gui {

class RefineTab : public TabPanel {
    Q_OBJECT
public:
    // Adds an empty page to the tabs; its controls are built the first time
    // the page is opened, since most sessions only forge. The material's
    // price typed is noted in the book under the material's name, which the
    // forge windows share, and picking a class puts the price the book
    // remembers for its material; so does the chart's sum.
    RefineTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book);
    ~RefineTab() override;

    // The class, the levels and the prices as the settings keep them;
    // before the page is built, the texts it will put back.
    SavedTexts savedTexts() const;
    // Keeps saved texts to put back, when the page is built, as if picked
    // and typed: the class, the levels, then the prices. A text its field
    // would not take as typed leaves the field as the class left it.
    void restore(const SavedTexts& saved);

    // Builds, fills and binds the controls, once; the character's picture is
    // the forging tab's.
    void buildOnce(const PictureBox& character);
    // Works under other rules, which must outlive the tab: their classes and
    // levels fill the lists, the first class is picked, and the chart and the
    // comparison follow.
    void setRules(const RefineRules& rules);
    bool isBuilt() const { return classSelector_ != nullptr; }

    // The forging tab's picture of the character, shown here too.
    void showCharacterPicture(const PictureBox& character);
    // Puts the item prices typed and not yet kept into the book: the tab's
    // own, under its class and current level, and an open comparison's.
    void keepTypedPrices();

    // The Weaponry Research level of the forging tab, none where its text
    // cannot be read; a refine with steps above the safe level needs it.
    void setWeaponryResearch(std::optional<std::int32_t> level);

private:
    void buildControls(const PictureBox& character);
    void fillClassList();
    void setKeyboardOrder();
    void bindHandlers();

    void classChosen();
    // A level typed or picked: the other level moves along to keep the
    // current level at or below the target only when the choice is
    // committed; a half-typed level that would move it changes nothing yet.
    // A committed level shows as the level the figures are for.
    void levelChanged(LevelKind kind, bool committed);
    void priceEdited(QLineEdit& edit, std::int64_t RefineState::*field);
    // Plans the refine of the state and shows the plan, or dashes and the
    // reason where it cannot be planned.
    void recompute();
    void showPlan(const RefinePlan& plan);
    void showNoPlan(const QString& reason);
    void showChart();
    BudgetCalculation calculation() const;
    void openChart();
    // The roads to the target from every level the market offers; the
    // window follows the tab, and its row of the current level is the tab's
    // item price.
    void openComparison();
    void showComparison();
    // The item price the book remembers for the class and the current level,
    // when they have changed since the last one was put in; a level with
    // none shows an empty price: it is not on offer.
    void takeRememberedItemPrice();
    void putSavedTexts();

    ErrorReporter& reporter_;
    PriceBook& book_;
    // The saved texts, until the page is built and puts them back.
    SavedTexts saved_;
    // What the tab shows, as data: the inputs as read and their plan (none
    // where it could not be worked out); the labels are written from them
    // and never read back.
    // The rules the tab works under.
    const RefineRules* rules_ = &BuiltInRules().refine;
    RefineState refine_;
    std::optional<RefinePlan> plan_;
    std::optional<std::int32_t> weaponryResearch_ = 10;
    QPointer<BudgetChartWindow> chart_;
    QPointer<RefineComparisonWindow> comparison_;
    // The class and the level whose item price the tab shows, and whether it
    // was typed since the book last took it.
    std::optional<std::pair<std::size_t, std::int32_t>> pricedLevel_;
    bool itemTyped_ = false;

    ImageCombo* classSelector_ = nullptr;
    EditCombo *currentLevel_ = nullptr, *targetLevel_ = nullptr;
    PictureBox *characterPicture_ = nullptr, *materialPicture_ = nullptr;
    QLineEdit *materialPrice_ = nullptr, *itemPrice_ = nullptr;
    QLabel *safeLevel_ = nullptr, *attemptFee_ = nullptr, *materialName_ = nullptr, *materialCount_ = nullptr,
           *itemCount_ = nullptr, *successRate_ = nullptr, *averageCost_ = nullptr, *bonus_ = nullptr,
           *averageCostCaption_ = nullptr;
    // What 50, 90 and 99 % certainty take in items, materials and Zeny, and
    // what one success takes on average when attempts stop at a broken item;
    // the button that opens the chart of chances against money.
    BudgetTable* budget_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    QPushButton* compareButton_ = nullptr;
};

}  // namespace trivelon::gui
