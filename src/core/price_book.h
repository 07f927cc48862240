#pragma once
// What a player typed that outlives the window it was typed into: the last
// price of each good of a recipe (by the good's name: "Iron", "Flame Heart",
// "Star Crumb"), which the refine tab shares for the material it refines with
// ("Oridecon" for both weapon classes that take it), and the last sum typed
// into "У меня есть". The settings keep it between
// runs; every window reads and writes the one book.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules.h"

namespace trivelon {

// The longest text the book takes, from a window or from the settings file:
// longer than any price or sum a person types, short enough that a damaged
// file cannot flood the windows.
inline constexpr std::size_t kLongestRememberedText = 64;

class PriceBook {
public:
    // The entry of the refine material's price for a refine class: the
    // material's name, as every good is entered under its own name. The
    // entry of the sum the player has.
    static std::string RefineMaterialEntry(const RefineClassRule& cls) { return cls.material; }
    static constexpr std::string_view kMoneyEntry = "У меня есть";
    // The entry of an item's price at a refine level, by the class's place
    // in its rules (from 0): "refine item class 4 +7" for the fourth class;
    // empty for a place or a level no rule set has. A blank text there means
    // that the level is not on offer.
    static std::string RefineItemEntry(std::size_t classIndex, std::int32_t level);

    // Every entry the book takes: the goods of the catalogue's recipes, the
    // element stones and the star crumb, the built-in rules' refine
    // materials, the items at each refine level of any rule set, and the sum.
    static const std::vector<std::string>& Entries();

    // Whether the book takes the text for the entry: a good of the
    // catalogue, an existing refine class or level, or the sum, with a text
    // that reads as money (ReadTypedSum, groupSeparator the user's; the sum
    // and an item at a level may also be blank), and no longer than
    // kLongestRememberedText.
    static bool Accepts(std::string_view entry, std::string_view text, std::string_view groupSeparator);

    // The last text remembered for the entry.
    std::optional<std::string> text(std::string_view entry) const;
    // Remembers the text, the last one winning; false when the book does not
    // take it (see Accepts), which leaves the entry as it was.
    bool remember(std::string_view entry, std::string_view text, std::string_view groupSeparator);
    // Puts an entry read back from the settings; it counts as saved.
    void restore(std::string_view entry, std::string_view text, std::string_view groupSeparator);

    // The entries remembered since the last save, which a save writes: only
    // what this run typed, so that a program closed later does not write
    // back an older price that another program has changed meanwhile.
    std::vector<std::pair<std::string, std::string>> unsaved() const;
    void markSaved();

private:
    struct Entry {
        std::string text;
        bool unsaved = false;
    };
    std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace trivelon
