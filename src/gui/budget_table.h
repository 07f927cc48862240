#pragma once
// A small table of budgets: a header row with the certainties 50, 90 and
// 99 % as columns, and a row for each quantity (tries, items, materials,
// Zeny) with what each certainty takes. One widget that paints its cells, in
// the look of the box labels around it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/budget.h"
#include "gui/control_factory.h"

namespace trivelon::gui {

struct BudgetTableLook {
    int nameWidth = 0;   // the column of row names
    int valueWidth = 0;  // each certainty's column
    int rowHeight = 0;
    BoxLabelLook header;
    BoxLabelLook rows;
};

using BudgetFigures = std::array<std::optional<std::int64_t>, kBudgetChances.size()>;

class BudgetTable : public QWidget {
    Q_OBJECT
public:
    // Sized to its cells; the caller places it. Until figures are shown
    // every figure reads as a dash.
    BudgetTable(const QStringList& rowNames, const BudgetTableLook& look, QWidget* parent = nullptr);

    // One row of figures, exact to the last digit, in a smaller font where a
    // figure is too long for its cell; a figure beyond the 64-bit range
    // shows as too much to count.
    void showFigures(int row, const BudgetFigures& figures);
    // No budget to show (nothing to do): a dash in every cell.
    void showNothing();

    // The text of a figure's cell, row and column counted from 0.
    QString figureText(int row, int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Figure {
        QString text;
        QFont font;
    };
    void setFigure(Figure& figure, const QString& text);
    QRect cellRect(int row, int column) const;  // row 0 is the header, column 0 the names

    BudgetTableLook look_;
    QStringList rowNames_;
    std::vector<std::array<Figure, kBudgetChances.size()>> figures_;
};

}  // namespace trivelon::gui
