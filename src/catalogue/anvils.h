#pragma once
// The anvils a weapon can be forged on; what each adds to the success rate
// is a server's (see Rules). Constant data.
#include <array>
#include <string_view>

namespace trivelon {

// From no anvil to the best one, as the anvil list offers them.
inline constexpr std::array<std::string_view, 5> kAnvilNames{"None", "Iron Anvil", "Oridecon Anvil", "Golden Anvil",
                                                             "Emperium Anvil"};
// Each anvil's id, as the settings keep it.
inline constexpr std::array<std::string_view, 5> kAnvilIds{"none", "iron-anvil", "oridecon-anvil", "golden-anvil",
                                                           "emperium-anvil"};

}  // namespace trivelon
