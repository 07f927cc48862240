// The forge catalogue: every entry's statistics in selector order, the
// selector rows, lookups, tools, recipes and picture paths.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "catalogue/forge_catalogue.h"
#include "core/rules.h"

namespace trivelon {
namespace {

struct EntryRow {
    ForgeCategory category;
    std::string_view name;
    std::string_view type;
    std::int32_t level, atk, range, weight, base;
    int usedSlots;
};

using C = ForgeCategory;
// Every selector entry in selector order with the values the result window shows.
const std::vector<EntryRow> kEntries = {
    {C::Resources, "Iron", "Ресурсы", 0, 0, 0, 5, 0, 1},
    {C::Resources, "Steel", "Ресурсы", 0, 0, 0, 10, 0, 2},
    {C::Resources, "Oridecon", "Ресурсы", 0, 0, 0, 20, 0, 2},
    {C::Resources, "Elunium", "Ресурсы", 0, 0, 0, 20, 0, 2},
    {C::Resources, "Flame Heart", "Ресурсы", 0, 0, 0, 30, 0, 1},
    {C::Resources, "Rough Wind", "Ресурсы", 0, 0, 0, 30, 0, 1},
    {C::Resources, "Mystic Frozen", "Ресурсы", 0, 0, 0, 30, 0, 1},
    {C::Resources, "Great Nature", "Ресурсы", 0, 0, 0, 30, 0, 1},
    {C::Resources, "Star Crumb", "Ресурсы", 0, 0, 0, 10, 0, 1},
    {C::Knives, "Knife", "Нож", 1, 17, 1, 40, 1, 2},
    {C::Knives, "Cutter", "Нож", 1, 30, 1, 50, 1, 1},
    {C::Knives, "Main Gauche", "Нож", 1, 43, 1, 60, 1, 1},
    {C::Knives, "Dirk", "Нож", 2, 59, 1, 50, 12, 1},
    {C::Knives, "Dagger", "Нож", 2, 73, 1, 60, 12, 1},
    {C::Knives, "Stiletto", "Нож", 2, 87, 1, 70, 12, 1},
    {C::Knives, "Gladius", "Нож", 3, 105, 1, 70, 24, 3},
    {C::Knives, "Damascus", "Нож", 3, 118, 1, 80, 24, 3},
    {C::OneHandedSwords, "Sword", "Меч (1Р)", 1, 25, 1, 50, 2, 1},
    {C::OneHandedSwords, "Falchion", "Меч (1Р)", 1, 39, 1, 60, 2, 1},
    {C::OneHandedSwords, "Blade", "Меч (1Р)", 1, 53, 1, 70, 2, 2},
    {C::OneHandedSwords, "Rapier", "Меч (1Р)", 2, 70, 1, 50, 14, 1},
    {C::OneHandedSwords, "Scimiter", "Меч (1Р)", 2, 85, 1, 70, 14, 1},
    {C::OneHandedSwords, "Ring Pommel Saber", "Меч (1Р)", 2, 100, 1, 90, 14, 2},
    {C::OneHandedSwords, "Saber", "Меч (1Р)", 3, 115, 1, 100, 27, 3},
    {C::OneHandedSwords, "Haedonggum", "Меч (1Р)", 3, 120, 1, 90, 27, 3},
    {C::OneHandedSwords, "Tsurugi", "Меч (1Р)", 3, 130, 1, 120, 27, 3},
    {C::OneHandedSwords, "Flamberge", "Меч (1Р)", 3, 150, 1, 150, 27, 2},
    {C::TwoHandedSwords, "Katana", "Меч (2Р)", 1, 60, 1, 100, 4, 2},
    {C::TwoHandedSwords, "Slayer", "Меч (2Р)", 2, 90, 1, 130, 18, 2},
    {C::TwoHandedSwords, "Bastard Sword", "Меч (2Р)", 2, 115, 1, 160, 18, 1},
    {C::TwoHandedSwords, "Two-handed Sword", "Меч (2Р)", 3, 160, 1, 220, 33, 2},
    {C::TwoHandedSwords, "Claymore", "Меч (2Р)", 3, 180, 1, 250, 33, 3},
    {C::Axes, "Axe", "Топор (1Р)", 1, 38, 1, 80, 3, 1},
    {C::Axes, "Battle Axe", "Топор (2Р)", 1, 80, 1, 150, 3, 1},
    {C::Axes, "Hammer", "Топор (2Р)", 2, 120, 1, 220, 16, 1},
    {C::Axes, "Buster", "Топор (2Р)", 3, 155, 1, 220, 30, 3},
    {C::Axes, "Two-handed Axe", "Топор (2Р)", 3, 185, 1, 250, 30, 3},
    {C::Maces, "Club", "Дубина", 1, 23, 1, 70, 2, 1},
    {C::Maces, "Mace", "Дубина", 1, 37, 1, 80, 2, 1},
    {C::Maces, "Smasher", "Дубина", 2, 54, 1, 100, 14, 1},
    {C::Maces, "Flail", "Дубина", 2, 69, 1, 90, 14, 1},
    {C::Maces, "Chain", "Дубина", 2, 84, 1, 80, 14, 1},
    {C::Maces, "Morning Star", "Дубина", 3, 110, 1, 150, 27, 2},
    {C::Maces, "Sword Mace", "Дубина", 3, 130, 1, 120, 27, 2},
    {C::Maces, "Stunner", "Дубина", 3, 140, 1, 200, 27, 2},
    {C::Knuckles, "Waghnak", "Кастет", 1, 30, 1, 40, 1, 2},
    {C::Knuckles, "Knuckle Duster", "Кастет", 2, 50, 1, 45, 12, 1},
    {C::Knuckles, "Hora", "Кастет", 2, 65, 1, 45, 12, 1},
    {C::Knuckles, "Fist", "Кастет", 3, 115, 1, 65, 24, 2},
    {C::Knuckles, "Claw", "Кастет", 3, 86, 1, 50, 24, 2},
    {C::Knuckles, "Finger", "Кастет", 3, 97, 1, 50, 24, 2},
    {C::Spears, "Javelin", "Копьё (1Р)", 1, 28, 3, 70, 4, 1},
    {C::Spears, "Spear", "Копьё (1Р)", 1, 44, 3, 85, 4, 1},
    {C::Spears, "Pike", "Копьё (1Р)", 1, 60, 3, 100, 4, 1},
    {C::Spears, "Guisarme", "Копьё (2Р)", 2, 84, 3, 100, 18, 1},
    {C::Spears, "Glaive", "Копьё (2Р)", 2, 104, 3, 120, 18, 1},
    {C::Spears, "Partizan", "Копьё (2Р)", 2, 124, 3, 200, 18, 1},
    {C::Spears, "Trident", "Копьё (2Р)", 3, 150, 3, 120, 33, 3},
    {C::Spears, "Hallberd", "Копьё (2Р)", 3, 165, 3, 250, 33, 2},
    {C::Spears, "Lance", "Копьё (2Р)", 3, 185, 3, 250, 33, 3},
};

struct CategoryRow {
    ForgeCategory category;
    std::string_view separator;
};
const std::vector<CategoryRow> kCategories = {
    {C::Resources, "---------------Ресурсы---------------"}, {C::Knives, "------------------Ножи------------------"},
    {C::OneHandedSwords, "-------Одноручные Мечи-------"},   {C::TwoHandedSwords, "--------Двуручные мечи--------"},
    {C::Axes, "----------------Топоры----------------"},     {C::Maces, "----------------Дубины----------------"},
    {C::Knuckles, "---------------Кастеты---------------"},  {C::Spears, "-----------------Копья-----------------"},
};

const std::string_view kToolByLevel[] = {"Mini Furnace", "Iron Hammer", "Golden Hammer", "Oridecon Hammer"};

const ForgeRecipe& Entry(std::string_view name) {
    const ForgeRecipe* recipe = ForgeCatalogue::Find(name);
    EXPECT_NE(recipe, nullptr) << name;
    static const ForgeRecipe kMissing{};
    return recipe ? *recipe : kMissing;
}

TEST(ForgeCatalogue, SelectorHasEachSeparatorFollowedByItsEntries) {
    std::vector<std::string_view> expected;
    for (const CategoryRow& category : kCategories) {
        expected.push_back(category.separator);
        for (const EntryRow& entry : kEntries)
            if (entry.category == category.category) expected.push_back(entry.name);
    }
    auto rows = ForgeCatalogue::SelectorRows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, expected[i]) << "row " << i;
        if (rows[i].recipe) {
            EXPECT_EQ(rows[i].recipe->displayName, rows[i].text) << "row " << i;
        }
        EXPECT_EQ(rows[i].recipe == nullptr, ForgeCatalogue::IsSeparator(rows[i].text)) << "row " << i;
    }
    EXPECT_EQ(rows[0].text, "---------------Ресурсы---------------");
    EXPECT_EQ(rows[10].text, "------------------Ножи------------------");
    EXPECT_EQ(rows[11].text, "Knife");
    EXPECT_EQ(rows[67].text, "Lance");
}

TEST(ForgeCatalogue, EveryEntryHasItsStatisticsToolRuleAndPictures) {
    for (const EntryRow& row : kEntries) {
        SCOPED_TRACE(std::string(row.name));
        const ForgeRecipe& recipe = Entry(row.name);
        EXPECT_EQ(recipe.category, row.category);
        EXPECT_EQ(recipe.typeText, row.type);
        EXPECT_EQ(std::tie(recipe.weaponLevel, recipe.atk, recipe.range, recipe.weight, recipe.requiredBaseLevel),
                  std::tie(row.level, row.atk, row.range, row.weight, row.base));
        EXPECT_TRUE(recipe.inSelector);
        EXPECT_EQ(recipe.tool().name, kToolByLevel[row.level]);
        EXPECT_EQ(recipe.bigPicture, "images/big/" + PictureKey(row.name) + ".bmp");
        EXPECT_FALSE(recipe.description.empty());
        EXPECT_FALSE(recipe.equip.empty());
        if (row.category != C::Resources) {
            EXPECT_EQ(recipe.rule, RateRule::WeaponRule);
            EXPECT_NE(recipe.tool().name, kMiniFurnace);
        }
        for (int slot = 0; slot < 3; ++slot) {
            const MaterialSlot& m = recipe.materials[slot];
            SCOPED_TRACE("slot " + std::to_string(slot + 1));
            EXPECT_EQ(m.used(), slot < row.usedSlots);
            if (m.used()) {
                EXPECT_FALSE(m.name.empty());
                EXPECT_EQ(m.picture, "images/" + PictureKey(m.name) + ".bmp");
            } else {
                EXPECT_TRUE(m.name.empty() && m.picture.empty());
                EXPECT_EQ(m.quantity, 0);
                EXPECT_EQ(m.presetPrice, 0);
            }
        }
        EXPECT_EQ(recipe.materials[0].presetPrice, 0);
    }
}

TEST(ForgeCatalogue, ResourcesNameTheirRule) {
    struct Case {
        std::string_view name;
        RateRule rule;
    };
    for (const Case& c : {Case{"Iron", RateRule::IronRule}, Case{"Steel", RateRule::SteelRule},
                          Case{"Oridecon", RateRule::OrideconRule}, Case{"Elunium", RateRule::EluniumRule},
                          Case{"Flame Heart", RateRule::StoneRule}, Case{"Rough Wind", RateRule::StoneRule},
                          Case{"Mystic Frozen", RateRule::StoneRule}, Case{"Great Nature", RateRule::StoneRule},
                          Case{"Star Crumb", RateRule::FixedRule}})
        EXPECT_EQ(Entry(c.name).rule, c.rule) << c.name;
}

TEST(ForgeCatalogue, OnlySixSlotsCarryAPresetPrice) {
    std::set<std::tuple<std::string_view, int, std::int32_t>> presets;
    for (const ForgeRecipe& recipe : ForgeCatalogue::Entries())
        for (int slot = 0; slot < 3; ++slot)
            if (recipe.materials[slot].presetPrice != 0)
                presets.insert({recipe.displayName, slot + 1, recipe.materials[slot].presetPrice});
    const std::set<std::tuple<std::string_view, int, std::int32_t>> expected = {
        {"Gladius", 3, 4560}, {"Damascus", 3, 4560}, {"Morning Star", 2, 3800},
        {"Fist", 2, 4560},    {"Claw", 2, 4560},     {"Lance", 2, 4560}};
    EXPECT_EQ(presets, expected);
}

TEST(ForgeCatalogue, RecipesSpotChecked) {
    struct Case {
        std::string_view entry;
        int slot;
        std::string_view material;
        std::int32_t quantity;
    };
    for (const Case& c :
         {Case{"Iron", 1, "Iron Ore", 1}, Case{"Steel", 1, "Iron", 3}, Case{"Steel", 2, "Coal", 1},
          Case{"Star Crumb", 1, "Star Dust", 10}, Case{"Knife", 2, "Jellopy", 10}, Case{"Cutter", 1, "Iron", 25},
          Case{"Gladius", 3, "Sapphire", 1}, Case{"Damascus", 2, "Steel", 60}, Case{"Flamberge", 2, "Cursed Ruby", 1},
          Case{"Buster", 3, "Orc`s Fang", 30}, Case{"Morning Star", 2, "1carat Diamond", 1},
          Case{"Sword Mace", 1, "Steel", 100}, Case{"Stunner", 1, "Steel", 120}, Case{"Haedonggum", 3, "Topaz", 1},
          Case{"Finger", 2, "Opal", 10}, Case{"Trident", 3, "Aquamarine", 5}, Case{"Lance", 3, "Evil Horn", 2},
          Case{"Waghnak", 1, "Iron", 160}}) {
        const MaterialSlot& m = Entry(c.entry).materials[c.slot - 1];
        EXPECT_EQ(m.name, c.material) << c.entry << " slot " << c.slot;
        EXPECT_EQ(m.quantity, c.quantity) << c.entry << " slot " << c.slot;
    }
    EXPECT_EQ(Entry("Buster").materials[2].picture, "images/orcsfang.bmp");
}

TEST(ForgeCatalogue, LevelThreeMacesUseSteelButTheOrideconHammer) {
    for (std::string_view name : {"Morning Star", "Sword Mace", "Stunner"}) {
        EXPECT_EQ(Entry(name).materials[0].name, "Steel") << name;
        EXPECT_EQ(Entry(name).tool().name, "Oridecon Hammer") << name;
    }
}

TEST(ForgeCatalogue, LookupIsExact) {
    EXPECT_EQ(Entry("Iron").category, C::Resources);
    EXPECT_EQ(Entry("Steel").category, C::Resources);
    EXPECT_EQ(Entry("Oridecon").category, C::Resources);
    EXPECT_EQ(Entry("Hammer").category, C::Axes);
    EXPECT_EQ(Entry("Hammer").tool().name, "Golden Hammer");
    for (std::string_view text : {"iron", "Iron ", " Iron", "IRON", "", "Iron Hammer", "Golden Hammer",
                                  "Oridecon Hammer", "Mini Furnace", "Iron Ore"})
        EXPECT_EQ(ForgeCatalogue::Find(text), nullptr) << "'" << text << "'";
    for (const CategoryRow& category : kCategories) {
        EXPECT_EQ(ForgeCatalogue::Find(category.separator), nullptr) << category.separator;
        EXPECT_TRUE(ForgeCatalogue::IsSeparator(category.separator));
        EXPECT_FALSE(ForgeCatalogue::IsSeparator(std::string(category.separator) + " "));
    }
    EXPECT_FALSE(ForgeCatalogue::IsSeparator("Iron"));
}

TEST(ForgeCatalogue, AxeTypeAndSpearRangeAreUnique) {
    for (const ForgeRecipe& recipe : ForgeCatalogue::Entries()) {
        if (recipe.category == C::Axes) {
            EXPECT_EQ(recipe.typeText == "Топор (1Р)", recipe.displayName == "Axe") << recipe.displayName;
        }
        EXPECT_EQ(recipe.range == 3, recipe.category == C::Spears) << recipe.displayName;
    }
}

TEST(ForgeCatalogue, BroadSwordExistsButIsNotOffered) {
    const ForgeRecipe& broad = Entry("Broad Sword");
    EXPECT_FALSE(broad.inSelector);
    EXPECT_EQ(broad.category, C::TwoHandedSwords);
    EXPECT_EQ(std::tie(broad.weaponLevel, broad.atk, broad.range, broad.weight, broad.requiredBaseLevel),
              std::make_tuple(3, 140, 1, 200, 33));
    EXPECT_EQ(broad.materials[1].name, "Steel");
    EXPECT_EQ(broad.materials[1].quantity, 20);
    EXPECT_EQ(broad.description, "Меч с широким клинком двусторонней заточки.DEF+5.");

    auto entries = ForgeCatalogue::Entries();
    ASSERT_EQ(entries.size(), 61u);
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) EXPECT_NE(row.text, "Broad Sword");
}

TEST(ForgeCatalogue, ToolsByWeaponLevel) {
    struct Case {
        std::string_view item, tool, picture;
        std::int32_t price;
    };
    for (const Case& c : {Case{"Iron", "Mini Furnace", "images/minifurnace.bmp", 150},
                          Case{"Knife", "Iron Hammer", "images/ironhammer.bmp", 1000},
                          Case{"Dirk", "Golden Hammer", "images/goldenhammer.bmp", 3000},
                          Case{"Gladius", "Oridecon Hammer", "images/orideconhammer.bmp", 5000}}) {
        const ForgeTool& tool = Entry(c.item).tool();
        EXPECT_EQ(tool.name, c.tool);
        EXPECT_EQ(tool.picture, c.picture);
        const NamedValue* price = FindNamed(BuiltInRules().forge.toolPrices, tool.name);
        ASSERT_NE(price, nullptr);
        EXPECT_EQ(price->value, c.price);
        EXPECT_EQ(tool.name == kMiniFurnace, c.item == "Iron");
    }
}

TEST(PicturePaths, LowerCaseWithoutBlanksOrGraveAccents) {
    EXPECT_EQ(PictureKey("Orc`s Fang"), "orcsfang");
    EXPECT_EQ(PictureKey("1carat Diamond"), "1caratdiamond");
    EXPECT_EQ(Entry("Two-handed Sword").bigPicture, "images/big/two-handedsword.bmp");
    EXPECT_EQ(Entry("Ring Pommel Saber").bigPicture, "images/big/ringpommelsaber.bmp");
    EXPECT_EQ(Entry("Morning Star").materials[1].picture, "images/1caratdiamond.bmp");
}

TEST(ForgeCatalogue, DescriptionAndEquipTextsSpotChecked) {
    EXPECT_EQ(Entry("Star Crumb").description,
              "Осколок звезды, дающий скованному оружию возможность атаковать без промаха (5 ATK). ");
    EXPECT_EQ(Entry("Waghnak").description,
              "Распространенный и чрезвычайно мощный кастет, также известный как \"Клык Тигра\".");
    EXPECT_EQ(Entry("Iron").equip, "Предмет, необходимый для ковки.");
    EXPECT_EQ(Entry("Waghnak").equip, "Могут одеть: PRIEST MONK");
    EXPECT_EQ(Entry("Stunner").equip, "Могут одеть: ACOLYTE PRIEST MONK");
    EXPECT_EQ(Entry("Knife").equip,
              "Могут одеть: NOVICE SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER "
              "ASSASSIN CRUSADER SAGE ROGUE ALCHEMIST BARD DANCER SuperNOVICE");
}

}  // namespace
}  // namespace trivelon
