// Refine expectation: rate, counts, bonus and cost of a refine from +c to +t.
#include "refine.h"

#include <algorithm>
#include <array>

#include "numbers.h"
#include "text.h"

namespace trivelon {

namespace {

std::string BonusPrefix(const RefineClassRule& cls) { return cls.armour ? "DEF +" : "ATK +"; }

// Armour gains floor((70 n + 50) / 100) defence for n levels.
Extended DefenceBonus(std::int32_t levels) { return floor((Extended(70) * levels + 50) / 100); }

void SetBonus(const RefineClassRule& cls, std::int32_t levels, RefineOutcome& outcome) {
    // Within 64 bits: a bonus per level fits 32 bits and the levels at most 20.
    const std::int64_t bonus =
        cls.armour ? DefenceBonus(levels).convertTo<std::int64_t>() : std::int64_t{cls.atkPerLevel} * levels;
    outcome.bonusText = BonusPrefix(cls) + IntegerText(bonus);
}

}  // namespace

std::optional<std::size_t> FindRefineClass(const RefineRules& rules, std::string_view className) {
    for (std::size_t i = 0; i < rules.classes.size(); ++i)
        if (className == rules.classes[i].name || (!className.empty() && className == rules.classes[i].id)) return i;
    return std::nullopt;
}

void ApplyRefineClass(RefineState& state, const RefineRules& rules, std::size_t classIndex) {
    state.classIndex = classIndex;
    state.currentLevel = 0;
    state.targetLevel = rules.classes[classIndex].safeLevel;
}

SafeRefine SafeRefineOf(const RefineClassRule& cls) {
    RefineOutcome outcome;
    SetBonus(cls, cls.safeLevel, outcome);
    // None only beyond 64 bits, which a fee and a price of 32 bits and at
    // most 20 levels never reach.
    return {cls.safeLevel, outcome.bonusText, RefineTryCost(cls.safeLevel, 0, cls.materialPrice, cls.fee).value()};
}

RefineLevels LevelsOf(const RefineRules& rules, LevelKind kind) {
    const std::int32_t highest = rules.highestLevel();
    return kind == LevelKind::Current ? RefineLevels{0, highest - 1} : RefineLevels{1, highest};
}

std::optional<std::int32_t> ParseLevel(std::string_view text, const RefineRules& rules, LevelKind kind) {
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
    const RefineLevels levels = LevelsOf(rules, kind);
    if (level < levels.lowest || level > levels.highest) return std::nullopt;
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

std::int64_t ResearchBonus(const RefineRules& rules, std::int32_t weaponryResearch) {
    return std::int64_t{weaponryResearch} * rules.researchPerLevel;
}

std::int64_t StepRate(const RefineClassRule& cls, std::int32_t level, std::int64_t w) {
    // No wrap: a research bonus is a 32-bit level times at most 100.
    return std::min<std::int64_t>(cls.chanceTo(level) + w, 100);
}

namespace {

Error StepRateError(std::int32_t level, std::int64_t stepRate) {
    return Error{{TRIVELON_TEXT("Messages", "Шанс успешной заточки на %1 равен %2%, расчёт невозможен"),
                  {LevelText(level), IntegerText(stepRate)}}};
}

}  // namespace

std::optional<Error> RefineStepRateError(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin,
                                         std::int64_t w) {
    std::optional<std::int32_t> zeroLevel;
    for (std::int32_t level = std::max(cur, cls.safeLevel) + 1; level <= fin; ++level) {
        const std::int64_t stepRate = StepRate(cls, level, w);
        if (stepRate < 0) return StepRateError(level, stepRate);
        if (stepRate == 0 && !zeroLevel) zeroLevel = level;
    }
    if (zeroLevel) return StepRateError(*zeroLevel, 0);
    return std::nullopt;
}

bool RefineNeedsWeaponryResearch(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin) {
    return fin > cls.safeLevel && cur < fin;
}

Result<RefineOutcome> ComputeRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin, std::int64_t w) {
    const std::int32_t levels = fin - cur;
    RefineOutcome outcome;

    if (fin <= cls.safeLevel) {  // every step is safe
        outcome.rate = 100;
        outcome.tryChance = TryChance::Certain();
        outcome.materialCount = levels;
        outcome.itemCount = 1;
        SetBonus(cls, levels, outcome);
        return outcome;
    }
    if (cur == fin) {  // above the safe level with nothing to do
        SetBonus(cls, 0, outcome);
        return outcome;
    }
    if (auto error = RefineStepRateError(cls, cur, fin, w)) return *error;

    const std::int32_t first = std::max(cur, cls.safeLevel) + 1;
    const std::int32_t risky = fin - first + 1;
    // The product of the step rates, each at most 100, is at most 100^8 (the
    // most steps a class has above its safe level) and exact both in
    // extended precision and in whole numbers.
    Extended product = 1;
    std::int64_t exactProduct = 1;
    for (std::int32_t level = first; level <= fin; ++level) {
        const std::int64_t stepRate = StepRate(cls, level, w);
        product *= stepRate;
        exactProduct *= stepRate;
    }

    Extended divisor = 1;
    for (std::int32_t i = 1; i < risky; ++i) divisor *= 100;
    const Extended rate = product / divisor;
    const Extended attempts = 100 / rate;

    // Within 64 bits: a refine succeeds with at least 10^-16 (see
    // kMostRiskySteps), so it takes at most 10^16 attempts.
    const std::optional<std::int64_t> items = CeilToInt64(attempts);
    const std::optional<std::int64_t> rounded = RoundHalfEvenToInt64(attempts);
    const std::optional<std::int64_t> materials = rounded ? CheckedProduct(*rounded, levels) : std::nullopt;
    if (!items || !materials) return Error{kOutOfRangeMessage};

    outcome.rate = rate;
    outcome.tryChance = TryChance::FromPercent(exactProduct, 2 * (risky - 1));
    outcome.itemCount = *items;
    outcome.materialCount = *materials;
    SetBonus(cls, levels, outcome);
    if (!cls.armour) outcome.bonusText += "+1-" + IntegerText(std::int64_t{cls.spreadPerLevel} * risky);
    return outcome;
}

std::optional<std::int64_t> RefineCost(std::int64_t materialCount, std::int64_t itemCount, std::int64_t materialPrice,
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

std::optional<std::int64_t> RefineTryCost(std::int32_t levelsGained, std::int64_t itemPrice, std::int64_t materialPrice,
                                          std::int64_t attemptFee) {
    const auto perLevel = CheckedSum(materialPrice, attemptFee);
    const auto levels = perLevel ? CheckedProduct(levelsGained, *perLevel) : std::nullopt;
    return levels ? CheckedSum(itemPrice, *levels) : std::nullopt;
}

}  // namespace trivelon
