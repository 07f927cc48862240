// The forge request over arbitrary control texts. Input: a flag byte (bits 0
// to 2 tick the star crumb boxes, bit 3 takes the item from the selector,
// bit 4 picks "," as the decimal separator), a selector row index byte, then
// the 19 control texts in the order of trivelon::Control, one per line.
// A filled result must have a clamped rate whose text reads back, and the
// result window's own recalculation must agree with the request's cost.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "check.h"
#include "core/forge_cost.h"
#include "core/forge_request.h"
#include "core/numbers.h"
#include "split_texts.h"

using trivelon::fuzz::Require;

namespace {

constexpr std::size_t kInputCount = static_cast<std::size_t>(trivelon::ForgeInput::Anvil) + 1;

class FuzzedInputs : public trivelon::ForgeInputTexts {
public:
    FuzzedInputs(std::array<std::string, kInputCount> texts, std::uint8_t crumbBits)
        : texts_(std::move(texts)), crumbBits_(crumbBits) {}

    std::string text(trivelon::ForgeInput input) const override { return texts_[static_cast<std::size_t>(input)]; }
    bool starCrumbTicked(int box) const override { return (crumbBits_ >> (box - 1)) & 1; }

private:
    std::array<std::string, kInputCount> texts_;
    std::uint8_t crumbBits_;
};

void CheckFilled(const trivelon::ForgeState& state, char separator) {
    Require(state.rate >= 1 && state.rate <= 100, "a filled request's rate lies in 1..100");
    const auto shown = trivelon::ParseStrictFloat(state.rateText, separator);
    Require(shown.ok(), "the printed rate reads back");
    Require(abs(*shown - trivelon::Extended(state.rate)) <= trivelon::Extended("1e-12"),
            "the printed rate is the rate");

    const auto recalculated = trivelon::RecalculateForgeCost(trivelon::CostSheetOf(state), separator);
    Require(recalculated.ok(), "a filled window recalculates its cost");
    Require(*recalculated == state.cost, "the window's recalculation equals the request's cost");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const std::uint8_t rowIndex = data[1];
    const char separator = (flags & 0x10) ? ',' : '.';
    auto texts =
        trivelon::fuzz::SplitTexts<kInputCount>(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
    if (flags & 0x08) {
        const auto rows = trivelon::ForgeCatalogue::SelectorRows();
        texts[static_cast<std::size_t>(trivelon::ForgeInput::Item)] = std::string(rows[rowIndex % rows.size()].text);
    }

    const FuzzedInputs inputs(std::move(texts), flags & 0x07);
    const trivelon::ForgeRequestOutcome outcome = trivelon::RunForgeRequest(inputs, separator);
    switch (outcome.stage) {
        case trivelon::ForgeStage::InvalidCharacter:
        case trivelon::ForgeStage::InvalidSkillOrItem:
            Require(!outcome.error.empty(), "a failed request carries its message");
            break;
        case trivelon::ForgeStage::CategoryHeader:
            Require(trivelon::ForgeCatalogue::IsSeparator(outcome.caption), "only a category header is rejected");
            break;
        case trivelon::ForgeStage::Filled: CheckFilled(outcome.state, separator); break;
    }
    return 0;
}
