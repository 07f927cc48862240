#pragma once
// The main window's forging controls as plain texts with their start values,
// recording every control the forge request reads.
#include <map>
#include <string>
#include <vector>

#include "core/forge_request.h"

namespace trivelon {

class FakeControls : public ControlTextSource {
public:
    explicit FakeControls(std::string item) {
        texts_ = {{Control::Base, "71"},     {Control::Dex, "117"},      {Control::Luk, "90"},
                  {Control::Job, "42"},      {Control::Weapon, item},    {Control::Iron, "1"},
                  {Control::Steel, "1"},     {Control::Ori, "5"},        {Control::Stone, "5"},
                  {Control::SmDagger, "3"},  {Control::SmSword, "3"},    {Control::Sm2HSword, "3"},
                  {Control::SmAxe, "3"},     {Control::SmMace, "3"},     {Control::SmKn, "3"},
                  {Control::SmSpear, "3"},   {Control::WR, "10"},        {Control::Elt, std::string(kNoElement)},
                  {Control::Anvil, "Emperium Anvil"}};
    }

    FakeControls& set(Control control, std::string text) {
        texts_[control] = std::move(text);
        return *this;
    }
    FakeControls& tick(int box) {
        crumbs_[box - 1] = true;
        return *this;
    }

    std::string text(Control control) const override {
        reads_.push_back(control);
        return texts_.at(control);
    }
    bool starCrumbTicked(int box) const override { return crumbs_[box - 1]; }

    const std::vector<Control>& reads() const { return reads_; }
    bool wasRead(Control control) const {
        for (Control read : reads_)
            if (read == control) return true;
        return false;
    }

private:
    std::map<Control, std::string> texts_;
    bool crumbs_[3] = {false, false, false};
    mutable std::vector<Control> reads_;
};

}  // namespace trivelon
