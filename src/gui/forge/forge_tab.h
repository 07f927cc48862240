#pragma once
// The forging tab: the character, the smith skills, what to forge and what to
// add to a weapon, and the button that opens a result window for them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

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
    // Forges under other rules from the next press on; they must outlive
    // the tab.
    void setRules(const Rules& rules) { rules_ = &rules; }

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
    // The Weaponry Research level as typed; none where it is not a whole number.
    std::optional<std::int32_t> weaponryResearch() const;

signals:
    // Each press of the forge button that fills a request opens a new result
    // window, shown before it is filled.
    void resultWindowOpened(ForgeResultWindow* window);
    void weaponryResearchChanged(std::optional<std::int32_t> level);
    // The base level loaded a new picture of the character.
    void characterPictureChanged();

private:
    void buildControls();
    void setKeyboardOrder();
    void bindHandlers();

    void updateCharacterPicture();
    // Every number is checked while typed: a text that is not a whole
    // number turns its field red, with a tool tip naming the field. The
    // forge request reads the texts again itself.
    void checkWholeNumber(EditCombo& box, const ForgeInputField& field);
    void starCrumbClicked(std::size_t box);
    void elementChanged();
    void forge();

    // What the forge request is worked out from: each input's current text
    // as the core reads it (a name shown in the player's language as the
    // core knows it) and the star crumbs ticked.
    std::string inputText(ForgeInput input) const;
    ForgeInputTexts inputTexts() const;
    // The box of every input but the item.
    EditCombo* editBox(ForgeInput input) const;

    ErrorReporter& reporter_;
    PriceBook& book_;
    // The rules the tab works under.
    const Rules* rules_ = &BuiltInRules();
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
