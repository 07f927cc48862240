#pragma once
// The main window: the forging tab with the character's inputs and the
// button that opens a forge result window, and the refining tab.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "core/refine.h"
#include "gui/budget_chart_window.h"
#include "gui/budget_table.h"
#include "gui/error_reporter.h"
#include "gui/widgets/edit_combo.h"
#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/picture_check.h"

namespace trivelon::gui {

class ForgeResultWindow;
class TabPanel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Failures of its handlers and of the result windows it opens are
    // reported to the reporter, which must outlive them.
    explicit MainWindow(ErrorReporter& reporter, QWidget* parent = nullptr);

    QTabWidget* tabs;

    // Forging tab. Every control's objectName is its member name; the star
    // crumb boxes are "starCrumb1" to "starCrumb3".
    EditCombo *baseLevel, *jobLevel, *dex, *luk;
    EditCombo *smithDagger, *smithSword, *smith2HSword, *smithAxe, *smithMace, *smithKnucklebrace, *smithSpear;
    EditCombo *weaponryResearch, *orideconResearch, *ironTempering, *steelTempering, *enchantedStoneCraft;
    EditCombo *anvil, *element;
    ImageCombo* itemSelector;
    std::array<PictureCheck*, 3> starCrumbs;
    PictureBox* characterPicture;
    QPushButton* forgeButton;

    // Refining tab: its controls are built the first time the tab is opened,
    // and these stay null until then.
    ImageCombo* classSelector = nullptr;
    EditCombo *currentLevel = nullptr, *targetLevel = nullptr;
    PictureBox *refineCharacterPicture = nullptr, *materialPicture = nullptr;
    QLineEdit *materialPrice = nullptr, *itemPrice = nullptr;
    QLabel *safeLevel = nullptr, *attemptFee = nullptr, *materialName = nullptr, *materialCount = nullptr,
           *itemCount = nullptr, *successRate = nullptr, *averageCost = nullptr, *bonus = nullptr;
    // What 50, 90 and 99 % certainty take in items, materials and Zeny, and
    // the button that opens the chart of chances against money.
    BudgetTable* refineBudget = nullptr;
    QPushButton* refineChartButton = nullptr;

signals:
    // Each press of the forge button that gets past the character inputs
    // opens a new result window, shown before it is filled.
    void resultWindowOpened(ForgeResultWindow* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each page is in the tabs before it is filled: a filled page moved into
    // the tabs would have every control's font resolved again, and every
    // combo box would lay out its whole list anew.
    void buildForgeTab();
    void bindForgeHandlers();
    void setForgeKeyboardOrder();
    // The refining tab's page is added empty, and filled, bound and ordered
    // when the tab is first opened: most sessions only forge, and the window
    // opens sooner without building controls that are not shown.
    void addRefinePage();
    void buildRefineTabOnce();
    void bindRefineHandlers();
    void setRefineKeyboardOrder();

    // Forging tab handlers.
    void updateCharacterPicture();
    // Job level, Dex and Luk are checked while typed; the forge request
    // reads them again itself.
    void checkWholeNumber(const EditCombo& box);
    void starCrumbClicked(std::size_t box);
    void elementChanged();
    void forge();

    // Refining tab handlers.
    void refineClassChosen();
    void currentLevelChanged();
    void targetLevelChanged();
    // What the two level handlers share once the levels are coupled.
    void recomputeRefine();
    // What the two price handlers share.
    void priceEdited(QLineEdit& edit, std::int32_t RefineState::*field);
    // The average cost from the counts and prices the tab shows now; none
    // beyond the 64-bit range.
    std::optional<std::int64_t> shownRefineCost() const;
    // The budgets, and the chart when open, for the refine and prices the
    // tab shows now; they follow every change of the average cost.
    void showRefineBudget();
    void openRefineChart();
    BudgetCalculation shownRefineCalculation() const;

    ErrorReporter& reporter_;
    RefineState refine_;
    QPointer<BudgetChartWindow> refineChart_;
    TabPanel* refinePage_ = nullptr;
    bool centred_ = false;
};

}  // namespace trivelon::gui
