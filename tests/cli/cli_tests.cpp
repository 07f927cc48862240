// Runs trivelon-cli as a player's script would and checks its exit status and
// JSON output.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "catalogue/forge_catalogue.h"

namespace {

struct CliRun {
    int exitCode;
    QJsonObject json;
    QString out;
    QString err;
};

// The command that starts trivelon-cli: the one built beside these tests, or
// the command line in TRIVELON_CLI_COMMAND, such as "qemu-aarch64 -L
// /usr/aarch64-linux-gnu build-arm64/src/cli/trivelon-cli" for a build for
// another processor (under qemu-user, QProcess cannot start a program).
QStringList CliCommand() {
    const QString command = qEnvironmentVariable("TRIVELON_CLI_COMMAND");
    return command.isEmpty() ? QStringList{TRIVELON_CLI} : QProcess::splitCommand(command);
}

// The tests' environment without the locale, so that the program's messages
// are in Russian whatever the locale the tests run in.
QProcessEnvironment Environment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* locale : {"LC_ALL", "LC_MESSAGES", "LANG"}) environment.remove(locale);
    return environment;
}

// Runs the program; standard output goes to the file when one is named.
CliRun Cli(const QStringList& arguments, const QString& outputFile = {},
           const QProcessEnvironment& environment = Environment()) {
    static const QStringList command = CliCommand();
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(command.first(), command.mid(1) + arguments);
    process.waitForFinished(30000);
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), QJsonDocument::fromJson(out).object(), QString::fromUtf8(out),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CliForge, WorkedExamplesWithDefaults) {
    struct Case {
        QStringList args;
        QString title;
        QString rateText;
        int cost;
    };
    const Case cases[] = {
        {{"forge", "Iron"}, "Iron", "79.1", 182},
        {{"forge", "Knife"}, "Knife", "100", 1000},
        {{"forge", "Damascus", "--anvil", "None"}, "Damascus", "74.1", 19120},
        {{"forge", "Knife", "--star-crumbs", "2", "--element", "Fire"}, "VVS Fire Knife", "54.1", 122000},
        {{"forge", "Star Crumb", "--luk", "1"}, "Star Crumb", "100", 150},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.json["title"].toString(), c.title);
        EXPECT_EQ(run.json["rate_text"].toString(), c.rateText);
        EXPECT_EQ(run.json["cost"].toInt(), c.cost);
        EXPECT_FALSE(run.json.contains("cost_after_prices"));
    }
}

TEST(CliForge, RecipeRowsOfADecoratedWeapon) {
    const CliRun run = Cli({"forge", "Knife", "--star-crumbs", "2", "--element", "Fire"});
    EXPECT_EQ(run.json["caption"].toString(), "Knife");
    // Row, used, name, quantity, price, price can be typed.
    const QJsonArray recipe = run.json["recipe"].toArray();
    const QStringList expected[] = {{"tool", "true", "Iron Hammer", "1", "1000", "false"},
                                    {"material1", "true", "Iron", "1", "0", "true"},
                                    {"material2", "true", "Jellopy", "10", "0", "true"},
                                    {"material3", "false", "", "0", "0", "true"},
                                    {"element_stone", "true", "Flame Heart", "1", "30000", "true"},
                                    {"star_crumbs", "true", "Star Crumb", "2", "15000", "true"}};
    ASSERT_EQ(recipe.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const QJsonObject row = recipe[i].toObject();
        EXPECT_EQ(QStringList({row["row"].toString(), row["used"].toBool() ? "true" : "false", row["name"].toString(),
                               QString::number(row["quantity"].toInt()), QString::number(row["price"].toInt()),
                               row["price_editable"].toBool() ? "true" : "false"}),
                  expected[i]);
    }
    EXPECT_EQ(recipe[3].toObject()["picture"].toString(), "images/empty.bmp");

    const CliRun resource = Cli({"forge", "Iron", "--star-crumbs", "3", "--element", "Ice"});
    EXPECT_FALSE(resource.json["recipe"].toArray()[4].toObject()["used"].toBool());
    EXPECT_FALSE(resource.json["recipe"].toArray()[5].toObject()["used"].toBool());
    EXPECT_EQ(resource.json["title"].toString(), "Iron");

    // A name in another case, or by its id, is the list's: the same output.
    // An anvil once counted as none when not written as the list writes it.
    const std::pair<QStringList, QStringList> same[] = {
        {{"--element", "fire"}, {"--element", "Fire"}},
        {{"--element", "none"}, {"--element", "Без элемента"}},
        {{"--anvil", "golden anvil"}, {"--anvil", "Golden Anvil"}},
        {{"--anvil", "golden-anvil"}, {"--anvil", "Golden Anvil"}},
    };
    for (const auto& [typed, listed] : same)
        EXPECT_EQ(Cli(QStringList{"forge", "Knife"} + typed).out, Cli(QStringList{"forge", "Knife"} + listed).out)
            << typed.join(' ').toStdString();
    EXPECT_NE(Cli({"forge", "Knife", "--anvil", "golden-anvil"}).out, Cli({"forge", "Knife", "--anvil", "None"}).out);
    // An element outside the list is wrong usage, which names the list; an
    // empty one is no element.
    for (const char* element : {"Holy", "Огонь"}) {
        const CliRun wrong = Cli({"forge", "Knife", "--element", element});
        EXPECT_EQ(wrong.exitCode, 2) << element;
        EXPECT_TRUE(wrong.err.contains("Без элемента, Fire, Ice, Wind, Earth")) << wrong.err.toStdString();
    }
    const CliRun anvil = Cli({"forge", "Knife", "--anvil", "Diamond Anvil"});
    EXPECT_EQ(anvil.exitCode, 2);
    EXPECT_TRUE(anvil.err.contains("None, Iron Anvil, Oridecon Anvil")) << anvil.err.toStdString();
    EXPECT_EQ(Cli({"forge", "Knife", "--element", ""}).out, Cli({"forge", "Knife"}).out);
}

TEST(CliForge, PricesTypedIntoTheResultWindow) {
    // Cutter at rate 40: one hammer and 25 Iron at 100 each, three attempts.
    const CliRun cutter = Cli({"forge", "Cutter", "--job", "0", "--dex", "-50", "--luk", "0", "--smith-dagger", "0",
                               "--weaponry-research", "0", "--anvil", "None", "--price1", "100"});
    EXPECT_EQ(cutter.json["rate_text"].toString(), "40");
    EXPECT_EQ(cutter.json["cost"].toInt(), 3000);
    EXPECT_EQ(cutter.json["cost_after_prices"].toInt(), 10500);

    // A resource at rate 56: deleting the typed price keeps the request's 216.
    const CliRun iron = Cli({"forge", "Iron", "--job", "10", "--dex", "20", "--luk", "20", "--price1", ""});
    EXPECT_EQ(iron.json["rate_text"].toString(), "56");
    EXPECT_EQ(iron.json["cost"].toInt(), 216);
    EXPECT_EQ(iron.json["cost_after_prices"].toInt(), 216);

    // Prices are read as money, as players write it, and what is no sum is
    // refused, never counted as 0.
    struct Case {
        const char* typed;
        const char* plain;  // the same price in digits; none: refused
    };
    for (const Case& c : {Case{"1 500", "1500"}, Case{"12к", "12000"}, Case{"50кк", "50000000"},
                          Case{"1,5кк", "1500000"}, Case{"250'000", "250000"}, Case{"abc", nullptr},
                          Case{"1к500", nullptr}, Case{"-5", nullptr}, Case{"$10", nullptr}}) {
        SCOPED_TRACE(c.typed);
        const CliRun typed = Cli({"forge", "Knife", "--price2", c.typed});
        if (!c.plain) {
            EXPECT_EQ(typed.exitCode, 2);
            EXPECT_TRUE(typed.err.contains(QString::fromUtf8(c.typed))) << typed.err.toStdString();
            continue;
        }
        EXPECT_EQ(typed.exitCode, 0);
        EXPECT_EQ(typed.json["cost_after_prices"],
                  Cli({"forge", "Knife", "--price2", c.plain}).json["cost_after_prices"]);
    }
}

// The desktop program's price book is read only when asked for, and then
// fills only the rows that no price option fills.
TEST(CliForge, SavedPricesOnlyWhenAsked) {
#ifdef _WIN32
    // Windows has no variable that moves the settings folder: the test would
    // write into the user's own.
    GTEST_SKIP() << "the settings folder cannot be moved on Windows";
#endif
    QTemporaryDir config;
    QSettings saved(config.filePath("trivelon/trivelon.ini"), QSettings::IniFormat);
    saved.setValue("prices/Iron", "120");
    saved.setValue("prices/Jellopy", "7");
    saved.setValue("prices/Flame Heart", "not a price");
    saved.sync();
    ASSERT_EQ(saved.status(), QSettings::NoError);
    QProcessEnvironment environment = Environment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    const auto costAfterPrices = [&](const QStringList& arguments) {
        const CliRun run = Cli(QStringList{"forge", "Knife", "--element", "Fire"} + arguments, {}, environment);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.json["cost_after_prices"];
    };
    EXPECT_TRUE(costAfterPrices({}).isUndefined());
    EXPECT_EQ(costAfterPrices({"--saved-prices"}), costAfterPrices({"--price1", "120", "--price2", "7"}));
    EXPECT_EQ(costAfterPrices({"--saved-prices", "--price1", "50"}),
              costAfterPrices({"--price1", "50", "--price2", "7"}));
    EXPECT_TRUE(Cli({"forge", "--help"}).out.contains("--saved-prices"));
}

TEST(CliForge, ErrorsWarningsAndUsage) {
    const CliRun separator = Cli({"forge", "---------------Ресурсы---------------"});
    EXPECT_EQ(separator.exitCode, 3);
    EXPECT_EQ(separator.json["warning"].toString(), "Выберите, что ковать");

    const CliRun badBase = Cli({"forge", "Knife", "--base", "7a", "--dex", "x"});
    EXPECT_EQ(badBase.exitCode, 1);
    EXPECT_EQ(badBase.json["error"].toString(), "Base Lvl: «7a» — не целое число");
    // In English by --lang or by the locale; a list's name in either language.
    EXPECT_EQ(Cli({"forge", "Knife", "--base", "7a", "--lang", "en"}).json["error"].toString(),
              "Base Lvl: \"7a\" is not a whole number");
    QProcessEnvironment english = Environment();
    english.insert("LC_MESSAGES", "en_GB.UTF-8");
    EXPECT_EQ(Cli({"forge", "Knife", "--element", "no element", "--base", "7a"}, {}, english).json["error"].toString(),
              "Base Lvl: \"7a\" is not a whole number");
    EXPECT_EQ(Cli({"forge", "Knife", "--lang", "de"}).exitCode, 2);

    const CliRun badOri = Cli({"forge", "Iron", "--oridecon-research", "q"});
    EXPECT_EQ(badOri.exitCode, 0) << "Iron does not read Oridecon Research";
    EXPECT_EQ(Cli({"forge", "Knife", "--oridecon-research", "q"}).exitCode, 1);

    const CliRun unknown = Cli({"forge", "iron"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_FALSE(unknown.json["error"].toString().isEmpty());

    EXPECT_EQ(Cli({"forge", "Knife", "--price3", "10"}).exitCode, 2) << "Knife has no third material";
    EXPECT_EQ(Cli({"forge", "Knife", "--star-crumbs", "4"}).exitCode, 2);
    EXPECT_EQ(Cli({"forge"}).exitCode, 2);
    EXPECT_EQ(Cli({"smelt"}).exitCode, 2);
    EXPECT_EQ(Cli({}).exitCode, 2);
    const CliRun help = Cli({"forge", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--enchanted-stone-craft"));
    EXPECT_TRUE(help.out.contains("--crumb-price"));
}

// Whatever follows an option that takes a value is its value; an argument
// beginning with "---" elsewhere is the item, as category headers are.
TEST(CliArguments, ValuesBeginningWithADashAndStrayArguments) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* key;  // a field of the JSON output, or "stderr"
        QString expected;
    };
    const QString header = "---------------Ресурсы---------------";
    const Case cases[] = {
        {{"forge", "Knife", "--base", "---x"}, 1, "error", "Base Lvl: «---x» — не целое число"},
        {{"forge", "--base", "---x", "Knife"}, 1, "error", "Base Lvl: «---x» — не целое число"},
        {{"forge", "--base", "-", "Knife"}, 1, "error", "Base Lvl: «-» — не целое число"},
        // Taken as an anvil, which the list does not offer.
        {{"forge", "Knife", "--anvil", "---"}, 2, "stderr", "--anvil takes one of None, Iron Anvil"},
        {{"forge", "Knife", "--anvil", "--help"}, 2, "stderr", "not \"--help\""},
        {{"forge", "--anvil", header, "Knife"}, 2, "stderr", "not \"" + header + "\""},
        {{"forge", "--anvil", "None", header}, 3, "warning", "Выберите, что ковать"},
        {{"forge", header, "--luk", "-5"}, 3, "warning", "Выберите, что ковать"},
        {{"forge", "Knife", "--anvil"}, 2, "stderr", "Missing value after '--anvil'."},
        {{"refine", "--material-price", "-5"}, 2, "stderr", "--material-price takes a sum"},
        {{"refine", "foo"}, 2, "stderr", "refine takes no arguments"},
        {{"catalogue", "foo"}, 2, "stderr", "catalogue takes no arguments"},
        {{"catalogue", header}, 2, "stderr", "catalogue takes no arguments"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        const QString actual = std::string_view(c.key) == "stderr" ? run.err : run.json[c.key].toVariant().toString();
        EXPECT_TRUE(actual.contains(c.expected)) << actual.toStdString();
    }
}

TEST(CliArguments, EveryCommandDescribesItsOptions) {
    for (const char* command : {"forge", "refine", "catalogue"}) {
        SCOPED_TRACE(command);
        const CliRun help = Cli({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.contains("-h, --help"));
        // Every option the help lists is accepted.
        EXPECT_FALSE(help.out.contains("--help-all"));
        EXPECT_EQ(Cli({command, "-h"}).out, help.out);
    }
}

// Output that cannot be written is a failure, never a result.
TEST(CliOutput, AFullDiskIsReported) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const QStringList runs[] = {{"catalogue"},
                                {"forge", "Knife"},
                                {"forge", "iron"},
                                {"refine"},
                                {"forge", "---------------Ресурсы---------------"},
                                {"forge", "--help"},
                                {"--help"}};
    for (const QStringList& args : runs) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = Cli(args, "/dev/full");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.startsWith("trivelon-cli: cannot write the output: ")) << run.err.toStdString();
    }
}

TEST(CliRefine, OutcomesAndCosts) {
    const CliRun safe = Cli({"refine"});
    EXPECT_EQ(safe.exitCode, 0);
    EXPECT_EQ(safe.json["to"].toString(), "+7");
    EXPECT_EQ(safe.json["cost"].toInt(), 1750);
    EXPECT_EQ(safe.json["bonus"].toString(), "ATK +14");

    const CliRun risky = Cli({"refine", "--class", "4", "--from", "+5", "--to", "+10", "--weaponry-research", "0"});
    EXPECT_EQ(risky.json["rate_text"].toString(), "0.064");
    EXPECT_EQ(risky.json["materials"].toInt(), 7815);
    EXPECT_EQ(risky.json["items"].toInt(), 1563);
    // The class by its id or its name is the class by its place.
    for (const char* cls : {"weapon-4", "Оружие 4 уровня"})
        EXPECT_EQ(Cli({"refine", "--class", cls, "--from", "+5", "--to", "+10", "--weaponry-research", "0"}).out,
                  risky.out)
            << cls;

    const CliRun nothing = Cli({"refine", "--from", "+8", "--to", "+8"});
    EXPECT_TRUE(nothing.json["rate"].isNull());
    EXPECT_EQ(nothing.json["items"].toInt(), 0);

    const CliRun coupled = Cli({"refine", "--from", "+9"});
    EXPECT_EQ(coupled.json["to"].toString(), "+9");

    const CliRun item = Cli({"refine", "--class", "2", "--item-price", "0,5к", "--material-price", "1 000"});
    EXPECT_EQ(item.json["material_price"].toInt(), 1000);
    EXPECT_EQ(item.json["cost"].toInt(), 7700);
    // A cost beyond 32 bits: 15 624 materials at 25 000 with their fees and 2 605 items at 900 000.
    const CliRun dear = Cli({"refine", "--class", "4", "--from", "+4", "--to", "+10", "--weaponry-research", "0",
                             "--item-price", "900000"});
    EXPECT_EQ(dear.exitCode, 0);
    EXPECT_TRUE(dear.out.contains("\"cost\": 2735100000,")) << dear.out.toStdString();
    EXPECT_EQ(dear.json["material"].toString(), "Oridecon");  // the good's name, without the window's blank

    const CliRun zero = Cli({"refine", "--to", "+8", "--weaponry-research", "-60"});
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_EQ(zero.json["error"].toString(), "Шанс успешной заточки на +8 равен 0%, расчёт невозможен");
    const CliRun ten = Cli({"refine", "--to", "+8", "--weaponry-research", "ten"});
    EXPECT_EQ(ten.exitCode, 1);
    EXPECT_EQ(ten.json["error"].toString(), "Weaponry Research: «ten» — не целое число");
    EXPECT_EQ(Cli({"refine", "--to", "+8", "--weaponry-research", "-70"}).exitCode, 1);
    EXPECT_EQ(Cli({"refine", "--class", "6"}).exitCode, 2);
    EXPECT_EQ(Cli({"refine", "--from", "+10"}).exitCode, 2);
}

// What a refine really uses per success, attempts stopping at the step that
// breaks the item: JSON numbers beside the tab's figures, null when nothing is
// to do.
TEST(CliRefine, ExpectedPerSuccess) {
    struct Case {
        QStringList args;
        double items, materials;
        qint64 cost;
        int tabMaterials;
    };
    const Case cases[] = {
        {{"refine", "--from", "+8", "--to", "+9", "--weaponry-research", "0"}, 2.5, 2.5, 625, 2},
        {{"refine", "--to", "+8"}, 1.4, 11.4, 2857, 8},
        {{"refine", "--class", "4", "--from", "+5", "--to", "+10", "--weaponry-research", "0"},
         1562.5,
         2497.5,
         62437500,
         7815},
        {{"refine", "--item-price", "300"}, 1, 7, 2050, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.exitCode, 0);
        const QJsonObject expected = run.json["expected"].toObject();
        EXPECT_TRUE(expected["items"].isDouble());
        EXPECT_EQ(expected["items"].toDouble(), c.items);
        EXPECT_EQ(expected["materials"].toDouble(), c.materials);
        EXPECT_EQ(expected["cost"].toInteger(), c.cost);
        EXPECT_EQ(run.json["materials"].toInt(), c.tabMaterials);
    }
    EXPECT_TRUE(Cli({"refine", "--to", "+8"}).out.contains(QStringLiteral("\"materials\": 11.4")));

    const CliRun nothing = Cli({"refine", "--from", "+8", "--to", "+8"});
    EXPECT_EQ(nothing.exitCode, 0);
    EXPECT_TRUE(nothing.json.contains("expected"));
    EXPECT_TRUE(nothing.json["expected"].isNull());
}

// Where to start: every offered level's road agrees with a refine from that
// level at its price, the finished item is one item at its price, and the
// other figures are those of the lowest level.
TEST(CliRefine, ComparedRoadsAgreeWithTheirOwnRefines) {
    const QStringList common = {"refine", "--class", "2", "--to", "+8", "--material-price", "1 000"};
    const CliRun run = Cli(common + QStringList{"--compare", "+7=40000, +3=10к,+8=0,1ккк,6=50000"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.json["from"].toString(), "+3");
    EXPECT_EQ(run.json["item_price"].toInteger(), 10000);
    const QJsonArray roads = run.json["compare"].toArray();
    QStringList froms;
    for (const QJsonValue& road : roads) {
        const QJsonObject object = road.toObject();
        const QString from = object["from"].toString();
        froms << from;
        SCOPED_TRACE(from.toStdString());
        if (from == "+8") {
            EXPECT_EQ(object["expected"].toObject(),
                      (QJsonObject{{"items", 1}, {"materials", 0}, {"cost", 100000000}}));
            EXPECT_TRUE(object.contains("budget") && object["budget"].isNull());
            continue;
        }
        const CliRun alone = Cli(
            common + QStringList{"--from", from, "--item-price", QString::number(object["item_price"].toInteger())});
        EXPECT_EQ(object["expected"], alone.json["expected"]);
        EXPECT_EQ(object["budget"], alone.json["budget"]);
    }
    EXPECT_EQ(froms, QStringList({"+3", "+6", "+7", "+8"}));
    // (4.7 x 1 200 + 10 000) / 0.35 = 44 686 against 82 400 from +7.
    EXPECT_EQ(roads[0].toObject()["expected"].toObject()["cost"].toInteger(), 44686);
    EXPECT_EQ(run.json["cheapest"].toString(), "+3");

    EXPECT_EQ(Cli({"refine", "--class", "4", "--to", "+10", "--compare", "+9=10кк,+10=40кк"}).json["cheapest"], "+10");
    // A price's decimal comma is no separator between offers.
    const CliRun comma = Cli({"refine", "--to", "+8", "--compare", "+0=1,5к,+8=2,5к"});
    EXPECT_EQ(comma.json["compare"].toArray().size(), 2);
    EXPECT_EQ(comma.json["item_price"].toInteger(), 1500);
    EXPECT_EQ(comma.json["cheapest"], "+8");

    for (const char* offers : {"+9=1", "+3=1,+3=2", "+3=abc", "+3=", "+3", "+-1=5", "", "+3=1,,+4=2"}) {
        const CliRun wrong = Cli(common + QStringList{"--compare", offers});
        EXPECT_EQ(wrong.exitCode, 2) << offers;
        EXPECT_TRUE(wrong.err.contains("--compare takes")) << wrong.err.toStdString();
    }
    EXPECT_EQ(Cli(common + QStringList{"--compare", "+3=1", "--from", "+3"}).exitCode, 2);
    EXPECT_EQ(Cli(common + QStringList{"--compare", "+3=1", "--item-price", "5"}).exitCode, 2);
    EXPECT_TRUE(Cli({"refine", "--help"}).out.contains("--compare"));
}

// Tries (or items), materials and cost of 50, 90 and 99 % certainty, and the
// chance within a sum; null where there is no budget.
// --rules reaches every command's figures: Weaponry Research worth 2 % a
// level lifts +4 to +5 of a level-4 weapon from 70 % (60 + 10) to 80 %
// (60 + 20), and a Star Crumb priced 1 Zeny is that in a recipe; a file that
// cannot be used is wrong usage, named.
TEST(CliRules, AFileReachesTheFiguresAndABadOneIsRefused) {
    QTemporaryDir folder;
    const QString path = folder.filePath("server.toml");
    // Written with its comments in English, it reads as the Russian one does.
    QString rules = Cli({"rules", "--lang", "en"}).out;
    rules.replace("research-per-level = 1 ", "research-per-level = 2 ")
        .replace("star-crumb-price = 15000", "star-crumb-price = 1");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(rules.toUtf8()) > 0);
    file.close();

    const CliRun refine = Cli({"refine", "--class", "4", "--from", "+4", "--to", "+5", "--rules", path});
    EXPECT_EQ(refine.exitCode, 0) << refine.err.toStdString();
    EXPECT_EQ(refine.json["rate_text"].toString(), "80");
    const CliRun forge = Cli({"forge", "Knife", "--star-crumbs", "1", "--rules", path});
    EXPECT_EQ(forge.json["recipe"].toArray()[5].toObject()["price"].toInt(), 1);

    const CliRun bad = Cli({"refine", "--rules", folder.filePath("missing.toml")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("missing.toml")) << bad.err.toStdString();
}

TEST(CliBudget, ForgeAndRefineBudgets) {
    auto levels = [](const CliRun& run, const char* field) {
        QStringList figures;
        for (const QJsonValue& level : run.json["budget"].toObject()["levels"].toArray())
            figures << QString::number(level.toObject()[field].toInteger());
        return figures;
    };
    // Cutter at the rate 40 with Iron at 100: 3500 an attempt.
    const CliRun cutter = Cli({"forge", "Cutter", "--job", "0", "--dex", "-50", "--luk", "0", "--smith-dagger", "0",
                               "--weaponry-research", "0", "--anvil", "None", "--price1", "100", "--budget", "10000"});
    EXPECT_EQ(cutter.json["budget"].toObject()["try_cost"].toInteger(), 3500);
    EXPECT_EQ(levels(cutter, "tries"), QStringList({"2", "5", "10"}));
    EXPECT_EQ(levels(cutter, "cost"), QStringList({"7000", "17500", "35000"}));
    EXPECT_EQ(cutter.json["chance_within_budget"].toDouble(), 64.0);  // two attempts: 1 - 0.6^2
    EXPECT_TRUE(Cli({"forge", "Iron"}).json["budget"].isNull());

    // A refine's materials and Zeny are those of attempts that stop at the
    // step that breaks the item; its try cost is still a whole attempt's.
    const CliRun refine = Cli(
        {"refine", "--class", "4", "--from", "+5", "--to", "+10", "--weaponry-research", "0", "--budget", "100000000"});
    EXPECT_EQ(refine.json["budget"].toObject()["try_cost"].toInteger(), 125000);
    EXPECT_EQ(levels(refine, "items"), QStringList({"1083", "3597", "7194"}));
    EXPECT_EQ(levels(refine, "materials"), QStringList({"1732", "5746", "11487"}));
    EXPECT_EQ(levels(refine, "cost"), QStringList({"43300000", "143650000", "287175000"}));
    EXPECT_EQ(refine.json["chance_within_budget"].toDouble(), 79.9);
    const CliRun tenth = Cli({"refine", "--class", "4", "--to", "+10", "--material-price", "5000", "--budget", "55кк"});
    EXPECT_EQ(levels(tenth, "cost")[0], "34675000");
    EXPECT_EQ(tenth.json["chance_within_budget"].toDouble(), 66.8);
    const CliRun dearItem = Cli({"refine", "--class", "3", "--from", "+4", "--to", "+10", "--material-price", "15000",
                                 "--item-price", "900000", "--budget", "100кк"});
    EXPECT_EQ(levels(dearItem, "materials")[0], "202");
    EXPECT_EQ(levels(dearItem, "cost")[0], "59040000");
    EXPECT_EQ(dearItem.json["chance_within_budget"].toDouble(), 69.1);
    EXPECT_TRUE(Cli({"refine", "--from", "+8", "--to", "+8"}).json["budget"].isNull());

    // The sum as players write it; wrong usage where it cannot be read or is beyond 64 bits.
    const QStringList risky = {"refine", "--class", "4", "--from", "+5", "--to", "+10", "--weaponry-research", "0"};
    for (const char* sum : {"100 000 000", "100кк", "0,1ккк", " 100'000'000 "})
        EXPECT_EQ(Cli(risky + QStringList{"--budget", sum}).json["chance_within_budget"].toDouble(), 79.9) << sum;
    for (const char* sum : {"lots", "1к5", "", "-5", "9223372036854775808"}) {
        const CliRun wrong = Cli(risky + QStringList{"--budget", sum});
        EXPECT_EQ(wrong.exitCode, 2) << sum;
        EXPECT_TRUE(wrong.err.contains("--budget takes")) << wrong.err.toStdString();
    }
    EXPECT_TRUE(Cli({"forge", "--help"}).out.contains("--budget"));
    EXPECT_TRUE(Cli({"refine", "--help"}).out.contains("--budget"));
}

TEST(CliCatalogue, ListsTheSelectorRows) {
    const CliRun run = Cli({"catalogue"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonArray rows = run.json["rows"].toArray();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(trivelon::ForgeCatalogue::SelectorRows().size()));
    EXPECT_TRUE(rows[0].toObject()["separator"].toBool());
    EXPECT_EQ(rows[1].toObject()["text"].toString(), "Iron");
    EXPECT_EQ(rows.last().toObject()["text"].toString(), "Lance");
    // The skill an entry reads is named by the forge option that sets it.
    EXPECT_EQ(rows[67].toObject()["skill_option"].toString(), "smith-spear");
    int separators = 0;
    for (const QJsonValue& row : rows) separators += row.toObject()["separator"].toBool() ? 1 : 0;
    EXPECT_EQ(separators, 8);
}

}  // namespace
