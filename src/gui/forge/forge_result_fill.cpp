// Filling a result window from a filled forge request, in the order the user
// sees the window fill: picture and texts, rate, statistics, recipe rows and
// the cost estimate last.
#include "core/recipe.h"
#include "gui/forge/forge_result_window.h"
#include "gui/pictures/picture_loader.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/error_reporter.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

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

}  // namespace

void ForgeResultWindow::showStatistics(const ForgeState& state) {
    title_->setText(QtText(state.itemName));
    type_->setText(Translated("Catalogue", state.typeText));
    weight_->setText(QString::number(state.weight));
    ShowStatistic(*atkCaption_, QStringLiteral("ATK:"), *atk_, state.atk > 0, state.atk);
    ShowStatistic(*rangeCaption_, tr("Дистанция:"), *range_, state.range > 0, state.range);
    const bool isWeapon = state.weaponLevel > 0;
    ShowStatistic(*weaponLevelCaption_, tr("Уровень:"), *weaponLevel_, isWeapon, state.weaponLevel);
    ShowStatistic(*requiredBaseLevelCaption_, tr("Нужен Base:"), *requiredBaseLevel_, isWeapon,
                  state.requiredBaseLevel);
}

void ForgeResultWindow::fill(const ForgeState& state) {
    quote_.emplace(state);
    Load(*bigPicture_, state.bigPicture);
    // The catalogue's texts in the player's language.
    description_->setText(Translated("Catalogue", state.description));
    equip_->setText(Translated("Catalogue", state.equip));
    rate_->setText(QtText(DecimalText(state.shownRate, SystemDecimalSeparator())));
    showStatistics(state);
    const Recipe recipe = RecipeOf(state);
    for (RecipeRowKind kind : kFillOrder) {
        const RecipeRow& row = recipe[IndexOf(kind)];
        if (!row.picture.empty()) Load(*this->row(kind).picture, row.picture);
        showRecipeRow(kind, row);
    }
    costShown_ = true;
    if (!quote_->resource()) showBudget();
    showCost();
    putRememberedPrices();
}

}  // namespace trivelon::gui
