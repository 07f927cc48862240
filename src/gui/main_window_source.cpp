#include "gui/main_window_source.h"

#include "gui/calc.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

const QComboBox* ComboOf(const TForm1& w, Control control) {
    switch (control) {
        case Control::Base: return w.Base;
        case Control::Dex: return w.Dex;
        case Control::Luk: return w.Luk;
        case Control::Job: return w.Job;
        case Control::Weapon: return w.Weapon;
        case Control::Iron: return w.Iron;
        case Control::Steel: return w.Steel;
        case Control::Ori: return w.Ori;
        case Control::Stone: return w.Stone;
        case Control::SmDagger: return w.SmDagger;
        case Control::SmSword: return w.SmSword;
        case Control::Sm2HSword: return w.Sm2HSword;
        case Control::SmAxe: return w.SmAxe;
        case Control::SmMace: return w.SmMace;
        case Control::SmKn: return w.SmKn;
        case Control::SmSpear: return w.SmSpear;
        case Control::WR: return w.WR;
        case Control::Elt: return w.Elt;
        case Control::Anvil: return w.Anvil;
    }
    return nullptr;
}

}  // namespace

std::string MainWindowSource::text(Control control) const {
    const QComboBox* combo = ComboOf(window_, control);
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
