#include "gui/main_window_source.h"

#include "gui/calc.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

const QComboBox* ComboOf(const TForm1& w, ForgeInput input) {
    switch (input) {
        case ForgeInput::BaseLevel: return w.Base;
        case ForgeInput::Dex: return w.Dex;
        case ForgeInput::Luk: return w.Luk;
        case ForgeInput::JobLevel: return w.Job;
        case ForgeInput::Item: return w.Weapon;
        case ForgeInput::IronTempering: return w.Iron;
        case ForgeInput::SteelTempering: return w.Steel;
        case ForgeInput::OrideconResearch: return w.Ori;
        case ForgeInput::EnchantedStoneCraft: return w.Stone;
        case ForgeInput::SmithDagger: return w.SmDagger;
        case ForgeInput::SmithSword: return w.SmSword;
        case ForgeInput::Smith2HSword: return w.Sm2HSword;
        case ForgeInput::SmithAxe: return w.SmAxe;
        case ForgeInput::SmithMace: return w.SmMace;
        case ForgeInput::SmithKnucklebrace: return w.SmKn;
        case ForgeInput::SmithSpear: return w.SmSpear;
        case ForgeInput::WeaponryResearch: return w.WR;
        case ForgeInput::Element: return w.Elt;
        case ForgeInput::Anvil: return w.Anvil;
    }
    return nullptr;
}

}  // namespace

std::string MainWindowSource::text(ForgeInput input) const {
    const QComboBox* combo = ComboOf(window_, input);
    return combo ? CoreText(combo->currentText()) : std::string{};
}

bool MainWindowSource::starCrumbTicked(int box) const {
    switch (box) {
        case 1: return window_.SCrumb1->isChecked();
        case 2: return window_.SCrumb2->isChecked();
        case 3: return window_.SCrumb3->isChecked();
        default: return false;
    }
}

}  // namespace trivelon::gui
