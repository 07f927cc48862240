// The refine computation over any class, any level pair and any Weaponry
// Research value, the cost over any five 32-bit values, and the level
// selectors' parser over any text. Counts are never negative, a rate means at
// least one item, a cost is the exact sum, and a parsed level names itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include <boost/multiprecision/cpp_int.hpp>

#include "check.h"
#include "core/numbers.h"
#include "core/refine.h"

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
    Require(trivelon::LevelText(*level) == text, "a parsed level is written as the text it came from");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CheckComputation(input);
    CheckCost(input);
    CheckLevelText(input);
    return 0;
}
