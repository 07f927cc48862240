// Numbers read and written by the core are the same whatever locale the
// process runs in: the desktop program switches to the user's locale at
// start, and a comma locale must not change a rate or a cost. Rates just
// either side of 100 / n show a whole-number misreading at once, as it
// changes the count of attempts.
#include <gtest/gtest.h>

#include <algorithm>
#include <locale>
#include <string>

#include "core/forge_cost.h"
#include "core/numbers.h"
#include "fake_controls.h"
#include "support/process_locale.h"

namespace trivelon {
namespace {

using test_support::InstalledCommaLocale;
using test_support::ProcessLocale;

struct Figures {
    std::string parsed;  // the value read, printed back
    long double value = 0;
    std::string weaponCost;
    std::string resourceCost;
};

std::string CostText(const ForgeCostSheet& sheet, char separator) {
    auto cost = RecalculateForgeCost(sheet, separator);
    return cost.ok() ? *cost : "error: " + cost.error();
}

Figures FiguresOf(const std::string& rate, char separator) {
    Figures figures;
    auto value = ParseStrictFloat(rate, separator);
    if (value.ok()) {
        figures.value = *value;
        figures.parsed = FormatGeneral(*value, separator);
    } else {
        figures.parsed = "error: " + value.error();
    }
    ForgeCostSheet sheet;
    sheet.toolName = "Oridecon Hammer";
    sheet.toolQuantity = "1";
    sheet.toolPrice = "5000";
    sheet.quantity[0] = "1";
    sheet.price[0] = "1000";
    sheet.rate = rate;
    figures.weaponCost = CostText(sheet, separator);
    sheet.toolName = std::string(kMiniFurnace);
    figures.resourceCost = CostText(sheet, separator);
    return figures;
}

class InCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const auto locale = InstalledCommaLocale();
        if (!locale) GTEST_SKIP() << "no comma locale is installed; make one with: localedef -i ru_RU -f UTF-8 ru_RU.UTF-8";
        comma_ = *locale;
    }
    std::locale comma_;
};

TEST_F(InCommaLocale, RatesAndCostsAreThoseOfTheCLocale) {
    for (const char* rate : {"33.4", "33.5", "16.8", "12.7", "1.5", "1.5E1", "100", "abc"}) {
        for (const char separator : {'.', ','}) {
            std::string text = rate;
            if (separator == ',') std::replace(text.begin(), text.end(), '.', ',');
            SCOPED_TRACE(text + " read with '" + separator + "'");
            const Figures inC = FiguresOf(text, separator);
            const ProcessLocale comma(comma_);
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
    const ProcessLocale comma(comma_);
    for (const char separator : {'.', ','}) {
        FakeControls controls("Lance");
        controls.set(Control::Dex, "82").set(Control::Luk, "1").set(Control::Job, "1").set(Control::WR, "0");
        controls.set(Control::Anvil, "None").set(Control::SmSpear, "1");
        auto outcome = RunForgeRequest(controls, separator);
        ASSERT_EQ(outcome.stage, ForgeStage::Filled) << outcome.error;
        EXPECT_EQ(outcome.state.rateText, separator == '.' ? "33.5" : "33,5");
        ForgeCostSheet sheet = SheetOfFilledWindow(outcome.state);
        sheet.price[0] = "100";
        EXPECT_EQ(CostText(sheet, separator), "59640") << separator;
    }
}

}  // namespace
}  // namespace trivelon
