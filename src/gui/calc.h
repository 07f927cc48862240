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

    // Refining tab.
    ImageCombo* Refine;
    EditCombo *RefLevel, *FinalRefine;
    PictureBox *ImageBS, *material;
    QLineEdit *PriceMaterial, *PriceRefItem;
    QLabel *SafeRefine, *Price1Ref, *NameMaterial, *QuanMaterial, *QuanRefItem, *RefineRate, *AvgRefPrice, *Bonus;

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
    void InitRefine();
    void RefineChange();
    void RefLevelChange();
    void FinalRefineChange();
    void PriceMaterialChange();
    void PriceRefItemChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each builder adds its page to the tabs before it fills the page: a
    // filled page moved into the tabs would have every control's font
    // resolved again, and every combo box would lay out its whole list anew.
    void buildForgeTab();
    void buildRefineTab();
    void bindHandlers();
    void setKeyboardOrder();

    // What the two level handlers share once the levels are coupled.
    void recomputeRefine();
    // What the two price handlers share.
    void priceEdited(QLineEdit& edit, std::int32_t RefineState::*field);
    // The average cost from the counts and prices the tab shows now.
    std::int32_t shownRefineCost() const;

    RefineState refine_;
    bool centred_ = false;
};

}  // namespace trivelon::gui
