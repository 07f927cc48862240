// What a forging attempt takes, and its cost and budgets.
#include "forge_quote.h"

#include "numbers.h"

namespace trivelon {

ForgeQuote::ForgeQuote(const ForgeState& state) : resource_(state.resource) {
    using boost::multiprecision::cpp_int;
    const ExactDecimal& rate = state.shownRate;
    // Digit by digit: Boost would read a text with a leading zero as octal.
    cpp_int rateDigits = 0;
    for (const char digit : rate.digits) rateDigits = rateDigits * 10 + (digit - '0');
    if (rate.negative) rateDigits = -rateDigits;
    const cpp_int unit = pow(cpp_int(10), static_cast<unsigned>(rate.scale));
    percentOfAttempt_ = 200 * unit - rateDigits;
    wholePercent_ = 100 * unit;
    // ceil(100 / rate) in whole numbers; a filled request's rate lies
    // between 1 and 100, so the attempts between 1 and 100.
    if (rateDigits > 0) {
        const cpp_int attempts = (wholePercent_ + rateDigits - 1) / rateDigits;
        attempts_ = attempts > kInt64Max ? std::nullopt : std::optional(attempts.convert_to<std::int64_t>());
    } else {
        attempts_ = 1;
    }
    const std::optional<std::int64_t> mantissa = rate.mantissa();
    const std::optional<TryChance> chance = mantissa ? TryChance::FromPercent(*mantissa, rate.scale) : std::nullopt;
    chance_ = chance.value_or(TryChance::Certain());

    const Recipe recipe = RecipeOf(state);
    for (std::size_t row = 0; row < kRecipeRowCount; ++row) {
        quantities_[row] = recipe[row].used ? recipe[row].quantity : 0;
        prices_[row] = recipe[row].used ? recipe[row].price : 0;
    }
    // Within 1 to 100 % a certainty takes few tries: the plan always succeeds.
    if (Result<Budget> tries = PlanBudget(chance_, 0); tries && !resource_) {
        tries_.emplace();
        for (std::size_t i = 0; i < kBudgetChances.size(); ++i) (*tries_)[i] = tries->levels[i].tries;
    }
    update();
}

TypedSum::Reading ForgeQuote::typePrice(RecipeRowKind kind, std::string_view text, std::string_view groupSeparator) {
    const TypedSum sum = ReadTypedSum(text, groupSeparator);
    const std::size_t row = IndexOf(kind);
    unreadable_[row] = sum.reading == TypedSum::Reading::Unreadable || sum.reading == TypedSum::Reading::TooMuch;
    prices_[row] = sum.reading == TypedSum::Reading::Zeny ? sum.zeny : 0;
    update();
    return sum.reading;
}

std::optional<std::int32_t> ForgeQuote::chanceWithinInTenths(std::int64_t money) const {
    const std::optional<ForgeAttempt> one = attempt();
    if (!one) return std::nullopt;
    return ChanceWithinMoneyInTenths(one->chance, one->price, money);
}

std::optional<ChanceCurve> ForgeQuote::chanceCurve() const {
    const std::optional<ForgeAttempt> one = attempt();
    if (!one) return std::nullopt;
    return EqualTriesCurve(one->chance, one->price);
}

std::optional<ForgeAttempt> ForgeQuote::attempt() const {
    if (resource_ || !attemptPrice_) return std::nullopt;
    return ForgeAttempt{chance_, *attemptPrice_};
}

void ForgeQuote::update() {
    attemptPrice_ = 0;
    for (std::size_t row = 0; row < kRecipeRowCount && attemptPrice_; ++row) {
        if (quantities_[row] == 0) continue;
        const std::optional<std::int64_t> rowPrice = CheckedProduct(quantities_[row], prices_[row]);
        attemptPrice_ = rowPrice ? CheckedSum(*attemptPrice_, *rowPrice) : std::nullopt;
    }
    budget_ = std::nullopt;
    if (!attemptPrice_) {
        cost_ = std::nullopt;
        return;
    }
    if (resource_) {
        using boost::multiprecision::cpp_int;
        const cpp_int product = percentOfAttempt_ * *attemptPrice_;
        cpp_int cost = product / wholePercent_;  // truncated towards zero
        if (product % wholePercent_ != 0 && product > 0) ++cost;
        cost_ = cost < kInt64Min || cost > kInt64Max ? std::nullopt : std::optional(cost.convert_to<std::int64_t>());
        return;
    }
    cost_ = attempts_ ? CheckedProduct(*attempts_, *attemptPrice_) : std::nullopt;
    // Within 1 to 100 % a certainty takes few tries: the plan always succeeds.
    if (Result<Budget> plan = PlanBudget(chance_, *attemptPrice_)) budget_ = *plan;
}

}  // namespace trivelon
