#pragma once
// A small table of budgets: a header row with the certainties 50, 90 and
// 99 % as columns, and a row for each quantity (tries, items, materials,
// Zeny) with what each certainty takes; optionally one more column of other
// figures of the same quantities, whose heading explains them in a tooltip.
// One widget that paints its cells, in the look of the box labels around it.
// It takes the focus, and a screen reader reads its figures, with their
// certainty and quantity, in its description.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/budget.h"
#include "gui/widgets/control_factory.h"

namespace trivelon::gui {

struct BudgetTableLook {
    int nameWidth = 0;   // the column of row names
    int valueWidth = 0;  // each certainty's column
    int rowHeight = 0;
    BoxLabelLook header;
    BoxLabelLook rows;
};

using BudgetFigures = std::array<std::optional<std::int64_t>, kBudgetChances.size()>;

// A column after the certainties.
struct BudgetTableColumn {
    QString heading;
    QString toolTip;  // shown while the pointer rests on the heading
};

// A figure of that column: whole, or in tenths shown to one decimal; none
// where it lies beyond the 64-bit range.
struct ColumnFigure {
    std::optional<std::int64_t> value;
    bool inTenths = false;
};

class BudgetTable : public QWidget {
    Q_OBJECT
public:
    // Sized to its cells, the extra column's as wide as a certainty's; the
    // caller places it. Until figures are shown every figure reads as a dash.
    BudgetTable(const QStringList& rowNames, const BudgetTableLook& look, QWidget* parent = nullptr,
                const std::optional<BudgetTableColumn>& extraColumn = std::nullopt);

    // One row of figures, exact to the last digit in groups of thousands
    // ("1 439 040 000"), in the table's font on one line; where a figure is
    // too long for its cell, shortened ("8,59 трлн") with every digit in the
    // cell's tool tip. A figure beyond the 64-bit range shows as too much to
    // count.
    void showFigures(int row, const BudgetFigures& figures);
    // No budget to show (nothing to do): a dash in every certainty's cell.
    void showNothing();
    // The extra column's figures, one a row, in the same groups of thousands
    // and, for tenths, with the user's decimal separator ("1 562,5"); none
    // (nothing to do): a dash in each of its cells.
    void showColumnFigures(const std::optional<QList<ColumnFigure>>& figures);

    // A figure's text as drawn ("\n" where it takes two lines), its font and
    // its cell; row and column counted from 0, the extra column after the
    // certainties.
    QString figureText(int row, int column) const;
    QFont figureFont(int row, int column) const;
    QString figureToolTip(int row, int column) const;
    // A row's certainties as shown, each on one line: a chart's marks of the
    // same sums read the same.
    std::array<QString, kBudgetChances.size()> certaintyTexts(int row) const;
    QRect figureCell(int row, int column) const;
    // The extra column's heading cell.
    QRect extraHeadingCell() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Figure {
        QString text;
        QFont font;
        QString toolTip;  // every digit of a shortened figure
    };
    const Figure& figure(int row, int column) const;
    // The text in the largest font, up to the given one, in which it fits its
    // cell, on one line or broken in two at the space nearest its middle.
    Figure fitted(const QString& text, const QFont& largest) const;
    Figure fitted(const QString& text) const { return fitted(text, look_.rows.font); }
    QRect cellRect(int row, int column) const;  // row 0 is the header, column 0 the names
    // Repaints the figures shown and says them in the description: «50 %:
    // вещей 220, материалов 1 387, Zeny 34 675 000; …», every digit of a
    // shortened figure.
    void figuresChanged();
    int valueColumns() const;

    BudgetTableLook look_;
    QStringList rowNames_;
    std::optional<BudgetTableColumn> extraColumn_;
    std::optional<Figure> extraHeading_;
    // Each row's figures: the certainties', then the extra column's.
    std::vector<std::vector<Figure>> figures_;
};

}  // namespace trivelon::gui
