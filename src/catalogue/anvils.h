#pragma once
// The anvils a weapon can be forged on, with what each adds to the success
// rate. Constant data.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace trivelon {

struct Anvil {
    std::string_view name;
    std::int32_t rateBonus;  // percentage points added to a weapon's success rate
};

// From no anvil to the best one.
inline constexpr std::array<Anvil, 5> kAnvils{{
    {"None", 0},
    {"Iron Anvil", 0},
    {"Oridecon Anvil", 3},
    {"Golden Anvil", 5},
    {"Emperium Anvil", 10},
}};

// The names alone, in the same order, for lists to pick from.
inline constexpr std::array<std::string_view, kAnvils.size()> kAnvilNames = [] {
    std::array<std::string_view, kAnvils.size()> names{};
    for (std::size_t i = 0; i < kAnvils.size(); ++i) names[i] = kAnvils[i].name;
    return names;
}();

// The anvil whose name equals the text exactly, or nullptr.
constexpr const Anvil* FindAnvil(std::string_view name) {
    for (const Anvil& anvil : kAnvils)
        if (anvil.name == name) return &anvil;
    return nullptr;
}

}  // namespace trivelon
