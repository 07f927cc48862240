// The rules file's reader over a hostile file. Input: the bytes of the file.
// A file is either refused with a message naming its place, or read into
// rules that keep every limit the calculations rely on, and that the rules'
// own text reads back equal.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "core/rules.h"
#include "rules_file/rules_file.h"

using trivelon::fuzz::Require;

namespace {

void CheckLimits(const trivelon::Rules& rules) {
    const auto& classes = rules.refine.classes;
    Require(!classes.empty() && classes.size() <= 20, "from 1 to 20 classes");
    Require(rules.name.size() <= 100, "a short name");
    for (const trivelon::RefineClassRule& rule : classes) {
        Require(!rule.name.empty() && rule.name.size() <= 100, "a class's name is short and not empty");
        Require(!rule.material.empty() && rule.material.size() <= 100, "a material's name is short and not empty");
        Require(!rule.chances.empty() && rule.chances.size() <= trivelon::kMostRiskySteps,
                "from 1 to the most risky steps");
        for (const std::int32_t chance : rule.chances) Require(chance >= 0 && chance <= 100, "a chance is a percent");
        Require(rule.safeLevel >= 0 && rule.highestLevel() <= trivelon::kMostRefineLevel,
                "no class refines past the highest level");
        Require(rule.highestLevel() == classes.front().highestLevel(), "every class reaches the same level");
        Require(rule.materialPrice >= 0 && rule.fee >= 0, "no price below 0");
        Require(!rule.armour || (rule.atkPerLevel == 0 && rule.spreadPerLevel == 0), "armour has no attack");
    }
    const trivelon::ForgeRules& builtIn = trivelon::BuiltInRules().forge;
    const trivelon::ForgeRules& forge = rules.forge;
    Require(forge.anvils.size() == builtIn.anvils.size() && forge.toolPrices.size() == builtIn.toolPrices.size() &&
                forge.stonePrices.size() == builtIn.stonePrices.size(),
            "every named thing has one value");
    for (std::size_t i = 0; i < forge.anvils.size(); ++i)
        Require(forge.anvils[i].name == builtIn.anvils[i].name && forge.anvils[i].value >= -100 &&
                    forge.anvils[i].value <= 100,
                "the anvils in the program's order, each adding at most 100 %");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const trivelon::Result<trivelon::Rules> read = trivelon::ReadRules(text, "rules.toml");
    if (!read) {
        Require(read.error().sourceText().starts_with("rules.toml, строка ") ||
                    read.error().sourceText().starts_with("rules.toml: "),
                "a refusal names the file and the place");
        return 0;
    }
    CheckLimits(*read);
    const trivelon::Result<trivelon::Rules> again = trivelon::ReadRules(trivelon::RulesText(*read), "rules.toml");
    Require(again.ok(), "the rules' text is read");
    Require(again.ok() && *again == *read, "the rules' text reads back equal");
    return 0;
}
