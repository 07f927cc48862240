#include "price_book.h"

#include <algorithm>
#include <string_view>

#include "catalogue/forge_catalogue.h"
#include "forge_input.h"
#include "forge_request.h"
#include "numbers.h"
#include "text.h"
#include "typed_sum.h"

namespace trivelon {
namespace {

// How an item's price at a refine level is named in the book.
constexpr std::string_view kRefineItemEntryStart = "refine item class ";

// Every entry the book takes, in order: the goods whose price a result window
// lets the player type (the star crumb, the element stones, the materials of
// the recipes), the refine materials and the sum.
std::vector<std::string> AllEntries() {
    std::vector<std::string> entries{std::string(kStarCrumbName)};
    const auto add = [&entries](std::string_view entry) {
        if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.emplace_back(entry);
    };
    // The elements a weapon can be forged with, each with its stone ("Без
    // элемента" has none).
    for (std::string_view element : FieldOf(ForgeInput::Element).choices)
        if (const ElementStone* stone = FindElementStone(element)) add(stone->name);
    for (const ForgeRecipe& recipe : ForgeCatalogue::Entries())
        for (const MaterialSlot& slot : recipe.materials)
            if (slot.used()) add(slot.name);
    for (const RefineClassRule& cls : BuiltInRules().refine.classes) add(PriceBook::RefineMaterialEntry(cls));
    for (std::size_t classIndex = 0; classIndex < kMostRefineClasses; ++classIndex)
        for (std::int32_t level = 0; level <= kMostRefineLevel; ++level)
            add(PriceBook::RefineItemEntry(classIndex, level));
    add(PriceBook::kMoneyEntry);
    return entries;
}

}  // namespace

const std::vector<std::string>& PriceBook::Entries() {
    static const std::vector<std::string> entries = AllEntries();
    return entries;
}

std::string PriceBook::RefineItemEntry(std::size_t classIndex, std::int32_t level) {
    if (classIndex >= kMostRefineClasses || level < 0 || level > kMostRefineLevel) return {};
    return Join(
        {kRefineItemEntryStart, IntegerText(static_cast<std::int64_t>(classIndex) + 1), " +", IntegerText(level)});
}

bool PriceBook::Accepts(std::string_view entry, std::string_view text, std::string_view groupSeparator) {
    if (text.size() > kLongestRememberedText) return false;
    const TypedSum::Reading reading = ReadTypedSum(text, groupSeparator).reading;
    // A cleared sum is remembered too: the next chart starts empty.
    if (entry == kMoneyEntry) return reading == TypedSum::Reading::Zeny || reading == TypedSum::Reading::Blank;
    const std::vector<std::string>& entries = Entries();
    // A cleared item price takes the level off the market.
    const bool blankTaken = entry.starts_with(kRefineItemEntryStart);
    return (reading == TypedSum::Reading::Zeny || (blankTaken && reading == TypedSum::Reading::Blank)) &&
           std::find(entries.begin(), entries.end(), entry) != entries.end();
}

std::optional<std::string> PriceBook::text(std::string_view entry) const {
    const auto found = entries_.find(entry);
    if (found == entries_.end()) return std::nullopt;
    return found->second.text;
}

bool PriceBook::remember(std::string_view entry, std::string_view text, std::string_view groupSeparator) {
    if (!Accepts(entry, text, groupSeparator)) return false;
    entries_.insert_or_assign(std::string(entry), Entry{std::string(text), true});
    return true;
}

void PriceBook::restore(std::string_view entry, std::string_view text, std::string_view groupSeparator) {
    if (Accepts(entry, text, groupSeparator)) entries_.insert_or_assign(std::string(entry), Entry{std::string(text)});
}

std::vector<std::pair<std::string, std::string>> PriceBook::unsaved() const {
    std::vector<std::pair<std::string, std::string>> typed;
    for (const auto& [entry, value] : entries_)
        if (value.unsaved) typed.emplace_back(entry, value.text);
    return typed;
}

void PriceBook::markSaved() {
    for (auto& [entry, value] : entries_) value.unsaved = false;
}

}  // namespace trivelon
