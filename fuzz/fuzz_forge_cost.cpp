// The result window's cost recalculation over arbitrary texts. Input: a flag
// byte (bit 0 makes the item a resource, bit 1
// picks "," as the decimal separator), then the 14 texts of the sheet in the
// order of trivelon::ForgeCostSheet, one per line. A cost is a 64-bit whole
// number or too much; a failure always has a message; the process running in
// a comma locale changes neither.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <locale>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/forge_cost.h"
#include "core/numbers.h"
#include "split_texts.h"
#include "support/process_locale.h"

using trivelon::fuzz::Require;

namespace {

std::optional<std::locale> commaLocale;

std::string Outcome(const trivelon::Result<std::optional<std::int64_t>>& cost) {
    if (!cost) return "error: " + cost.error();
    return *cost ? std::to_string(**cost) : "too much";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    commaLocale = trivelon::test_support::InstalledCommaLocale();
    if (!commaLocale)
        std::fprintf(stderr,
                     "No comma locale is installed: costs are not compared across locales "
                     "(make one with: localedef -i ru_RU -f UTF-8 ru_RU.UTF-8)\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const char separator = (flags & 0x02) ? ',' : '.';
    const auto texts =
        trivelon::fuzz::SplitTexts<14>(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

    trivelon::ForgeCostSheet sheet;
    sheet.resource = (flags & 0x01) != 0;
    sheet.toolQuantity = texts[1];
    sheet.toolPrice = texts[2];
    // Quantities of material 1 to 3, the element stone and the star crumbs,
    // then their prices.
    for (std::size_t row = 0; row < sheet.pricedRows.size(); ++row) {
        sheet.pricedRows[row].quantity = texts[3 + row];
        sheet.pricedRows[row].price = texts[8 + row];
    }
    sheet.rate = texts[13];

    const auto cost = trivelon::RecalculateForgeCost(sheet, separator);
    if (commaLocale) {
        const trivelon::test_support::ProcessLocale comma(*commaLocale);
        Require(Outcome(trivelon::RecalculateForgeCost(sheet, separator)) == Outcome(cost),
                "a comma locale gives the same cost or message");
    }
    if (!cost) Require(!cost.error().empty(), "a failed recalculation carries its message");
    return 0;
}
