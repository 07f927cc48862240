#pragma once
// The forge result window: one forging calculation with its recipe, and a
// cost estimate that follows the unit prices typed into it.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "core/forge_cost.h"
#include "gui/widgets/picture_box.h"

namespace trivelon::gui {

class TDBForm : public QWidget {
    Q_OBJECT
public:
    // A top-level window, freed when closed; the caller shows it.
    explicit TDBForm(QWidget* parent = nullptr);

    // The newest result window; null once it has been freed.
    static QPointer<TDBForm>& DBForm();

    QLabel *WeaponName, *TypeItem, *atk, *lvl, *Type_sign, *atk_sign, *lvl_sign, *weight, *range, *baselev,
        *weight_sign, *range_sign, *baselev_sign, *Label1, *rate, *Label2, *descript, *Wear, *Label6, *hammer_quan,
        *hammer_name, *hammer_price, *itzham, *it1_quan, *it1_name, *itz1, *it2_quan, *it2_name, *it2_noprice, *itz2,
        *it3_quan, *it3_name, *it3_noprice, *itz3, *ele_quan, *ele_name, *ele_noprice, *itzele, *crumb_quan,
        *crumb_name, *crumb_noprice, *itzcrumb, *Label3, *summ_price, *Label5;
    PictureBox *BigImage, *hammer, *item1, *item2, *item3, *eleimg, *crumbimg;
    QLineEdit *it1_price, *it2_price, *it3_price, *ele_price, *crumb_price;

private slots:
    // The change handler shared by the five price edits.
    void priceChange();

private:
    // The texts the cost estimate is recalculated from.
    ForgeCostSheet costSheet() const;
};

}  // namespace trivelon::gui
