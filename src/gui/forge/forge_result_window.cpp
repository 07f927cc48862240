#include "gui/forge/forge_result_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>

#include "gui/widgets/accessibility.h"
#include "gui/widgets/amount_label.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/error_reporter.h"
#include "gui/widgets/help_window.h"
#include "gui/widgets/input_marks.h"
#include "gui/widgets/known_format_image.h"
#include "gui/widgets/screen_fit.h"
#include "gui/widgets/side_window.h"
#include "gui/widgets/tab_panel.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

namespace {

constexpr int kClientWidth = 505;
constexpr int kClientHeight = 490;
constexpr int kRowHeight = 24;
// A weapon's window grows by the block of budgets: three rows and the margin.
constexpr int kBudgetTop = 475;
constexpr int kClientHeightWithBudget = kBudgetTop + 3 * kRowHeight + 16;

// How a label looks: an opaque box of one colour with text, in Arial unless
// another family is named.
BoxLabelLook Look(QColor background, int pixelSize, bool bold = false,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool wrap = false,
                  const QString& family = QStringLiteral("Arial")) {
    return {background, PixelFont(family, pixelSize, bold), alignment, wrap};
}

QLabel* MakeLabel(QWidget* panel, const QRect& place, const BoxLabelLook& look, const QString& text = QString()) {
    return AddBoxLabel(panel, text, place, look);
}

PictureBox* MakePicture(QWidget* panel, const QRect& place) {
    auto* box = new PictureBox(panel);
    box->setGeometry(place);
    return box;
}

// Where each row of the recipe block stands, its design texts (shown until
// the window is filled) and the name its controls take.
struct RowDesign {
    int top;
    const char* quantity;
    const char* name;
    const char* objectName;
};

constexpr RowDesign kRowDesigns[kRecipeRowCount] = {
    {304, "1", "hammer_name", "tool"},   {328, "2", "it1_name", "material1"},    {352, "3", "it2_name", "material2"},
    {376, "4", "it3_name", "material3"}, {400, "1", "ele_name", "elementStone"}, {424, "6", "crumb_name", "starCrumbs"},
};

constexpr int kPriceLeft = 336;
constexpr int kPriceWidth = 81;

template <class Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLineEdit* MakePriceEdit(QWidget* panel, int top) {
    auto* edit = new QLineEdit(QStringLiteral("0"), panel);
    edit->setGeometry(kPriceLeft, top, kPriceWidth, kRowHeight);
    edit->setFont(PixelFont(QStringLiteral("Arial"), 15));
    return edit;
}

// The empty white box shown instead of the price edit of an unused row.
QLabel* MakeBlankPriceCell(QWidget* panel, int top) {
    const BoxLabelLook blank =
        Look(kWhite, 16, false, Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("MS Sans Serif"));
    QLabel* cell = MakeLabel(panel, QRect(kPriceLeft, top, kPriceWidth, kRowHeight), blank);
    cell->hide();
    return cell;
}

// One row: quantity, picture, name, unit price, unit. The tool's price is a
// label; material 1 and the tool are always used and have no blank cell.
RecipeRowControls MakeRecipeRow(QWidget* panel, RecipeRowKind kind) {
    const RowDesign& design = kRowDesigns[IndexOf(kind)];
    const QString name = QLatin1String(design.objectName);
    const int top = design.top;
    const BoxLabelLook cell = Look(kWhite, 13);
    const BoxLabelLook quantityCell = Look(kWhite, 13, false, Qt::AlignRight | Qt::AlignVCenter);
    RecipeRowControls row{};
    row.quantity =
        Named(MakeLabel(panel, QRect(160, top, 33, kRowHeight), quantityCell, QLatin1String(design.quantity)),
              name + QStringLiteral("Quantity"));
    row.picture = Named(MakePicture(panel, QRect(192, top, 24, kRowHeight)), name + QStringLiteral("Picture"));
    row.name = Named(MakeLabel(panel, QRect(216, top, 121, kRowHeight), cell, QLatin1String(design.name)),
                     name + QStringLiteral("Name"));
    if (kind == RecipeRowKind::Tool) {
        row.fixedPrice = MakeLabel(panel, QRect(kPriceLeft, top, kPriceWidth, kRowHeight), Look(kWhite, 15),
                                   QStringLiteral("hammer_price"));
        Named(row.fixedPrice, name + QStringLiteral("Price"));
    } else {
        row.priceEdit = Named(MakePriceEdit(panel, top), name + QStringLiteral("Price"));
        if (kind != RecipeRowKind::Material1)
            row.blankPrice = Named(MakeBlankPriceCell(panel, top), name + QStringLiteral("BlankPrice"));
    }
    row.unit = Named(MakeLabel(panel, QRect(416, top, 73, kRowHeight), cell,
                               QCoreApplication::translate("ForgeResultWindow", "Zeny/шт")),
                     name + QStringLiteral("Unit"));
    // The unit's box begins on the price box's last column: the price box
    // stays whole above it.
    for (QWidget* price : {static_cast<QWidget*>(row.priceEdit), static_cast<QWidget*>(row.blankPrice)})
        if (price) price->raise();
    return row;
}

}  // namespace

ForgeResultWindow::ForgeResultWindow(ErrorReporter& reporter, PriceBook& book, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      reporter_(reporter),
      book_(book) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Result windows live beside the main window; closing the main window
    // ends the program even while some of them are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("DBForm"));
    InstallHelpKey(*this);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    // Every result window shows the same tile: it is decoded once.
    static const QImage tile = BuiltInPicture(QStringLiteral(":/pictures/wallpaper_result.bmp"));
    panel_ = new TabPanel(tile, this);
    panel_->resize(kClientWidth, kClientHeight);
    QWidget* panel = panel_;

    const QColor highlight = palette().color(QPalette::Light);
    const BoxLabelLook headline = Look(kYellow, 16, true);
    const BoxLabelLook caption = Look(kCream, 15);
    const BoxLabelLook value = Look(highlight, 15, false, Qt::AlignCenter);

    title_ = Named(MakeLabel(panel, QRect(16, 16, 473, 25), headline, QStringLiteral("Weapon Name")), "title");
    bigPicture_ = Named(MakePicture(panel, QRect(16, 42, 75, 100)), "bigPicture");
    QLabel* typeCaption = MakeLabel(panel, QRect(92, 42, 101, 25), caption, tr("Тип:"));
    atkCaption_ = Named(MakeLabel(panel, QRect(92, 66, 101, 25), caption, QStringLiteral("ATK:")), "atkCaption");
    weaponLevelCaption_ =
        Named(MakeLabel(panel, QRect(92, 90, 101, 25), caption, tr("Уровень:")), "weaponLevelCaption");
    type_ = Named(MakeLabel(panel, QRect(193, 42, 99, 25), value), "type");
    atk_ = Named(MakeLabel(panel, QRect(193, 66, 99, 25), value), "atk");
    weaponLevel_ = Named(MakeLabel(panel, QRect(193, 90, 99, 25), value), "weaponLevel");
    QLabel* weightCaption = MakeLabel(panel, QRect(293, 42, 100, 25), caption, tr("Вес:"));
    rangeCaption_ = Named(MakeLabel(panel, QRect(293, 66, 100, 25), caption, tr("Дистанция:")), "rangeCaption");
    requiredBaseLevelCaption_ =
        Named(MakeLabel(panel, QRect(293, 90, 100, 25), caption, tr("Нужен Base:")), "requiredBaseLevelCaption");
    weight_ = Named(MakeLabel(panel, QRect(393, 42, 96, 25), value), "weight");
    range_ = Named(MakeLabel(panel, QRect(393, 66, 96, 25), value), "range");
    requiredBaseLevel_ = Named(MakeLabel(panel, QRect(393, 90, 96, 25), value), "requiredBaseLevel");
    // Each statistic is read with its caption, which stands apart from it.
    for (auto [figure, figureCaption] :
         {std::pair{type_, typeCaption}, std::pair{atk_, atkCaption_}, std::pair{weaponLevel_, weaponLevelCaption_},
          std::pair{weight_, weightCaption}, std::pair{range_, rangeCaption_},
          std::pair{requiredBaseLevel_, requiredBaseLevelCaption_}})
        NameFigure(*figure, figureCaption->text());
    const QLabel* rateCaption = MakeLabel(panel, QRect(92, 115, 316, 27), headline, tr("Вероятность успешной ковки"));
    rate_ = Named(MakeLabel(panel, QRect(408, 115, 56, 27), Look(kYellow, 19, true, Qt::AlignCenter)), "rate");
    NameFigure(*rate_, rateCaption->text(),
               MakeLabel(panel, QRect(464, 115, 25, 27), headline, QStringLiteral("%"))->text());
    const Qt::Alignment fromTop = Qt::AlignLeft | Qt::AlignTop;
    description_ =
        Named(MakeLabel(panel, QRect(16, 143, 473, 80), Look(kWhite, 13, false, fromTop, true)), "description");
    equip_ = Named(MakeLabel(panel, QRect(16, 224, 473, 79), Look(highlight, 13, false, fromTop, true)), "equip");

    MakeLabel(panel, QRect(16, 304, 143, 144), Look(kCream, 16, true), tr("Для ковки надо:"));
    for (std::size_t row = 0; row < kRecipeRowCount; ++row)
        recipeRows_[row] = MakeRecipeRow(panel, static_cast<RecipeRowKind>(row));

    const QLabel* costCaption = MakeLabel(panel, QRect(16, 449, 313, 25), headline, tr("Средняя себестоимость ковки:"));
    averageCost_ =
        Named(MakeLabel(panel, QRect(329, 449, 119, 25), Look(kYellow, 16, true, Qt::AlignCenter)), "averageCost");
    NameFigure(*averageCost_, costCaption->text(),
               MakeLabel(panel, QRect(448, 449, 41, 25), headline, QStringLiteral("Zeny"))->text());

    // The price edits take the focus in row order.
    QLineEdit* previous = nullptr;
    for (std::size_t index = 0; index < kRecipeRowCount; ++index) {
        const RecipeRowControls& row = recipeRows_[index];
        if (!row.priceEdit) continue;
        const auto kind = static_cast<RecipeRowKind>(index);
        connect(row.priceEdit, &QLineEdit::textChanged, this, [this, kind] { priceEdited(kind); });
        connect(row.priceEdit, &QLineEdit::textEdited, this, [this, kind] { typed_[IndexOf(kind)] = true; });
        connect(row.priceEdit, &QLineEdit::editingFinished, this, [this, kind] { keepTypedPrice(kind); });
        if (previous) setTabOrder(previous, row.priceEdit);
        previous = row.priceEdit;
    }
    lastPriceEdit_ = previous;
}

// Closing the window takes the focus from a price edit while QWidget's own
// destructor runs, and the edit then reports that editing finished: by then
// this window's part is gone, so the edits are no longer listened to.
ForgeResultWindow::~ForgeResultWindow() {
    for (const RecipeRowControls& row : recipeRows_)
        if (row.priceEdit) row.priceEdit->disconnect(this);
}

// Built only for a weapon's window, when it is filled, so that other windows
// do not pay for it.
void ForgeResultWindow::showBudget() {
    panel_->resize(kClientWidth, kClientHeightWithBudget);
    fitToScreen();
    auto* block = new QWidget(panel_);
    block->setGeometry(0, kBudgetTop, kClientWidth, 3 * kRowHeight);
    QLabel* caption = MakeLabel(block, QRect(16, 0, 143, 2 * kRowHeight), Look(kCream, 16, true, Qt::AlignCenter, true),
                                tr("Хватит с вероятностью:"));
    chartButton_ = Named(new QPushButton(tr("График..."), block), "chartButton");
    chartButton_->setGeometry(16, 2 * kRowHeight, 143, kRowHeight);
    budget_ = new BudgetTable({tr("Попыток"), QStringLiteral("Zeny")},
                              {80, 83, kRowHeight, Look(kYellow, 16, true), Look(kWhite, 13)}, block);
    budget_->setObjectName(QStringLiteral("budget"));
    budget_->move(160, 0);
    CaptionOf(*caption, *budget_);
    // The block is read left to right: the button, then the table.
    setTabOrder(lastPriceEdit_, chartButton_);
    setTabOrder(chartButton_, budget_);
    connect(chartButton_, &QPushButton::clicked, this, &ForgeResultWindow::openChart);
    block->show();
}

void ForgeResultWindow::keyPressEvent(QKeyEvent* event) {
    if (!CloseOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

void ForgeResultWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    fitToScreen();
    // The window system may give the window its final frame (a title bar of
    // another height at another scale) only once it is on screen: the window
    // is fitted again to that frame.
    QTimer::singleShot(0, this, &ForgeResultWindow::fitToScreen);
}

// The panel moves into a scroll area only when the window cannot show it
// whole: on most screens it never does, and a press then builds, shows and
// destroys no scroll area.
void ForgeResultWindow::fitToScreen() {
    const QSize fitted =
        FittedSize(panel_->size(), ClientRoom(*this), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    if (fitted != panel_->size() && !scrollArea_) {
        // Moving the panel may take the focus from the control in it.
        const QPointer<QWidget> focused = focusWidget();
        scrollArea_ = MakeContentScrollArea(*this, panel_, false);
        if (focused) focused->setFocus();
    }
    setFixedSize(fitted);
    if (isVisible()) KeepInsideScreen(*this);
}

void ForgeResultWindow::updateBudget() {
    BudgetFigures tries, zeny;
    // The attempts show even where their Zeny lies beyond 64 bits.
    if (const auto counts = quote_->budgetTries()) std::copy(counts->begin(), counts->end(), tries.begin());
    if (const std::optional<Budget> plan = quote_->budget())
        for (std::size_t i = 0; i < plan->levels.size(); ++i) zeny[i] = plan->levels[i].cost;
    budget_->showFigures(0, tries);
    budget_->showFigures(1, zeny);
    const std::optional<ForgeAttempt> attempt = quote_->attempt();
    if (!chart_ || !attempt) return;
    BudgetCalculation calculation = EqualTries(attempt->chance, attempt->price, quote_->cost(), quote_->budget());
    calculation.budgetTexts = budget_->certaintyTexts(1);
    calculation.averageToolTip =
        tr("Средняя себестоимость ковки: попыток на один успех в среднем, "
           "100 / шанс с округлением вверх, по цене одной попытки");
    chart_->setCalculation(calculation);
}

void ForgeResultWindow::openChart() {
    Guarded(reporter_, [this] {
        if (!chart_) {
            chart_ = new BudgetChartWindow(book_, this);
            chart_->setWindowTitle(tr("График: %1").arg(title_->text()));
        }
        updateBudget();
        chart_->show();
        chart_->raise();
        chart_->activateWindow();
    });
}

void ForgeResultWindow::showRecipeRow(RecipeRowKind kind, const RecipeRow& recipeRow) {
    const RecipeRowControls& controls = row(kind);
    goods_[IndexOf(kind)] = recipeRow.used && !recipeRow.picture.empty() ? recipeRow.name : std::string();
    if (!recipeRow.used) {
        controls.quantity->clear();
        controls.name->clear();
        controls.blankPrice->show();
        controls.priceEdit->hide();
        controls.unit->clear();
        return;
    }
    controls.quantity->setText(QString::number(recipeRow.quantity));
    controls.name->setText(QtText(recipeRow.name));
    // A row is read as its good's quantity and price.
    const QString priceName = tr("Цена: %1").arg(controls.name->text());
    NameFigure(*controls.quantity, controls.name->text(), tr("шт."));
    const QString perUnit = Translated("Catalogue", kPricePerUnit);
    if (kind == RecipeRowKind::Tool) {
        controls.fixedPrice->setText(QString::number(recipeRow.price));
        NameFigure(*controls.fixedPrice, priceName, perUnit);
    } else {
        controls.priceEdit->setAccessibleName(priceName);
        if (controls.blankPrice) controls.blankPrice->hide();
        controls.priceEdit->show();
        // The edit reports the new text, and its handler reads it.
        controls.priceEdit->setText(QString::number(recipeRow.price));
    }
    controls.unit->setText(perUnit);
}

void ForgeResultWindow::showCost() {
    ShowAmount(*averageCost_, quote_->cost());
    if (budget_) updateBudget();
}

void ForgeResultWindow::putRememberedPrices() {
    for (std::size_t index = 0; index < kRecipeRowCount; ++index) {
        const RecipeRowControls& controls = recipeRows_[index];
        if (!controls.priceEdit || goods_[index].empty()) continue;
        // Each changed text runs the price handler: the cost and the
        // budgets follow, as they do for typing.
        if (const std::optional<std::string> price = book_.text(goods_[index]))
            controls.priceEdit->setText(QtText(*price));
    }
}

void ForgeResultWindow::keepTypedPrice(RecipeRowKind kind) {
    const std::size_t index = IndexOf(kind);
    if (!typed_[index] || goods_[index].empty()) return;
    typed_[index] = false;
    book_.remember(goods_[index], CoreText(row(kind).priceEdit->text()), SystemGroupSeparator());
}

void ForgeResultWindow::closeEvent(QCloseEvent* event) {
    for (std::size_t index = 0; index < kRecipeRowCount; ++index)
        if (recipeRows_[index].priceEdit) keepTypedPrice(static_cast<RecipeRowKind>(index));
    QWidget::closeEvent(event);
}

// The quote reads the typed text once; the cost follows from the moment the
// first cost is shown, as the filling sets each row's price before it.
void ForgeResultWindow::priceEdited(RecipeRowKind kind) {
    if (!quote_) return;
    QLineEdit& edit = *row(kind).priceEdit;
    quote_->typePrice(kind, CoreText(edit.text()), SystemGroupSeparator());
    MarkProblem(edit, quote_->countedAsZero(kind) ? FieldProblem(edit, UnreadableSumToolTip()) : QString());
    if (costShown_) showCost();
}

}  // namespace trivelon::gui
