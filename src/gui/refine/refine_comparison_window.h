#pragma once
// "С какого уровня точить?": one row per level from +0 to the refine tab's
// target, each with the price an item sells for at that level, and what one
// success costs on average from there, so that the cheapest road shows. An
// empty price means the level is not on offer. Esc closes it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/price_book.h"
#include "core/refine_comparison.h"
#include "gui/widgets/side_window.h"

namespace trivelon::gui {

class RefineComparisonWindow : public SideWindow {
    Q_OBJECT
public:
    // The figures of a row, in the order of its columns.
    enum Column { Chance, Items, Materials, Cost, Certain, SafeStart, kColumns };

    // A top-level window, freed when closed, that goes with its parent. The
    // rows start with the prices the book remembers for the class; a price
    // typed is remembered there once its field is left or the window closed
    // (a cleared one too: the level is then off the market). The book must
    // outlive the window, and so must the rules, whose highest level sets the
    // rows.
    RefineComparisonWindow(const RefineRules& rules, PriceBook& book, QWidget* parent = nullptr);
    ~RefineComparisonWindow() override;

    // Follows the refining tab: its class, target, research and material
    // price, and its current level, whose row holds the tab's own item price
    // as typed there.
    void follow(const RefineComparisonRequest& request, std::int32_t currentLevel, const QString& currentItemPrice);
    // Works under other rules from the next follow on, which then works
    // every row out again; false, with nothing changed, where their highest
    // level differs from the rows'.
    bool takeRules(const RefineRules& rules);

    QLineEdit* priceEdit(std::int32_t level) const { return rows_[static_cast<std::size_t>(level)].price; }
    QLabel* figure(std::int32_t level, Column column) const {
        return rows_[static_cast<std::size_t>(level)].figures[static_cast<std::size_t>(column)];
    }
    QLabel* levelLabel(std::int32_t level) const { return rows_[static_cast<std::size_t>(level)].level; }
    // The line under the table that names the cheapest road.
    QLabel* verdict() const { return verdict_; }

    // Puts the prices typed and not yet kept into the book.
    void keepTypedPrices();
    // Whether a row still waits for its budget (see planNextBudget).
    bool budgetsPending() const;

signals:
    // The row of the tab's current level was typed into: the tab's item price.
    void currentItemPriceTyped(const QString& text);

protected:
    // Keeps the prices typed and not yet kept.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        QLabel* level = nullptr;
        QLineEdit* price = nullptr;
        std::array<QLabel*, kColumns> figures{};
        bool typed = false;  // since the book last took its price
        bool budgetPending = false;
        // Its road where the level is on offer and the road could be worked
        // out; otherwise why not, empty where it is not on offer.
        std::optional<RefineRoad> road;
        QString problem;
    };

    void buildRows();
    // Puts the book's prices of the class into the rows, and the tab's own
    // price into its level's row, without planning.
    void fillPrices(const QString& currentItemPrice);
    void priceChanged(std::int32_t level);
    // Works out the row's road without its budget, which is left for later.
    void planRow(std::int32_t level);
    // The budgets take some milliseconds a road, the averages far less: a
    // change shows the averages and the cheapest road at once, and the rows'
    // budgets follow one row per turn of the event loop, lowest level first,
    // so that typing never waits for them.
    void scheduleBudgets();
    void planNextBudget();
    void planAllRows();
    void showRow(std::int32_t level, bool cheapest);
    // Ranks the roads, marks the cheapest row and writes the line under the
    // table.
    void showRanking();
    void keepTypedPrice(std::int32_t level);

    PriceBook& book_;
    std::optional<RefineComparisonRequest> request_;
    std::int32_t currentLevel_ = 0;
    std::optional<std::int32_t> cheapestLevel_;
    bool budgetScheduled_ = false;
    const RefineRules* rules_;
    std::vector<Row> rows_;
    QLabel* verdict_ = nullptr;
};

}  // namespace trivelon::gui
