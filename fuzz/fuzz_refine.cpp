// The refine computation and the whole plan over any class, any level pair,
// any Weaponry Research value and any prices, the cost over any five 32-bit
// values, and the level selectors' parser over any text. Counts are never
// negative, a rate means at least one item, a cost is the exact sum, budgets
// grow with their certainty and the sum of a certainty covers it, and a
// parsed level reads back as itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include <boost/multiprecision/cpp_int.hpp>

#include "check.h"
#include "core/numbers.h"
#include "core/refine.h"
#include "core/refine_plan.h"

using trivelon::fuzz::Require;

namespace {

void CheckComputation(FuzzedDataProvider& input) {
    const auto classNumber = input.ConsumeIntegralInRange<std::int32_t>(1, 5);
    const auto target = input.ConsumeIntegralInRange<std::int32_t>(0, 10);
    const auto current = input.ConsumeIntegralInRange<std::int32_t>(0, target);
    const auto research = input.ConsumeIntegral<std::int32_t>();

    const auto outcome = trivelon::ComputeRefine(classNumber, current, target, research);
    if (!outcome) {
        Require(!outcome.error().empty(), "a failed computation carries its message");
        return;
    }
    Require(outcome->materialCount >= 0 && outcome->itemCount >= 0, "counts are never negative");
    if (outcome->rate) Require(outcome->itemCount >= 1, "a refine with a rate uses at least one item");
}

void CheckPlan(FuzzedDataProvider& input) {
    trivelon::RefineRequest request;
    request.classNumber = input.ConsumeIntegralInRange<std::int32_t>(1, 5);
    request.targetLevel = input.ConsumeIntegralInRange<std::int32_t>(0, 10);
    request.currentLevel = input.ConsumeIntegralInRange<std::int32_t>(0, request.targetLevel);
    request.weaponryResearch = input.ConsumeIntegral<std::int32_t>();
    request.materialPrice = input.ConsumeIntegralInRange<std::int64_t>(0, INT64_MAX);
    request.itemPrice = input.ConsumeIntegralInRange<std::int64_t>(0, INT64_MAX);
    const auto plan = trivelon::PlanRefine(request);
    if (!plan || !plan->budget) return;
    const trivelon::RefineBudget& budget = *plan->budget;
    for (std::size_t i = 1; i < budget.size(); ++i) {
        Require(budget[i].items >= budget[i - 1].items, "more certainty takes no fewer items");
        if (budget[i].materials && budget[i - 1].materials)
            Require(*budget[i].materials >= *budget[i - 1].materials, "more certainty takes no fewer materials");
        if (budget[i].cost && budget[i - 1].cost)
            Require(*budget[i].cost >= *budget[i - 1].cost, "more certainty takes no less money");
    }
    if (budget.front().cost)
        Require(plan->chanceWithinInTenths(*budget.front().cost).value_or(0) >= 499, "the even budget covers half");
}

void CheckCost(FuzzedDataProvider& input) {
    std::int32_t values[5];
    for (std::int32_t& value : values) value = input.ConsumeIntegral<std::int32_t>();
    const auto [materials, items, materialPrice, fee, itemPrice] = values;
    using boost::multiprecision::cpp_int;
    const cpp_int exact = cpp_int(materials) * materialPrice + cpp_int(materials) * fee + cpp_int(items) * itemPrice;
    const auto cost = trivelon::RefineCost(materials, items, materialPrice, fee, itemPrice);
    Require(cost.has_value() == (exact >= INT64_MIN && exact <= INT64_MAX), "a cost is given exactly when it fits");
    if (cost) Require(cpp_int(*cost) == exact, "a cost is the exact sum");
}

void CheckLevelText(FuzzedDataProvider& input) {
    const auto kind = input.ConsumeBool() ? trivelon::LevelKind::Current : trivelon::LevelKind::Target;
    const std::string text = input.ConsumeRemainingBytesAsString();
    const auto level = trivelon::ParseLevel(text, kind);
    if (!level) return;
    const std::int32_t lowest = kind == trivelon::LevelKind::Current ? 0 : 1;
    Require(*level >= lowest && *level <= lowest + 9, "a parsed level lies in its selector's range");
    Require(trivelon::ParseLevel(trivelon::LevelText(*level), kind) == level, "a parsed level reads back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CheckComputation(input);
    CheckPlan(input);
    CheckCost(input);
    CheckLevelText(input);
    return 0;
}
