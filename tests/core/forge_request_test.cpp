// The forge request from the main window's texts to a filled state: worked
// examples, which controls are read and in what order, clamping, name
// decoration, element stones and star crumbs, and the initial cost.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/forge_catalogue.h"
#include "core/forge_request.h"
#include "fake_controls.h"

namespace trivelon {
namespace {

ForgeRequestOutcome Request(const FakeControls& controls, char separator = '.') {
    return RunForgeRequest(controls, separator);
}

const ForgeState& Filled(const ForgeRequestOutcome& outcome) {
    EXPECT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
    return outcome.state;
}

struct WorkedExample {
    const char* item;
    std::function<void(FakeControls&)> setup;
    const char* rateText;
    std::int32_t cost;
    const char* itemName;
};

TEST(ForgeRequest, WorkedExamplesWithTheDefaultCharacter) {
    const std::vector<WorkedExample> examples = {
        {"Iron", [](FakeControls&) {}, "79.1", 182, "Iron"},
        {"Knife", [](FakeControls&) {}, "100", 1000, "Knife"},
        {"Damascus", [](FakeControls& c) { c.set(Control::Anvil, "None"); }, "74.1", 19120, "Damascus"},
        {"Knife", [](FakeControls& c) { c.tick(1).tick(2).set(Control::Elt, "Fire"); }, "54.1", 122000,
         "VVS Fire Knife"},
    };
    for (const WorkedExample& example : examples) {
        FakeControls controls(example.item);
        example.setup(controls);
        auto outcome = Request(controls);
        SCOPED_TRACE(example.itemName);
        const ForgeState& state = Filled(outcome);
        EXPECT_EQ(outcome.caption, example.item);
        EXPECT_EQ(state.rateText, example.rateText);
        EXPECT_EQ(state.cost, example.cost);
        EXPECT_EQ(state.itemName, example.itemName);
        EXPECT_GE(state.rate, 1.0);
        EXPECT_LE(state.rate, 100.0);
    }
}

TEST(ForgeRequest, ResourceIgnoresTickedCrumbsAndElement) {
    auto outcome = Request(FakeControls("Iron").tick(1).tick(2).tick(3).set(Control::Elt, "Fire"));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(s.itemName, "Iron");
    EXPECT_EQ(s.cost, 182);
    EXPECT_EQ(s.toolName, "Mini Furnace");
    EXPECT_EQ(s.materials[0].picture, "images/ironore.bmp");
    EXPECT_EQ(s.materials[0].price, 0);
    EXPECT_EQ(s.bigPicture, "images/big/iron.bmp");
    EXPECT_EQ(std::tie(s.starCrumbCount, s.elementFlag, s.starCrumbPrice, s.elementStonePrice),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(s.elementStone, nullptr);
}

TEST(ForgeRequest, WeaponCarriesCrumbsElementAndPreset) {
    auto outcome = Request(FakeControls("Damascus").tick(1).tick(2).set(Control::Elt, "Fire"));
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
    EXPECT_EQ(s.rateText, "29.1");
    EXPECT_EQ(s.cost, 4 * 69560);
}

TEST(ForgeRequest, SeparatorsStopBeforeAnySkillIsRead) {
    for (const CategoryInfo& category : ForgeCatalogue::Categories()) {
        FakeControls controls{std::string(category.separator)};
        controls.set(Control::Ori, "bad").set(Control::WR, "bad").set(Control::Iron, "bad");
        auto outcome = Request(controls);
        EXPECT_EQ(outcome.stage, ForgeStage::Separator) << category.separator;
        EXPECT_EQ(outcome.caption, category.separator);
    }
}

struct BadInputCase {
    const char* item;
    std::vector<std::pair<Control, const char*>> texts;
    const char* reported;
    ForgeStage stage;
};

TEST(ForgeRequest, TheFirstBadInputInReadingOrderIsReported) {
    const std::vector<BadInputCase> cases = {
        {"Knife", {{Control::Base, "b"}, {Control::Dex, "d"}}, "b", ForgeStage::FailedBeforeWindow},
        {"Knife", {{Control::Dex, "d"}, {Control::Job, "j"}}, "d", ForgeStage::FailedBeforeWindow},
        {"Knife", {{Control::Luk, "l"}, {Control::Job, "j"}}, "l", ForgeStage::FailedBeforeWindow},
        {"Knife", {{Control::Job, "j "}}, "j ", ForgeStage::FailedBeforeWindow},
        {"---------------Ресурсы---------------", {{Control::Base, ""}}, "", ForgeStage::FailedBeforeWindow},
        {"Knife", {{Control::SmDagger, "s"}, {Control::WR, "w"}, {Control::Ori, "o"}}, "s",
         ForgeStage::FailedInWindow},
        {"Knife", {{Control::WR, "w"}, {Control::Ori, "o"}}, "w", ForgeStage::FailedInWindow},
        {"Knife", {{Control::Ori, "o"}}, "o", ForgeStage::FailedInWindow},
        {"Iron", {{Control::Iron, "i"}}, "i", ForgeStage::FailedInWindow},
        {"Steel", {{Control::Steel, "2147483648"}}, "2147483648", ForgeStage::FailedInWindow},
        {"Oridecon", {{Control::Ori, "o"}}, "o", ForgeStage::FailedInWindow},
        {"Elunium", {{Control::Ori, "o"}}, "o", ForgeStage::FailedInWindow},
        {"Flame Heart", {{Control::Stone, "st"}}, "st", ForgeStage::FailedInWindow},
    };
    for (const BadInputCase& c : cases) {
        FakeControls controls(c.item);
        for (const auto& [control, text] : c.texts) controls.set(control, text);
        auto outcome = Request(controls);
        SCOPED_TRACE(std::string(c.item) + " reporting '" + c.reported + "'");
        EXPECT_EQ(outcome.stage, c.stage);
        EXPECT_EQ(outcome.error, std::string("'") + c.reported + "' is not a valid integer value");
        if (c.stage == ForgeStage::FailedInWindow) {
            EXPECT_EQ(outcome.caption, c.item);
        }
    }
}

TEST(ForgeRequest, ResourcesReadOnlyTheirOwnSkill) {
    const std::set<Control> weaponOnly = {Control::SmDagger, Control::SmSword, Control::Sm2HSword, Control::SmAxe,
                                          Control::SmMace,   Control::SmKn,    Control::SmSpear,   Control::WR,
                                          Control::Elt,      Control::Anvil};
    struct Case {
        const char* item;
        std::set<Control> skills;
    };
    for (const Case& c : {Case{"Iron", {Control::Iron}}, Case{"Steel", {Control::Steel}},
                          Case{"Oridecon", {Control::Ori}}, Case{"Great Nature", {Control::Stone}},
                          Case{"Star Crumb", {}}}) {
        FakeControls controls(c.item);
        for (Control control : {Control::Iron, Control::Steel, Control::Ori, Control::Stone})
            if (!c.skills.count(control)) controls.set(control, "bad");
        for (Control control : weaponOnly) controls.set(control, "bad");
        Filled(Request(controls));
        std::set<Control> read(controls.reads().begin(), controls.reads().end());
        std::set<Control> expected = {Control::Base, Control::Dex, Control::Luk, Control::Job, Control::Weapon};
        expected.insert(c.skills.begin(), c.skills.end());
        EXPECT_EQ(read, expected) << c.item;
    }
}

TEST(ForgeRequest, WeaponsReadTheSmithSkillOfTheirCategoryOnly) {
    const std::vector<Control> smithControls = {Control::SmDagger, Control::SmSword, Control::Sm2HSword,
                                                Control::SmAxe,    Control::SmMace,  Control::SmKn,
                                                Control::SmSpear};
    struct Case {
        const char* item;
        Control smith;
    };
    for (const Case& c : {Case{"Knife", Control::SmDagger}, Case{"Sword", Control::SmSword},
                          Case{"Katana", Control::Sm2HSword}, Case{"Axe", Control::SmAxe}, Case{"Club", Control::SmMace},
                          Case{"Waghnak", Control::SmKn}, Case{"Javelin", Control::SmSpear}}) {
        SCOPED_TRACE(c.item);
        FakeControls controls(c.item);
        for (Control other : smithControls)
            if (other != c.smith) controls.set(other, "bad");
        controls.set(Control::Iron, "bad").set(Control::Steel, "bad").set(Control::Stone, "bad");
        controls.set(Control::Anvil, "None").set(c.smith, "2");
        EXPECT_DOUBLE_EQ(Filled(Request(controls)).rate, 94.1);

        controls.set(c.smith, "$z");
        auto failed = Request(controls);
        EXPECT_EQ(failed.stage, ForgeStage::FailedInWindow);
        EXPECT_EQ(failed.error, "'$z' is not a valid integer value");
    }
}

TEST(ForgeRequest, RateIsClampedToOneThroughOneHundred) {
    for (const char* item : {"Iron", "Star Crumb"}) {
        auto high = Request(FakeControls(item).set(Control::Job, "1000"));
        EXPECT_EQ(Filled(high).rate, 100.0) << item;
        EXPECT_EQ(high.state.rateText, "100") << item;
        EXPECT_EQ(high.state.cost, 150) << item;
    }

    FakeControls low("Damascus");
    for (Control control : {Control::Base, Control::Dex, Control::Luk, Control::Job, Control::SmDagger, Control::Ori})
        low.set(control, "1");
    low.set(Control::WR, "0").set(Control::Anvil, "None").set(Control::Elt, "Fire").tick(3);
    auto clamped = Request(low);
    EXPECT_EQ(Filled(clamped).rate, 1.0);
    EXPECT_EQ(clamped.state.rateText, "1");
    EXPECT_EQ(clamped.state.itemName, "VVVS Fire Damascus");
    EXPECT_EQ(clamped.state.cost, 100 * (5000 + 4560 + 30000 + 3 * 15000));
}

TEST(ForgeRequest, ExtremeCharacterValuesAreClampedWithoutOverflow) {
    FakeControls huge("Knife");
    for (Control control : {Control::Base, Control::Dex, Control::Luk, Control::Job, Control::SmDagger, Control::WR,
                            Control::Ori})
        huge.set(control, "2147483647");
    auto outcome = Request(huge);
    EXPECT_EQ(Filled(outcome).rateText, "100");
    EXPECT_EQ(outcome.state.cost, 1000);

    // Resource at rate 1 pays 199 percent of the 150 of one attempt.
    auto tiny = Request(FakeControls("Elunium").set(Control::Ori, "-2147483648").set(Control::Base, "-$80000000"));
    EXPECT_EQ(Filled(tiny).rateText, "1");
    EXPECT_EQ(tiny.state.cost, 299);
}

TEST(ForgeRequest, HighestTickedCrumbBoxDecidesTheCount) {
    auto outcome = Request(FakeControls("Knife").tick(3));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(s.starCrumbCount, 3);
    EXPECT_EQ(s.itemName, "VVVS Knife");
    EXPECT_EQ(s.rateText, "64.1");
    EXPECT_EQ(s.cost, 2 * (1000 + 3 * 15000));

    EXPECT_EQ(Filled(Request(FakeControls("Knife").tick(1).tick(3))).starCrumbCount, 3);
    EXPECT_EQ(Filled(Request(FakeControls("Knife").tick(2))).itemName, "VVS Knife");
}

TEST(ForgeRequest, RateIsPrintedWithTheGivenSeparator) {
    auto iron = Request(FakeControls("Iron"), ',');
    EXPECT_EQ(Filled(iron).rateText, "79,1");
    EXPECT_EQ(iron.state.cost, 182);

    auto knife = Request(FakeControls("Knife").tick(1).tick(2).set(Control::Elt, "Fire"), ',');
    EXPECT_EQ(Filled(knife).rateText, "54,1");
    EXPECT_EQ(knife.state.cost, 122000);
}

TEST(ForgeRequest, PresetPricesEnterTheInitialCost) {
    auto star = Request(FakeControls("Morning Star"));
    const ForgeState& s = Filled(star);
    EXPECT_EQ(s.materials[1].name, "1carat Diamond");
    EXPECT_EQ(s.materials[1].price, 3800);
    EXPECT_EQ(s.rateText, "84.1");
    EXPECT_EQ(s.cost, 2 * (5000 + 3800));

    auto plain = Request(FakeControls("Haedonggum"));
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
        EXPECT_EQ(stone->price, c.price);

        auto outcome = Request(FakeControls("Knife").set(Control::Elt, c.element));
        const ForgeState& s = Filled(outcome);
        EXPECT_EQ(s.elementStone, stone);
        EXPECT_EQ(s.itemName, std::string(c.element) + " Knife");
        EXPECT_EQ(s.rateText, "84.1");
        EXPECT_EQ(s.cost, 2 * (1000 + c.price));
    }
    EXPECT_EQ(FindElementStone("fire"), nullptr);
    EXPECT_EQ(FindElementStone(kNoElement), nullptr);
}

TEST(ForgeRequest, ElementNamingNoStoneCostsThePenaltyButNoStalePrice) {
    Filled(Request(FakeControls("Knife").set(Control::Elt, "Wind")));  // a stone price an earlier request used
    auto outcome = Request(FakeControls("Knife").set(Control::Elt, "Poison"));
    const ForgeState& s = Filled(outcome);
    EXPECT_EQ(s.elementFlag, 1);
    EXPECT_EQ(s.elementName, "Poison");
    EXPECT_EQ(s.itemName, "Poison Knife");
    EXPECT_EQ(s.elementStone, nullptr);
    EXPECT_EQ(s.elementStonePrice, 0);
    EXPECT_EQ(s.rateText, "84.1");
    EXPECT_EQ(s.cost, 2000);
}

TEST(ForgeRequest, UnknownItemNameFailsInTheWindow) {
    auto outcome = Request(FakeControls("Excalibur"));
    EXPECT_EQ(outcome.stage, ForgeStage::FailedInWindow);
    EXPECT_EQ(outcome.caption, "Excalibur");
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_EQ(Request(FakeControls("iron")).stage, ForgeStage::FailedInWindow);
}

TEST(InitialForgeCost, SumsBeyondThe32BitRangeAreErrors) {
    ForgeState weapon;
    weapon.toolName = "Iron Hammer";
    weapon.toolPrice = std::numeric_limits<std::int32_t>::max();
    weapon.materials[0].quantity = 1;
    weapon.materials[0].price = 1;
    weapon.rate = 100;
    weapon.rateText = "100";
    EXPECT_FALSE(InitialForgeCost(weapon, '.').ok());

    weapon.toolPrice = 30000000;  // fits, but 100 attempts of it do not
    weapon.materials[0].price = 0;
    EXPECT_EQ(*InitialForgeCost(weapon, '.'), 30000000);
    weapon.rate = 1;
    weapon.rateText = "1";
    EXPECT_FALSE(InitialForgeCost(weapon, '.').ok());

    ForgeState resource;
    resource.toolName = std::string(kMiniFurnace);
    resource.toolPrice = 2000000000;
    resource.rate = 1;
    resource.rateText = "1";
    EXPECT_FALSE(InitialForgeCost(resource, '.').ok());
    resource.rate = 100;
    resource.rateText = "100";
    EXPECT_EQ(*InitialForgeCost(resource, '.'), 2000000000);
}

}  // namespace
}  // namespace trivelon
