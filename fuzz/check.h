#pragma once
// Stops the fuzzer with a readable reason when a rule that must always hold
// is broken; libFuzzer then saves the input that broke it.
#include <cstdio>
#include <cstdlib>

namespace trivelon::fuzz {

inline void Require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "Broken rule: %s\n", rule);
    std::abort();
}

}  // namespace trivelon::fuzz
