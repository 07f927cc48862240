// The refine request as typed, planned without its budgets. Input: seven
// texts, one per line: the class (its name or its number), the current and
// the target level, the Weaponry Research level, the material's and the
// item's price, and the user's group separator. The texts are taken as the
// refining tab and trivelon-cli take them: a class that cannot be read asks
// nothing; a level that cannot be read leaves the level as it was; a blank
// material price is the class's usual one; a price that cannot be read
// counts as 0. A level read writes back as itself, the current level stays
// at or below the target, a plan that fails says why, and a plan keeps the
// rules of refine_checks.h.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/numbers.h"
#include "core/refine.h"
#include "core/refine_plan.h"
#include "core/rules.h"
#include "core/typed_sum.h"
#include "refine_checks.h"
#include "split_texts.h"

using trivelon::fuzz::Require;

namespace {

enum Text : std::size_t { kClass, kCurrent, kTarget, kResearch, kMaterialPrice, kItemPrice, kGroupSeparator, kTexts };

const trivelon::RefineRules& Rules() { return trivelon::BuiltInRules().refine; }

// The class's place in the class list, or none.
std::optional<std::size_t> ReadClass(const std::string& text) {
    if (const auto named = trivelon::FindRefineClass(Rules(), text)) return named;
    const auto number = trivelon::TryParseInt(text);
    if (!number || *number < 1 || *number > static_cast<std::int32_t>(Rules().classes.size())) return std::nullopt;
    return static_cast<std::size_t>(*number - 1);
}

std::optional<std::int32_t> ReadLevel(const std::string& text, trivelon::LevelKind kind) {
    const auto level = trivelon::ParseLevel(text, Rules(), kind);
    if (!level) return std::nullopt;
    const trivelon::RefineLevels levels = trivelon::LevelsOf(Rules(), kind);
    Require(*level >= levels.lowest && *level <= levels.highest, "a level read lies within its list");
    Require(trivelon::ParseLevel(trivelon::LevelText(*level), Rules(), kind) == level,
            "a level read writes back as itself");
    return level;
}

std::int64_t ReadPrice(const std::string& text, std::string_view groupSeparator) {
    const trivelon::TypedSum sum = trivelon::ReadTypedSum(text, groupSeparator);
    return sum.reading == trivelon::TypedSum::Reading::Zeny ? sum.zeny : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = trivelon::fuzz::SplitTexts<kTexts>(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto classIndex = ReadClass(texts[kClass]);
    if (!classIndex) return 0;
    const trivelon::RefineClassRule& cls = Rules().classes[*classIndex];

    trivelon::RefineState state;
    trivelon::ApplyRefineClass(state, Rules(), *classIndex);
    if (const auto level = ReadLevel(texts[kCurrent], trivelon::LevelKind::Current))
        trivelon::ChooseCurrentLevel(state, *level);
    if (const auto level = ReadLevel(texts[kTarget], trivelon::LevelKind::Target))
        trivelon::ChooseTargetLevel(state, *level);
    Require(state.currentLevel <= state.targetLevel, "the current level stays at or below the target");

    trivelon::RefineRequest request;
    request.classIndex = state.classIndex;
    request.currentLevel = state.currentLevel;
    request.targetLevel = state.targetLevel;
    request.weaponryResearch = trivelon::TryParseInt(texts[kResearch]);
    const std::string_view separator = texts[kGroupSeparator];
    request.materialPrice =
        texts[kMaterialPrice].empty() ? cls.materialPrice : ReadPrice(texts[kMaterialPrice], separator);
    request.itemPrice = ReadPrice(texts[kItemPrice], separator);
    request.budgets = false;

    const auto plan = trivelon::PlanRefine(Rules(), request);
    if (!plan) {
        Require(!plan.error().sourceText().empty(), "a plan that fails says why");
        Require(trivelon::RefineNeedsWeaponryResearch(cls, request.currentLevel, request.targetLevel),
                "only a refine with steps that can fail can fail to plan");
        if (!request.weaponryResearch)
            Require(plan.error().sourceText() == trivelon::kUnreadableResearchMessage,
                    "an unread research level is named");
        return 0;
    }
    trivelon::fuzz::CheckPlanFigures(request, *plan);
    return 0;
}
