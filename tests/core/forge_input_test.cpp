// The forge inputs' table: every input once, defaults a request can read,
// picked defaults among their choices, and the anvils' bonuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/anvils.h"
#include "core/forge_input.h"
#include "core/numbers.h"
#include "core/rules.h"

namespace trivelon {
namespace {

TEST(ForgeInputFields, EachInputHasOneRowAndADefaultItCanRead) {
    std::set<std::string_view> options;
    for (const ForgeInputField& field : ForgeInputFields()) {
        SCOPED_TRACE(std::string(field.description));
        EXPECT_EQ(&FieldOf(field.input), &field);
        EXPECT_FALSE(field.description.empty());
        if (field.input == ForgeInput::Item) {
            EXPECT_TRUE(field.option.empty() && field.defaultText.empty());
            continue;
        }
        EXPECT_TRUE(options.insert(field.option).second) << "option named twice: " << field.option;
        if (field.choices.empty())
            EXPECT_TRUE(ParseStrictInt(field.defaultText).ok());
        else
            EXPECT_NE(std::find(field.choices.begin(), field.choices.end(), field.defaultText), field.choices.end());
    }
    EXPECT_EQ(ForgeInputFields().size(), static_cast<std::size_t>(ForgeInput::Anvil) + 1);
    EXPECT_EQ(FieldOf(ForgeInput::Element).defaultText, kNoElement);
    EXPECT_EQ(FieldOf(ForgeInput::Anvil).defaultText, "Emperium Anvil");
    EXPECT_EQ(FieldOf(ForgeInput::SmithKnucklebrace).option, "smith-knucklebrace");
}

// The built-in rules give a bonus for every anvil of the list, in its order.
TEST(Anvils, NamesInListOrderAndExactLookUp) {
    const std::vector<NamedValue>& anvils = BuiltInRules().forge.anvils;
    ASSERT_EQ(kAnvilNames.size(), anvils.size());
    for (std::size_t i = 0; i < anvils.size(); ++i) {
        EXPECT_EQ(kAnvilNames[i], anvils[i].name);
        EXPECT_EQ(FindNamed(anvils, kAnvilNames[i]), &anvils[i]);
    }
    EXPECT_EQ(kAnvilNames.front(), "None");
    for (const char* text : {"", "emperium anvil", "Emperium Anvil ", "Golden"})
        EXPECT_EQ(FindNamed(anvils, text), nullptr);
}

}  // namespace
}  // namespace trivelon
