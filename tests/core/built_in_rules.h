#pragma once
// The built-in rules' refine classes by their number in the class list, from
// 1, as the tests' tables name them.
#include <cstddef>
#include <cstdint>

#include "core/rules.h"

namespace trivelon {

inline const RefineClassRule& BuiltInClass(std::int32_t number) {
    return BuiltInRules().refine.classes.at(static_cast<std::size_t>(number - 1));
}

}  // namespace trivelon
