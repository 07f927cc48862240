#include "gui/budget_table.h"

#include <QFontMetrics>

namespace trivelon::gui {
namespace {

const QString kNoFigure = QStringLiteral("—");
const QString kTooMuch = QStringLiteral("слишком много");
constexpr int kSmallestPixels = 8;
constexpr int kCellPadding = 4;

}  // namespace

BudgetTable::BudgetTable(const QStringList& rowNames, const BudgetTableLook& look, QWidget* parent)
    : QWidget(parent), look_(look) {
    setObjectName(QStringLiteral("budgetTable"));
    const int columns = static_cast<int>(kBudgetChances.size());
    resize(look.nameWidth + columns * look.valueWidth, look.rowHeight * (static_cast<int>(rowNames.size()) + 1));

    BoxLabelLook header = look.header;
    header.alignment = Qt::AlignCenter;
    AddBoxLabel(this, QString(), {0, 0, look.nameWidth, look.rowHeight}, look.header);
    for (int column = 0; column < columns; ++column)
        AddBoxLabel(this, QStringLiteral("%1 %").arg(kBudgetChances[static_cast<std::size_t>(column)]),
                    {look.nameWidth + column * look.valueWidth, 0, look.valueWidth, look.rowHeight}, header);

    BoxLabelLook figure = look.rows;
    figure.alignment = Qt::AlignCenter;
    for (int row = 0; row < rowNames.size(); ++row) {
        const int top = (row + 1) * look.rowHeight;
        AddBoxLabel(this, rowNames[row], {0, top, look.nameWidth, look.rowHeight}, look.rows);
        auto& cells = cells_.emplace_back();
        for (int column = 0; column < columns; ++column)
            cells[static_cast<std::size_t>(column)] =
                AddBoxLabel(this, kNoFigure,
                            {look.nameWidth + column * look.valueWidth, top, look.valueWidth, look.rowHeight}, figure);
    }
}

void BudgetTable::showFigures(int row, const BudgetFigures& figures) {
    auto& cells = cells_[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < cells.size(); ++column)
        showFigure(*cells[column], figures[column] ? QString::number(*figures[column]) : kTooMuch);
}

void BudgetTable::showNothing() {
    for (auto& cells : cells_)
        for (QLabel* cell : cells) showFigure(*cell, kNoFigure);
}

QString BudgetTable::figureText(int row, int column) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]->text();
}

void BudgetTable::showFigure(QLabel& cell, const QString& text) {
    QFont font = look_.rows.font;
    const int room = cell.width() - kCellPadding;
    while (font.pixelSize() > kSmallestPixels && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    cell.setFont(font);
    cell.setText(text);
}

}  // namespace trivelon::gui
