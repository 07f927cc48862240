#pragma once
// The main window's controls as a person or an accessibility tool finds
// them: by their object names. Controls of the refining tab are null until
// that tab has been opened.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "gui/budget/budget_table.h"
#include "gui/main_window.h"
#include "gui/widgets/edit_combo.h"
#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/picture_check.h"

namespace trivelon::gui::testing {

class MainWindowControls {
public:
    // Implicit, so that the gestures below take a main window as it is.
    MainWindowControls(const MainWindow& window) : window_(&window) {}
    const MainWindow& window() const { return *window_; }

    QTabWidget* tabs() const { return find<QTabWidget>("tabs"); }

    // Forging tab.
    EditCombo* baseLevel() const { return find<EditCombo>("baseLevel"); }
    EditCombo* jobLevel() const { return find<EditCombo>("jobLevel"); }
    EditCombo* dex() const { return find<EditCombo>("dex"); }
    EditCombo* luk() const { return find<EditCombo>("luk"); }
    EditCombo* smithDagger() const { return find<EditCombo>("smithDagger"); }
    EditCombo* smithSword() const { return find<EditCombo>("smithSword"); }
    EditCombo* smith2HSword() const { return find<EditCombo>("smith2HSword"); }
    EditCombo* smithAxe() const { return find<EditCombo>("smithAxe"); }
    EditCombo* smithMace() const { return find<EditCombo>("smithMace"); }
    EditCombo* smithKnucklebrace() const { return find<EditCombo>("smithKnucklebrace"); }
    EditCombo* smithSpear() const { return find<EditCombo>("smithSpear"); }
    EditCombo* weaponryResearch() const { return find<EditCombo>("weaponryResearch"); }
    EditCombo* orideconResearch() const { return find<EditCombo>("orideconResearch"); }
    EditCombo* ironTempering() const { return find<EditCombo>("ironTempering"); }
    EditCombo* steelTempering() const { return find<EditCombo>("steelTempering"); }
    EditCombo* enchantedStoneCraft() const { return find<EditCombo>("enchantedStoneCraft"); }
    EditCombo* anvil() const { return find<EditCombo>("anvil"); }
    EditCombo* element() const { return find<EditCombo>("element"); }
    ImageCombo* itemSelector() const { return find<ImageCombo>("itemSelector"); }
    std::array<PictureCheck*, 3> starCrumbs() const {
        return {find<PictureCheck>("starCrumb1"), find<PictureCheck>("starCrumb2"), find<PictureCheck>("starCrumb3")};
    }
    PictureBox* characterPicture() const { return find<PictureBox>("characterPicture"); }
    QPushButton* forgeButton() const { return find<QPushButton>("forgeButton"); }

    // Refining tab.
    ImageCombo* classSelector() const { return find<ImageCombo>("classSelector"); }
    EditCombo* currentLevel() const { return find<EditCombo>("currentLevel"); }
    EditCombo* targetLevel() const { return find<EditCombo>("targetLevel"); }
    PictureBox* refineCharacterPicture() const { return find<PictureBox>("refineCharacterPicture"); }
    PictureBox* materialPicture() const { return find<PictureBox>("materialPicture"); }
    QLineEdit* materialPrice() const { return find<QLineEdit>("materialPrice"); }
    QLineEdit* itemPrice() const { return find<QLineEdit>("itemPrice"); }
    QLabel* safeLevel() const { return find<QLabel>("safeLevel"); }
    QLabel* attemptFee() const { return find<QLabel>("attemptFee"); }
    QLabel* materialName() const { return find<QLabel>("materialName"); }
    QLabel* materialCount() const { return find<QLabel>("materialCount"); }
    QLabel* itemCount() const { return find<QLabel>("itemCount"); }
    QLabel* successRate() const { return find<QLabel>("successRate"); }
    QLabel* averageCost() const { return find<QLabel>("averageCost"); }
    QLabel* bonus() const { return find<QLabel>("bonus"); }
    BudgetTable* refineBudget() const { return find<BudgetTable>("refineBudget"); }
    QPushButton* refineChartButton() const { return find<QPushButton>("refineChartButton"); }
    QPushButton* refineCompareButton() const { return find<QPushButton>("refineCompareButton"); }

private:
    // A control of the main window itself: the result windows and charts it
    // owns are windows of their own with controls of the same names.
    template <class Control>
    Control* find(const char* name) const {
        for (Control* control : window_->findChildren<Control*>(QLatin1String(name)))
            if (control->window() == window_) return control;
        return nullptr;
    }

    const MainWindow* window_;
};

}  // namespace trivelon::gui::testing
