#include "gui/forge/forge_presenter.h"

#include "core/recipe.h"
#include "gui/forge/forge_result_window.h"
#include "gui/pictures/picture_loader.h"
#include "gui/widgets/error_reporter.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

void Load(PictureBox& box, std::string_view path) { ThrowIfFailed(LoadPicture(box, QtText(path))); }

// The rows in the order their pictures are loaded: the star crumbs before
// the element stone, so that a missing picture stops the filling there.
constexpr RecipeRowKind kFillOrder[] = {RecipeRowKind::Tool,       RecipeRowKind::Material1,
                                        RecipeRowKind::Material2,  RecipeRowKind::Material3,
                                        RecipeRowKind::StarCrumbs, RecipeRowKind::ElementStone};

// A statistic and its caption; both blank for an item without it.
void ShowStatistic(QLabel& caption, const QString& captionText, QLabel& value, bool shown, std::int32_t number) {
    caption.setText(shown ? captionText : QString());
    value.setText(shown ? QString::number(number) : QString());
}

void FillStatistics(ForgeResultWindow& w, const ForgeState& state) {
    w.title->setText(QtText(state.itemName));
    w.type->setText(QtText(state.typeText));
    w.weight->setText(QString::number(state.weight));
    ShowStatistic(*w.atkCaption, QStringLiteral("ATK:"), *w.atk, state.atk > 0, state.atk);
    ShowStatistic(*w.rangeCaption, QStringLiteral("Дистанция:"), *w.range, state.range > 0, state.range);
    const bool isWeapon = state.weaponLevel > 0;
    ShowStatistic(*w.weaponLevelCaption, QStringLiteral("Уровень:"), *w.weaponLevel, isWeapon, state.weaponLevel);
    ShowStatistic(*w.requiredBaseLevelCaption, QStringLiteral("Нужен Base:"), *w.requiredBaseLevel, isWeapon,
                  state.requiredBaseLevel);
}

}  // namespace

void FillResultWindow(ForgeResultWindow& w, const ForgeState& state) {
    Load(*w.bigPicture, state.bigPicture);
    w.description->setText(QtText(state.description));
    w.equip->setText(QtText(state.equip));
    w.showRate(state.rateText);
    FillStatistics(w, state);
    const Recipe recipe = RecipeOf(state);
    for (RecipeRowKind kind : kFillOrder) {
        const RecipeRow& row = recipe[IndexOf(kind)];
        if (!row.picture.empty()) Load(*w.row(kind).picture, row.picture);
        w.showRecipeRow(kind, row);
    }
    w.showFirstCost(state.cost, state.resource);
}

}  // namespace trivelon::gui
