// The forging tab's handlers: the character picture that follows the base
// level, the star crumb and element coupling, and the forge request.
#include "gui/ItemForm.h"
#include "gui/calc.h"
#include "gui/control_numbers.h"
#include "gui/decimal_separator.h"
#include "gui/error_reporter.h"
#include "gui/forge_presenter.h"
#include "gui/main_window_source.h"
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
    {0, "images/bs0.bmp"}, {40, "images/bs41.bmp"}, {65, "images/bs66.bmp"},
    {80, "images/bs81.bmp"}, {90, "images/bs91.bmp"},
};

}  // namespace

void TForm1::BaseChange() {
    Guarded([this] {
        const std::int32_t level = StrictWholeNumber(Base->currentText());
        for (const CharacterPicture& picture : kCharacterPictures) {
            if (level <= picture.aboveLevel) break;
            ThrowIfFailed(LoadPicture(*BS, QString::fromUtf8(picture.path)));
            // The refining tab's copy, once that tab is built; until then it
            // takes BS's picture when it is built.
            if (ImageBS) ThrowIfFailed(LoadPicture(*ImageBS, QString::fromUtf8(picture.path)));
        }
    });
}

// Job, Dex and Luk are only checked while typed: the forge request reads them
// again itself.
void TForm1::JobChange() {
    Guarded([this] { StrictWholeNumber(Job->currentText()); });
}

void TForm1::DexChange() {
    Guarded([this] { StrictWholeNumber(Dex->currentText()); });
}

void TForm1::LukChange() {
    Guarded([this] { StrictWholeNumber(Luk->currentText()); });
}

// The ticked star crumb boxes always form a prefix: none, 1, 1-2 or 1-3.
void TForm1::SCrumb1Click() {
    if (SCrumb1->isChecked()) return;
    SCrumb2->setChecked(false);
    SCrumb3->setChecked(false);
}

void TForm1::SCrumb2Click() {
    if (SCrumb2->isChecked())
        SCrumb1->setChecked(true);
    else
        SCrumb3->setChecked(false);
}

// A third star crumb and an element exclude each other.
void TForm1::SCrumb3Click() {
    if (!SCrumb3->isChecked()) return;
    Elt->setTextSilently(QtText(kNoElement));
    SCrumb1->setChecked(true);
    SCrumb2->setChecked(true);
}

void TForm1::EltChange() {
    if (Elt->currentText() != QtText(kNoElement)) SCrumb3->setChecked(false);
}

void TForm1::SubmitClick() {
    Guarded([this] {
        const ForgeRequestOutcome outcome = RunForgeRequest(MainWindowSource(*this), SystemDecimalSeparator());
        if (outcome.stage == ForgeStage::InvalidCharacter) throw HandlerError{QtText(outcome.error)};

        auto* window = new TDBForm;
        TDBForm::DBForm() = window;
        window->setWindowTitle(QtText(outcome.caption));
        window->show();
        switch (outcome.stage) {
            case ForgeStage::CategoryHeader:
                Reporter().warning(QStringLiteral("Warning"), QtText(kChooseItemWarning));
                return;
            case ForgeStage::InvalidSkillOrItem: throw HandlerError{QtText(outcome.error)};
            case ForgeStage::Filled: FillResultWindow(*window, outcome.state); return;
            case ForgeStage::InvalidCharacter: return;
        }
    });
}

}  // namespace trivelon::gui
