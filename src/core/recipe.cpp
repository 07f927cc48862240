// The recipe rows of a forge state: the one place that says which rows an
// attempt uses.
#include "recipe.h"

namespace trivelon {

namespace {

RecipeRow Used(std::string name, std::string picture, std::int32_t quantity, std::int32_t price) {
    return {true, std::move(name), std::move(picture), quantity, price, true};
}

RecipeRow Unused() { return {false, {}, std::string(kEmptyPicture), 0, 0, true}; }

RecipeRow MaterialRow(const ForgeMaterial& material, bool alwaysUsed) {
    if (!alwaysUsed && material.quantity <= 0) return Unused();
    return Used(material.name, material.picture, material.quantity, material.price);
}

RecipeRow ElementStoneRow(const ForgeState& state) {
    if (state.elementFlag == 0) return Unused();
    if (const ElementStone* stone = state.elementStone)
        return Used(std::string(stone->name), std::string(stone->picture), 1, state.elementStonePrice);
    return Used(state.elementName, {}, 1, state.elementStonePrice);
}

RecipeRow StarCrumbRow(const ForgeState& state) {
    if (state.starCrumbCount <= 0) return Unused();
    return Used(std::string(kStarCrumbName), std::string(kStarCrumbPicture), state.starCrumbCount,
                state.starCrumbPrice);
}

}  // namespace

Recipe RecipeOf(const ForgeState& state) {
    return {{
        {true, state.toolName, state.toolPicture, 1, state.toolPrice, false},
        MaterialRow(state.materials[0], true),
        MaterialRow(state.materials[1], false),
        MaterialRow(state.materials[2], false),
        ElementStoneRow(state),
        StarCrumbRow(state),
    }};
}

}  // namespace trivelon
