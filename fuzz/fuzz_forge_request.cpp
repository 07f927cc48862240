// The forge request over arbitrary control texts. Input: a flag byte (bits 0
// and 1 give the star crumbs added, bit 3 takes the item from the selector,
// bit 4 picks "," as the decimal separator), a selector row index byte, then
// the 19 control texts in the order of trivelon::ForgeInput, one per line.
// A filled result must have a clamped rate whose text reads back, and the
// prices it starts with typed back into its quote must keep its first cost.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "core/forge_quote.h"
#include "core/forge_request.h"
#include "core/numbers.h"
#include "split_texts.h"

using trivelon::fuzz::Require;

namespace {

void CheckFilled(const trivelon::ForgeState& state, char separator) {
    Require(state.rate >= 1 && state.rate <= 100, "a filled request's rate lies in 1..100");
    const auto shown = trivelon::ParseStrictFloat(trivelon::DecimalText(state.shownRate, separator), separator);
    Require(shown.ok(), "the printed rate reads back");
    Require(abs(*shown - trivelon::Extended(state.rate)) <= trivelon::Extended("1e-12"),
            "the printed rate is the rate");

    trivelon::ForgeQuote quote(state);
    const auto first = quote.cost();
    const trivelon::Recipe recipe = trivelon::RecipeOf(state);
    for (std::size_t row = 1; row < trivelon::kRecipeRowCount; ++row)
        if (recipe[row].used)
            quote.typePrice(static_cast<trivelon::RecipeRowKind>(row), trivelon::IntegerText(recipe[row].price), {});
    Require(quote.cost() == first, "typing back the first prices keeps the first cost");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const std::uint8_t rowIndex = data[1];
    const char separator = (flags & 0x10) ? ',' : '.';
    trivelon::ForgeInputTexts inputs;
    inputs.texts = trivelon::fuzz::SplitTexts<trivelon::kForgeInputCount>(
        std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
    if (flags & 0x08) {
        const auto rows = trivelon::ForgeCatalogue::SelectorRows();
        inputs.text(trivelon::ForgeInput::Item) = std::string(rows[rowIndex % rows.size()].text);
    }
    inputs.starCrumbs = flags & 0x03;

    const trivelon::ForgeRequestOutcome outcome = trivelon::RunForgeRequest(trivelon::BuiltInRules().forge, inputs);
    switch (outcome.stage) {
        case trivelon::ForgeStage::InvalidCharacter:
        case trivelon::ForgeStage::InvalidSkillOrItem:
            Require(outcome.error && !outcome.error->sourceText().empty(), "a failed request carries its message");
            break;
        case trivelon::ForgeStage::CategoryHeader:
            Require(trivelon::ForgeCatalogue::IsSeparator(outcome.caption), "only a category header is rejected");
            break;
        case trivelon::ForgeStage::Filled: CheckFilled(outcome.state, separator); break;
    }
    return 0;
}
