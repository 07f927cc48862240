#include "gui/budget/budget_table.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/money_text.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

const QString kNoFigure = QStringLiteral("—");
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
        cells[column] = fitted(QtText(figures[column] ? GroupedAmountText(*figures[column]) : kTooMuchMoneyText));
    update();
}

void BudgetTable::showNothing() {
    const Figure dash = fitted(kNoFigure);
    for (auto& cells : figures_) cells.fill(dash);
    update();
}

QString BudgetTable::figureText(int row, int column) const { return figure(row, column).text; }

QFont BudgetTable::figureFont(int row, int column) const { return figure(row, column).font; }

QRect BudgetTable::figureCell(int row, int column) const { return cellRect(row + 1, column + 1); }

const BudgetTable::Figure& BudgetTable::figure(int row, int column) const {
    return figures_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

BudgetTable::Figure BudgetTable::fitted(const QString& text) const {
    // The break nearest the middle: a space, or the narrow space between groups.
    qsizetype middle = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isBreak = text[i] == u' ' || text[i] == QChar(0x202F);
        if (isBreak && (middle < 0 || qAbs(2 * i - text.size()) < qAbs(2 * middle - text.size()))) middle = i;
    }
    QString twoLines = text;
    if (middle >= 0) twoLines[middle] = u'\n';
    const QRect room =
        QRect(0, 0, look_.valueWidth, look_.rowHeight).adjusted(kCellPadding / 2, 0, -kCellPadding / 2, 0);
    const auto fits = [&](const QFont& font, const QString& shown) {
        return room.contains(QFontMetrics(font).boundingRect(room, Qt::AlignCenter, shown));
    };
    for (QFont font = look_.rows.font;; font.setPixelSize(font.pixelSize() - 1)) {
        if (fits(font, text)) return {text, font};
        if (middle >= 0 && fits(font, twoLines)) return {twoLines, font};
        if (font.pixelSize() <= kSmallestPixels) return {text, font};
    }
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
        painter.drawText(place, alignment, text);
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
