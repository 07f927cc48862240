#include "gui/budget_table.h"

#include <QFontMetrics>
#include <QPainter>

namespace trivelon::gui {
namespace {

const QString kNoFigure = QStringLiteral("—");
const QString kTooMuch = QStringLiteral("слишком много");
constexpr int kSmallestPixels = 8;
constexpr int kCellPadding = 4;
constexpr int kColumns = static_cast<int>(kBudgetChances.size());

}  // namespace

BudgetTable::BudgetTable(const QStringList& rowNames, const BudgetTableLook& look, QWidget* parent)
    : QWidget(parent), look_(look), rowNames_(rowNames), figures_(static_cast<std::size_t>(rowNames.size())) {
    setObjectName(QStringLiteral("budgetTable"));
    resize(look.nameWidth + kColumns * look.valueWidth, look.rowHeight * (static_cast<int>(rowNames.size()) + 1));
    showNothing();
}

void BudgetTable::showFigures(int row, const BudgetFigures& figures) {
    auto& cells = figures_[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < cells.size(); ++column)
        setFigure(cells[column], figures[column] ? QString::number(*figures[column]) : kTooMuch);
    update();
}

void BudgetTable::showNothing() {
    for (auto& cells : figures_)
        for (Figure& figure : cells) setFigure(figure, kNoFigure);
    update();
}

QString BudgetTable::figureText(int row, int column) const {
    return figures_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
}

void BudgetTable::setFigure(Figure& figure, const QString& text) {
    QFont font = look_.rows.font;
    const int room = look_.valueWidth - kCellPadding;
    while (font.pixelSize() > kSmallestPixels && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    figure = {text, font};
}

QRect BudgetTable::cellRect(int row, int column) const {
    const int left = column == 0 ? 0 : look_.nameWidth + (column - 1) * look_.valueWidth;
    return {left, row * look_.rowHeight, column == 0 ? look_.nameWidth : look_.valueWidth, look_.rowHeight};
}

void BudgetTable::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    auto cell = [&](int row, int column, const BoxLabelLook& look, const QFont& font, Qt::Alignment alignment,
                    const QString& text) {
        const QRect place = cellRect(row, column);
        painter.fillRect(place, look.background);
        painter.setFont(font);
        painter.drawText(place, static_cast<int>(alignment), text);
    };
    cell(0, 0, look_.header, look_.header.font, look_.header.alignment, QString());
    for (int column = 1; column <= kColumns; ++column)
        cell(0, column, look_.header, look_.header.font, Qt::AlignCenter,
             QStringLiteral("%1 %").arg(kBudgetChances[static_cast<std::size_t>(column - 1)]));
    for (int row = 0; row < rowNames_.size(); ++row) {
        cell(row + 1, 0, look_.rows, look_.rows.font, look_.rows.alignment, rowNames_[row]);
        const auto& figures = figures_[static_cast<std::size_t>(row)];
        for (int column = 1; column <= kColumns; ++column) {
            const Figure& figure = figures[static_cast<std::size_t>(column - 1)];
            cell(row + 1, column, look_.rows, figure.font, Qt::AlignCenter, figure.text);
        }
    }
}

}  // namespace trivelon::gui
