// The forge request from the main window's texts to a filled state: worked
// examples, which inputs are read and in what order, clamping, name
// decoration, element stones and star crumbs, and the initial cost.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/forge_catalogue.h"
#include "core/forge_quote.h"
#include "core/forge_request.h"
#include "fake_inputs.h"

namespace trivelon {
namespace {

ForgeRequestOutcome Request(const FakeInputs& inputs) { return RunForgeRequest(BuiltInRules().forge, inputs); }

// The cost a filled request's result window shows first.
std::optional<std::int64_t> FirstCost(const ForgeState& state) { return ForgeQuote(state).cost(); }

// The rate as a window shows it.
std::string RateText(const ForgeState& state, char separator = '.') { return DecimalText(state.shownRate, separator); }

const ForgeState& Filled(const ForgeRequestOutcome& outcome) {
    EXPECT_EQ(outcome.stage, ForgeStage::Filled) << ErrorText(outcome.error);
    return outcome.state;
}

struct WorkedExample {
    const char* item;
    std::function<void(FakeInputs&)> setup;
    const char* rateText;
    std::int32_t cost;
    const char* itemName;
};

TEST(ForgeRequest, WorkedExamplesWithTheDefaultCharacter) {
    const std::vector<WorkedExample> examples = {
        {"Iron", [](FakeInputs&) {}, "79.1", 182, "Iron"},
        {"Knife", [](FakeInputs&) {}, "100", 1000, "Knife"},
        {"Damascus", [](FakeInputs& c) { c.set(ForgeInput::Anvil, "None"); }, "74.1", 19120, "Damascus"},
        {"Knife", [](FakeInputs& c) { c.tick(1).tick(2).set(ForgeInput::Element, "Fire"); }, "54.1", 122000,
         "VVS Fire Knife"},
    };
    for (const WorkedExample& example : examples) {
        FakeInputs inputs(example.item);
        example.setup(inputs);
        auto outcome = Request(inputs);
        SCOPED_TRACE(example.itemName);
        const ForgeState& state = Filled(outcome);
        EXPECT_EQ(outcome.caption, example.item);
        EXPECT_EQ(RateText(state), example.rateText);
        EXPECT_EQ(FirstCost(state), example.cost);
        EXPECT_EQ(state.itemName, example.itemName);
        EXPECT_GE(state.rate, 1.0);
        EXPECT_LE(state.rate, 100.0);
    }
}

TEST(ForgeRequest, ResourceIgnoresTickedCrumbsAndElement) {
    auto outcome = Request(FakeInputs("Iron").tick(1).tick(2).tick(3).set(ForgeInput::Element, "Fire"));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(s.itemName, "Iron");
    EXPECT_EQ(FirstCost(s), 182);
    EXPECT_EQ(s.toolName, "Mini Furnace");
    EXPECT_TRUE(s.resource);
    EXPECT_EQ(s.materials[0].picture, "images/ironore.bmp");
    EXPECT_EQ(s.materials[0].price, 0);
    EXPECT_EQ(s.bigPicture, "images/big/iron.bmp");
    EXPECT_EQ(std::tie(s.starCrumbCount, s.elementFlag, s.starCrumbPrice, s.elementStonePrice),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(s.elementStone, nullptr);
}

TEST(ForgeRequest, WeaponCarriesCrumbsElementAndPreset) {
    auto outcome = Request(FakeInputs("Damascus").tick(1).tick(2).set(ForgeInput::Element, "Fire"));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(outcome.caption, "Damascus");
    EXPECT_EQ(s.itemName, "VVS Fire Damascus");
    EXPECT_EQ(s.toolPrice, 5000);
    EXPECT_EQ(s.materials[2].price, 4560);
    EXPECT_EQ(std::tie(s.weaponLevel, s.atk, s.range, s.requiredBaseLevel), std::make_tuple(3, 118, 1, 24));
    EXPECT_EQ(std::tie(s.starCrumbCount, s.starCrumbPrice, s.elementFlag, s.elementStonePrice),
              std::make_tuple(2, 15000, 1, 30000));
    // 9910 - 5500 = 4410: 44.1 + 10 - 30 + 5 = 29.1, so four attempts per
    // success, each costing 5000 + 4560 + 30000 + 2 x 15000.
    EXPECT_EQ(RateText(s), "29.1");
    EXPECT_EQ(FirstCost(s), 4 * 69560);
}

TEST(ForgeRequest, SeparatorsStopBeforeAnySkillIsRead) {
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
        if (row.recipe) continue;
        FakeInputs inputs{std::string(row.text)};
        inputs.set(ForgeInput::OrideconResearch, "bad")
            .set(ForgeInput::WeaponryResearch, "bad")
            .set(ForgeInput::IronTempering, "bad");
        auto outcome = Request(inputs);
        EXPECT_EQ(outcome.stage, ForgeStage::CategoryHeader) << row.text;
        EXPECT_EQ(outcome.caption, row.text);
    }
}

struct BadInputCase {
    const char* item;
    std::vector<std::pair<ForgeInput, const char*>> texts;
    const char* reported;  // the message, naming the field and its text
    ForgeStage stage;
};

TEST(ForgeRequest, TheFirstBadInputInReadingOrderIsReported) {
    const std::vector<BadInputCase> cases = {
        {"Knife",
         {{ForgeInput::BaseLevel, "b"}, {ForgeInput::Dex, "d"}},
         "Base Lvl: «b» — не целое число",
         ForgeStage::InvalidCharacter},
        {"Knife",
         {{ForgeInput::Dex, "d"}, {ForgeInput::JobLevel, "j"}},
         "Dex: «d» — не целое число",
         ForgeStage::InvalidCharacter},
        {"Knife",
         {{ForgeInput::Luk, "l"}, {ForgeInput::JobLevel, "j"}},
         "Luk: «l» — не целое число",
         ForgeStage::InvalidCharacter},
        {"Knife", {{ForgeInput::JobLevel, "j "}}, "Job Lvl: «j » — не целое число", ForgeStage::InvalidCharacter},
        {"---------------Ресурсы---------------",
         {{ForgeInput::BaseLevel, ""}},
         "Base Lvl: «» — не целое число",
         ForgeStage::InvalidCharacter},
        {"Knife",
         {{ForgeInput::SmithDagger, "s"}, {ForgeInput::WeaponryResearch, "w"}, {ForgeInput::OrideconResearch, "o"}},
         "Smith Dagger: «s» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Knife",
         {{ForgeInput::WeaponryResearch, "w"}, {ForgeInput::OrideconResearch, "o"}},
         "Weaponry Research: «w» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Knife",
         {{ForgeInput::OrideconResearch, "o"}},
         "Oridecon Research: «o» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Iron",
         {{ForgeInput::IronTempering, "i"}},
         "Iron Tempering: «i» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Steel",
         {{ForgeInput::SteelTempering, "2147483648"}},
         "Steel Tempering: «2147483648» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Oridecon",
         {{ForgeInput::OrideconResearch, "o"}},
         "Oridecon Research: «o» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Elunium",
         {{ForgeInput::OrideconResearch, "o"}},
         "Oridecon Research: «o» — не целое число",
         ForgeStage::InvalidSkillOrItem},
        {"Flame Heart",
         {{ForgeInput::EnchantedStoneCraft, "st"}},
         "Enchanted Stone Craft: «st» — не целое число",
         ForgeStage::InvalidSkillOrItem},
    };
    for (const BadInputCase& c : cases) {
        FakeInputs inputs(c.item);
        for (const auto& [input, text] : c.texts) inputs.set(input, text);
        auto outcome = Request(inputs);
        SCOPED_TRACE(std::string(c.item) + " reporting " + c.reported);
        EXPECT_EQ(outcome.stage, c.stage);
        EXPECT_EQ(ErrorText(outcome.error), c.reported);
        if (c.stage == ForgeStage::InvalidSkillOrItem) {
            EXPECT_EQ(outcome.caption, c.item);
        }
    }
}

TEST(ForgeRequest, ResourcesReadOnlyTheirOwnSkill) {
    const std::set<ForgeInput> weaponOnly = {ForgeInput::SmithDagger,  ForgeInput::SmithSword,
                                             ForgeInput::Smith2HSword, ForgeInput::SmithAxe,
                                             ForgeInput::SmithMace,    ForgeInput::SmithKnucklebrace,
                                             ForgeInput::SmithSpear,   ForgeInput::WeaponryResearch,
                                             ForgeInput::Element,      ForgeInput::Anvil};
    struct Case {
        const char* item;
        std::set<ForgeInput> skills;
    };
    for (const Case& c : {Case{"Iron", {ForgeInput::IronTempering}}, Case{"Steel", {ForgeInput::SteelTempering}},
                          Case{"Oridecon", {ForgeInput::OrideconResearch}},
                          Case{"Great Nature", {ForgeInput::EnchantedStoneCraft}}, Case{"Star Crumb", {}}}) {
        FakeInputs inputs(c.item);
        for (ForgeInput input : {ForgeInput::IronTempering, ForgeInput::SteelTempering, ForgeInput::OrideconResearch,
                                 ForgeInput::EnchantedStoneCraft})
            if (!c.skills.count(input)) inputs.set(input, "bad");
        for (ForgeInput input : weaponOnly) inputs.set(input, "bad");
        // A text the item does not need is never read: "bad" does no harm.
        Filled(Request(inputs));
    }
}

TEST(ForgeRequest, WeaponsReadTheSmithSkillOfTheirCategoryOnly) {
    const std::vector<ForgeInput> smithControls = {
        ForgeInput::SmithDagger, ForgeInput::SmithSword,        ForgeInput::Smith2HSword, ForgeInput::SmithAxe,
        ForgeInput::SmithMace,   ForgeInput::SmithKnucklebrace, ForgeInput::SmithSpear};
    struct Case {
        const char* item;
        ForgeInput smith;
    };
    for (const Case& c : {Case{"Knife", ForgeInput::SmithDagger}, Case{"Sword", ForgeInput::SmithSword},
                          Case{"Katana", ForgeInput::Smith2HSword}, Case{"Axe", ForgeInput::SmithAxe},
                          Case{"Club", ForgeInput::SmithMace}, Case{"Waghnak", ForgeInput::SmithKnucklebrace},
                          Case{"Javelin", ForgeInput::SmithSpear}}) {
        SCOPED_TRACE(c.item);
        FakeInputs inputs(c.item);
        for (ForgeInput other : smithControls)
            if (other != c.smith) inputs.set(other, "bad");
        inputs.set(ForgeInput::IronTempering, "bad")
            .set(ForgeInput::SteelTempering, "bad")
            .set(ForgeInput::EnchantedStoneCraft, "bad");
        inputs.set(ForgeInput::Anvil, "None").set(c.smith, "2");
        EXPECT_DOUBLE_EQ(Filled(Request(inputs)).rate, 94.1);

        inputs.set(c.smith, "$z");
        auto failed = Request(inputs);
        EXPECT_EQ(failed.stage, ForgeStage::InvalidSkillOrItem);
        EXPECT_EQ(ErrorText(failed.error), std::string(FieldOf(c.smith).name) + ": «$z» — не целое число");
    }
}

TEST(ForgeRequest, RateIsClampedToOneThroughOneHundred) {
    for (const char* item : {"Iron", "Star Crumb"}) {
        auto high = Request(FakeInputs(item).set(ForgeInput::JobLevel, "1000"));
        EXPECT_EQ(Filled(high).rate, 100.0) << item;
        EXPECT_EQ(RateText(high.state), "100") << item;
        EXPECT_EQ(FirstCost(high.state), 150) << item;
    }

    FakeInputs low("Damascus");
    for (ForgeInput input : {ForgeInput::BaseLevel, ForgeInput::Dex, ForgeInput::Luk, ForgeInput::JobLevel,
                             ForgeInput::SmithDagger, ForgeInput::OrideconResearch})
        low.set(input, "1");
    low.set(ForgeInput::WeaponryResearch, "0").set(ForgeInput::Anvil, "None").set(ForgeInput::Element, "Fire").tick(3);
    auto clamped = Request(low);
    EXPECT_EQ(Filled(clamped).rate, 1.0);
    EXPECT_EQ(RateText(clamped.state), "1");
    EXPECT_EQ(clamped.state.itemName, "VVVS Fire Damascus");
    EXPECT_EQ(FirstCost(clamped.state), 100 * (5000 + 4560 + 30000 + 3 * 15000));
}

TEST(ForgeRequest, ExtremeCharacterValuesAreClampedWithoutOverflow) {
    FakeInputs huge("Knife");
    for (ForgeInput input : {ForgeInput::BaseLevel, ForgeInput::Dex, ForgeInput::Luk, ForgeInput::JobLevel,
                             ForgeInput::SmithDagger, ForgeInput::WeaponryResearch, ForgeInput::OrideconResearch})
        huge.set(input, "2147483647");
    auto outcome = Request(huge);
    EXPECT_EQ(RateText(Filled(outcome)), "100");
    EXPECT_EQ(FirstCost(outcome.state), 1000);

    // Resource at rate 1 pays 199 percent of the 150 of one attempt.
    auto tiny = Request(FakeInputs("Elunium")
                            .set(ForgeInput::OrideconResearch, "-2147483648")
                            .set(ForgeInput::BaseLevel, "-$80000000"));
    EXPECT_EQ(RateText(Filled(tiny)), "1");
    EXPECT_EQ(FirstCost(tiny.state), 299);
}

TEST(ForgeRequest, HighestTickedCrumbBoxDecidesTheCount) {
    auto outcome = Request(FakeInputs("Knife").tick(3));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(s.starCrumbCount, 3);
    EXPECT_EQ(s.itemName, "VVVS Knife");
    EXPECT_EQ(RateText(s), "64.1");
    EXPECT_EQ(FirstCost(s), 2 * (1000 + 3 * 15000));

    EXPECT_EQ(Filled(Request(FakeInputs("Knife").tick(1).tick(3))).starCrumbCount, 3);
    EXPECT_EQ(Filled(Request(FakeInputs("Knife").tick(2))).itemName, "VVS Knife");
}

TEST(ForgeRequest, RateIsPrintedWithTheGivenSeparator) {
    auto iron = Request(FakeInputs("Iron"));
    EXPECT_EQ(RateText(Filled(iron), ','), "79,1");
    EXPECT_EQ(FirstCost(iron.state), 182);

    auto knife = Request(FakeInputs("Knife").tick(1).tick(2).set(ForgeInput::Element, "Fire"));
    EXPECT_EQ(RateText(Filled(knife), ','), "54,1");
    EXPECT_EQ(FirstCost(knife.state), 122000);
}

TEST(ForgeRequest, PresetPricesEnterTheInitialCost) {
    auto star = Request(FakeInputs("Morning Star"));
    const ForgeState& s = Filled(star);
    EXPECT_EQ(s.materials[1].name, "1carat Diamond");
    EXPECT_EQ(s.materials[1].price, 3800);
    EXPECT_EQ(RateText(s), "84.1");
    EXPECT_EQ(FirstCost(s), 2 * (5000 + 3800));

    auto plain = Request(FakeInputs("Haedonggum"));
    EXPECT_EQ(Filled(plain).materials[2].name, "Topaz");
    EXPECT_EQ(plain.state.materials[2].price, 0);
}

TEST(ForgeRequest, EachElementAddsItsStone) {
    struct Case {
        const char* element;
        const char* stone;
        const char* picture;
        std::int32_t price;
    };
    for (const Case& c : {Case{"Fire", "Flame Heart", "images/flameheart.bmp", 30000},
                          Case{"Earth", "Great Nature", "images/greatnature.bmp", 4000},
                          Case{"Wind", "Rough Wind", "images/roughwind.bmp", 65000},
                          Case{"Ice", "Mystic Frozen", "images/mysticfrozen.bmp", 20000}}) {
        SCOPED_TRACE(c.element);
        const ElementStone* stone = FindElementStone(c.element);
        ASSERT_NE(stone, nullptr);
        EXPECT_EQ(stone->name, c.stone);
        EXPECT_EQ(stone->picture, c.picture);
        const NamedValue* price = FindNamed(BuiltInRules().forge.stonePrices, stone->name);
        ASSERT_NE(price, nullptr);
        EXPECT_EQ(price->value, c.price);

        // Typed in any case, the element is the list's: row, penalty and title agree.
        std::string lower(c.element), upper(c.element);
        for (char& letter : lower) letter = static_cast<char>(std::tolower(letter));
        for (char& letter : upper) letter = static_cast<char>(std::toupper(letter));
        for (const std::string& typed : {std::string(c.element), lower, upper}) {
            auto outcome = Request(FakeInputs("Knife").set(ForgeInput::Element, typed));
            const ForgeState& s = Filled(outcome);
            EXPECT_EQ(s.elementStone, stone) << typed;
            EXPECT_EQ(s.itemName, std::string(c.element) + " Knife");
            EXPECT_EQ(RateText(s), "84.1");
            EXPECT_EQ(FirstCost(s), 2 * (1000 + c.price));
        }
    }
    // "Без элемента" in another case is still no element.
    EXPECT_EQ(Filled(Request(FakeInputs("Knife").set(ForgeInput::Element, "БЕЗ ЭЛЕМЕНТА"))).elementFlag, 0);
    EXPECT_EQ(FindElementStone("fire"), nullptr);
    EXPECT_EQ(FindElementStone(kNoElement), nullptr);
}

// A text that names no element of the list is an error naming the field,
// never an element of its own that lowers the rate; blanks are no element.
TEST(ForgeRequest, AnElementOrAnAnvilOutsideTheListIsAnError) {
    for (const std::string typed : {"Poison", "Огонь", "Fire Fire"}) {
        auto outcome = Request(FakeInputs("Knife").set(ForgeInput::Element, typed));
        EXPECT_EQ(outcome.stage, ForgeStage::InvalidSkillOrItem) << typed;
        EXPECT_EQ(ErrorText(outcome.error), "Элемент: «" + typed + "» — нет такого элемента");
    }
    // An anvil outside the list once added nothing to the rate, silently.
    const auto anvil = Request(FakeInputs("Knife").set(ForgeInput::Anvil, "Diamond Anvil"));
    EXPECT_EQ(anvil.stage, ForgeStage::InvalidSkillOrItem);
    EXPECT_EQ(ErrorText(anvil.error), "Наковальня: «Diamond Anvil» — нет такой наковальни");
    for (const std::string blank : {"", "  "}) {
        const ForgeState s = Filled(Request(FakeInputs("Knife").set(ForgeInput::Element, blank)));
        EXPECT_EQ(s.elementFlag, 0);
        EXPECT_EQ(s.itemName, "Knife");
    }
}

TEST(ForgeRequest, UnknownItemNameFailsInTheWindow) {
    auto outcome = Request(FakeInputs("Excalibur"));
    EXPECT_EQ(outcome.stage, ForgeStage::InvalidSkillOrItem);
    EXPECT_EQ(outcome.caption, "Excalibur");
    EXPECT_FALSE(ErrorText(outcome.error).empty());
    EXPECT_EQ(Request(FakeInputs("iron")).stage, ForgeStage::InvalidSkillOrItem);
}

}  // namespace
}  // namespace trivelon
