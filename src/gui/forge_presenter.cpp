#include "gui/forge_presenter.h"

#include "gui/ItemForm.h"
#include "gui/error_reporter.h"
#include "gui/picture_loader.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

void Load(PictureBox& box, std::string_view path) { ThrowIfFailed(LoadPicture(box, QtText(path))); }

// One line of the recipe block. The tool row and material row 1 are always
// used and have no blank price cell.
struct RecipeRow {
    PictureBox* picture;
    QLabel* quantity;
    QLabel* name;
    QLineEdit* price;
    QLabel* noPrice;
    QLabel* unit;
};

struct RowContents {
    std::string_view picture;  // empty: the picture box keeps what it shows
    QString quantity;
    QString name;
    std::int32_t price;
};

// The quantity is written before the price, so that the recalculation the
// price edit starts finds a number there.
void ShowUsedRow(const RecipeRow& row, const RowContents& contents) {
    if (!contents.picture.empty()) Load(*row.picture, contents.picture);
    row.quantity->setText(contents.quantity);
    row.name->setText(contents.name);
    if (row.noPrice) row.noPrice->hide();
    row.price->show();
    row.price->setText(QString::number(contents.price));
    row.unit->setText(QtText(kPricePerUnit));
}

void ShowUnusedRow(const RecipeRow& row) {
    Load(*row.picture, kEmptyPicture);
    row.quantity->clear();
    row.name->clear();
    row.noPrice->show();
    row.price->hide();
    row.unit->clear();
}

void FillMaterialRow(const RecipeRow& row, const ForgeMaterial& material) {
    if (material.quantity > 0)
        ShowUsedRow(row, {material.picture, QString::number(material.quantity), QtText(material.name),
                          material.price});
    else
        ShowUnusedRow(row);
}

void FillStarCrumbRow(TDBForm& w, const ForgeState& state) {
    const RecipeRow row{w.crumbimg, w.crumb_quan, w.crumb_name, w.crumb_price, w.crumb_noprice, w.itzcrumb};
    if (state.starCrumbCount > 0)
        ShowUsedRow(row, {kStarCrumbPicture, QString::number(state.starCrumbCount), QtText(kStarCrumbName),
                          kStarCrumbPrice});
    else
        ShowUnusedRow(row);
}

// An element text that names no stone still shows its row, under the typed
// name and without a picture, so that a price can be typed for it.
void FillElementRow(TDBForm& w, const ForgeState& state) {
    const RecipeRow row{w.eleimg, w.ele_quan, w.ele_name, w.ele_price, w.ele_noprice, w.itzele};
    if (state.elementFlag == 0)
        ShowUnusedRow(row);
    else if (const ElementStone* stone = state.elementStone)
        ShowUsedRow(row, {stone->picture, QStringLiteral("1"), QtText(stone->name), stone->price});
    else
        ShowUsedRow(row, {{}, QStringLiteral("1"), QtText(state.elementName), 0});
}

void FillStatistics(TDBForm& w, const ForgeState& state) {
    w.WeaponName->setText(QtText(state.itemName));
    w.Type_sign->setText(QtText(state.typeText));
    w.weight_sign->setText(QString::number(state.weight));

    const bool hasAtk = state.atk > 0;
    w.atk->setText(hasAtk ? QStringLiteral("ATK:") : QString());
    w.atk_sign->setText(hasAtk ? QString::number(state.atk) : QString());

    const bool hasRange = state.range > 0;
    w.range->setText(hasRange ? QStringLiteral("Дистанция:") : QString());
    w.range_sign->setText(hasRange ? QString::number(state.range) : QString());

    const bool isWeapon = state.weaponLevel > 0;
    w.lvl->setText(isWeapon ? QStringLiteral("Уровень:") : QString());
    w.lvl_sign->setText(isWeapon ? QString::number(state.weaponLevel) : QString());
    w.baselev->setText(isWeapon ? QStringLiteral("Нужен Base:") : QString());
    w.baselev_sign->setText(isWeapon ? QString::number(state.requiredBaseLevel) : QString());
}

void FillToolRow(TDBForm& w, const ForgeState& state) {
    Load(*w.hammer, state.toolPicture);
    w.hammer_name->setText(QtText(state.toolName));
    w.hammer_price->setText(QString::number(state.toolPrice));
    w.itzham->setText(QtText(kPricePerUnit));
}

}  // namespace

void FillResultWindow(TDBForm& w, const ForgeState& state) {
    Load(*w.BigImage, state.bigPicture);
    w.descript->setText(QtText(state.description));
    w.Wear->setText(QtText(state.equip));
    w.rate->setText(QtText(state.rateText));
    FillStatistics(w, state);
    FillToolRow(w, state);
    ShowUsedRow({w.item1, w.it1_quan, w.it1_name, w.it1_price, nullptr, w.itz1},
                {state.materials[0].picture, QString::number(state.materials[0].quantity),
                 QtText(state.materials[0].name), state.materials[0].price});
    FillMaterialRow({w.item2, w.it2_quan, w.it2_name, w.it2_price, w.it2_noprice, w.itz2}, state.materials[1]);
    FillMaterialRow({w.item3, w.it3_quan, w.it3_name, w.it3_price, w.it3_noprice, w.itz3}, state.materials[2]);
    FillStarCrumbRow(w, state);
    FillElementRow(w, state);
    w.summ_price->setText(QString::number(state.cost));
}

}  // namespace trivelon::gui
