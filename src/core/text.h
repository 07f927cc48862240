#pragma once
// Joins texts in one allocation. (Also sidesteps GCC 12's false -Wrestrict
// warning on "literal" + std::string in optimised builds.)
#include <initializer_list>
#include <string>
#include <string_view>

namespace trivelon {

inline std::string Join(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string joined;
    joined.reserve(size);
    for (std::string_view part : parts) joined.append(part);
    return joined;
}

}  // namespace trivelon
