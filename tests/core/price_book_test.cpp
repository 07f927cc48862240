// The price book: what it takes, and what a save writes.
#include <gtest/gtest.h>

#include <string>

#include "built_in_rules.h"
#include "core/price_book.h"

namespace trivelon {
namespace {

TEST(PriceBook, TakesOnlyWhatItsFieldsRead) {
    struct Case {
        std::string entry;
        std::string text;
        bool taken;
    };
    const Case cases[] = {
        {"Iron", "120", true},
        {"Iron", "$7F", false},  // prices are money as players write it
        {"Flame Heart", "25000", true},
        {"Star Crumb", "-5", false},
        {"Iron", "", false},
        {"Iron", "12 000", true},
        {"Iron", "12к", true},
        {"Iron", "1к5", false},
        {"Iron", "99999999999", true},
        {"Iron", "99999999999999999999", false},  // beyond the 64-bit range
        {"Iron", std::string(kLongestRememberedText + 1, '1'), false},
        {"Iron Hammer", "5", false},  // a tool is priced by the rules, never typed
        {"iron", "5", false},
        {"Mithril", "5", false},
        {PriceBook::RefineMaterialEntry(BuiltInClass(1)), "200", true},
        {"", "200", false},  // the entry of no class
        {PriceBook::RefineItemEntry(3, 10), "90кк", true},
        {PriceBook::RefineItemEntry(0, 0), "", true},  // a level not on offer
        {PriceBook::RefineItemEntry(0, 0), "дорого", false},
        // A class or a level no rule set can have.
        {PriceBook::RefineItemEntry(kMostRefineClasses, 0), "5", false},
        {PriceBook::RefineItemEntry(0, kMostRefineLevel + 1), "5", false},
        {"refine item class 1 +21", "5", false},
        {std::string(PriceBook::kMoneyEntry), "1,5кк", true},
        {std::string(PriceBook::kMoneyEntry), "", true},  // a cleared field
        {std::string(PriceBook::kMoneyEntry), "much", false},
        {std::string(PriceBook::kMoneyEntry), "99999999999999999999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry + " = " + c.text);
        PriceBook book;
        EXPECT_EQ(book.remember(c.entry, c.text, " "), c.taken);
        EXPECT_EQ(book.text(c.entry).has_value(), c.taken);
        book.restore(c.entry, c.text, " ");
        EXPECT_EQ(book.text(c.entry).has_value(), c.taken);
    }
}

// A save writes only what this run typed since the last save, so that an
// older price read at start never overwrites one another program saved.
TEST(PriceBook, ASaveWritesWhatWasTypedSinceTheLastOne) {
    using Entries = std::vector<std::pair<std::string, std::string>>;
    PriceBook book;
    book.restore("Iron", "100", " ");
    book.restore("Jellopy", "7", " ");
    EXPECT_EQ(book.unsaved(), Entries{});
    EXPECT_TRUE(book.remember("Jellopy", "8", " "));
    EXPECT_FALSE(book.remember("Iron", "abc", " "));
    EXPECT_EQ(book.text("Iron"), "100");
    EXPECT_EQ(book.unsaved(), (Entries{{"Jellopy", "8"}}));
    book.markSaved();
    EXPECT_EQ(book.unsaved(), Entries{});
    EXPECT_TRUE(book.remember("Iron", "90", " "));
    EXPECT_EQ(book.unsaved(), (Entries{{"Iron", "90"}}));
}

}  // namespace
}  // namespace trivelon
