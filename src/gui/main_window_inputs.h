#pragma once
// The forge request's view of the main window: the current text of each
// input it asks for, read at the moment it asks.
#include "core/forge_request.h"

namespace trivelon::gui {

class MainWindow;

class MainWindowInputs : public ForgeInputTexts {
public:
    explicit MainWindowInputs(const MainWindow& window) : window_(window) {}

    std::string text(ForgeInput input) const override;
    bool starCrumbTicked(int box) const override;

private:
    const MainWindow& window_;
};

}  // namespace trivelon::gui
