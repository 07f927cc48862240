// The comparison window: a grid of levels with their prices and roads, the
// line that names the cheapest road under it.
#include "gui/refine/refine_comparison_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/money_text.h"
#include "core/numbers.h"
#include "core/typed_sum.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/help_window.h"
#include "gui/widgets/input_marks.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

namespace {

constexpr int kPriceWidth = 110;
constexpr std::int32_t kCertainty = 90;  // percent, the budget shown

// The columns' headings: the level, the price, then each figure's.
QString Heading(int column) {
    static constexpr const char* headings[] = {
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Уровень"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Цена вещи"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Шанс попытки, %"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Вещей"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Материалов"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Zeny в среднем"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Zeny на 90 %"),
        QT_TRANSLATE_NOOP("RefineComparisonWindow", "Без риска"),
    };
    return QCoreApplication::translate("RefineComparisonWindow", headings[column]);
}
constexpr int kFirstFigureColumn = 2;
constexpr int kHeadings = kFirstFigureColumn + RefineComparisonWindow::kColumns;

// What a screen reader says after a row's price: its figures under their
// headings, and whether it is the cheapest road; or why it has none.
QString RowDescription(const std::array<QString, RefineComparisonWindow::kColumns>& texts, const QString& problem,
                       bool cheapest) {
    if (!problem.isEmpty()) return problem;
    QStringList parts;
    for (int column = 0; column < RefineComparisonWindow::kColumns; ++column)
        if (!texts[static_cast<std::size_t>(column)].isEmpty())
            parts << Heading(column + kFirstFigureColumn) + QStringLiteral(": ") +
                         texts[static_cast<std::size_t>(column)];
    if (cheapest) parts << QCoreApplication::translate("RefineComparisonWindow", "дешевле всего");
    return parts.join(QStringLiteral("; "));
}

QString MoneyText(const std::optional<std::int64_t>& zeny) {
    return zeny ? QtText(GroupedAmountText(*zeny)) : TooMuchMoney();
}

QString LevelCaption(std::int32_t level, std::int32_t target) {
    const QString text = QtText(LevelText(level));
    return level == target ? QCoreApplication::translate("RefineComparisonWindow", "%1 купить готовый").arg(text)
                           : text;
}

// "купить +4 и точить", "купить готовый +10".
QString RoadText(std::int32_t level, std::int32_t target) {
    const QString text = QtText(LevelText(level));
    return level == target ? QCoreApplication::translate("RefineComparisonWindow", "купить готовый %1").arg(text)
                           : QCoreApplication::translate("RefineComparisonWindow", "купить %1 и точить").arg(text);
}

// The Zeny of 90 % certainty: the finished item's price, or the road's
// budget; "…" while the budget is being worked out.
QString CertainCostText(const RefineRoad& road, bool pending) {
    if (road.bought()) return MoneyText(road.offer.itemPrice);
    if (pending) return QStringLiteral("…");
    for (const RefineBudgetLevel& level : road.plan->budget.value_or(RefineBudget{}))
        if (level.chance == kCertainty) return MoneyText(level.cost);
    return QStringLiteral("—");
}

}  // namespace

RefineComparisonWindow::RefineComparisonWindow(const RefineRules& rules, PriceBook& book, QWidget* parent)
    : SideWindow(parent), book_(book), rules_(&rules), rows_(static_cast<std::size_t>(rules.highestLevel()) + 1) {
    setObjectName(QStringLiteral("refineComparisonWindow"));
    setWindowTitle(tr("С какого уровня точить?"));
    InstallHelpKey(*this);
    setFont(PixelFont(QStringLiteral("Arial"), 15));
    buildRows();
}

// Closing takes the focus from a price field while QWidget's own destructor
// runs; its report that editing finished is no longer listened to.
RefineComparisonWindow::~RefineComparisonWindow() {
    for (const Row& row : rows_) row.price->disconnect(this);
}

void RefineComparisonWindow::buildRows() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int column = 0; column < kHeadings; ++column) {
        auto* header = new QLabel(Heading(column), this);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        grid->addWidget(header, 0, column);
    }
    QWidget* previous = nullptr;
    for (std::int32_t level = 0; level < static_cast<std::int32_t>(rows_.size()); ++level) {
        Row& row = rows_[static_cast<std::size_t>(level)];
        const int line = level + 1;
        row.level = new QLabel(this);
        row.price = new QLineEdit(this);
        row.price->setFixedWidth(kPriceWidth);
        row.price->setObjectName(QStringLiteral("price%1").arg(level));
        row.price->setAccessibleName(Heading(1) + u' ' + QtText(LevelText(level)));
        grid->addWidget(row.level, line, 0);
        grid->addWidget(row.price, line, 1);
        for (int column = 0; column < kColumns; ++column) {
            auto* figure = new QLabel(this);
            figure->setTextFormat(Qt::PlainText);
            figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            NameFigure(*figure, Heading(column + kFirstFigureColumn));
            row.figures[static_cast<std::size_t>(column)] = figure;
            grid->addWidget(figure, line, column + kFirstFigureColumn);
        }
        connect(row.price, &QLineEdit::textChanged, this, [this, level] { priceChanged(level); });
        connect(row.price, &QLineEdit::textEdited, this, [this, level](const QString& text) {
            rows_[static_cast<std::size_t>(level)].typed = true;
            if (level == currentLevel_) emit currentItemPriceTyped(text);
        });
        connect(row.price, &QLineEdit::editingFinished, this, [this, level] { keepTypedPrice(level); });
        if (previous) setTabOrder(previous, row.price);
        previous = row.price;
    }
    // The cheapest row is bold: the level column and the Zeny columns keep
    // the width of bold figures, so that marking another row or a larger sum
    // does not shift the table.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const std::int32_t highest = rules_->highestLevel();
    grid->setColumnMinimumWidth(0, boldMetrics.horizontalAdvance(LevelCaption(highest, highest)));
    for (const int column : {Cost, Certain})
        grid->setColumnMinimumWidth(column + kFirstFigureColumn,
                                    boldMetrics.horizontalAdvance(QStringLiteral("000 000 000 000")));
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(content());
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(verdict_);
    layout->addStretch(1);
}

void RefineComparisonWindow::follow(const RefineComparisonRequest& request, std::int32_t currentLevel,
                                    const QString& currentItemPrice) {
    const bool samePrices = request_ && request_->classIndex == request.classIndex;
    const bool sameRoads = samePrices && request_->targetLevel == request.targetLevel &&
                           request_->weaponryResearch == request.weaponryResearch &&
                           request_->materialPrice == request.materialPrice;
    if (!samePrices) keepTypedPrices();
    request_ = request;
    currentLevel_ = currentLevel;
    if (sameRoads) {
        // Only the tab's own price can have changed: its row works itself out.
        rows_[static_cast<std::size_t>(currentLevel)].price->setText(currentItemPrice);
        return;
    }
    if (samePrices) {
        const QSignalBlocker quiet(rows_[static_cast<std::size_t>(currentLevel)].price);
        rows_[static_cast<std::size_t>(currentLevel)].price->setText(currentItemPrice);
    } else {
        fillPrices(currentItemPrice);
    }
    for (std::int32_t level = 0; level < static_cast<std::int32_t>(rows_.size()); ++level) {
        const Row& row = rows_[static_cast<std::size_t>(level)];
        const bool shown = level <= request.targetLevel;
        row.level->setText(LevelCaption(level, request.targetLevel));
        for (QWidget* part : {static_cast<QWidget*>(row.level), static_cast<QWidget*>(row.price)})
            part->setVisible(shown);
        for (QLabel* figure : row.figures) figure->setVisible(shown);
    }
    planAllRows();
}

bool RefineComparisonWindow::takeRules(const RefineRules& rules) {
    if (static_cast<std::size_t>(rules.highestLevel()) + 1 != rows_.size()) return false;
    keepTypedPrices();
    rules_ = &rules;
    request_.reset();
    return true;
}

void RefineComparisonWindow::fillPrices(const QString& currentItemPrice) {
    for (std::int32_t level = 0; level < static_cast<std::int32_t>(rows_.size()); ++level) {
        Row& row = rows_[static_cast<std::size_t>(level)];
        const std::optional<std::string> remembered =
            book_.text(PriceBook::RefineItemEntry(request_->classIndex, level));
        const QSignalBlocker quiet(row.price);
        row.price->setText(level == currentLevel_ ? currentItemPrice : remembered ? QtText(*remembered) : QString());
        row.typed = false;
    }
}

void RefineComparisonWindow::priceChanged(std::int32_t level) {
    if (!request_) return;
    planRow(level);
    showRanking();
}

void RefineComparisonWindow::planRow(std::int32_t level) {
    Row& row = rows_[static_cast<std::size_t>(level)];
    row.road.reset();
    row.problem.clear();
    row.budgetPending = false;
    const TypedSum price = ReadTypedSum(CoreText(row.price->text()), SystemGroupSeparator());
    const bool unreadable =
        price.reading == TypedSum::Reading::Unreadable || price.reading == TypedSum::Reading::TooMuch;
    // A price that cannot be read is compared as no price at all: counted as
    // 0, it would pass for the cheapest road.
    MarkProblem(*row.price, unreadable
                                ? FieldProblem(*row.price, tr("не могу прочитать сумму — этот уровень не сравнивается"))
                                : QString());
    if (level > request_->targetLevel || price.reading != TypedSum::Reading::Zeny) return;
    Result<RefineRoad> road = PlanRefineRoad(*rules_, *request_, {level, price.zeny}, false);
    if (!road) {
        row.problem = Sentence(road.error());
        return;
    }
    row.road = std::move(road.value());
    row.budgetPending = !row.road->bought();
    if (row.budgetPending) scheduleBudgets();
}

bool RefineComparisonWindow::budgetsPending() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return row.budgetPending; });
}

void RefineComparisonWindow::scheduleBudgets() {
    if (budgetScheduled_) return;
    budgetScheduled_ = true;
    QMetaObject::invokeMethod(this, &RefineComparisonWindow::planNextBudget, Qt::QueuedConnection);
}

void RefineComparisonWindow::planNextBudget() {
    budgetScheduled_ = false;
    const auto pending = std::find_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.budgetPending; });
    if (pending == rows_.end()) return;
    const auto level = static_cast<std::int32_t>(pending - rows_.begin());
    // The same road as the one shown, now with its budget: the averages and
    // the ranking stay as they are.
    Result<RefineRoad> road = PlanRefineRoad(*rules_, *request_, pending->road->offer);
    pending->budgetPending = false;
    if (road) pending->road = std::move(road.value());
    showRow(level, level == cheapestLevel_);
    if (budgetsPending()) scheduleBudgets();
}

void RefineComparisonWindow::planAllRows() {
    // Rows past the target are cleared too, so that none waits for a budget.
    for (std::int32_t level = 0; level < static_cast<std::int32_t>(rows_.size()); ++level) planRow(level);
    showRanking();
}

void RefineComparisonWindow::showRow(std::int32_t level, bool cheapest) {
    const Row& row = rows_[static_cast<std::size_t>(level)];
    const char separator = SystemDecimalSeparator();
    std::array<QString, kColumns> texts;
    if (row.road) {
        const RefineRoad& road = *row.road;
        const std::optional<Extended>& rate = road.bought() ? std::nullopt : road.plan->outcome.rate;
        texts = {rate ? QtText(FormatGeneral(*rate, separator)) : QStringLiteral("—"),
                 QtText(TenthsText(road.expected.itemsTenths, separator)),
                 QtText(TenthsText(road.expected.materialsTenths, separator)),
                 MoneyText(road.expected.cost),
                 CertainCostText(road, row.budgetPending),
                 road.safeSteps > 0 ? tr("до %1").arg(QtText(LevelText(level + road.safeSteps))) : QString()};
    } else if (!row.problem.isEmpty()) {
        texts.fill(QStringLiteral("—"));
        texts[SafeStart].clear();
    }
    const bool offered = row.road || !row.problem.isEmpty();
    row.level->setEnabled(offered);
    QFont font = row.level->font();
    font.setBold(cheapest);
    row.level->setFont(font);
    for (int column = 0; column < kColumns; ++column) {
        QLabel* figure = row.figures[static_cast<std::size_t>(column)];
        figure->setText(texts[static_cast<std::size_t>(column)]);
        figure->setEnabled(offered);
        figure->setFont(font);
        figure->setToolTip(row.problem);
    }
    // A price that cannot be read keeps its problem as its description.
    if (row.price->toolTip().isEmpty())
        row.price->setAccessibleDescription(RowDescription(texts, row.problem, cheapest));
    if (row.road && row.road->safeSteps > 0)
        row.figures[SafeStart]->setToolTip(
            tr("шаги до %1 не ломают вещь").arg(QtText(LevelText(level + row.road->safeSteps))));
}

void RefineComparisonWindow::showRanking() {
    std::vector<RefineRoad> roads;
    QString problem;
    for (std::int32_t level = 0; level <= request_->targetLevel; ++level) {
        const Row& row = rows_[static_cast<std::size_t>(level)];
        if (row.road) roads.push_back(*row.road);
        if (problem.isEmpty()) problem = row.problem;
    }
    const RefineComparison comparison = RankRefineRoads(std::move(roads));
    // A road that could not be worked out might have been the cheapest.
    std::optional<std::int32_t> cheapest;
    if (problem.isEmpty() && comparison.cheapest) cheapest = comparison.roads[*comparison.cheapest].offer.level;
    cheapestLevel_ = cheapest;
    for (std::int32_t level = 0; level <= request_->targetLevel; ++level) showRow(level, level == cheapest);

    const std::int32_t target = request_->targetLevel;
    QString verdict, tip;
    if (!problem.isEmpty()) {
        verdict = problem;
    } else if (comparison.roads.empty()) {
        verdict = tr("введите цены, за которые продаются вещи на этих уровнях");
    } else if (!cheapest) {
        verdict = tr("каждая дорога стоит больше, чем можно сосчитать");
    } else {
        const RefineRoad& road = comparison.roads[*comparison.cheapest];
        // A finished item costs its price; a road to refine costs that on average.
        verdict = (road.bought() ? tr("дешевле всего: %1 — %2 Zeny") : tr("дешевле всего: %1 — в среднем %2 Zeny"))
                      .arg(RoadText(*cheapest, target), MoneyText(road.expected.cost));
        tip = comparison.nextBestExtra
                  ? tr("следующая по цене дорога дороже на %1 Zeny").arg(MoneyText(comparison.nextBestExtra))
                  : tr("сравнить не с чем");
    }
    verdict_->setText(verdict);
    verdict_->setToolTip(tip);
}

void RefineComparisonWindow::keepTypedPrice(std::int32_t level) {
    Row& row = rows_[static_cast<std::size_t>(level)];
    if (!row.typed || !request_) return;
    row.typed = false;
    book_.remember(PriceBook::RefineItemEntry(request_->classIndex, level), CoreText(row.price->text()),
                   SystemGroupSeparator());
}

void RefineComparisonWindow::keepTypedPrices() {
    for (std::int32_t level = 0; level < static_cast<std::int32_t>(rows_.size()); ++level) keepTypedPrice(level);
}

void RefineComparisonWindow::closeEvent(QCloseEvent* event) {
    keepTypedPrices();
    QWidget::closeEvent(event);
}

}  // namespace trivelon::gui
