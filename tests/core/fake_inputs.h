#pragma once
// The forge inputs as plain texts, each at its default until set, recording
// every input the forge request reads.
#include <map>
#include <string>
#include <vector>

#include "core/forge_input.h"

namespace trivelon {

class FakeInputs : public ForgeInputTexts {
public:
    // Every input at its default, the item as given.
    explicit FakeInputs(std::string item) {
        for (const ForgeInputField& field : ForgeInputFields()) texts_[field.input] = std::string(field.defaultText);
        texts_[ForgeInput::Item] = std::move(item);
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
