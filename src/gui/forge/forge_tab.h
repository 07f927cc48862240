#pragma once
// The forging tab: the character, the smith skills, what to forge and what to
// add to a weapon, and the button that opens a result window for them.
#include <array>

#include <QPushButton>
#include <QTabWidget>

#include "core/forge_request.h"
#include "core/price_book.h"
#include "gui/widgets/edit_combo.h"
#include "gui/widgets/error_reporter.h"
#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/picture_check.h"
#include "gui/widgets/tab_panel.h"
#include "settings/saved_texts.h"

namespace trivelon::gui {

class ForgeResultWindow;

class ForgeTab : public TabPanel {
    Q_OBJECT
public:
    // Adds itself to the tabs first and only then builds its controls: a
    // filled page moved into the tabs would have every control's font
    // resolved again. No handler runs while it is built. The result windows
    // it opens take their prices from the book and note typed ones in it.
    ForgeTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book);

    // The inputs' texts as the settings keep them: every character input,
    // the star crumbs added and the item.
    SavedTexts savedTexts() const;
    // Puts saved texts back as if typed, picked and clicked, in an order
    // whose handlers leave what typing would: the base level (and with it
    // the character's picture) first, the star crumbs after the element.
    // A text its field would not take as typed, or a missing one, leaves
    // the field at what it shows.
    void restore(const SavedTexts& saved);

    // The character's picture, which the refining tab shows as well.
    const PictureBox& characterPicture() const { return *characterPicture_; }
    QString weaponryResearchText() const { return weaponryResearch_->currentText(); }

signals:
    // Each press of the forge button that gets past the character inputs
    // opens a new result window, shown before it is filled.
    void resultWindowOpened(ForgeResultWindow* window);
    void weaponryResearchChanged();
    // The base level loaded a new picture of the character.
    void characterPictureChanged();

private:
    void buildControls();
    void setKeyboardOrder();
    void bindHandlers();

    void updateCharacterPicture();
    // Job level, Dex and Luk are checked while typed; the forge request
    // reads them again itself.
    void checkWholeNumber(const EditCombo& box);
    void starCrumbClicked(std::size_t box);
    void elementChanged();
    void forge();

    // The forge request's view of this tab: each input's current text.
    class Inputs;
    const QComboBox* inputBox(ForgeInput input) const;
    // The box of every input but the item.
    EditCombo* editBox(ForgeInput input) const;

    ErrorReporter& reporter_;
    PriceBook& book_;
    EditCombo *baseLevel_ = nullptr, *jobLevel_ = nullptr, *dex_ = nullptr, *luk_ = nullptr;
    EditCombo *smithDagger_ = nullptr, *smithSword_ = nullptr, *smith2HSword_ = nullptr, *smithAxe_ = nullptr,
              *smithMace_ = nullptr, *smithKnucklebrace_ = nullptr, *smithSpear_ = nullptr;
    EditCombo *weaponryResearch_ = nullptr, *orideconResearch_ = nullptr, *ironTempering_ = nullptr,
              *steelTempering_ = nullptr, *enchantedStoneCraft_ = nullptr;
    EditCombo *anvil_ = nullptr, *element_ = nullptr;
    ImageCombo* itemSelector_ = nullptr;
    std::array<PictureCheck*, 3> starCrumbs_{};
    PictureBox* characterPicture_ = nullptr;
    QPushButton* forgeButton_ = nullptr;
};

}  // namespace trivelon::gui
