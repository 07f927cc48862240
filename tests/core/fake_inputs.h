#pragma once
// The main window's forging inputs as plain texts with their start values,
// recording every input the forge request reads.
#include <map>
#include <string>
#include <vector>

#include "core/forge_request.h"

namespace trivelon {

class FakeInputs : public ForgeInputTexts {
public:
    explicit FakeInputs(std::string item) {
        texts_ = {{ForgeInput::BaseLevel, "71"},
                  {ForgeInput::Dex, "117"},
                  {ForgeInput::Luk, "90"},
                  {ForgeInput::JobLevel, "42"},
                  {ForgeInput::Item, item},
                  {ForgeInput::IronTempering, "1"},
                  {ForgeInput::SteelTempering, "1"},
                  {ForgeInput::OrideconResearch, "5"},
                  {ForgeInput::EnchantedStoneCraft, "5"},
                  {ForgeInput::SmithDagger, "3"},
                  {ForgeInput::SmithSword, "3"},
                  {ForgeInput::Smith2HSword, "3"},
                  {ForgeInput::SmithAxe, "3"},
                  {ForgeInput::SmithMace, "3"},
                  {ForgeInput::SmithKnucklebrace, "3"},
                  {ForgeInput::SmithSpear, "3"},
                  {ForgeInput::WeaponryResearch, "10"},
                  {ForgeInput::Element, std::string(kNoElement)},
                  {ForgeInput::Anvil, "Emperium Anvil"}};
    }

    FakeInputs& set(ForgeInput input, std::string text) {
        texts_[input] = std::move(text);
        return *this;
    }
    FakeInputs& tick(int box) {
        crumbs_[box - 1] = true;
        return *this;
    }

    std::string text(ForgeInput input) const override {
        reads_.push_back(input);
        return texts_.at(input);
    }
    bool starCrumbTicked(int box) const override { return crumbs_[box - 1]; }

    const std::vector<ForgeInput>& reads() const { return reads_; }
    bool wasRead(ForgeInput input) const {
        for (ForgeInput read : reads_)
            if (read == input) return true;
        return false;
    }

private:
    std::map<ForgeInput, std::string> texts_;
    bool crumbs_[3] = {false, false, false};
    mutable std::vector<ForgeInput> reads_;
};

}  // namespace trivelon
