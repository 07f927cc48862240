#include "gui/budget/budget_table.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "core/money_text.h"
#include "core/refine_expectation.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/amount_label.h"
#include "gui/widgets/decimal_separator.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {
namespace {

const QString kNoFigure = QStringLiteral("—");
constexpr int kSmallestPixels = 8;
constexpr int kCellPadding = 4;
constexpr int kCertainties = static_cast<int>(kBudgetChances.size());

// Tenths to one decimal, the whole part in groups of thousands: "1 562,5".
QString GroupedTenthsText(std::int64_t tenths) {
    QString text = QtText(TenthsText(tenths, SystemDecimalSeparator()));
    const qsizetype wholeDigitsEnd = text.size() - 2;
    const qsizetype firstDigit = text.startsWith(u'-') ? 1 : 0;
    for (qsizetype at = wholeDigitsEnd - 3; at > firstDigit; at -= 3) text.insert(at, QChar(0x202F));
    return text;
}

QString ColumnFigureText(const ColumnFigure& figure) {
    if (!figure.value) return TooMuchMoney();
    return figure.inTenths ? GroupedTenthsText(*figure.value) : QtText(GroupedAmountText(*figure.value));
}

// A row's name as a word before its figure: «Вещей:» reads «вещей»; a name
// in Latin letters (Zeny) keeps its case.
QString SpokenUnit(const QString& rowName) {
    QString unit = rowName.trimmed();
    if (unit.endsWith(u':')) unit.chop(1);
    if (!unit.isEmpty() && unit.front().script() != QChar::Script_Latin) unit.front() = unit.front().toLower();
    return unit;
}

}  // namespace

BudgetTable::BudgetTable(const QStringList& rowNames, const BudgetTableLook& look, QWidget* parent,
                         const std::optional<BudgetTableColumn>& extraColumn)
    : QWidget(parent),
      look_(look),
      rowNames_(rowNames),
      extraColumn_(extraColumn),
      figures_(static_cast<std::size_t>(rowNames.size()),
               std::vector<Figure>(static_cast<std::size_t>(valueColumns()))) {
    setObjectName(QStringLiteral("budgetTable"));
    setFocusPolicy(Qt::TabFocus);
    resize(look.nameWidth + valueColumns() * look.valueWidth, look.rowHeight * (static_cast<int>(rowNames.size()) + 1));
    if (extraColumn_) extraHeading_ = fitted(extraColumn_->heading, look_.header.font);
    showNothing();
    showColumnFigures(std::nullopt);
}

void BudgetTable::showFigures(int row, const BudgetFigures& figures) {
    auto& cells = figures_[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < figures.size(); ++column) {
        if (!figures[column]) {
            cells[column] = fitted(TooMuchMoney());
            continue;
        }
        // A figure keeps the table's font and one line: shortened, with every
        // digit in its tool tip, where the cell is too narrow for it, and
        // rounded up, since it is what to put aside.
        const FittedAmount amount = FitAmount(QtText(GroupedAmountText(*figures[column])), *figures[column],
                                              look_.rows.font, look_.valueWidth, Rounding::Up);
        cells[column] = amount.fits ? Figure{amount.text, look_.rows.font, amount.toolTip}
                                    : Figure{fitted(amount.text).text, fitted(amount.text).font, amount.toolTip};
    }
    figuresChanged();
}

void BudgetTable::showNothing() {
    const Figure dash = fitted(kNoFigure);
    for (auto& cells : figures_) std::fill_n(cells.begin(), kCertainties, dash);
    figuresChanged();
}

void BudgetTable::showColumnFigures(const std::optional<QList<ColumnFigure>>& figures) {
    if (!extraColumn_) return;
    for (std::size_t row = 0; row < figures_.size(); ++row)
        figures_[row].back() = fitted(figures ? ColumnFigureText((*figures)[static_cast<qsizetype>(row)]) : kNoFigure);
    figuresChanged();
}

void BudgetTable::figuresChanged() {
    QStringList columns;
    for (int column = 0; column < valueColumns(); ++column) {
        QStringList figures;
        for (int row = 0; row < static_cast<int>(figures_.size()); ++row) {
            const Figure& shown = figure(row, column);
            const QString digits = shown.toolTip.isEmpty() ? QString(shown.text).replace(u'\n', u' ') : shown.toolTip;
            figures << SpokenUnit(rowNames_[row]) + u' ' + digits;
        }
        const QString heading = column < kCertainties
                                    ? QStringLiteral("%1 %").arg(kBudgetChances[static_cast<std::size_t>(column)])
                                    : extraColumn_->heading;
        columns << heading + QStringLiteral(": ") + figures.join(QStringLiteral(", "));
    }
    setAccessibleDescription(columns.join(QStringLiteral("; ")));
    update();
}

QString BudgetTable::figureText(int row, int column) const { return figure(row, column).text; }

QFont BudgetTable::figureFont(int row, int column) const { return figure(row, column).font; }

QString BudgetTable::figureToolTip(int row, int column) const { return figure(row, column).toolTip; }

std::array<QString, kBudgetChances.size()> BudgetTable::certaintyTexts(int row) const {
    std::array<QString, kBudgetChances.size()> texts;
    for (int column = 0; column < kCertainties; ++column)
        texts[static_cast<std::size_t>(column)] = figureText(row, column).replace(u'\n', u' ');
    return texts;
}

QRect BudgetTable::figureCell(int row, int column) const { return cellRect(row + 1, column + 1); }

QRect BudgetTable::extraHeadingCell() const { return extraColumn_ ? cellRect(0, valueColumns()) : QRect(); }

int BudgetTable::valueColumns() const { return kCertainties + (extraColumn_ ? 1 : 0); }

const BudgetTable::Figure& BudgetTable::figure(int row, int column) const {
    return figures_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

BudgetTable::Figure BudgetTable::fitted(const QString& text, const QFont& largest) const {
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
    for (QFont font = largest;; font.setPixelSize(font.pixelSize() - 1)) {
        if (fits(font, text)) return {text, font, {}};
        if (middle >= 0 && fits(font, twoLines)) return {twoLines, font, {}};
        if (font.pixelSize() <= kSmallestPixels) return {text, font, {}};
    }
}

QRect BudgetTable::cellRect(int row, int column) const {
    const int left = column == 0 ? 0 : look_.nameWidth + (column - 1) * look_.valueWidth;
    return {left, row * look_.rowHeight, column == 0 ? look_.nameWidth : look_.valueWidth, look_.rowHeight};
}

bool BudgetTable::event(QEvent* event) {
    // The cells are painted, not widgets: a tooltip (the heading's, or a
    // shortened figure's) goes by its place, and stays while the pointer is
    // within that cell.
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QRect heading = extraHeadingCell();
    if (heading.contains(help->pos())) {
        QToolTip::showText(help->globalPos(), extraColumn_->toolTip, this, heading);
        return true;
    }
    for (int row = 0; row < static_cast<int>(figures_.size()); ++row) {
        for (int column = 0; column < valueColumns(); ++column) {
            const QRect place = figureCell(row, column);
            const QString& toolTip = figure(row, column).toolTip;
            if (toolTip.isEmpty() || !place.contains(help->pos())) continue;
            QToolTip::showText(help->globalPos(), toolTip, this, place);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
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
    for (int column = 1; column <= kCertainties; ++column)
        cell(0, column, look_.header, look_.header.font, Qt::AlignCenter,
             QStringLiteral("%1 %").arg(kBudgetChances[static_cast<std::size_t>(column - 1)]));
    if (extraHeading_) cell(0, valueColumns(), look_.header, extraHeading_->font, Qt::AlignCenter, extraHeading_->text);
    for (int row = 0; row < rowNames_.size(); ++row) {
        cell(row + 1, 0, look_.rows, look_.rows.font, look_.rows.alignment, rowNames_[row]);
        const auto& figures = figures_[static_cast<std::size_t>(row)];
        for (int column = 1; column <= valueColumns(); ++column) {
            const Figure& figure = figures[static_cast<std::size_t>(column - 1)];
            cell(row + 1, column, look_.rows, figure.font, Qt::AlignCenter, figure.text);
        }
    }
    DrawFocusFrame(*this, painter, rect());
}

}  // namespace trivelon::gui
