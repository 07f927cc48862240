#pragma once
// The forge inputs as plain texts, each at its default until set.
#include <algorithm>
#include <optional>
#include <string>

#include "core/forge_input.h"

namespace trivelon {

// A request's error as the Russian interface reads it; empty for none.
inline std::string ErrorText(const std::optional<Message>& error) { return error ? error->sourceText() : ""; }

struct FakeInputs : ForgeInputTexts {
    // Every input at its default, the item as given.
    explicit FakeInputs(std::string item) {
        for (const ForgeInputField& field : ForgeInputFields()) text(field.input) = std::string(field.defaultText);
        text(ForgeInput::Item) = std::move(item);
    }

    FakeInputs& set(ForgeInput input, std::string typed) {
        text(input) = std::move(typed);
        return *this;
    }
    // Ticks a star crumb box; the tab keeps the ticked ones a prefix.
    FakeInputs& tick(int box) {
        starCrumbs = std::max(starCrumbs, box);
        return *this;
    }
};

}  // namespace trivelon
