// The forging tab's handlers: the character picture that follows the base
// level, the star crumb and element coupling, and the forge request.
#include "gui/control_numbers.h"
#include "gui/decimal_separator.h"
#include "gui/error_reporter.h"
#include "gui/forge_presenter.h"
#include "gui/forge_result_window.h"
#include "gui/main_window.h"
#include "gui/main_window_inputs.h"
#include "gui/picture_loader.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

struct CharacterPicture {
    std::int32_t aboveLevel;
    const char* path;
};

// Ascending, so that the picture of the highest threshold passed is loaded last.
constexpr CharacterPicture kCharacterPictures[] = {
    {0, "images/bs0.bmp"},   {40, "images/bs41.bmp"}, {65, "images/bs66.bmp"},
    {80, "images/bs81.bmp"}, {90, "images/bs91.bmp"},
};

}  // namespace

void MainWindow::updateCharacterPicture() {
    Guarded(reporter_, [this] {
        const std::int32_t level = StrictWholeNumber(baseLevel->currentText());
        for (const CharacterPicture& picture : kCharacterPictures) {
            if (level <= picture.aboveLevel) break;
            const QString path = QString::fromUtf8(picture.path);
            ThrowIfFailed(LoadPicture(*characterPicture, path));
            // The refining tab's copy, once that tab is built; until then it
            // takes this tab's picture when it is built.
            if (refineCharacterPicture) ThrowIfFailed(LoadPicture(*refineCharacterPicture, path));
        }
    });
}

void MainWindow::checkWholeNumber(const EditCombo& box) {
    Guarded(reporter_, [&box] { StrictWholeNumber(box.currentText()); });
}

// The ticked star crumb boxes always form a prefix: none, 1, 1-2 or 1-3.
// Ticking a box ticks those before it; unticking one unticks those after it.
// A third star crumb and an element exclude each other.
void MainWindow::starCrumbClicked(std::size_t box) {
    if (starCrumbs[box]->isChecked()) {
        if (box == starCrumbs.size() - 1) element->setTextSilently(QtText(kNoElement));
        for (std::size_t before = 0; before < box; ++before) starCrumbs[before]->setChecked(true);
    } else {
        for (std::size_t after = box + 1; after < starCrumbs.size(); ++after) starCrumbs[after]->setChecked(false);
    }
}

void MainWindow::elementChanged() {
    if (element->currentText() != QtText(kNoElement)) starCrumbs.back()->setChecked(false);
}

void MainWindow::forge() {
    Guarded(reporter_, [this] {
        const ForgeRequestOutcome outcome = RunForgeRequest(MainWindowInputs(*this), SystemDecimalSeparator());
        if (outcome.stage == ForgeStage::InvalidCharacter) throw HandlerError{QtText(outcome.error)};

        auto* window = new ForgeResultWindow(reporter_);
        window->setWindowTitle(QtText(outcome.caption));
        window->show();
        emit resultWindowOpened(window);
        switch (outcome.stage) {
            case ForgeStage::CategoryHeader:
                reporter_.warning(QStringLiteral("Warning"), QtText(kChooseItemWarning));
                return;
            case ForgeStage::InvalidSkillOrItem: throw HandlerError{QtText(outcome.error)};
            case ForgeStage::Filled: FillResultWindow(*window, outcome.state); return;
            case ForgeStage::InvalidCharacter: return;
        }
    });
}

}  // namespace trivelon::gui
