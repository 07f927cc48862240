// Speed of the calculations behind every press and keystroke.
// Run: cmake --preset bench && cmake --build --preset bench &&
//      ./build-bench/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>

#include "catalogue/forge_catalogue.h"
#include "core/forge_quote.h"
#include "core/forge_request.h"
#include "core/refine.h"
#include "core/refine_expectation.h"
#include "core/refine_plan.h"
#include "core/rules.h"

namespace {

using namespace trivelon;

// Our server's rules, which every benchmark reads.
const Rules& rules = BuiltInRules();

// The defaults, with the item asked for, a Fire element and two star crumbs.
ForgeInputTexts DefaultInputs(std::string item) {
    ForgeInputTexts texts;
    for (const ForgeInputField& field : ForgeInputFields()) texts.text(field.input) = std::string(field.defaultText);
    texts.text(ForgeInput::Item) = std::move(item);
    texts.text(ForgeInput::Element) = "Fire";
    texts.starCrumbs = 2;
    return texts;
}

void BM_ForgeRequest(benchmark::State& state) {
    const ForgeRecipe& entry = ForgeCatalogue::Entries()[static_cast<std::size_t>(state.range(0))];
    const ForgeInputTexts controls = DefaultInputs(std::string(entry.displayName));
    state.SetLabel(std::string(entry.displayName));
    for (auto _ : state) benchmark::DoNotOptimize(RunForgeRequest(rules.forge, controls));
}
BENCHMARK(BM_ForgeRequest)->DenseRange(0, static_cast<int>(ForgeCatalogue::Entries().size()) - 1);

// Every class and every pair of current and target levels, W 10.
void BM_ComputeRefineAllPairs(benchmark::State& state) {
    for (auto _ : state)
        for (const RefineClassRule& cls : rules.refine.classes)
            for (std::int32_t cur = 0; cur <= 9; ++cur)
                for (std::int32_t fin = std::max(cur, 1); fin <= 10; ++fin)
                    benchmark::DoNotOptimize(ComputeRefine(cls, cur, fin, 10));
    state.SetItemsProcessed(state.iterations() * 5 * 55);
}
BENCHMARK(BM_ComputeRefineAllPairs);

// What the longest refine really uses per success, exact and rounded for
// display: class 4 from +0 to +10, ten steps, six of them at risk; at W 10 and
// at W -9, where the last step is at 1 % and the numbers are largest.
void BM_ExpectRefineLongest(benchmark::State& state) {
    const RefineClassRule& cls = rules.refine.classes[3];
    const std::int64_t w = state.range(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ExpectRefineFigures(cls, 0, 10, w, {.material = 5000, .fee = 20000, .item = 100000}));
}
BENCHMARK(BM_ExpectRefineLongest)->Arg(10)->Arg(-9);

// Every class and every pair of current and target levels, W 10.
void BM_ExpectRefineAllPairs(benchmark::State& state) {
    for (auto _ : state)
        for (const RefineClassRule& cls : rules.refine.classes)
            for (std::int32_t cur = 0; cur <= 9; ++cur)
                for (std::int32_t fin = std::max(cur, 1); fin <= 10; ++fin)
                    benchmark::DoNotOptimize(ExpectRefineFigures(cls, cur, fin, 10, {5000, 20000, 100000}));
    state.SetItemsProcessed(state.iterations() * 5 * 64);  // 64 pairs a class
}
BENCHMARK(BM_ExpectRefineAllPairs);

// One refine change as the refining tab and trivelon-cli refine make it: the
// whole plan, budgets of the refine the game runs included, for the slowest
// pair of a class at W 10 and the class's usual material price, the item at 0
// (a lattice in the material and fee) or at 123 457 Zeny (no common span:
// the bands).
void BM_PlanRefineSlowestPairOfClass(benchmark::State& state) {
    const auto classIndex = static_cast<std::size_t>(state.range(0) - 1);
    const RefineClassRule& cls = rules.refine.classes[classIndex];
    const RefineRequest request{classIndex, 0, 10, 10, cls.materialPrice, state.range(1)};
    for (auto _ : state) benchmark::DoNotOptimize(PlanRefine(rules.refine, request));
}
BENCHMARK(BM_PlanRefineSlowestPairOfClass)->ArgsProduct({{1, 2, 3, 4, 5}, {0, 123457}})->Unit(benchmark::kMicrosecond);

// Every pair of every class at W 10 with the usual prices: the mean of a
// refine change.
void BM_PlanRefineAllPairs(benchmark::State& state) {
    for (auto _ : state)
        for (std::size_t i = 0; i < rules.refine.classes.size(); ++i)
            for (std::int32_t cur = 0; cur <= 9; ++cur)
                for (std::int32_t fin = std::max(cur, 1); fin <= 10; ++fin)
                    benchmark::DoNotOptimize(
                        PlanRefine(rules.refine, {i, cur, fin, 10, rules.refine.classes[i].materialPrice, 0}));
    state.SetItemsProcessed(state.iterations() * 5 * 64);
}
BENCHMARK(BM_PlanRefineAllPairs)->Unit(benchmark::kMillisecond);

// The rarest successes there are, one attempt in about 8 million (a level-3
// weapon from +5 to +10 at W -19), exact on a lattice at a round item price
// and approximated at an odd one.
void BM_PlanRefineRarest(benchmark::State& state) {
    const RefineRequest request{2, 5, 10, -19, 5000, state.range(0)};
    for (auto _ : state) benchmark::DoNotOptimize(PlanRefine(rules.refine, request));
}
BENCHMARK(BM_PlanRefineRarest)->Arg(0)->Arg(123457)->Unit(benchmark::kMillisecond);

// A typed price: the quote reads it and works out the cost and the budgets.
void BM_TypePrice(benchmark::State& state) {
    const ForgeRequestOutcome outcome = RunForgeRequest(rules.forge, DefaultInputs("Lance"));
    ForgeQuote quote(outcome.state);
    for (auto _ : state) {
        quote.typePrice(RecipeRowKind::Material1, "23 000", {});
        benchmark::DoNotOptimize(quote.budget());
    }
}
BENCHMARK(BM_TypePrice);

}  // namespace
