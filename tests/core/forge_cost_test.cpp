// The result window's cost recalculation over its texts, its agreement with
// the request's own estimate, and its independence of the process locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <locale>
#include <string>

#include "catalogue/forge_catalogue.h"
#include "core/forge_cost.h"
#include "core/numbers.h"
#include "fake_inputs.h"
#include "support/process_locale.h"

namespace trivelon {
namespace {

// A filled weapon window with one material and no element or star crumbs.
ForgeCostSheet WeaponSheet(std::string rate, std::string toolPrice, std::string quantity1, std::string price1) {
    ForgeCostSheet sheet;
    sheet.toolQuantity = "1";
    sheet.toolPrice = std::move(toolPrice);
    sheet.pricedRows[0].quantity = std::move(quantity1);
    sheet.pricedRows[0].price = std::move(price1);
    for (std::size_t row = 1; row < sheet.pricedRows.size(); ++row) sheet.pricedRows[row].price = "0";
    sheet.rate = std::move(rate);
    return sheet;
}

ForgeCostSheet ResourceSheet(std::string rate, std::string price1) {
    ForgeCostSheet sheet = WeaponSheet(std::move(rate), "150", "1", std::move(price1));
    sheet.resource = true;
    return sheet;
}

std::string Cost(const ForgeCostSheet& sheet, char separator = '.') {
    auto cost = RecalculateForgeCost(sheet, separator);
    if (!cost.ok()) return "error: " + cost.error();
    return *cost ? std::to_string(**cost) : "too much";
}

TEST(InitialForgeCost, SumsPastThe32BitRangeAreFigures) {
    ForgeState weapon;
    weapon.toolPrice = std::numeric_limits<std::int32_t>::max();
    weapon.materials[0].quantity = 1;
    weapon.materials[0].price = 1;
    weapon.rate = 100;
    weapon.rateText = "100";
    EXPECT_EQ(*InitialForgeCost(weapon, '.'), 2147483648);
    weapon.rate = 1;
    weapon.rateText = "1";
    EXPECT_EQ(*InitialForgeCost(weapon, '.'), 214748364800);

    ForgeState resource;
    resource.resource = true;
    resource.toolPrice = 2000000000;
    resource.rate = 1;
    resource.rateText = "1";
    EXPECT_EQ(*InitialForgeCost(resource, '.'), 3980000000);
}

TEST(RecalculateForgeCost, CutterAtRateForty) { EXPECT_EQ(Cost(WeaponSheet("40", "1000", "25", "100")), "10500"); }

TEST(RecalculateForgeCost, WeaponPaysTheRoundedUpAttemptsPerSuccess) {
    EXPECT_EQ(Cost(WeaponSheet("100", "1000", "2", "250")), "1500");
    EXPECT_EQ(Cost(WeaponSheet("1", "1000", "2", "250")), "150000");
    EXPECT_EQ(Cost(WeaponSheet("54.1", "1000", "1", "0")), "2000");
    EXPECT_EQ(Cost(WeaponSheet("54,1", "1000", "1", "0"), ','), "2000");
}

TEST(RecalculateForgeCost, ResourcePaysTwoHundredMinusRatePercent) {
    EXPECT_EQ(Cost(ResourceSheet("100", "0")), "150");
    EXPECT_EQ(Cost(ResourceSheet("50", "1")), "227");  // 1.5 x 151 = 226.5
    EXPECT_EQ(Cost(ResourceSheet("79.1", "0")), "182");
    EXPECT_EQ(Cost(ResourceSheet("79,1", "0"), ','), "182");
    EXPECT_EQ(Cost(ResourceSheet("1", "0")), "299");
    // Leading zeros are decimal digits like any other, never an octal prefix.
    EXPECT_EQ(Cost(ResourceSheet("010", "0")), "285");
    EXPECT_EQ(Cost(ResourceSheet("0079.1", "0")), "182");
    EXPECT_EQ(Cost(ResourceSheet("00000001337279,1", "0"), ','), "-2005618");
}

TEST(RecalculateForgeCost, RateFiftySixGivesTheExactTwoHundredSixteen) {
    // 144 percent of 150 is exactly 216; binary rounding of 1.44 must not add one.
    EXPECT_EQ(Cost(ResourceSheet("56", "0")), "216");
    EXPECT_EQ(Cost(ResourceSheet("56", "")), "216");
}

TEST(RecalculateForgeCost, PricesAreReadLeniently) {
    ForgeCostSheet knife = WeaponSheet("100", "1000", "1", "0");
    knife.pricedRows[1].quantity = "10";
    const std::string zero = Cost(knife);
    EXPECT_EQ(zero, "1000");
    for (const char* price : {"", "abc", "12abc", " ", "2147483648"}) {
        knife.pricedRows[1].price = price;
        EXPECT_EQ(Cost(knife), zero) << "'" << price << "'";
    }
    knife.pricedRows[1].price = "-50";
    EXPECT_EQ(Cost(knife), "500");
    knife.pricedRows[1].price = "$10";
    EXPECT_EQ(Cost(knife), "1160");
}

TEST(RecalculateForgeCost, QuantityOfAnUnpricedRowIsNotRead) {
    ForgeCostSheet sheet = WeaponSheet("100", "1000", "1", "0");
    sheet.pricedRows[1].quantity = "it2_quan";
    sheet.pricedRows[2].quantity = "";
    sheet.row(RecipeRowKind::ElementStone).quantity = "junk";
    sheet.row(RecipeRowKind::StarCrumbs).quantity = "";
    EXPECT_EQ(Cost(sheet), "1000");

    sheet.pricedRows[1].price = "5";
    EXPECT_EQ(Cost(sheet), "error: 'it2_quan' is not a valid integer value");
    sheet.pricedRows[1].price = "0";
    sheet.row(RecipeRowKind::StarCrumbs).price = "15000";
    EXPECT_EQ(Cost(sheet), "error: '' is not a valid integer value");
}

TEST(RecalculateForgeCost, ElementAndCrumbRowsAddTheirQuantityTimesPrice) {
    ForgeCostSheet sheet = WeaponSheet("54.1", "1000", "1", "0");
    sheet.pricedRows[1].quantity = "10";
    sheet.row(RecipeRowKind::ElementStone).quantity = "1";
    sheet.row(RecipeRowKind::ElementStone).price = "30000";
    sheet.row(RecipeRowKind::StarCrumbs).quantity = "2";
    sheet.row(RecipeRowKind::StarCrumbs).price = "15000";
    EXPECT_EQ(Cost(sheet), "122000");
}

TEST(RecalculateForgeCost, StrictTextsStopWithTheirMessage) {
    ForgeCostSheet sheet = WeaponSheet("abc", "1000", "1", "0");
    EXPECT_EQ(Cost(sheet), "error: 'abc' is not a valid floating point value");
    sheet.rate = "";
    EXPECT_EQ(Cost(sheet), "error: '' is not a valid floating point value");
    // Whole numbers are read before the rate.
    sheet.pricedRows[0].quantity = "1x";
    EXPECT_EQ(Cost(sheet), "error: '1x' is not a valid integer value");
    sheet = WeaponSheet("100", "1000", "1", "0");
    sheet.toolQuantity = "one";
    EXPECT_EQ(Cost(sheet), "error: 'one' is not a valid integer value");
}

TEST(RecalculateForgeCost, NeverFilledWindowReportsTheToolPricePlaceholder) {
    ForgeCostSheet design;
    design.toolQuantity = "1";
    design.toolPrice = "hammer_price";
    design.pricedRows[0].quantity = "2";
    design.pricedRows[1].quantity = "3";
    design.pricedRows[2].quantity = "4";
    design.row(RecipeRowKind::ElementStone).quantity = "1";
    design.row(RecipeRowKind::StarCrumbs).quantity = "6";
    design.pricedRows[0].price = "70";
    design.pricedRows[1].price = design.pricedRows[2].price = design.row(RecipeRowKind::ElementStone).price =
        design.row(RecipeRowKind::StarCrumbs).price = "0";
    design.rate = "";
    EXPECT_EQ(Cost(design), "error: 'hammer_price' is not a valid integer value");
}

// Money is 64-bit: a cost past 32 bits is a figure, and only one past 64
// bits is too much.
TEST(RecalculateForgeCost, CostsUpToThe64BitRange) {
    EXPECT_EQ(Cost(WeaponSheet("100", "2147483647", "1", "1")), "2147483648");
    EXPECT_EQ(Cost(WeaponSheet("100", "-2147483648", "1", "-1")), "-2147483649");
    EXPECT_EQ(Cost(WeaponSheet("1", "30000000", "1", "0")), "3000000000");
    EXPECT_EQ(Cost(ResourceSheet("1", "2000000000")), "3980000299");  // 1.99 x 2000000150, rounded up
    // The largest attempt of all, twice: just below 2^63.
    EXPECT_EQ(Cost(WeaponSheet("50", "2147483647", "2147483647", "2147483647")), "9223372032559808512");
    EXPECT_EQ(Cost(WeaponSheet("49.9", "2147483647", "2147483647", "2147483647")), "too much");
    EXPECT_EQ(Cost(WeaponSheet("0.000000001", "1000", "1", "0")), "100000000000000");
    EXPECT_EQ(Cost(WeaponSheet("0.000000000001", "2147483647", "1", "0")), "too much");
    ForgeCostSheet threeRows = WeaponSheet("100", "0", "2147483647", "2147483647");
    for (RecipeRowKind row : {RecipeRowKind::Material2, RecipeRowKind::Material3})
        threeRows.row(row) = {"2147483647", "2147483647"};
    EXPECT_EQ(Cost(threeRows), "too much");  // the attempt alone passes 2^63
}

TEST(RecalculateForgeCost, ResourceAtRateFiftySixAgreesWithTheRequest) {
    // 10 x 20 + 20 x 10 + 20 x 10 + 1 x 500 + 4500 = 5600.
    FakeInputs controls("Iron");
    controls.set(ForgeInput::JobLevel, "10")
        .set(ForgeInput::Dex, "20")
        .set(ForgeInput::Luk, "20")
        .set(ForgeInput::IronTempering, "1");
    auto outcome = RunForgeRequest(controls, '.');
    ASSERT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
    EXPECT_EQ(outcome.state.rateText, "56");
    EXPECT_EQ(outcome.state.cost, 216);
    EXPECT_EQ(Cost(CostSheetOf(outcome.state)), "216");
}

// A filled window recalculates, before any price is typed, to the estimate the
// request wrote, for every entry and both decimal separators.
TEST(RecalculateForgeCost, FilledWindowsReproduceTheInitialCost) {
    for (const char separator : {'.', ','}) {
        for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
            if (!row.recipe) continue;
            for (bool extras : {false, true}) {
                FakeInputs controls{std::string(row.text)};
                if (extras) controls.tick(1).tick(2).set(ForgeInput::Element, "Ice").set(ForgeInput::Anvil, "None");
                auto outcome = RunForgeRequest(controls, separator);
                SCOPED_TRACE(std::string(row.text) + (extras ? " with crumbs and element" : "") + " sep " + separator);
                ASSERT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
                EXPECT_EQ(Cost(CostSheetOf(outcome.state), separator), std::to_string(outcome.state.cost.value()));
            }
        }
    }
}

TEST(CostSheetOf, TypedPricesChangeTheEstimate) {
    auto outcome = RunForgeRequest(FakeInputs("Knife").set(ForgeInput::Element, "Earth"), '.');
    ASSERT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
    ForgeCostSheet sheet = CostSheetOf(outcome.state);
    EXPECT_EQ(sheet.pricedRows[2].quantity, "");  // unused rows show no quantity
    EXPECT_EQ(sheet.row(RecipeRowKind::StarCrumbs).quantity, "");
    EXPECT_EQ(sheet.row(RecipeRowKind::ElementStone).price, "4000");
    EXPECT_EQ(sheet.rate, "84.1");
    sheet.pricedRows[1].price = "12";
    EXPECT_EQ(Cost(sheet), "10240");  // 2 x (1000 + 4000 + 10 x 12)
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
    figures.parsed = value.ok() ? FormatGeneral(*value, separator) : "error: " + value.error();
    figures.weaponCost = Cost(WeaponSheet(rate, "5000", "1", "1000"), separator);
    figures.resourceCost = Cost(ResourceSheet(rate, "1000"), separator);
    return figures;
}

TEST_F(InCommaLocale, RatesAndCostsAreThoseOfTheCLocale) {
    for (const char* rate : {"33.4", "33.5", "16.8", "12.7", "1.5", "1.5E1", "100", "abc"}) {
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
        auto outcome = RunForgeRequest(controls, separator);
        ASSERT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
        EXPECT_EQ(outcome.state.rateText, separator == '.' ? "33.5" : "33,5");
        ForgeCostSheet sheet = CostSheetOf(outcome.state);
        sheet.pricedRows[0].price = "100";
        EXPECT_EQ(Cost(sheet, separator), "59640") << separator;
    }
}

}  // namespace
}  // namespace trivelon
