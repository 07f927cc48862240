// The chart window: the chart above, the typed sum and its chance below.
#include "gui/budget/budget_chart_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/money_text.h"
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

constexpr int kWidth = 560;
constexpr int kHeight = 400;
constexpr int kFieldWidth = 150;

QLabel* MakeCaption(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

BudgetChartWindow::BudgetChartWindow(PriceBook& book, QWidget* parent)
    : SideWindow(parent),
      book_(book),
      chart_(new BudgetChart(this)),
      moneyField_(new QLineEdit(this)),
      chanceLabel_(MakeCaption(QString(), QStringLiteral("chanceLabel"), this)) {
    setObjectName(QStringLiteral("budgetChartWindow"));
    setWindowTitle(tr("График"));
    InstallHelpKey(*this);
    setFont(PixelFont(QStringLiteral("Arial"), 15));
    resize(kWidth, kHeight);

    moneyField_->setObjectName(QStringLiteral("moneyField"));
    moneyField_->setFixedWidth(kFieldWidth);
    chart_->setAccessibleName(tr("График шанса успеха от суммы"));
    QLabel* moneyCaption = MakeCaption(tr("У меня есть"), QStringLiteral("moneyCaption"), this);
    CaptionOf(*moneyCaption, *moneyField_);
    // Top to bottom: the chart, then the sum.
    setTabOrder(chart_, moneyField_);
    auto* row = new QHBoxLayout;
    row->addWidget(moneyCaption);
    row->addWidget(moneyField_);
    row->addWidget(MakeCaption(QStringLiteral("Zeny"), QStringLiteral("zenyCaption"), this));
    row->addSpacing(16);
    row->addWidget(chanceLabel_, 1);
    auto* layout = new QVBoxLayout(content());
    layout->addWidget(chart_, 1);
    layout->addLayout(row);
    // Typing starts in the sum, now in its place in the layout.
    moneyField_->setFocus();

    connect(moneyField_, &QLineEdit::textChanged, this, &BudgetChartWindow::showChanceOfMoney);
    connect(moneyField_, &QLineEdit::textEdited, this, [this] { moneyTyped_ = true; });
    connect(moneyField_, &QLineEdit::editingFinished, this, &BudgetChartWindow::keepTypedMoney);
    setCalculation({});
    if (const std::optional<std::string> money = book_.text(PriceBook::kMoneyEntry))
        moneyField_->setText(QtText(*money));
}

// Closing the window takes the focus from the sum field while QWidget's own
// destructor runs, and the field then reports that editing finished: by then
// this window's part is gone, so the field is no longer listened to.
BudgetChartWindow::~BudgetChartWindow() { moneyField_->disconnect(this); }

void BudgetChartWindow::setCalculation(const BudgetCalculation& calculation) {
    calculation_ = calculation;
    chart_->setCalculation(calculation);
    showChanceOfMoney();
}

void BudgetChartWindow::keepTypedMoney() {
    if (!moneyTyped_) return;
    moneyTyped_ = false;
    book_.remember(PriceBook::kMoneyEntry, CoreText(moneyField_->text()), SystemGroupSeparator());
}

void BudgetChartWindow::closeEvent(QCloseEvent* event) {
    keepTypedMoney();
    QWidget::closeEvent(event);
}

void BudgetChartWindow::showChanceOfMoney() {
    const TypedSum money = ReadTypedSum(CoreText(moneyField_->text()), SystemGroupSeparator());
    chart_->setMoney(money.reading == TypedSum::Reading::Zeny ? std::optional(money.zeny) : std::nullopt);
    MarkProblem(*moneyField_, money.reading == TypedSum::Reading::Unreadable
                                  ? FieldProblem(*moneyField_, UnreadableSumToolTip())
                                  : QString());
    switch (money.reading) {
        case TypedSum::Reading::Blank: chanceLabel_->clear(); return;
        case TypedSum::Reading::Unreadable: chanceLabel_->setText(tr("не могу прочитать сумму")); return;
        case TypedSum::Reading::TooMuch: chanceLabel_->setText(TooMuchMoney()); return;
        case TypedSum::Reading::Zeny: break;
    }
    QString chance = QStringLiteral("—");
    if (calculation_.curve) {
        // Tries that cost nothing are all paid for.
        const std::int32_t tenths = calculation_.tryCost <= 0
                                        ? 1000
                                        : ChanceInTenths(calculation_.curve->within(static_cast<double>(money.zeny)),
                                                         calculation_.curve->certain);
        chance = QtText(PercentText(tenths, SystemDecimalSeparator())) + QStringLiteral(" %");
    }
    chanceLabel_->setText(tr("Шанс успеха: %1").arg(chance));
}

}  // namespace trivelon::gui
