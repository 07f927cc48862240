#include "gui/main_window_inputs.h"

#include "gui/main_window.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

const QComboBox* ComboOf(const MainWindow& w, ForgeInput input) {
    switch (input) {
        case ForgeInput::BaseLevel: return w.baseLevel;
        case ForgeInput::Dex: return w.dex;
        case ForgeInput::Luk: return w.luk;
        case ForgeInput::JobLevel: return w.jobLevel;
        case ForgeInput::Item: return w.itemSelector;
        case ForgeInput::IronTempering: return w.ironTempering;
        case ForgeInput::SteelTempering: return w.steelTempering;
        case ForgeInput::OrideconResearch: return w.orideconResearch;
        case ForgeInput::EnchantedStoneCraft: return w.enchantedStoneCraft;
        case ForgeInput::SmithDagger: return w.smithDagger;
        case ForgeInput::SmithSword: return w.smithSword;
        case ForgeInput::Smith2HSword: return w.smith2HSword;
        case ForgeInput::SmithAxe: return w.smithAxe;
        case ForgeInput::SmithMace: return w.smithMace;
        case ForgeInput::SmithKnucklebrace: return w.smithKnucklebrace;
        case ForgeInput::SmithSpear: return w.smithSpear;
        case ForgeInput::WeaponryResearch: return w.weaponryResearch;
        case ForgeInput::Element: return w.element;
        case ForgeInput::Anvil: return w.anvil;
    }
    return nullptr;
}

}  // namespace

std::string MainWindowInputs::text(ForgeInput input) const {
    const QComboBox* combo = ComboOf(window_, input);
    return combo ? CoreText(combo->currentText()) : std::string{};
}

bool MainWindowInputs::starCrumbTicked(int box) const {
    if (box < 1 || box > static_cast<int>(window_.starCrumbs.size())) return false;
    return window_.starCrumbs[static_cast<std::size_t>(box - 1)]->isChecked();
}

}  // namespace trivelon::gui
