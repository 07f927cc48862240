// The rules file: every fault a player may make gives its place and key, and
// what is written reads back as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "rules_file/rules_file.h"

namespace trivelon {
namespace {

// The built-in rules' file without its comments and blank lines, so that a
// test may change one line of it by its text.
std::string PlainBuiltInText() {
    const std::string text = RulesText(BuiltInRules());
    std::string plain;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line = line.substr(0, line.find('#'));
        while (line.ends_with(' ')) line.pop_back();
        if (!line.empty()) plain += line + '\n';
    }
    return plain;
}

struct Edit {
    std::string from, to;
};

// The text with each edit made once; an edit whose text is not found fails.
std::string Edited(std::string text, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) {
        const std::size_t at = text.find(edit.from);
        EXPECT_NE(at, std::string::npos) << edit.from;
        if (at != std::string::npos) text.replace(at, edit.from.size(), edit.to);
    }
    return text;
}

TEST(RulesFile, RefusesAFaultyFileAtItsPlace) {
    std::string tooManyClasses = "name = \"\"\n[refine]\nresearch-per-level = 1\n";
    for (int i = 0; i < 21; ++i)
        tooManyClasses += (i == 20 ? "@" : "") + std::string("[[refine.class]]\nname = \"") + std::to_string(i) +
                          "\"\nmaterial = \"Oridecon\"\nmaterial-price = 1\nfee = 1\nsafe = 4\nchances = [50]\n"
                          "armour = true\n";
    std::string tooManySteps = "1";
    for (std::size_t i = 0; i < kMostRiskySteps; ++i) tooManySteps += ", 1";
    struct Case {
        std::vector<Edit> edits;  // on the plain built-in text; '@' marks the place the message names
        std::string message;      // what follows the place
    };
    const Case cases[] = {
        {{{"name = \"\"", "name = \"@\n"}}, "не TOML: "},
        {{{"name = \"\"", "name = \"\"\n@colour = 1"}}, "colour — неизвестный ключ"},
        {{{"name = \"\"\n", "@"}}, "name — ключ не задан"},
        {{{"name = \"\"", "name = @\"" + std::string(101, 'a') + "\""}},
         "name — ожидается строка до 100 байт без управляющих символов"},
        {{{"name = \"\"", "name = @\"a\\u0007b\""}}, "name — ожидается строка до 100 байт без управляющих символов"},
        {{{"research-per-level = 1\n", "research-per-level = @101\n"}},
         "research-per-level — ожидается целое число от 0 до 100"},
        {{{"fee = 50\n", "fee = @\"50\"\n"}}, "fee — ожидается целое число от 0 до 2 147 483 647"},
        {{{"fee = 50\n", "fee = @2147483648\n"}}, "fee — ожидается целое число от 0 до 2 147 483 647"},
        {{{"material-price = 200", "material-price = @200.0"}},
         "material-price — ожидается целое число от 0 до 2 147 483 647"},
        {{{"safe = 7", "safe = @21"}}, "safe — ожидается целое число от 0 до 20"},
        {{{"chances = [60, 40, 20]", "chances = [60, @101, 20]"}}, "chances — ожидается список чисел от 0 до 100"},
        {{{"chances = [60, 40, 20]", "chances = @60"}}, "chances — ожидается список чисел от 0 до 100"},
        {{{"chances = [60, 40, 20]", "chances = @[]"}}, "chances — пустой список"},
        {{{"safe = 7\nchances = [60, 40, 20]", "safe = 0\nchances = @[" + tooManySteps + "]"}},
         "chances — больше " + std::to_string(kMostRiskySteps) + " шагов выше безопасного уровня"},
        {{{"safe = 7\nchances = [60, 40, 20]", "safe = 20\nchances = @[50]"}}, "chances — заточка до +21, больше +20"},
        {{{"chances = [60, 40, 20, 20]", "chances = @[60, 40, 20]"}},
         "chances — заточка до +9, ожидается +10, как у первого класса"},
        {{{"name = \"Оружие 2 уровня\"", "name = @\"Оружие 1 уровня\""}},
         "name — класс «Оружие 1 уровня» уже есть выше"},
        {{{"id = \"weapon-2\"", "id = @\"Weapon 2\""}},
         "id — ожидается строка до 40 знаков из маленьких латинских букв, цифр и «-»"},
        {{{"id = \"weapon-2\"", "id = @\"weapon-1\""}}, "id — id «weapon-1» уже есть выше"},
        {{{"material = \"Phracon\"", "material = @\"\""}},
         "material — ожидается непустая строка до 100 байт без управляющих символов"},
        {{{"armour = true", "armour = true\n@atk-per-level = 1"}},
         "atk-per-level — у брони (armour = true) не задаётся"},
        {{{"armour = true", "armour = @1"}}, "armour — ожидается true или false"},
        {{{"[[refine.class]]\nid = \"weapon-1", "@[[refine.class]]\nid = \"weapon-1"},
          {"spread-per-level = 3\n", "armour = false\n"}},
         "spread-per-level — ключ не задан в таблице [[refine.class]]"},
        {{{PlainBuiltInText(), "name = \"\"\n@[refine]\nresearch-per-level = 1\n"}}, "class — ни одного класса"},
        {{{"level = \"job\"", "level = @\"Job\""}}, "level — ожидается \"base\" или \"job\""},
        {{{"dex = 10", "dex = @1000001"}}, "dex — ожидается целое число от -1 000 000 до 1 000 000"},
        {{{"[forge.iron]\nlevel = \"job\"\nlevel-weight = 20\ndex = 10\n", "@[forge.iron]\nlevel = \"job\"\n"},
          {"luk = 10\n", "dex = 10\nluk = 10\n"}},
         "level-weight — ключ не задан в таблице [forge.iron]"},
        {{{"[forge.stone-prices]", "[forge.@stone-pricez]"}}, "stone-pricez — неизвестный ключ в таблице [forge]"},
        {{{"\"None\" = 0", "\"None\" = 0\n@\"Mithril Anvil\" = 5"}},
         "\"Mithril Anvil\" — неизвестное имя в таблице [forge.anvils], ожидается одно из: None, \"Iron Anvil\""},
        {{{"[forge.anvils]\n\"None\" = 0\n", "@[forge.anvils]\n"}}, "None — ключ не задан в таблице [forge.anvils]"},
        {{{"\"Emperium Anvil\" = 10", "\"Emperium Anvil\" = @101"}},
         "\"Emperium Anvil\" — ожидается целое число от -100 до 100"},
        {{{"\"Flame Heart\" = 30000", "\"Flame Heart\" = @-1"}},
         "\"Flame Heart\" — ожидается целое число от 0 до 2 147 483 647"},
        {{{PlainBuiltInText(), tooManyClasses}}, "class — больше 20 классов"},
    };
    for (const Case& c : cases) {
        std::string text = Edited(PlainBuiltInText(), c.edits);
        const std::size_t mark = text.find('@');
        ASSERT_NE(mark, std::string::npos) << c.message;
        const std::size_t lineStart = text.rfind('\n', mark) + 1;  // npos + 1 is 0
        const std::string place = "rules.toml, строка " +
                                  std::to_string(1 + std::count(text.begin(), text.begin() + mark, '\n')) +
                                  ", столбец " + std::to_string(1 + mark - lineStart) + ": ";
        text.erase(mark, 1);
        const Result<Rules> read = ReadRules(text, "rules.toml");
        ASSERT_FALSE(read.ok()) << c.message;
        EXPECT_EQ(read.error().sourceText().substr(0, place.size() + c.message.size()), place + c.message);
    }
}

TEST(RulesFile, BuiltInRulesReadBack) {
    const Result<Rules> read = ReadRules(RulesText(BuiltInRules()), "rules.toml");
    ASSERT_TRUE(read.ok()) << read.error().sourceText();
    EXPECT_EQ(*read, BuiltInRules());
}

// Another server's rules: two classes to +12, other chances, fees, safe levels
// and research, anvils in another order than the program's. The name, a
// multi-line string whose first line ends in a backslash, once led toml++ to
// undefined behaviour (the sanitize build catches it).
TEST(RulesFile, ReadsAnotherServersRules) {
    const std::string refine =
        "name = \"\"\"\\\n  Мой сервер\"\"\"\n[refine]\nresearch-per-level = 3\n"
        "[[refine.class]]\nname = \"Кинжалы\"\nmaterial = \"Phracon\"\nmaterial-price = 250\nfee = 100\nsafe = 8\n"
        "chances = [70, 50, 30, 10]\natk-per-level = 3\nspread-per-level = 4\n"
        "[[refine.class]]\nname = \"Щиты\"\nmaterial = \"Elunium\"\nmaterial-price = 50000\nfee = 0\nsafe = 4\n"
        "chances = [100, 100, 100, 90, 80, 70, 60, 0]\narmour = true\n";
    const std::string forge = PlainBuiltInText().substr(PlainBuiltInText().find("[forge]"));
    const std::string text =
        refine +
        Edited(forge, {{"\"None\" = 0\n\"Iron Anvil\" = 0\n", ""},
                       {"\"Emperium Anvil\" = 10\n", "\"Emperium Anvil\" = 12\n\"Iron Anvil\" = -2\n\"None\" = 1\n"}});
    Rules expected = BuiltInRules();
    expected.name = "Мой сервер";
    expected.refine.researchPerLevel = 3;
    expected.refine.classes = {
        {"Кинжалы", "Phracon", 250, 100, 8, {70, 50, 30, 10}, 3, 4, false, "class-1"},
        {"Щиты", "Elunium", 50000, 0, 4, {100, 100, 100, 90, 80, 70, 60, 0}, 0, 0, true, "class-2"},
    };
    expected.forge.anvils = {
        {"None", 1}, {"Iron Anvil", -2}, {"Oridecon Anvil", 3}, {"Golden Anvil", 5}, {"Emperium Anvil", 12}};
    const Result<Rules> read = ReadRules(text, "rules.toml");
    ASSERT_TRUE(read.ok()) << read.error().sourceText();
    EXPECT_EQ(*read, expected);
    const Result<Rules> again = ReadRules(RulesText(expected), "rules.toml");
    ASSERT_TRUE(again.ok()) << again.error().sourceText();
    EXPECT_EQ(*again, expected);
}

TEST(RulesFile, LoadsOnlyAReadableFileUpTo1MiB) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "rules_file_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "rules.toml");
    const std::string builtIn = RulesText(BuiltInRules());
    const std::string padded = builtIn + "#" + std::string(kLargestRulesFile - builtIn.size() - 1, 'x');
    const auto quoted = [&](const char* name) { return "«" + (folder / name).string() + "»"; };
    struct Case {
        const char* name;
        std::optional<std::string> text;  // none: nothing written
        std::string message;              // empty: the built-in rules are read
    };
    const Case cases[] = {
        {"rules.toml", std::nullopt, quoted("rules.toml") + " — это папка, а не файл правил"},
        {"missing.toml", std::nullopt, "Файл правил " + quoted("missing.toml") + " не найден"},
        {"large.toml", padded + "x", "Файл правил " + quoted("large.toml") + " больше 1 МиБ (1 048 576 байт)"},
        {"full.toml", padded, ""},
        {"bad.toml", "name = 1\n",
         "bad.toml, строка 1, столбец 8: name — ожидается строка до 100 байт без управляющих символов"},
    };
    for (const Case& c : cases) {
        if (c.text) std::ofstream(folder / c.name, std::ios::binary) << *c.text;
        const Result<Rules> read = LoadRulesFile(folder / c.name);
        if (c.message.empty()) {
            ASSERT_TRUE(read.ok()) << read.error().sourceText();
            EXPECT_EQ(*read, BuiltInRules());
        } else {
            ASSERT_FALSE(read.ok()) << c.name;
            EXPECT_EQ(read.error().sourceText(), c.message);
        }
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trivelon
