#pragma once
// The main window: the forging tab with the character's inputs and the
// button that opens a forge result window, and the refining tab.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "core/refine.h"
#include "gui/widgets/edit_combo.h"
#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/picture_check.h"

namespace trivelon::gui {

class TabPanel;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* Page1;

    // Forging tab.
    EditCombo *Base, *Job, *Dex, *Luk;
    EditCombo *SmDagger, *SmSword, *Sm2HSword, *SmAxe, *SmMace, *SmKn, *SmSpear;
    EditCombo *WR, *Ori, *Iron, *Steel, *Stone, *Anvil, *Elt;
    ImageCombo* Weapon;
    PictureCheck *SCrumb1, *SCrumb2, *SCrumb3;
    PictureBox* BS;
    QPushButton* Submit;

    // Refining tab: its controls are built the first time the tab is opened,
    // and these stay null until then.
    ImageCombo* Refine = nullptr;
    EditCombo *RefLevel = nullptr, *FinalRefine = nullptr;
    PictureBox *ImageBS = nullptr, *material = nullptr;
    QLineEdit *PriceMaterial = nullptr, *PriceRefItem = nullptr;
    QLabel *SafeRefine = nullptr, *Price1Ref = nullptr, *NameMaterial = nullptr, *QuanMaterial = nullptr,
           *QuanRefItem = nullptr, *RefineRate = nullptr, *AvgRefPrice = nullptr, *Bonus = nullptr;

public slots:
    // Forging tab.
    void BaseChange();
    void JobChange();
    void DexChange();
    void LukChange();
    void SCrumb1Click();
    void SCrumb2Click();
    void SCrumb3Click();
    void EltChange();
    void SubmitClick();

    // Refining tab.
    void RefineChange();
    void RefLevelChange();
    void FinalRefineChange();
    void PriceMaterialChange();
    void PriceRefItemChange();

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

    // What the two level handlers share once the levels are coupled.
    void recomputeRefine();
    // What the two price handlers share.
    void priceEdited(QLineEdit& edit, std::int32_t RefineState::*field);
    // The average cost from the counts and prices the tab shows now.
    std::int32_t shownRefineCost() const;

    RefineState refine_;
    TabPanel* refinePage_ = nullptr;
    bool centred_ = false;
};

}  // namespace trivelon::gui
