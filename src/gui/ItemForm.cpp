#include "gui/ItemForm.h"

#include "gui/control_factory.h"
#include "gui/decimal_separator.h"
#include "gui/error_reporter.h"
#include "gui/known_format_image.h"
#include "gui/widgets/wallpaper.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

constexpr int kClientWidth = 505;
constexpr int kClientHeight = 490;
constexpr int kRowHeight = 24;

const QColor kYellow(255, 255, 0);
const QColor kCream(255, 251, 240);
const QColor kWhite(255, 255, 255);

// How a label looks: an opaque box of one colour with text in Arial.
struct Look {
    QColor background;
    int pixelSize;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    QString family = QStringLiteral("Arial");
};

QLabel* MakeLabel(QWidget* panel, const QRect& place, const Look& look, const QString& text = QString()) {
    auto* label = new QLabel(text, panel);
    label->setGeometry(place);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, look.background);
    label->setPalette(palette);
    label->setFont(PixelFont(look.family, look.pixelSize, look.bold));
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wrap);
    return label;
}

PictureBox* MakePicture(QWidget* panel, const QRect& place) {
    auto* box = new PictureBox(panel);
    box->setGeometry(place);
    return box;
}

// One row of the recipe block: quantity, picture, name, unit price, unit.
struct RecipeRow {
    QLabel* quantity;
    PictureBox* picture;
    QLabel* name;
    QLabel* unit;
};

constexpr int kPriceLeft = 336;
constexpr int kPriceWidth = 81;

RecipeRow MakeRecipeRow(QWidget* panel, int top, const QString& quantity, const QString& name) {
    const Look cell{kWhite, 13};
    const Look quantityCell{kWhite, 13, false, Qt::AlignRight | Qt::AlignVCenter};
    return {MakeLabel(panel, QRect(160, top, 33, kRowHeight), quantityCell, quantity),
            MakePicture(panel, QRect(192, top, 24, kRowHeight)),
            MakeLabel(panel, QRect(216, top, 121, kRowHeight), cell, name),
            MakeLabel(panel, QRect(416, top, 73, kRowHeight), cell, QStringLiteral("Zeny/шт"))};
}

QLineEdit* MakePriceEdit(QWidget* panel, int top) {
    auto* edit = new QLineEdit(QStringLiteral("0"), panel);
    edit->setGeometry(kPriceLeft, top, kPriceWidth, kRowHeight);
    edit->setFont(PixelFont(QStringLiteral("Arial"), 15));
    return edit;
}

// The empty white box shown instead of the price edit of an unused row.
QLabel* MakeBlankPriceCell(QWidget* panel, int top) {
    const Look blank{kWhite, 16, false, Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("MS Sans Serif")};
    QLabel* cell = MakeLabel(panel, QRect(kPriceLeft, top, kPriceWidth, kRowHeight), blank);
    cell->hide();
    return cell;
}

std::string TextOf(const QLabel* label) { return CoreText(label->text()); }
std::string TextOf(const QLineEdit* edit) { return CoreText(edit->text()); }

}  // namespace

QPointer<TDBForm>& TDBForm::DBForm() {
    static QPointer<TDBForm> newest;
    return newest;
}

TDBForm::TDBForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Result windows live beside the main window; closing the main window
    // ends the program even while some of them are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("DBForm"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    auto* panel = new QWidget(this);
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);
    // Every result window shows the same tile: it is decoded once.
    static const QImage tile = BuiltInPicture(QStringLiteral(":/pictures/wallpaper_result.bmp"));
    auto* wallpaper = new Wallpaper(tile, panel);
    wallpaper->setGeometry(1, 1, kClientWidth - 2, kClientHeight - 2);

    const QColor highlight = palette().color(QPalette::Light);
    const Look title{kYellow, 16, true};
    const Look caption{kCream, 15};
    const Look value{highlight, 15, false, Qt::AlignCenter};

    WeaponName = MakeLabel(panel, QRect(16, 16, 473, 25), title, QStringLiteral("Weapon Name"));
    BigImage = MakePicture(panel, QRect(16, 42, 75, 100));
    TypeItem = MakeLabel(panel, QRect(92, 42, 101, 25), caption, QStringLiteral("Тип:"));
    atk = MakeLabel(panel, QRect(92, 66, 101, 25), caption, QStringLiteral("ATK:"));
    lvl = MakeLabel(panel, QRect(92, 90, 101, 25), caption, QStringLiteral("Уровень:"));
    Type_sign = MakeLabel(panel, QRect(193, 42, 99, 25), value);
    atk_sign = MakeLabel(panel, QRect(193, 66, 99, 25), value);
    lvl_sign = MakeLabel(panel, QRect(193, 90, 99, 25), value);
    weight = MakeLabel(panel, QRect(293, 42, 100, 25), caption, QStringLiteral("Вес:"));
    range = MakeLabel(panel, QRect(293, 66, 100, 25), caption, QStringLiteral("Дистанция:"));
    baselev = MakeLabel(panel, QRect(293, 90, 100, 25), caption, QStringLiteral("Нужен Base:"));
    weight_sign = MakeLabel(panel, QRect(393, 42, 96, 25), value);
    range_sign = MakeLabel(panel, QRect(393, 66, 96, 25), value);
    baselev_sign = MakeLabel(panel, QRect(393, 90, 96, 25), value);
    Label1 = MakeLabel(panel, QRect(92, 115, 316, 27), title, QStringLiteral("Вероятность успешной ковки"));
    rate = MakeLabel(panel, QRect(408, 115, 56, 27), Look{kYellow, 19, true, Qt::AlignCenter});
    Label2 = MakeLabel(panel, QRect(464, 115, 25, 27), title, QStringLiteral("%"));
    const Qt::Alignment fromTop = Qt::AlignLeft | Qt::AlignTop;
    descript = MakeLabel(panel, QRect(16, 143, 473, 80), Look{kWhite, 13, false, fromTop, true});
    Wear = MakeLabel(panel, QRect(16, 224, 473, 79), Look{highlight, 13, false, fromTop, true});

    Label6 = MakeLabel(panel, QRect(16, 304, 143, 144), Look{kCream, 16, true}, QStringLiteral("Для ковки надо:"));
    const RecipeRow tool = MakeRecipeRow(panel, 304, QStringLiteral("1"), QStringLiteral("hammer_name"));
    hammer_quan = tool.quantity, hammer = tool.picture, hammer_name = tool.name, itzham = tool.unit;
    hammer_price = MakeLabel(panel, QRect(kPriceLeft, 304, kPriceWidth, kRowHeight), Look{kWhite, 15},
                             QStringLiteral("hammer_price"));

    const RecipeRow first = MakeRecipeRow(panel, 328, QStringLiteral("2"), QStringLiteral("it1_name"));
    it1_quan = first.quantity, item1 = first.picture, it1_name = first.name, itz1 = first.unit;
    it1_price = MakePriceEdit(panel, 328);

    const RecipeRow second = MakeRecipeRow(panel, 352, QStringLiteral("3"), QStringLiteral("it2_name"));
    it2_quan = second.quantity, item2 = second.picture, it2_name = second.name, itz2 = second.unit;
    it2_price = MakePriceEdit(panel, 352);
    it2_noprice = MakeBlankPriceCell(panel, 352);

    const RecipeRow third = MakeRecipeRow(panel, 376, QStringLiteral("4"), QStringLiteral("it3_name"));
    it3_quan = third.quantity, item3 = third.picture, it3_name = third.name, itz3 = third.unit;
    it3_price = MakePriceEdit(panel, 376);
    it3_noprice = MakeBlankPriceCell(panel, 376);

    const RecipeRow element = MakeRecipeRow(panel, 400, QStringLiteral("1"), QStringLiteral("ele_name"));
    ele_quan = element.quantity, eleimg = element.picture, ele_name = element.name, itzele = element.unit;
    ele_price = MakePriceEdit(panel, 400);
    ele_noprice = MakeBlankPriceCell(panel, 400);

    const RecipeRow crumb = MakeRecipeRow(panel, 424, QStringLiteral("6"), QStringLiteral("crumb_name"));
    crumb_quan = crumb.quantity, crumbimg = crumb.picture, crumb_name = crumb.name, itzcrumb = crumb.unit;
    crumb_price = MakePriceEdit(panel, 424);
    crumb_noprice = MakeBlankPriceCell(panel, 424);

    Label3 = MakeLabel(panel, QRect(16, 449, 313, 25), title, QStringLiteral("Средняя себестоимость ковки:"));
    summ_price = MakeLabel(panel, QRect(329, 449, 119, 25), Look{kYellow, 16, true, Qt::AlignCenter});
    Label5 = MakeLabel(panel, QRect(448, 449, 41, 25), title, QStringLiteral("Zeny"));

    QLineEdit* const priceEdits[] = {it1_price, it2_price, it3_price, ele_price, crumb_price};
    for (QLineEdit* edit : priceEdits) connect(edit, &QLineEdit::textChanged, this, &TDBForm::priceChange);
    for (int i = 1; i < 5; ++i) setTabOrder(priceEdits[i - 1], priceEdits[i]);

    DBForm() = this;
}

ForgeCostSheet TDBForm::costSheet() const {
    ForgeCostSheet sheet;
    sheet.toolName = TextOf(hammer_name);
    sheet.toolQuantity = TextOf(hammer_quan);
    sheet.toolPrice = TextOf(hammer_price);
    sheet.pricedRows = {{{TextOf(it1_quan), TextOf(it1_price)},
                         {TextOf(it2_quan), TextOf(it2_price)},
                         {TextOf(it3_quan), TextOf(it3_price)},
                         {TextOf(ele_quan), TextOf(ele_price)},
                         {TextOf(crumb_quan), TextOf(crumb_price)}}};
    sheet.rate = TextOf(rate);
    return sheet;
}

// Only a window that shows a cost gets a new one. The forge request writes
// the first cost as its last step; until then, and for good when a picture
// stopped the filling part way, rows still hold their design quantities, and
// a cost worked out over them would be made up.
void TDBForm::priceChange() {
    Guarded([this] {
        const std::string cost = Take(RecalculateForgeCost(costSheet(), SystemDecimalSeparator()));
        if (!summ_price->text().isEmpty()) summ_price->setText(QtText(cost));
    });
}

}  // namespace trivelon::gui
