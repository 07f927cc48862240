#include "price_book.h"

#include <algorithm>

#include "catalogue/forge_catalogue.h"
#include "catalogue/refine_tables.h"
#include "forge_input.h"
#include "forge_request.h"
#include "numbers.h"
#include "typed_sum.h"

namespace trivelon {
namespace {

// A good whose price a result window lets the player type: a material of a
// recipe, an element stone or the star crumb.
bool IsPricedGood(std::string_view name) {
    if (name == kStarCrumbName) return true;
    // The elements a weapon can be forged with, each with its stone ("Без
    // элемента" has none).
    for (std::string_view element : FieldOf(ForgeInput::Element).choices) {
        const ElementStone* stone = FindElementStone(element);
        if (stone && stone->name == name) return true;
    }
    const auto entries = ForgeCatalogue::Entries();
    return std::any_of(entries.begin(), entries.end(), [name](const ForgeRecipe& recipe) {
        return std::any_of(std::begin(recipe.materials), std::end(recipe.materials),
                           [name](const MaterialSlot& slot) { return slot.used() && slot.name == name; });
    });
}

bool IsRefineMaterialEntry(std::string_view entry) {
    return std::any_of(kRefineClasses.begin(), kRefineClasses.end(), [entry](const RefineClass& cls) {
        return PriceBook::RefineMaterialEntry(cls.classNumber) == entry;
    });
}

}  // namespace

std::string PriceBook::RefineMaterialEntry(std::int32_t classNumber) {
    return "refine material of class " + IntegerText(classNumber);
}

bool PriceBook::Accepts(std::string_view entry, std::string_view text, std::string_view groupSeparator) {
    if (text.size() > kLongestRememberedText) return false;
    const TypedSum::Reading reading = ReadTypedSum(text, groupSeparator).reading;
    // A cleared sum is remembered too: the next chart starts empty.
    if (entry == kMoneyEntry) return reading == TypedSum::Reading::Zeny || reading == TypedSum::Reading::Blank;
    return reading == TypedSum::Reading::Zeny && (IsPricedGood(entry) || IsRefineMaterialEntry(entry));
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
