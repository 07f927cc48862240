// The forge quote: a result window's cost and budgets over its quantities,
// the prices as typed and read as money, and the rate as shown; its
// agreement with the request, and its independence of the process locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "catalogue/forge_catalogue.h"
#include "core/forge_quote.h"
#include "core/numbers.h"
#include "fake_inputs.h"
#include "support/process_locale.h"

namespace trivelon {
namespace {

// A filled weapon window with one material and no element or star crumbs.
ForgeState Weapon(std::string rate, std::int32_t toolPrice, std::int32_t quantity1, std::int32_t price1 = 0) {
    ForgeState state;
    state.toolName = "Iron Hammer";
    state.toolPicture = "images/ironhammer.bmp";
    state.toolPrice = toolPrice;
    state.materials[0] = {"Iron", "images/iron.bmp", quantity1, price1};
    // Read with the separator the text has.
    state.shownRate = ParseExactDecimal(rate, rate.find(',') == std::string::npos ? '.' : ',').value();
    return state;
}

ForgeState Resource(std::string rate, std::int32_t price1 = 0) {
    ForgeState state = Weapon(std::move(rate), 150, 1, price1);
    state.resource = true;
    return state;
}

std::string Text(const std::optional<std::int64_t>& cost) { return cost ? std::to_string(*cost) : "too much"; }

// The cost once each (row, text) is typed in turn.
std::string Cost(const ForgeState& state, const std::vector<std::pair<RecipeRowKind, std::string>>& typed = {}) {
    ForgeQuote quote(state);
    for (const auto& [row, text] : typed) quote.typePrice(row, text, {});
    return Text(quote.cost());
}

TEST(ForgeQuote, FirstCostsPastThe32BitRangeAreFigures) {
    EXPECT_EQ(Cost(Weapon("100", std::numeric_limits<std::int32_t>::max(), 1, 1)), "2147483648");
    EXPECT_EQ(Cost(Weapon("1", std::numeric_limits<std::int32_t>::max(), 1, 1)), "214748364800");
    ForgeState resource = Resource("1");
    resource.toolPrice = 2000000000;
    resource.materials[0].quantity = 0;
    EXPECT_EQ(Cost(resource), "3980000000");
}

TEST(ForgeQuote, CutterAtRateForty) {
    EXPECT_EQ(Cost(Weapon("40", 1000, 25), {{RecipeRowKind::Material1, "100"}}), "10500");
}

TEST(ForgeQuote, WeaponPaysTheRoundedUpAttemptsPerSuccess) {
    EXPECT_EQ(Cost(Weapon("100", 1000, 2, 250)), "1500");
    EXPECT_EQ(Cost(Weapon("1", 1000, 2, 250)), "150000");
    EXPECT_EQ(Cost(Weapon("54.1", 1000, 1)), "2000");
    EXPECT_EQ(Cost(Weapon("54,1", 1000, 1)), "2000");
}

TEST(ForgeQuote, ResourcePaysTwoHundredMinusRatePercent) {
    EXPECT_EQ(Cost(Resource("100")), "150");
    EXPECT_EQ(Cost(Resource("50", 1)), "227");  // 1.5 x 151 = 226.5
    EXPECT_EQ(Cost(Resource("79.1")), "182");
    EXPECT_EQ(Cost(Resource("79,1")), "182");
    EXPECT_EQ(Cost(Resource("1")), "299");
    // Leading zeros are decimal digits like any other, never an octal prefix.
    EXPECT_EQ(Cost(Resource("010")), "285");
    EXPECT_EQ(Cost(Resource("0079.1")), "182");
    EXPECT_EQ(Cost(Resource("00000001337279,1")), "-2005618");
}

TEST(ForgeQuote, RateFiftySixGivesTheExactTwoHundredSixteen) {
    // 144 percent of 150 is exactly 216; binary rounding of 1.44 must not add one.
    EXPECT_EQ(Cost(Resource("56")), "216");
    EXPECT_EQ(Cost(Resource("56"), {{RecipeRowKind::Material1, "5"}, {RecipeRowKind::Material1, ""}}), "216");
}

// Every price is read as money, as players write it; what is no sum, or a sum
// past 64 bits, counts as 0 and is marked, a blank counts as 0 unmarked, and
// prices whose product passes 64 bits make the cost too much.
TEST(ForgeQuote, PricesAreReadAsMoney) {
    struct Case {
        const char* typed;
        const char* cost;  // Knife at 100 %: tool 1000, 10 Jellopy at the typed price
        bool countedAsZero;
    };
    ForgeState knife = Weapon("100", 1000, 1);
    knife.materials[1] = {"Jellopy", "images/jellopy.bmp", 10, 0};
    for (const Case& c :
         {Case{"", "1000", false}, Case{" ", "1000", false}, Case{"abc", "1000", true}, Case{"12abc", "1000", true},
          Case{"-50", "1000", true}, Case{"$10", "1000", true}, Case{"0x10", "1000", true}, Case{"1к500", "1000", true},
          Case{"12", "1120", false}, Case{"1 500", "16000", false}, Case{"12 345", "124450", false},
          Case{"12к", "121000", false}, Case{"1,5к", "16000", false}, Case{"50кк", "500001000", false},
          Case{"2147483648", "21474837480", false}, Case{"922337203685477580", "too much", false},
          Case{"99999999999999999999", "1000", true}}) {
        SCOPED_TRACE(c.typed);
        ForgeQuote quote(knife);
        quote.typePrice(RecipeRowKind::Material2, c.typed, {});
        EXPECT_EQ(Text(quote.cost()), c.cost);
        EXPECT_EQ(quote.countedAsZero(RecipeRowKind::Material2), c.countedAsZero);
        EXPECT_FALSE(quote.countedAsZero(RecipeRowKind::Material1));
    }
}

TEST(ForgeQuote, ElementAndCrumbRowsAddTheirQuantityTimesPrice) {
    ForgeState state = Weapon("54.1", 1000, 1);
    state.materials[1] = {"Jellopy", "images/jellopy.bmp", 10, 0};
    state.elementFlag = 1;
    state.elementName = "Fire";
    state.elementStone = FindElementStone("Fire");
    state.elementStonePrice = 30000;
    state.starCrumbCount = 2;
    state.starCrumbPrice = 15000;
    EXPECT_EQ(Cost(state), "122000");
    EXPECT_EQ(Cost(state, {{RecipeRowKind::StarCrumbs, "1к"}}), "66000");
}

// Money is 64-bit: a cost past 32 bits is a figure, and only one past 64
// bits is too much; then a weapon has no attempt to budget.
TEST(ForgeQuote, CostsUpToThe64BitRange) {
    EXPECT_EQ(Cost(Weapon("1", 30000000, 1)), "3000000000");
    EXPECT_EQ(Cost(Resource("1"), {{RecipeRowKind::Material1, "2000000000"}}), "3980000299");
    EXPECT_EQ(Cost(Weapon("50", 2147483647, 2147483647), {{RecipeRowKind::Material1, "2147483647"}}),
              "9223372032559808512");
    EXPECT_EQ(Cost(Weapon("49.9", 2147483647, 2147483647), {{RecipeRowKind::Material1, "2147483647"}}), "too much");
    EXPECT_EQ(Cost(Weapon("0.000000001", 1000, 1)), "100000000000000");
    EXPECT_EQ(Cost(Weapon("0.000000000001", 2147483647, 1)), "too much");

    ForgeQuote beyond(Weapon("100", 0, 2147483647));
    beyond.typePrice(RecipeRowKind::Material1, "4 294 967 300", {});  // the attempt alone passes 2^63
    EXPECT_EQ(Text(beyond.cost()), "too much");
    EXPECT_FALSE(beyond.attempt());
    EXPECT_FALSE(beyond.budget());
    // What the attempts cost does not change how many each certainty takes.
    EXPECT_EQ(beyond.budgetTries(), (std::array<std::int64_t, 3>{1, 1, 1}));
}

TEST(ForgeQuote, WeaponBudgetFollowsThePrices) {
    ForgeQuote quote(Weapon("50", 1000, 1));
    ASSERT_TRUE(quote.budget());
    EXPECT_EQ(quote.budget()->tryCost, 1000);
    EXPECT_EQ(quote.budget()->levels[0].tries, 1);
    EXPECT_EQ(quote.budget()->levels[2].tries, 7);
    quote.typePrice(RecipeRowKind::Material1, "1к", {});
    EXPECT_EQ(quote.budget()->tryCost, 2000);
    EXPECT_EQ(quote.budget()->levels[2].cost, 14000);
    EXPECT_FALSE(ForgeQuote(Resource("50")).budget());
    EXPECT_FALSE(ForgeQuote(Resource("50")).attempt());
    EXPECT_FALSE(ForgeQuote(Resource("50")).budgetTries());
}

TEST(ForgeQuote, ResourceAtRateFiftySixAgreesWithTheRequest) {
    // 10 x 20 + 20 x 10 + 20 x 10 + 1 x 500 + 4500 = 5600.
    FakeInputs controls("Iron");
    controls.set(ForgeInput::JobLevel, "10")
        .set(ForgeInput::Dex, "20")
        .set(ForgeInput::Luk, "20")
        .set(ForgeInput::IronTempering, "1");
    auto outcome = RunForgeRequest(BuiltInRules().forge, controls);
    ASSERT_EQ(outcome.stage, ForgeStage::Filled) << ErrorText(outcome.error);
    EXPECT_EQ(DecimalText(outcome.state.shownRate, '.'), "56");
    EXPECT_EQ(Cost(outcome.state), "216");
}

// Typing back the prices a window starts with keeps its first cost, for every
// entry.
TEST(ForgeQuote, RetypedStartPricesKeepTheFirstCost) {
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
        if (!row.recipe) continue;
        for (bool extras : {false, true}) {
            FakeInputs controls{std::string(row.text)};
            if (extras) controls.tick(1).tick(2).set(ForgeInput::Element, "Ice").set(ForgeInput::Anvil, "None");
            auto outcome = RunForgeRequest(BuiltInRules().forge, controls);
            SCOPED_TRACE(std::string(row.text) + (extras ? " with crumbs and element" : ""));
            ASSERT_EQ(outcome.stage, ForgeStage::Filled) << ErrorText(outcome.error);
            const Recipe recipe = RecipeOf(outcome.state);
            std::vector<std::pair<RecipeRowKind, std::string>> typed;
            for (std::size_t i = 1; i < kRecipeRowCount; ++i)
                if (recipe[i].used) typed.emplace_back(static_cast<RecipeRowKind>(i), IntegerText(recipe[i].price));
            EXPECT_EQ(Cost(outcome.state, typed), Cost(outcome.state));
        }
    }
}

TEST(ForgeQuote, TypedPricesChangeTheEstimate) {
    auto outcome = RunForgeRequest(BuiltInRules().forge, FakeInputs("Knife").set(ForgeInput::Element, "Earth"));
    ASSERT_EQ(outcome.stage, ForgeStage::Filled) << ErrorText(outcome.error);
    EXPECT_EQ(DecimalText(outcome.state.shownRate, '.'), "84.1");
    EXPECT_EQ(Cost(outcome.state), "10000");                                      // 2 x (1000 + 4000)
    EXPECT_EQ(Cost(outcome.state, {{RecipeRowKind::Material2, "12"}}), "10240");  // and 10 x 12
}

// The desktop program switches to the user's locale at start; a locale whose
// decimal separator is a comma must not change a rate or a cost. Rates just
// either side of 100 / n show a whole-number misreading at once, as it
// changes the count of attempts.
class InCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const auto locale = test_support::InstalledCommaLocale();
        if (!locale)
            GTEST_SKIP() << "no comma locale is installed; make one with: localedef -i ru_RU -f UTF-8 ru_RU.UTF-8";
        comma_ = *locale;
    }
    std::locale comma_;
};

struct Figures {
    Extended value = 0;
    std::string parsed;  // the value read, printed back
    std::string weaponCost;
    std::string resourceCost;
};

Figures FiguresOf(const std::string& rate, char separator) {
    Figures figures;
    auto value = ParseStrictFloat(rate, separator);
    figures.value = value.ok() ? *value : 0;
    figures.parsed = value.ok() ? FormatGeneral(*value, separator) : "error: " + value.error().sourceText();
    figures.weaponCost = Cost(Weapon(rate, 5000, 1, 1000));
    figures.resourceCost = Cost(Resource(rate, 1000));
    return figures;
}

TEST_F(InCommaLocale, RatesAndCostsAreThoseOfTheCLocale) {
    for (const char* rate : {"33.4", "33.5", "16.8", "12.7", "1.5", "100"}) {
        for (const char separator : {'.', ','}) {
            std::string text = rate;
            if (separator == ',') std::replace(text.begin(), text.end(), '.', ',');
            SCOPED_TRACE(text + " read with '" + separator + "'");
            const Figures inC = FiguresOf(text, separator);
            const test_support::ProcessLocale comma(comma_);
            const Figures inComma = FiguresOf(text, separator);
            EXPECT_EQ(inComma.value, inC.value);
            EXPECT_EQ(inComma.parsed, inC.parsed);
            EXPECT_EQ(inComma.weaponCost, inC.weaponCost);
            EXPECT_EQ(inComma.resourceCost, inC.resourceCost);
        }
    }
}

// Lance at 33.5 with 100 typed as the Oridecon price: 100 / 33.5 rounds up to
// three attempts, not the four of a rate misread as 33.
TEST_F(InCommaLocale, LanceAtThirtyThreeAndAHalfCostsThreeAttempts) {
    const test_support::ProcessLocale comma(comma_);
    for (const char separator : {'.', ','}) {
        FakeInputs controls("Lance");
        controls.set(ForgeInput::Dex, "82")
            .set(ForgeInput::Luk, "1")
            .set(ForgeInput::JobLevel, "1")
            .set(ForgeInput::WeaponryResearch, "0");
        controls.set(ForgeInput::Anvil, "None").set(ForgeInput::SmithSpear, "1");
        auto outcome = RunForgeRequest(BuiltInRules().forge, controls);
        ASSERT_EQ(outcome.stage, ForgeStage::Filled) << ErrorText(outcome.error);
        EXPECT_EQ(DecimalText(outcome.state.shownRate, separator), separator == '.' ? "33.5" : "33,5");
        EXPECT_EQ(Cost(outcome.state, {{RecipeRowKind::Material1, "100"}}), "59640") << separator;
    }
}

}  // namespace
}  // namespace trivelon
