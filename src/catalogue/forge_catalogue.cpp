// The forge catalogue as constant data, and the lookups over it.
#include "forge_catalogue.h"
#include "translatable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace trivelon {
namespace {

// Who may equip an item, in the game's words, named for the job classes each
// text lists ("line": a first job and the second jobs it leads
// to; "novices": Novice and Super Novice). Materials show what they are for.
constexpr std::string_view kForgingMaterial = TRIVELON_TEXT("Catalogue", "Предмет, необходимый для ковки.");
constexpr std::string_view kEveryJobButAcolytes = TRIVELON_TEXT(
    "Catalogue",
    "Могут одеть: NOVICE SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE "
    "ROGUE ALCHEMIST BARD DANCER SuperNOVICE");
constexpr std::string_view kEveryJobButAcolytesAndNovices = TRIVELON_TEXT(
    "Catalogue",
    "Могут одеть: SWORDMAN MAGICAN ARCHER MERCHANT THIEF KNIGHT WIZARD BLACKSMIT HUNTER ASSASSIN CRUSADER SAGE ROGUE "
    "ALCHEMIST BARD DANCER");
constexpr std::string_view kSwordmanMerchantThiefLinesAndNovices = TRIVELON_TEXT(
    "Catalogue",
    "Могут одеть: NOVICE SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST SuperNOVICE");
constexpr std::string_view kSwordmanMerchantThiefLines = TRIVELON_TEXT(
    "Catalogue", "Могут одеть: SWORDMAN MERCHANT THIEF KNIGHT BLACKSMIT ASSASSIN CRUSADER ROGUE ALCHEMIST");
constexpr std::string_view kKnightsAndCrusaders = TRIVELON_TEXT("Catalogue", "Могут одеть: KNIGHT CRUSADER");
constexpr std::string_view kSwordmanLine = TRIVELON_TEXT("Catalogue", "Могут одеть: SWORDMAN KNIGHT CRUSADER");
constexpr std::string_view kSwordmanMerchantLinesAssassinsAndNovices = TRIVELON_TEXT(
    "Catalogue", "Могут одеть: NOVICE SWORDMAN MERCHANT KNIGHT BLACKSMIT ASSASSIN CRUSADER ALCHEMIST SuperNOVICE");
constexpr std::string_view kSwordmanMerchantLines =
    TRIVELON_TEXT("Catalogue", "Могут одеть: SWORDMAN MERCHANT KNIGHT BLACKSMIT CRUSADER ALCHEMIST");
constexpr std::string_view kSwordmanAcolyteMerchantLinesAndNovices = TRIVELON_TEXT(
    "Catalogue",
    "Могут одеть: NOVICE SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST SuperNOVICE");
constexpr std::string_view kSwordmanAcolyteMerchantLines = TRIVELON_TEXT(
    "Catalogue", "Могут одеть: SWORDMAN ACOLYTE MERCHANT KNIGHT PRIEST BLACKSMIT CRUSADER MONK ALCHEMIST");
constexpr std::string_view kAcolyteLine = TRIVELON_TEXT("Catalogue", "Могут одеть: ACOLYTE PRIEST MONK");
constexpr std::string_view kPriestsAndMonks = TRIVELON_TEXT("Catalogue", "Могут одеть: PRIEST MONK");

constexpr std::array<ForgeTool, 4> kTools{{
    {"Mini Furnace", "images/minifurnace.bmp"},
    {"Iron Hammer", "images/ironhammer.bmp"},
    {"Golden Hammer", "images/goldenhammer.bmp"},
    {"Oridecon Hammer", "images/orideconhammer.bmp"},
}};

struct CategoryInfo {
    ForgeCategory category;
    std::string_view separator;  // the header row above the category's items
};

constexpr std::array<CategoryInfo, 8> kCategories{{
    {ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "---------------Ресурсы---------------")},
    {ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "------------------Ножи------------------")},
    {ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "-------Одноручные Мечи-------")},
    {ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "--------Двуручные мечи--------")},
    {ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "----------------Топоры----------------")},
    {ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "----------------Дубины----------------")},
    {ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "---------------Кастеты---------------")},
    {ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "-----------------Копья-----------------")},
}};

// In list order within each category. "Broad Sword" is held but not offered.
// One entry per block, its fields in the order of ForgeRecipe.
// clang-format off
constexpr ForgeRecipe kEntries[] = {
    {"Iron", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 5, 0, "images/big/iron.bmp",
     {{"Iron Ore", "images/ironore.bmp", 1, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Железо. Нужно для ковки оружия 1 уровня."),
     kForgingMaterial, RateRule::IronRule, true},
    {"Steel", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 10, 0, "images/big/steel.bmp",
     {{"Iron", "images/iron.bmp", 3, 0}, {"Coal", "images/coal.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Сталь. Нужна для ковки оружия 2 уровня и некоторых видов оружия 3 уровня. Используется для починки одежды и оружия 3 уровня. Также используется в некоторых квестах."),
     kForgingMaterial, RateRule::SteelRule, true},
    {"Oridecon", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 20, 0, "images/big/oridecon.bmp",
     {{"Rough Oridecon", "images/roughoridecon.bmp", 3, 0}, {"Coal", "images/coal.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Используется для заточки оружия 3 и 4 уровней, а также для ковки оружия 3 уровня."),
     kForgingMaterial, RateRule::OrideconRule, true},
    {"Elunium", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 20, 0, "images/big/elunium.bmp",
     {{"Rough Elunium", "images/roughelunium.bmp", 3, 0}, {"Coal", "images/coal.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Используется для заточки любого типа одежды (за исключением вещей, которые невозможно заточить)"),
     kForgingMaterial, RateRule::EluniumRule, true},
    {"Flame Heart", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 30, 0, "images/big/flameheart.bmp",
     {{"Red Blood", "images/redblood.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Камень, придающий скованному оружию элемент Огня (Fire)"),
     kForgingMaterial, RateRule::StoneRule, true},
    {"Rough Wind", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 30, 0, "images/big/roughwind.bmp",
     {{"Wind of Verdure", "images/windofverdure.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Камень, придающий скованному оружию элемент Воздуха (Wind)"),
     kForgingMaterial, RateRule::StoneRule, true},
    {"Mystic Frozen", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 30, 0, "images/big/mysticfrozen.bmp",
     {{"Crystal Blue", "images/crystalblue.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Камень, придающий скованному оружию элемент Воды (Ice)"),
     kForgingMaterial, RateRule::StoneRule, true},
    {"Great Nature", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 30, 0, "images/big/greatnature.bmp",
     {{"Green Live", "images/greenlive.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Камень, придающий скованному оружию элемент Земли (Earth)"),
     kForgingMaterial, RateRule::StoneRule, true},
    {"Star Crumb", ForgeCategory::Resources, TRIVELON_TEXT("Catalogue", "Ресурсы"), 0, 0, 0, 10, 0, "images/big/starcrumb.bmp",
     {{"Star Dust", "images/stardust.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Осколок звезды, дающий скованному оружию возможность атаковать без промаха (5 ATK). "),
     kForgingMaterial, RateRule::FixedRule, true},
    {"Knife", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 1, 17, 1, 40, 1, "images/big/knife.bmp",
     {{"Iron", "images/iron.bmp", 1, 0}, {"Jellopy", "images/jellopy.bmp", 10, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Простой нож. Очень слабое оружие, ковать не рекомендую."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Cutter", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 1, 30, 1, 50, 1, "images/big/cutter.bmp",
     {{"Iron", "images/iron.bmp", 25, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Нож, используемый для атаки. Очень слабое оружие, ковать не рекомендую."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Main Gauche", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 1, 43, 1, 60, 1, "images/big/maingauche.bmp",
     {{"Iron", "images/iron.bmp", 50, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Французский кинжал, обычно берется в левую руку для парирования атаки противника. Лучший из ножей 1 уровня."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Dirk", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 2, 59, 1, 50, 12, "images/big/dirk.bmp",
     {{"Steel", "images/steel.bmp", 17, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Традиционный кинжал шотландских горцев. Ковать смысла не вижу."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Dagger", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 2, 73, 1, 60, 12, "images/big/dagger.bmp",
     {{"Steel", "images/steel.bmp", 30, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Нож, используемый для нанесения ударов. Ковать смысла не вижу."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Stiletto", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 2, 87, 1, 70, 12, "images/big/stiletto.bmp",
     {{"Steel", "images/steel.bmp", 40, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Длинный, легкий и тонкий нож. Убийца легко спрячет его в складках одежды. Лучший нож 2 уровня. Представляет интерес для Супер Новисов."),
     kEveryJobButAcolytes, RateRule::WeaponRule, true},
    {"Gladius", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 3, 105, 1, 70, 24, "images/big/gladius.bmp",
     {{"Oridecon", "images/oridecon.bmp", 4, 0}, {"Steel", "images/steel.bmp", 40, 0}, {"Sapphire", "images/sapphire.bmp", 1, 4560}},
     TRIVELON_TEXT("Catalogue", "Очень крепкий нож с длинной рукоятью. Скован ремесленниками Старого Света. Смысла ковать не вижу."),
     kEveryJobButAcolytesAndNovices, RateRule::WeaponRule, true},
    {"Damascus", ForgeCategory::Knives, TRIVELON_TEXT("Catalogue", "Нож"), 3, 118, 1, 80, 24, "images/big/damascus.bmp",
     {{"Oridecon", "images/oridecon.bmp", 4, 0}, {"Steel", "images/steel.bmp", 60, 0}, {"Zircon", "images/zircon.bmp", 1, 4560}},
     TRIVELON_TEXT("Catalogue", "Нож для убийства. Сделанный из чрезвычайно редкого и специфичного металла, он сам стремится к сердцу врага. Не ломается (за исключением попыток заточки). Лучший кинжал, который может сковать кузнец."),
     kEveryJobButAcolytesAndNovices, RateRule::WeaponRule, true},
    {"Sword", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 1, 25, 1, 50, 2, "images/big/sword.bmp",
     {{"Iron", "images/iron.bmp", 2, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Обычный одноручный меч. Ну и кому он нужен?"),
     kSwordmanMerchantThiefLinesAndNovices, RateRule::WeaponRule, true},
    {"Falchion", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 1, 39, 1, 60, 2, "images/big/falchion.bmp",
     {{"Iron", "images/iron.bmp", 30, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Одноручный меч с кривым клинком. Собственно, бесполезная вещь."),
     kSwordmanMerchantThiefLinesAndNovices, RateRule::WeaponRule, true},
    {"Blade", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 1, 53, 1, 70, 2, "images/big/blade.bmp",
     {{"Iron", "images/iron.bmp", 45, 0}, {"Tooth of Bat", "images/toothofbat.bmp", 25, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Одноручный меч с толстым лезвием. Смысл ковки сомнительный... Хотя и лучший из одноручных мечей 1 уровня"),
     kSwordmanMerchantThiefLinesAndNovices, RateRule::WeaponRule, true},
    {"Rapier", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 2, 70, 1, 50, 14, "images/big/rapier.bmp",
     {{"Steel", "images/steel.bmp", 20, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Одноручный меч с длинным тонким клинком."),
     kSwordmanMerchantThiefLinesAndNovices, RateRule::WeaponRule, true},
    {"Scimiter", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 2, 85, 1, 70, 14, "images/big/scimiter.bmp",
     {{"Steel", "images/steel.bmp", 35, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Тяжелый одноручный меч со скругленным клинком. Ковать не вижу смысла."),
     kSwordmanMerchantThiefLinesAndNovices, RateRule::WeaponRule, true},
    {"Ring Pommel Saber", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 2, 100, 1, 90, 14, "images/big/ringpommelsaber.bmp",
     {{"Steel", "images/steel.bmp", 40, 0}, {"Wolf Claw", "images/wolfclaw.bmp", 50, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Одноручный меч с богато украшенной рукоятью"),
     kSwordmanMerchantThiefLines, RateRule::WeaponRule, true},
    {"Saber", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 3, 115, 1, 100, 27, "images/big/saber.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Steel", "images/steel.bmp", 5, 0}, {"Opal", "images/opal.bmp", 1, 0}},
     TRIVELON_TEXT("Catalogue", "Тяжелый одноручный кавалерийский меч со слегка скругленным клинком односторонней заточки."),
     kSwordmanMerchantThiefLines, RateRule::WeaponRule, true},
    {"Haedonggum", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 3, 120, 1, 90, 27, "images/big/haedonggum.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Steel", "images/steel.bmp", 10, 0}, {"Topaz", "images/topaz.bmp", 1, 0}},
     TRIVELON_TEXT("Catalogue", "Традиционный корейский одноручный меч, наделенный способностью контролировать мозг. INT +3."),
     kSwordmanMerchantThiefLines, RateRule::WeaponRule, true},
    {"Tsurugi", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 3, 130, 1, 120, 27, "images/big/tsurugi.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Steel", "images/steel.bmp", 15, 0}, {"Garnet", "images/garnet.bmp", 1, 0}},
     TRIVELON_TEXT("Catalogue", "Самый мощный одноручный меч. Подходит как для убийства врагов, так и для наказания бывших друзей. Излюбленное оружие древних японских рыцарей - самураев."),
     kSwordmanMerchantThiefLines, RateRule::WeaponRule, true},
    {"Flamberge", ForgeCategory::OneHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (1Р)"), 3, 150, 1, 150, 27, "images/big/flamberge.bmp",
     {{"Oridecon", "images/oridecon.bmp", 6, 0}, {"Cursed Ruby", "images/cursedruby.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Одноручный меч с волнообразным лезвием. Скрывает в себе великую силу."),
     kKnightsAndCrusaders, RateRule::WeaponRule, true},
    {"Katana", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 1, 60, 1, 100, 4, "images/big/katana.bmp",
     {{"Iron", "images/iron.bmp", 35, 0}, {"Horrendous Mouth", "images/horrendousmouth.bmp", 50, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Хорошо прокованный боевой меч. Любимый клинок самураев."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Slayer", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 2, 90, 1, 130, 18, "images/big/slayer.bmp",
     {{"Steel", "images/steel.bmp", 25, 0}, {"Decayed Nail", "images/decayednail.bmp", 20, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Меч, спасавший многих воинов в битвах."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Bastard Sword", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 2, 115, 1, 160, 18, "images/big/bastardsword.bmp",
     {{"Steel", "images/steel.bmp", 45, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Полутораручный меч с длинной рукоятью. Может использоваться как для рубки, так и для колющих ударов."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Two-handed Sword", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 3, 160, 1, 220, 33, "images/big/two-handedsword.bmp",
     {{"Oridecon", "images/oridecon.bmp", 12, 0}, {"Steel", "images/steel.bmp", 10, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Мощный двуручный меч"),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Broad Sword", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 3, 140, 1, 200, 33, "images/big/broadsword.bmp",
     {{"Oridecon", "images/oridecon.bmp", 12, 0}, {"Steel", "images/steel.bmp", 20, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Меч с широким клинком двусторонней заточки.DEF+5."),
     kSwordmanLine, RateRule::WeaponRule, false},
    {"Claymore", ForgeCategory::TwoHandedSwords, TRIVELON_TEXT("Catalogue", "Меч (2Р)"), 3, 180, 1, 250, 33, "images/big/claymore.bmp",
     {{"Oridecon", "images/oridecon.bmp", 16, 0}, {"Steel", "images/steel.bmp", 20, 0}, {"Cracked Diamond", "images/crackeddiamond.bmp", 1, 0}},
     TRIVELON_TEXT("Catalogue", "Большой, обоюдоострый широкий меч, который использовался шотландскими горцами."),
     kKnightsAndCrusaders, RateRule::WeaponRule, true},
    {"Axe", ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "Топор (1Р)"), 1, 38, 1, 80, 3, "images/big/axe.bmp",
     {{"Iron", "images/iron.bmp", 10, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Обычный топор. Идеальное оружие для боевого кузнеца с силой 130 и больше."),
     kSwordmanMerchantLinesAssassinsAndNovices, RateRule::WeaponRule, true},
    {"Battle Axe", ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "Топор (2Р)"), 1, 80, 1, 150, 3, "images/big/battleaxe.bmp",
     {{"Iron", "images/iron.bmp", 110, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Крепкий двуручный топор, поможет изрубить противника в капусту."),
     kSwordmanMerchantLines, RateRule::WeaponRule, true},
    {"Hammer", ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "Топор (2Р)"), 2, 120, 1, 220, 16, "images/big/hammer.bmp",
     {{"Steel", "images/steel.bmp", 30, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Ну ОЧЕНЬ большой молот."),
     kSwordmanMerchantLines, RateRule::WeaponRule, true},
    {"Buster", ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "Топор (2Р)"), 3, 155, 1, 220, 30, "images/big/buster.bmp",
     {{"Oridecon", "images/oridecon.bmp", 4, 0}, {"Steel", "images/steel.bmp", 20, 0}, {"Orc`s Fang", "images/orcsfang.bmp", 30, 0}},
     TRIVELON_TEXT("Catalogue", "Мощно выглядящий топор, сила которого соответствует его внешности."),
     kSwordmanMerchantLines, RateRule::WeaponRule, true},
    {"Two-handed Axe", ForgeCategory::Axes, TRIVELON_TEXT("Catalogue", "Топор (2Р)"), 3, 185, 1, 250, 30, "images/big/two-handedaxe.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Steel", "images/steel.bmp", 10, 0}, {"Amethyst", "images/amethyst.bmp", 1, 0}},
     TRIVELON_TEXT("Catalogue", "Двуручный двулезвийный топор."),
     kSwordmanMerchantLines, RateRule::WeaponRule, true},
    {"Club", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 1, 23, 1, 70, 2, "images/big/club.bmp",
     {{"Iron", "images/iron.bmp", 3, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Тяжелая палка, обычно с утолщением на конце, приспособленная для использования как оружие."),
     kSwordmanAcolyteMerchantLinesAndNovices, RateRule::WeaponRule, true},
    {"Mace", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 1, 37, 1, 80, 2, "images/big/mace.bmp",
     {{"Iron", "images/iron.bmp", 30, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Тяжелая средневековая палица с зазубреной металлической вершиной."),
     kSwordmanAcolyteMerchantLinesAndNovices, RateRule::WeaponRule, true},
    {"Smasher", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 2, 54, 1, 100, 14, "images/big/smasher.bmp",
     {{"Steel", "images/steel.bmp", 20, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Внушительно выглядящая булава. Удобная для расплющивания всяких штуковин."),
     kSwordmanAcolyteMerchantLinesAndNovices, RateRule::WeaponRule, true},
    {"Flail", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 2, 69, 1, 90, 14, "images/big/flail.bmp",
     {{"Steel", "images/steel.bmp", 33, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Эффективный боевой цеп, состоящий из длинного деревянного держака и более короткой утяжеленной палки, привязанной к его концу."),
     kSwordmanAcolyteMerchantLines, RateRule::WeaponRule, true},
    {"Chain", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 2, 84, 1, 80, 14, "images/big/chain.bmp",
     {{"Steel", "images/steel.bmp", 45, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Дубина с железной цепью на конце."),
     kSwordmanAcolyteMerchantLines, RateRule::WeaponRule, true},
    {"Morning Star", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 3, 110, 1, 150, 27, "images/big/morningstar.bmp",
     {{"Steel", "images/steel.bmp", 85, 0}, {"1carat Diamond", "images/1caratdiamond.bmp", 1, 3800}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Весьма опасно выглядящее оружие, железная дупина с шипастым шаром на конце."),
     kSwordmanAcolyteMerchantLines, RateRule::WeaponRule, true},
    {"Sword Mace", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 3, 130, 1, 120, 27, "images/big/swordmace.bmp",
     {{"Steel", "images/steel.bmp", 100, 0}, {"Sharp Scale", "images/sharpscale.bmp", 20, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Очень мощная дубина, имеющая острые лезвия."),
     kSwordmanAcolyteMerchantLines, RateRule::WeaponRule, true},
    {"Stunner", ForgeCategory::Maces, TRIVELON_TEXT("Catalogue", "Дубина"), 3, 140, 1, 200, 27, "images/big/stunner.bmp",
     {{"Steel", "images/steel.bmp", 120, 0}, {"Heroic Emblem", "images/heroicemblem.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Дубина, которая мужет оглушить противника с одного удара. Накладывает статус Stun с вероятностью 10%"),
     kAcolyteLine, RateRule::WeaponRule, true},
    {"Waghnak", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 1, 30, 1, 40, 1, "images/big/waghnak.bmp",
     {{"Iron", "images/iron.bmp", 160, 0}, {"Pearl", "images/pearl.bmp", 1, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Распространенный и чрезвычайно мощный кастет, также известный как \"Клык Тигра\"."),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Knuckle Duster", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 2, 50, 1, 45, 12, "images/big/knuckleduster.bmp",
     {{"Steel", "images/steel.bmp", 50, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Защита для рук,покрывает тыльную сторону руки и пальцы. Сделана из длинных кожаных ремней с железными шипами."),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Hora", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 2, 65, 1, 45, 12, "images/big/hora.bmp",
     {{"Steel", "images/steel.bmp", 65, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Серебряный кастет с алмазными шипами. Традиционное оружие древних племен, живущих на Дальнем Востоке. Обычно использовался борцами-чемпионами."),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Fist", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 3, 115, 1, 65, 24, "images/big/fist.bmp",
     {{"Oridecon", "images/oridecon.bmp", 4, 0}, {"Ruby", "images/ruby.bmp", 10, 4560}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Оружие, идентичное человеческому кулаку. Эффективно повреждает противника."),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Claw", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 3, 86, 1, 50, 24, "images/big/claw.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Topaz", "images/topaz.bmp", 10, 4560}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Оружие, идентичное человеческой руке с 3 стальными пальцами. Увеличивает физическую силу. STR +2"),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Finger", ForgeCategory::Knuckles, TRIVELON_TEXT("Catalogue", "Кастет"), 3, 97, 1, 50, 24, "images/big/finger.bmp",
     {{"Oridecon", "images/oridecon.bmp", 4, 0}, {"Opal", "images/opal.bmp", 10, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Кастет, скованный в виде человеческих пальцев с длинными, острыми ногтями."),
     kPriestsAndMonks, RateRule::WeaponRule, true},
    {"Javelin", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (1Р)"), 1, 28, 3, 70, 4, "images/big/javelin.bmp",
     {{"Iron", "images/iron.bmp", 3, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Легкое метательное копьё."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Spear", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (1Р)"), 1, 44, 3, 85, 4, "images/big/spear.bmp",
     {{"Iron", "images/iron.bmp", 35, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Копье, состоящее из длинной рукояти с заостренным концом."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Pike", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (1Р)"), 1, 60, 3, 100, 4, "images/big/pike.bmp",
     {{"Iron", "images/iron.bmp", 70, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Длинное пехотное копье."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Guisarme", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 2, 84, 3, 100, 18, "images/big/guisarme.bmp",
     {{"Steel", "images/steel.bmp", 25, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Выгнутое кривое лезвие соединенное с длинным древком. Используется для спешивания конных воинов."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Glaive", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 2, 104, 3, 120, 18, "images/big/glaive.bmp",
     {{"Steel", "images/steel.bmp", 40, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Копье с широким лезвием"),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Partizan", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 2, 124, 3, 200, 18, "images/big/partizan.bmp",
     {{"Steel", "images/steel.bmp", 55, 0}, {"", "", 0, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Копье, имеющее лезвие с ответвлениями по бокам на длинном древке."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Trident", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 3, 150, 3, 120, 33, "images/big/trident.bmp",
     {{"Oridecon", "images/oridecon.bmp", 8, 0}, {"Steel", "images/steel.bmp", 10, 0}, {"Aquamarine", "images/aquamarine.bmp", 5, 0}},
     TRIVELON_TEXT("Catalogue", "Копьё с 3 зубьями, обычно используется для рыбной ловли."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Hallberd", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 3, 165, 3, 250, 33, "images/big/hallberd.bmp",
     {{"Oridecon", "images/oridecon.bmp", 12, 0}, {"Steel", "images/steel.bmp", 10, 0}, {"", "", 0, 0}},
     TRIVELON_TEXT("Catalogue", "Копье с подобным топору лезвием и стальным шипом на длинном древке."),
     kSwordmanLine, RateRule::WeaponRule, true},
    {"Lance", ForgeCategory::Spears, TRIVELON_TEXT("Catalogue", "Копьё (2Р)"), 3, 185, 3, 250, 33, "images/big/lance.bmp",
     {{"Oridecon", "images/oridecon.bmp", 12, 0}, {"Ruby", "images/ruby.bmp", 3, 4560}, {"Evil Horn", "images/evilhorn.bmp", 2, 0}},
     TRIVELON_TEXT("Catalogue", "Копьё, обычно используемое конными рыцарями."),
     kSwordmanLine, RateRule::WeaponRule, true},
};
// clang-format on

std::vector<SelectorRow> BuildSelectorRows() {
    std::vector<SelectorRow> rows;
    for (const CategoryInfo& category : kCategories) {
        rows.push_back({category.separator, nullptr});
        for (const ForgeRecipe& entry : kEntries)
            if (entry.category == category.category && entry.inSelector) rows.push_back({entry.displayName, &entry});
    }
    return rows;
}

}  // namespace

const ForgeTool& ForgeRecipe::tool() const { return kTools[static_cast<std::size_t>(weaponLevel)]; }

namespace ForgeCatalogue {

std::span<const ForgeRecipe> Entries() { return kEntries; }

std::span<const SelectorRow> SelectorRows() {
    static const std::vector<SelectorRow> rows = BuildSelectorRows();
    return rows;
}

const ForgeRecipe* Find(std::string_view displayName) {
    for (const ForgeRecipe& entry : kEntries)
        if (entry.displayName == displayName) return &entry;
    return nullptr;
}

bool IsSeparator(std::string_view text) {
    return std::any_of(kCategories.begin(), kCategories.end(),
                       [&](const CategoryInfo& c) { return c.separator == text; });
}

}  // namespace ForgeCatalogue

std::string PictureKey(std::string_view name) {
    std::string key;
    for (char c : name) {
        if (c == ' ' || c == '`') continue;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

}  // namespace trivelon
