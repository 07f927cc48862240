#pragma once
// What one forging attempt uses: the tool, three material slots, the element
// stone and the star crumbs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "forge_request.h"

namespace trivelon {

// The rows of a recipe, in order.
enum class RecipeRowKind { Tool, Material1, Material2, Material3, ElementStone, StarCrumbs };
inline constexpr std::size_t kRecipeRowCount = 6;

inline constexpr std::size_t IndexOf(RecipeRowKind kind) { return static_cast<std::size_t>(kind); }

struct RecipeRow {
    // A row the recipe does not use has the empty placeholder picture, no
    // quantity, no name and no price.
    bool used = false;
    std::string name;
    // The picture to load; empty where a typed element names no stone, whose
    // row has the typed text as its name and no picture.
    std::string picture;
    std::int32_t quantity = 0;
    std::int32_t price = 0;
    // The tool's price is fixed; every other row's price can be typed.
    bool priceEditable = false;
};

using Recipe = std::array<RecipeRow, kRecipeRowCount>;

// The rows of a filled forge state: the tool and material 1 always, material
// 2 and 3 when their quantity is above 0, the element stone when an element
// was chosen (a typed text that names no stone keeps its row, at price 0),
// the star crumbs when at least one was added.
Recipe RecipeOf(const ForgeState& state);

}  // namespace trivelon
