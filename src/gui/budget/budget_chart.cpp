// Drawing the chance of success against money with QPainter: grid and axes
// with readable amounts, the step curve, the budget marks and the lines of
// the average cost, of the expected cost and of the player's sum.
#include "gui/budget/budget_chart.h"

#include <algorithm>
#include <functional>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/money_text.h"
#include "core/numbers.h"
#include "gui/budget/label_placer.h"
#include "gui/budget/step_curve.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/decimal_separator.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kLabelBackground(255, 255, 255, 220);
const QColor kGrid(226, 226, 226);
const QColor kAxis(96, 96, 96);
const QColor kText(48, 48, 48);
const QColor kCurve(30, 90, 190);
const QColor kBudgetMark(200, 50, 40);
const QColor kAverage(225, 125, 20);
const QColor kExpected(140, 60, 170);
const QColor kMoney(30, 150, 80);

constexpr qreal kGap = 6;  // between a line and its label
constexpr qreal kMarkRadius = 4.5;
constexpr int kPercentTicks[] = {0, 25, 50, 75, 100};

QString PercentLabel(int percent) { return QString::number(percent) + QStringLiteral(" %"); }

QString AmountLabel(std::int64_t value, int fractionDigits, Rounding rounding = Rounding::Nearest) {
    return ShortAmount(value, fractionDigits, SystemDecimalSeparator(), rounding);
}

// Where money and chances fall on the plot.
struct PlotScale {
    QRectF plot;
    double axisEnd = 0;

    qreal x(double money) const { return plot.left() + money / axisEnd * plot.width(); }
    qreal y(double chance) const { return plot.bottom() - chance * plot.height(); }
    double moneyAt(qreal x) const { return (x - plot.left()) / plot.width() * axisEnd; }
    bool holds(std::int64_t money) const { return money > 0 && static_cast<double>(money) <= axisEnd; }
};

// A one-line label's box of the painter's font.
QRectF TextBox(const QPainter& painter, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    return QRectF(0, 0, metrics.horizontalAdvance(text) + kGap, metrics.height());
}

void DrawGrid(QPainter& painter, const PlotScale& scale, const MoneyAxis& axis, int amountDigits) {
    const QRectF& plot = scale.plot;
    for (int percent : kPercentTicks) {
        const qreal y = scale.y(percent / 100.0);
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        QRectF box = TextBox(painter, PercentLabel(percent));
        box.moveCenter(QPointF(0, y));
        box.moveRight(plot.left() - kGap / 2);
        painter.setPen(kText);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, PercentLabel(percent));
    }
    for (std::int64_t steps = 0; steps <= axis.end / axis.step; ++steps) {
        const std::int64_t money = steps * axis.step;
        const qreal x = scale.x(static_cast<double>(money));
        painter.setPen(kGrid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString text = AmountLabel(money, amountDigits);
        QRectF box = TextBox(painter, text);
        box.moveCenter(QPointF(x, 0));
        box.moveTop(plot.bottom() + kGap / 2);
        painter.setPen(kText);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.setPen(kAxis);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

// A line across the plot at a sum.
void DrawUpright(QPainter& painter, const PlotScale& scale, std::int64_t money, const QPen& pen) {
    const qreal x = scale.x(static_cast<double>(money));
    painter.setPen(pen);
    painter.drawLine(QPointF(x, scale.plot.top()), QPointF(x, scale.plot.bottom()));
}

// A budget: the certainty, at the money that reaches it.
struct BudgetMark {
    QPointF point;
    QString text;
};

// Dashed guides from both axes to each budget.
void DrawGuides(QPainter& painter, const PlotScale& scale, const QList<BudgetMark>& marks) {
    painter.setPen(QPen(kBudgetMark, 1, Qt::DashLine));
    for (const BudgetMark& mark : marks) {
        painter.drawLine(QPointF(scale.plot.left(), mark.point.y()), mark.point);
        painter.drawLine(mark.point, QPointF(mark.point.x(), scale.plot.bottom()));
    }
}

void DrawRings(QPainter& painter, const QList<BudgetMark>& marks) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBudgetMark, 2));
    painter.setBrush(Qt::NoBrush);
    for (const BudgetMark& mark : marks) painter.drawEllipse(mark.point, kMarkRadius, kMarkRadius);
}

// Text on a light box, so that grid lines do not run through it.
void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& color) {
    painter.fillRect(box, kLabelBackground);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

// Places beside a point: to the right or left, with the top at the given
// heights.
QList<QRectF> PlacesBeside(QRectF box, qreal x, std::initializer_list<qreal> tops) {
    QList<QRectF> places;
    for (qreal top : tops) {
        box.moveTop(top);
        box.moveLeft(x + kGap / 2);
        places << box;
        box.moveRight(x - kGap / 2);
        places << box;
    }
    return places;
}

// Labels of the budgets first, then the average's and the expected cost's
// above the plot or near its foot, then the player's sum at the foot or near
// the top. The curve rises,
// so it is clear of a label when it lies above the label's left end or below
// its right end. Returns where the averages' labels went.
QList<QRectF> DrawLabels(QPainter& painter, const PlotScale& scale, const QList<BudgetMark>& marks,
                         const std::function<double(double)>& chanceAt, std::optional<std::int64_t> average,
                         std::optional<std::int64_t> expected, std::optional<std::int64_t> money, bool moneyBeyond,
                         int amountDigits) {
    const QRectF& plot = scale.plot;
    const auto curveY = [&](qreal x) { return scale.y(chanceAt(scale.moneyAt(x))); };
    const qreal halfPen = 1;
    LabelPlacer placer(QRectF(plot.left(), 0, plot.width(), plot.bottom()), [&](const QRectF& box) {
        return curveY(box.left()) < box.top() - halfPen || curveY(box.right()) > box.bottom() + halfPen;
    });
    const auto draw = [&](const QString& text, const QColor& color, const QList<QRectF>& places) {
        const QRectF placed = placer.place(places);
        DrawLabel(painter, placed, text, color);
        return placed;
    };
    for (const BudgetMark& mark : marks) {
        const QRectF box = TextBox(painter, mark.text);
        const QPointF& p = mark.point;
        const QRectF rightBelow = box.translated(p + QPointF(kGap, kGap / 2));
        const QRectF leftAbove = box.translated(p - QPointF(kGap + box.width(), kGap / 2 + box.height()));
        const QRectF leftBelow = box.translated(leftAbove.left(), std::max(p.y(), curveY(leftAbove.left())) + kGap);
        draw(mark.text, kBudgetMark, {rightBelow, leftAbove, leftBelow});
    }
    const qreal rowHeight = QFontMetricsF(painter.font()).height() + 2;
    const qreal footTop = plot.bottom() - rowHeight;
    const auto drawAbove = [&](const QString& pattern, std::int64_t sum, const QColor& color,
                               std::initializer_list<qreal> besideTops) {
        const QString text = pattern.arg(AmountLabel(sum, amountDigits));
        const QRectF box = TextBox(painter, text);
        const qreal x = scale.x(static_cast<double>(sum));
        const qreal top = plot.top() - kGap / 2 - box.height();
        const QRectF centred = box.translated(x - box.width() / 2, top);
        QList<QRectF> places = PlacesBeside(box, x, {top});
        places.prepend(centred);
        places += PlacesBeside(box, x, besideTops);
        return draw(text, color, places);
    };
    QList<QRectF> averages{QRectF(), QRectF()};
    if (average)
        averages[0] = drawAbove(QCoreApplication::translate("BudgetChart", "среднее: %1"), *average, kAverage,
                                {footTop - rowHeight});
    // Usually close below the average: beside it above the plot, or a row
    // higher at the foot.
    if (expected)
        averages[1] = drawAbove(QCoreApplication::translate("BudgetChart", "в среднем по шагам: %1"), *expected,
                                kExpected, {footTop - rowHeight, footTop - 2 * rowHeight});
    if (money) {
        // A sum beyond the axis stands at its end, pointing further on.
        const QString text = moneyBeyond ? QCoreApplication::translate("BudgetChart", "у меня →")
                                         : QCoreApplication::translate("BudgetChart", "у меня");
        const qreal x = scale.x(static_cast<double>(*money));
        const qreal nearTop = plot.top() + kGap / 2;
        draw(text, kMoney, PlacesBeside(TextBox(painter, text), x, {footTop, footTop - rowHeight, nearTop}));
    }
    return averages;
}

}  // namespace

BudgetChart::BudgetChart(QWidget* parent) : QWidget(parent), noteLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("budgetChart"));
    setFont(PixelFont(QStringLiteral("Arial"), 12));
    setMinimumSize(320, 200);
    setFocusPolicy(Qt::TabFocus);
    noteLabel_->setObjectName(QStringLiteral("noteLabel"));
    noteLabel_->setFont(PixelFont(QStringLiteral("Arial"), 15));
    noteLabel_->setAlignment(Qt::AlignCenter);
    noteLabel_->setWordWrap(true);
    noteLabel_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel_);
}

QColor BudgetChart::curveColor() { return kCurve; }

QColor BudgetChart::moneyColor() { return kMoney; }

QColor BudgetChart::expectedColor() { return kExpected; }

void BudgetChart::setCalculation(const BudgetCalculation& calculation) {
    plot_.reset();
    QString note;
    if (!calculation.curve) {
        note = tr("Нет попыток — нечего считать");
    } else if (calculation.tryCost <= 0) {
        note = tr("Попытка ничего не стоит: шанс успеха 100 % при любой сумме");
    } else if (!calculation.problem.isEmpty()) {
        note = calculation.problem;
    } else {
        plot_ = Plot{*calculation.curve, calculation.averageCost, calculation.expectedCost,
                     calculation.budget, calculation.budgetTexts, {}};
        averageToolTips_ = {calculation.averageToolTip, calculation.expectedToolTip};
        fitAxis();
    }
    noteLabel_->setText(note);
    noteLabel_->setVisible(!plot_);
    drawingChanged();
}

void BudgetChart::setMoney(std::optional<std::int64_t> money) {
    if (money == money_) return;
    money_ = money;
    drawingChanged();
}

void BudgetChart::drawingChanged() {
    update();
    if (!plot_) {
        setAccessibleDescription(noteLabel_->text());
        return;
    }
    const auto zeny = [](std::optional<std::int64_t> sum) {
        return (sum ? QtText(GroupedAmountText(*sum)) : TooMuchMoney()) + QStringLiteral(" Zeny");
    };
    QStringList parts;
    for (const BudgetLevel& level : plot_->budget.levels)
        parts << PercentLabel(level.chance) + QStringLiteral(": ") + zeny(level.cost);
    if (plot_->averageCost) parts << tr("среднее: %1").arg(zeny(plot_->averageCost));
    if (plot_->expectedCost) parts << tr("в среднем по шагам: %1").arg(zeny(plot_->expectedCost));
    if (money_) parts << tr("у меня: %1").arg(zeny(money_));
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

void BudgetChart::fitAxis() {
    // A budget beyond 64 bits lets the curve run on over every sum there is.
    std::int64_t largest = plot_->budget.levels.back().cost.value_or(kInt64Max);
    // Scaled to the budgets and the averages: a sum of the player's far
    // beyond them would pile the curve up at the left edge.
    for (const std::optional<std::int64_t>& money : {plot_->averageCost, plot_->expectedCost})
        if (money) largest = std::max(largest, *money);
    plot_->axis = MoneyAxisBeyond(largest);
    // One precision for every amount: enough decimals for each tick, and at
    // least one for the budgets ("1,2 млрд").
    const MoneyAxis& axis = plot_->axis;
    plot_->amountDigits = 1;
    for (std::int64_t steps = 1; steps <= axis.end / axis.step; ++steps)
        plot_->amountDigits = std::max(plot_->amountDigits, ExactFractionDigits(steps * axis.step));
}

QRectF BudgetChart::plotArea() const {
    const QFontMetricsF metrics(font());
    // Room for the percent labels on the left, the amounts below, the
    // average's label above and half of the last amount on the right.
    const qreal left = metrics.horizontalAdvance(PercentLabel(100)) + 2 * kGap;
    const QString lastAmount = plot_ ? AmountLabel(plot_->axis.end, plot_->amountDigits) : QString();
    const qreal right = metrics.horizontalAdvance(lastAmount) / 2 + 2 * kGap;
    const qreal rowHeight = metrics.height() + 2 * kGap;
    return QRectF(rect()).adjusted(left, rowHeight, -right, -rowHeight);
}

void BudgetChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    DrawFocusFrame(*this, painter, rect());
    const QRectF plot = plotArea();
    if (!plot_ || plot.width() <= 0 || plot.height() <= 0) return;
    const PlotScale scale{plot, static_cast<double>(plot_->axis.end)};
    const auto shown = [&](std::optional<std::int64_t> money) {
        return money && scale.holds(*money) ? money : std::nullopt;
    };
    const std::optional<std::int64_t> average = shown(plot_->averageCost);
    const std::optional<std::int64_t> expected = shown(plot_->expectedCost);
    const bool moneyBeyond = money_ && *money_ > plot_->axis.end;
    const std::optional<std::int64_t> money = moneyBeyond ? std::optional(plot_->axis.end) : shown(money_);

    DrawGrid(painter, scale, plot_->axis, plot_->amountDigits);
    if (average) DrawUpright(painter, scale, *average, QPen(kAverage, 2, Qt::DashLine));
    if (expected) DrawUpright(painter, scale, *expected, QPen(kExpected, 2, Qt::DashDotLine));
    // The player's line over the average's, where the two meet.
    if (money) DrawUpright(painter, scale, *money, QPen(kMoney, 2, moneyBeyond ? Qt::DotLine : Qt::SolidLine));
    QList<BudgetMark> marks;
    for (std::size_t i = 0; i < plot_->budget.levels.size(); ++i) {
        const BudgetLevel& level = plot_->budget.levels[i];
        if (!level.cost || !scale.holds(*level.cost)) continue;
        // A sum to put aside: as its table shows it, or rounded up.
        const QString& tableText = plot_->budgetTexts[i];
        const QString sum =
            tableText.isEmpty() ? AmountLabel(*level.cost, plot_->amountDigits, Rounding::Up) : tableText;
        marks.append({QPointF(scale.x(static_cast<double>(*level.cost)), scale.y(level.chance / 100.0)),
                      PercentLabel(level.chance) + QStringLiteral(": ") + sum});
    }
    DrawGuides(painter, scale, marks);
    // Level and upright strokes only: crisp without smoothing.
    painter.setPen(QPen(kCurve, 2));
    painter.drawPolyline(StepCurve(plot_->curve, plot_->axis.end, plot, 1 / devicePixelRatioF()));
    DrawRings(painter, marks);
    averagePlaces_ = DrawLabels(painter, scale, marks, plot_->curve.within, average, expected, money, moneyBeyond,
                                plot_->amountDigits);
}

// The averages' labels are painted: each one's tool tip, saying what it
// counts, goes by its place.
bool BudgetChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (qsizetype i = 0; plot_ && i < averagePlaces_.size(); ++i) {
        const QRect place = averagePlaces_[i].toAlignedRect();
        if (!place.contains(help->pos()) || averageToolTips_[i].isEmpty()) continue;
        QToolTip::showText(help->globalPos(), averageToolTips_[i], this, place);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace trivelon::gui
