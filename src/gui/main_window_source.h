#pragma once
// The forge request's view of the main window: the current text of each
// control it asks for, read at the moment it asks.
#include "core/forge_request.h"

namespace trivelon::gui {

class TForm1;

class MainWindowSource : public ForgeInputTexts {
public:
    explicit MainWindowSource(const TForm1& window) : window_(window) {}

    std::string text(ForgeInput input) const override;
    bool starCrumbTicked(int box) const override;

private:
    const TForm1& window_;
};

}  // namespace trivelon::gui
