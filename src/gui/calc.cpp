#include "gui/calc.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "gui/built_in_icon.h"
#include "gui/control_factory.h"
#include "gui/tab_panel.h"
#include "gui/widgets/classic_style.h"

namespace trivelon::gui {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"));
    setWindowIcon(BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    Page1 = new QTabWidget(this);
    Page1->setStyle(ClassicStyle::instance());
    Page1->tabBar()->setStyle(ClassicStyle::instance());
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Page1);
    buildForgeTab();
    addRefinePage();
    Page1->setCurrentIndex(0);
    resize(688, 446);

    setForgeKeyboardOrder();
    // Handlers are bound only now, so that building the window runs none.
    bindForgeHandlers();
    connect(Page1, &QTabWidget::currentChanged, this, [this](int index) {
        if (Page1->widget(index) == refinePage_) buildRefineTabOnce();
    });
}

void TForm1::bindForgeHandlers() {
    connect(Base, &EditCombo::changed, this, &TForm1::BaseChange);
    connect(Job, &EditCombo::changed, this, &TForm1::JobChange);
    connect(Dex, &EditCombo::changed, this, &TForm1::DexChange);
    connect(Luk, &EditCombo::changed, this, &TForm1::LukChange);
    connect(SCrumb1, &PictureCheck::clicked, this, &TForm1::SCrumb1Click);
    connect(SCrumb2, &PictureCheck::clicked, this, &TForm1::SCrumb2Click);
    connect(SCrumb3, &PictureCheck::clicked, this, &TForm1::SCrumb3Click);
    connect(Elt, &EditCombo::changed, this, &TForm1::EltChange);
    connect(Submit, &QPushButton::clicked, this, &TForm1::SubmitClick);
}

void TForm1::bindRefineHandlers() {
    connect(Refine, &ImageCombo::changed, this, &TForm1::RefineChange);
    connect(RefLevel, &EditCombo::changed, this, &TForm1::RefLevelChange);
    connect(FinalRefine, &EditCombo::changed, this, &TForm1::FinalRefineChange);
    connect(PriceMaterial, &QLineEdit::textChanged, this, &TForm1::PriceMaterialChange);
    connect(PriceRefItem, &QLineEdit::textChanged, this, &TForm1::PriceRefItemChange);
}

namespace {

template <std::size_t N>
void SetTabOrder(QWidget* const (&order)[N]) {
    for (std::size_t i = 1; i < N; ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

void TForm1::setForgeKeyboardOrder() {
    QWidget* const forge[] = {Base, Job,  Submit, Dex,  Luk,  SmDagger, SmSword, Sm2HSword, SmAxe, SmMace,
                              SmKn, SmSpear, WR,   Ori,  Iron, Steel,    Stone,   Anvil,     Elt,   Weapon};
    SetTabOrder(forge);
}

void TForm1::setRefineKeyboardOrder() {
    QWidget* const refine[] = {Refine, RefLevel, FinalRefine, PriceMaterial, PriceRefItem};
    SetTabOrder(refine);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    const QScreen* desktop = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!desktop) return;
    QRect frame = frameGeometry();
    frame.moveCenter(desktop->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace trivelon::gui
