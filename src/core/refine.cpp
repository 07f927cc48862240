// Refine expectation: rate, counts, bonus and cost of a refine from +c to +t.
#include "refine.h"

#include <algorithm>
#include <array>

#include "numbers.h"
#include "text.h"

namespace trivelon {

namespace {

const RefineSteps& StepsOf(std::int32_t classNumber) { return kRefineSteps[static_cast<std::size_t>(classNumber - 1)]; }

std::string BonusPrefix(const RefineSteps& steps) { return steps.armour ? "DEF +" : "ATK +"; }

// Armour gains floor((70 n + 50) / 100) defence for n levels.
Extended DefenceBonus(std::int32_t levels) { return floor((Extended(70) * levels + 50) / 100); }

void SetBonus(const RefineSteps& steps, std::int32_t levels, RefineOutcome& outcome) {
    const std::int32_t bonus =
        steps.armour ? DefenceBonus(levels).convertTo<std::int32_t>() : steps.atkPerLevel * levels;
    outcome.bonusText = BonusPrefix(steps) + IntegerText(bonus);
}

}  // namespace

const RefineClass* FindRefineClass(std::string_view classText) {
    for (const RefineClass& cls : kRefineClasses)
        if (cls.classText == classText) return &cls;
    return nullptr;
}

void ApplyRefineClass(RefineState& state, const RefineClass& cls) {
    state.classNumber = cls.classNumber;
    state.currentLevel = 0;
    state.targetLevel = StepsOf(cls.classNumber).safeLevel;
    state.tryChance = TryChance::Certain();
    state.attemptFee = cls.fee;
    state.materialCount = state.targetLevel;
    state.itemCount = 1;
}

SafeRefine SafeRefineOf(const RefineClass& cls) {
    const RefineSteps& steps = StepsOf(cls.classNumber);
    RefineOutcome outcome;
    SetBonus(steps, steps.safeLevel, outcome);
    return {steps.safeLevel, outcome.bonusText, *RefineTryCost(steps.safeLevel, 0, cls.materialDefaultPrice, cls.fee)};
}

const RefineLevels& LevelsOf(LevelKind kind) { return kind == LevelKind::Current ? kCurrentLevels : kTargetLevels; }

std::optional<std::int32_t> ParseLevel(std::string_view text, LevelKind kind) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 2) return std::nullopt;
    std::int32_t level = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') return std::nullopt;
        level = 10 * level + (digit - '0');
    }
    if (level < LevelsOf(kind).lowest || level > LevelsOf(kind).highest) return std::nullopt;
    return level;
}

std::string LevelText(std::int32_t level) { return Join({"+", IntegerText(level)}); }

bool ChooseCurrentLevel(RefineState& state, std::int32_t level) {
    state.currentLevel = level;
    if (state.currentLevel <= state.targetLevel) return false;
    state.targetLevel = state.currentLevel;
    return true;
}

bool ChooseTargetLevel(RefineState& state, std::int32_t level) {
    state.targetLevel = level;
    if (state.targetLevel >= state.currentLevel) return false;
    state.currentLevel = state.targetLevel;
    return true;
}

std::int64_t StepRate(const RefineSteps& steps, std::int32_t level, std::int32_t w) {
    return std::min<std::int64_t>(std::int64_t{steps.stepBase[static_cast<std::size_t>(level)]} + w, 100);
}

namespace {

Error StepRateError(std::int32_t level, std::int64_t stepRate) {
    return Error{"Шанс успешной заточки на " + LevelText(level) + " равен " + IntegerText(stepRate) +
                 "%, расчёт невозможен"};
}

}  // namespace

std::optional<Error> RefineStepRateError(std::int32_t classNumber, std::int32_t cur, std::int32_t fin, std::int32_t w) {
    const RefineSteps& steps = StepsOf(classNumber);
    std::optional<std::int32_t> zeroLevel;
    for (std::int32_t level = std::max(cur, steps.safeLevel) + 1; level <= fin; ++level) {
        const std::int64_t stepRate = StepRate(steps, level, w);
        if (stepRate < 0) return StepRateError(level, stepRate);
        if (stepRate == 0 && !zeroLevel) zeroLevel = level;
    }
    if (zeroLevel) return StepRateError(*zeroLevel, 0);
    return std::nullopt;
}

bool RefineNeedsWeaponryResearch(std::int32_t classNumber, std::int32_t cur, std::int32_t fin) {
    return fin > StepsOf(classNumber).safeLevel && cur < fin;
}

Result<RefineOutcome> ComputeRefine(std::int32_t classNumber, std::int32_t cur, std::int32_t fin, std::int32_t w) {
    const RefineSteps& steps = StepsOf(classNumber);
    const std::int32_t levels = fin - cur;
    RefineOutcome outcome;

    if (fin <= steps.safeLevel) {  // every step is safe
        outcome.rate = 100;
        outcome.tryChance = TryChance::Certain();
        outcome.materialCount = levels;
        outcome.itemCount = 1;
        SetBonus(steps, levels, outcome);
        return outcome;
    }
    if (cur == fin) {  // above the safe level with nothing to do
        SetBonus(steps, 0, outcome);
        return outcome;
    }
    if (auto error = RefineStepRateError(classNumber, cur, fin, w)) return *error;

    const std::int32_t first = std::max(cur, steps.safeLevel) + 1;
    const std::int32_t risky = fin - first + 1;
    // The product of the step rates, each at most 100, is at most 100^6 and
    // exact both in extended precision and in whole numbers.
    Extended product = 1;
    std::int64_t exactProduct = 1;
    for (std::int32_t level = first; level <= fin; ++level) {
        const std::int64_t stepRate = StepRate(steps, level, w);
        product *= stepRate;
        exactProduct *= stepRate;
    }

    Extended divisor = 1;
    for (std::int32_t i = 1; i < risky; ++i) divisor *= 100;
    const Extended rate = product / divisor;
    const Extended attempts = 100 / rate;

    auto items = Ceil(attempts);
    if (!items) return Error{items.error()};
    auto rounded = RoundHalfEven(attempts);
    if (!rounded) return Error{rounded.error()};
    auto materials = ToInt32(std::int64_t{*rounded} * levels);
    if (!materials) return Error{materials.error()};

    outcome.rate = rate;
    outcome.tryChance = TryChance::FromPercent(exactProduct, 2 * (risky - 1));
    outcome.itemCount = *items;
    outcome.materialCount = *materials;
    SetBonus(steps, levels, outcome);
    if (!steps.armour) outcome.bonusText += "+1-" + IntegerText(std::int64_t{steps.spreadPerLevel} * risky);
    return outcome;
}

std::optional<std::int64_t> RefineCost(std::int32_t materialCount, std::int32_t itemCount, std::int64_t materialPrice,
                                       std::int64_t attemptFee, std::int64_t itemPrice) {
    const auto materials = CheckedProduct(materialCount, materialPrice);
    const auto fees = CheckedProduct(materialCount, attemptFee);
    const auto items = CheckedProduct(itemCount, itemPrice);
    if (!materials || !fees || !items) return std::nullopt;
    // The smallest and the largest term go first: of opposite signs they
    // cannot overflow, and of one sign every partial sum lies between 0 and
    // the total, so the sum fails only where the total is out of range.
    std::array<std::int64_t, 3> terms{*materials, *fees, *items};
    std::sort(terms.begin(), terms.end());
    const auto outer = CheckedSum(terms[0], terms[2]);
    return outer ? CheckedSum(*outer, terms[1]) : std::nullopt;
}

void StoreRefineOutcome(RefineState& state, const RefineOutcome& outcome) {
    state.materialCount = outcome.materialCount;
    state.itemCount = outcome.itemCount;
    if (outcome.rate) state.rate = *outcome.rate;
    state.tryChance = outcome.tryChance;
}

std::optional<std::int64_t> RefineTryCost(std::int32_t levelsGained, std::int64_t itemPrice, std::int64_t materialPrice,
                                          std::int64_t attemptFee) {
    const auto perLevel = CheckedSum(materialPrice, attemptFee);
    const auto levels = perLevel ? CheckedProduct(levelsGained, *perLevel) : std::nullopt;
    return levels ? CheckedSum(itemPrice, *levels) : std::nullopt;
}

}  // namespace trivelon
