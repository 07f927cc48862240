#include "gui/main_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "gui/built_in_icon.h"
#include "gui/control_factory.h"
#include "gui/tab_panel.h"
#include "gui/widgets/classic_style.h"

namespace trivelon::gui {

MainWindow::MainWindow(ErrorReporter& reporter, QWidget* parent) : QWidget(parent), reporter_(reporter) {
    // Before any control exists, so that none of them is polished twice.
    ClassicStyle::applyToApplication();
    setWindowTitle(QStringLiteral("Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"));
    setWindowIcon(BuiltInIcon(QStringLiteral(":/pictures/icon.ico")));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(tabs);
    buildForgeTab();
    addRefinePage();
    tabs->setCurrentIndex(0);
    resize(688, 446);

    setForgeKeyboardOrder();
    // Handlers are bound only now, so that building the window runs none.
    bindForgeHandlers();
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs->widget(index) == refinePage_) buildRefineTabOnce();
    });
}

void MainWindow::bindForgeHandlers() {
    connect(baseLevel, &EditCombo::changed, this, &MainWindow::updateCharacterPicture);
    for (EditCombo* box : {jobLevel, dex, luk})
        connect(box, &EditCombo::changed, this, [this, box] { checkWholeNumber(*box); });
    for (std::size_t box = 0; box < starCrumbs.size(); ++box)
        connect(starCrumbs[box], &PictureCheck::clicked, this, [this, box] { starCrumbClicked(box); });
    connect(element, &EditCombo::changed, this, &MainWindow::elementChanged);
    connect(forgeButton, &QPushButton::clicked, this, &MainWindow::forge);
}

void MainWindow::bindRefineHandlers() {
    connect(classSelector, &ImageCombo::changed, this, &MainWindow::refineClassChosen);
    connect(currentLevel, &EditCombo::changed, this, &MainWindow::currentLevelChanged);
    connect(targetLevel, &EditCombo::changed, this, &MainWindow::targetLevelChanged);
    connect(materialPrice, &QLineEdit::textChanged, this,
            [this] { priceEdited(*materialPrice, &RefineState::materialPrice); });
    connect(itemPrice, &QLineEdit::textChanged, this, [this] { priceEdited(*itemPrice, &RefineState::itemPrice); });
    connect(refineChartButton, &QPushButton::clicked, this, &MainWindow::openRefineChart);
}

namespace {

template <std::size_t N>
void SetTabOrder(QWidget* const (&order)[N]) {
    for (std::size_t i = 1; i < N; ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

void MainWindow::setForgeKeyboardOrder() {
    QWidget* const forge[] = {baseLevel,
                              jobLevel,
                              forgeButton,
                              dex,
                              luk,
                              smithDagger,
                              smithSword,
                              smith2HSword,
                              smithAxe,
                              smithMace,
                              smithKnucklebrace,
                              smithSpear,
                              weaponryResearch,
                              orideconResearch,
                              ironTempering,
                              steelTempering,
                              enchantedStoneCraft,
                              anvil,
                              element,
                              itemSelector};
    SetTabOrder(forge);
}

void MainWindow::setRefineKeyboardOrder() {
    QWidget* const refine[] = {classSelector, currentLevel, targetLevel, materialPrice, itemPrice, refineChartButton};
    SetTabOrder(refine);
}

void MainWindow::showEvent(QShowEvent* event) {
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
