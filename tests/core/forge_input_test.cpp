// The forge inputs' table: every input once, defaults a request can read,
// picked defaults among their choices, and the anvils' bonuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "catalogue/anvils.h"
#include "core/forge_input.h"
#include "core/numbers.h"

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

TEST(Anvils, NamesInListOrderAndExactLookUp) {
    ASSERT_EQ(kAnvilNames.size(), kAnvils.size());
    for (std::size_t i = 0; i < kAnvils.size(); ++i) {
        EXPECT_EQ(kAnvilNames[i], kAnvils[i].name);
        EXPECT_EQ(FindAnvil(kAnvils[i].name), &kAnvils[i]);
    }
    EXPECT_EQ(kAnvilNames.front(), "None");
    for (const char* text : {"", "emperium anvil", "Emperium Anvil ", "Golden"}) EXPECT_EQ(FindAnvil(text), nullptr);
}

}  // namespace
}  // namespace trivelon
