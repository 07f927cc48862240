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
#include "gui/widgets/control_factory.h"

namespace trivelon::gui {

struct BudgetTableLook {
    int nameWidth;   // the column of row names
    int valueWidth;  // each certainty's column
    int rowHeight;
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

    // One row of figures, exact to the last digit in groups of thousands
    // ("1 439 040 000"); where a figure is too long for its cell, in a
    // smaller font or on two lines, whichever keeps the larger font. A
    // figure beyond the 64-bit range shows as too much to count.
    void showFigures(int row, const BudgetFigures& figures);
    // No budget to show (nothing to do): a dash in every cell.
    void showNothing();

    // A figure's text as drawn ("\n" where it takes two lines), its font and
    // its cell; row and column counted from 0.
    QString figureText(int row, int column) const;
    QFont figureFont(int row, int column) const;
    QRect figureCell(int row, int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Figure {
        QString text;
        QFont font;
    };
    const Figure& figure(int row, int column) const;
    // The text in the largest font in which it fits its cell, on one line or
    // broken in two at the space nearest its middle.
    Figure fitted(const QString& text) const;
    QRect cellRect(int row, int column) const;  // row 0 is the header, column 0 the names

    BudgetTableLook look_;
    QStringList rowNames_;
    std::vector<std::array<Figure, kBudgetChances.size()>> figures_;
};

}  // namespace trivelon::gui
