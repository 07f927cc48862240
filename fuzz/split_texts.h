#pragma once
// Cuts fuzzer input into a fixed number of texts at newline bytes; texts that
// the input runs out before are empty, anything after the last one is ignored.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace trivelon::fuzz {

template <std::size_t N>
std::array<std::string, N> SplitTexts(std::string_view input) {
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N && !input.empty(); ++i) {
        const std::size_t end = input.find('\n');
        texts[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    return texts;
}

}  // namespace trivelon::fuzz
