// The forge request's decisions: which inputs to read in which order, the
// rate, the recipe, the name decoration and the initial cost estimate.
#include "forge_request.h"

#include <array>

#include "numbers.h"

namespace trivelon {

namespace {

// Reads one input strictly into a field; the message naming the input and
// its text otherwise.
bool ReadInt(const ForgeInputTexts& source, ForgeInput input, std::int32_t& field, std::optional<Message>& error) {
    const std::string& text = source.text(input);
    const std::optional<std::int32_t> value = TryParseInt(text);
    if (!value) {
        error = WholeNumberProblem(FieldOf(input), text);
        return false;
    }
    field = *value;
    return true;
}

void CopyRecipe(const ForgeRules& rules, const ForgeRecipe& entry, ForgeState& state) {
    state.typeText = std::string(entry.typeText);
    state.weaponLevel = entry.weaponLevel;
    state.atk = entry.atk;
    state.range = entry.range;
    state.weight = entry.weight;
    state.requiredBaseLevel = entry.requiredBaseLevel;
    state.bigPicture = std::string(entry.bigPicture);
    const ForgeTool& tool = entry.tool();
    state.toolName = std::string(tool.name);
    state.toolPicture = std::string(tool.picture);
    // A rule set prices every tool.
    const NamedValue* price = FindNamed(rules.toolPrices, tool.name);
    state.toolPrice = price ? price->value : 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const MaterialSlot& slot = entry.materials[i];
        state.materials[i] = {std::string(slot.name), std::string(slot.picture), slot.quantity, slot.presetPrice};
    }
    state.description = std::string(entry.description);
    state.equip = std::string(entry.equip);
}

// Reads what the entry's rule needs and sets the unclamped rate; false with
// the message when a text is not a whole number.
bool ComputeRate(const ForgeRules& rules, const ForgeInputTexts& source, const ForgeRecipe& entry, ForgeState& state,
                 std::optional<Message>& error) {
    ForgeInputs& in = state.inputs;
    const std::optional<ForgeInput> skill = SkillInputOf(entry);
    if (!entry.isWeapon()) {
        if (skill && !ReadInt(source, *skill, *in.skillField(*skill), error)) return false;
        state.starCrumbCount = 0;
        state.elementFlag = 0;
        state.rate = ForgeRate(rules, entry.rule, in);
        return true;
    }

    state.starCrumbCount = source.starCrumbs;
    // An element is the list's, whatever the case it is typed in; a text
    // that names none of them is an error, never an element of its own.
    const std::optional<std::string_view> element = ElementNamed(source.text(ForgeInput::Element));
    if (!element) {
        error = ElementProblem(source.text(ForgeInput::Element));
        return false;
    }
    state.elementFlag = *element == kNoElement ? 0 : 1;
    if (state.elementFlag) state.elementName = std::string(*element);

    std::int32_t* smithSkill = in.skillField(*skill);
    if (!ReadInt(source, *skill, *smithSkill, error) ||
        !ReadInt(source, ForgeInput::WeaponryResearch, in.weaponryResearch, error) ||
        !ReadInt(source, ForgeInput::OrideconResearch, in.orideconResearch, error))
        return false;

    // An anvil, too, is the list's in any case or by its id: a text that
    // names none is an error, never an anvil that adds nothing.
    const std::optional<std::string_view> anvil = AnvilNamed(source.text(ForgeInput::Anvil));
    if (!anvil) {
        error = AnvilProblem(source.text(ForgeInput::Anvil));
        return false;
    }
    state.rate = ForgeRate(rules, entry.rule, in,
                           {state.starCrumbCount, state.elementFlag, *anvil, entry.weaponLevel, *smithSkill});
    return true;
}

}  // namespace

std::string DecorateItemName(std::string_view name, std::int32_t elementFlag, std::string_view element,
                             std::int32_t starCrumbs) {
    std::string decorated(name);
    if (elementFlag == 1) decorated = std::string(element) + " " + decorated;
    static constexpr std::array<std::string_view, kMostStarCrumbs + 1> kPrefixes{"", "VS ", "VVS ", "VVVS "};
    if (starCrumbs >= 1 && starCrumbs <= kMostStarCrumbs) decorated = std::string(kPrefixes[starCrumbs]) + decorated;
    return decorated;
}

ForgeRequestOutcome RunForgeRequest(const ForgeRules& rules, const ForgeInputTexts& source) {
    ForgeRequestOutcome outcome;
    ForgeState& state = outcome.state;
    ForgeInputs& in = state.inputs;
    if (!ReadInt(source, ForgeInput::BaseLevel, in.baseLevel, outcome.error) ||
        !ReadInt(source, ForgeInput::Dex, in.dex, outcome.error) ||
        !ReadInt(source, ForgeInput::Luk, in.luk, outcome.error) ||
        !ReadInt(source, ForgeInput::JobLevel, in.jobLevel, outcome.error)) {
        outcome.stage = ForgeStage::InvalidCharacter;
        return outcome;
    }

    outcome.caption = source.text(ForgeInput::Item);
    if (ForgeCatalogue::IsSeparator(outcome.caption)) {
        outcome.stage = ForgeStage::CategoryHeader;
        return outcome;
    }
    outcome.stage = ForgeStage::InvalidSkillOrItem;
    const ForgeRecipe* entry = ForgeCatalogue::Find(outcome.caption);
    if (!entry) {
        outcome.error = Message{TRIVELON_TEXT("Messages", "Предмет «%1» не найден в каталоге"), {outcome.caption}};
        return outcome;
    }
    state.itemName = outcome.caption;
    state.resource = entry->category == ForgeCategory::Resources;
    CopyRecipe(rules, *entry, state);
    if (!ComputeRate(rules, source, *entry, state, outcome.error)) return outcome;

    if (state.rate > 100) state.rate = 100;
    if (!(state.rate >= 1)) state.rate = 1;
    state.shownRate = ShownDecimal(state.rate);

    if (!state.resource)
        state.itemName = DecorateItemName(state.itemName, state.elementFlag, state.elementName, state.starCrumbCount);
    state.starCrumbPrice = state.starCrumbCount > 0 ? rules.starCrumbPrice : 0;
    state.elementStone = state.elementFlag > 0 ? FindElementStone(state.elementName) : nullptr;
    const NamedValue* stonePrice =
        state.elementStone ? FindNamed(rules.stonePrices, state.elementStone->name) : nullptr;
    state.elementStonePrice = stonePrice ? stonePrice->value : 0;
    outcome.stage = ForgeStage::Filled;
    return outcome;
}

}  // namespace trivelon
