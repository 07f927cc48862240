#pragma once
// The monkey: a user who does random but legal things to the main window and
// the result windows, and who checks after each of them that the windows
// still hold together. Actions live in monkey_actions.cpp, the checks and
// the summary in monkey_checks.cpp.
#include <array>
#include <cstdint>

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "main_window_harness.h"
#include "monkey_random.h"
#include "picture_damage.h"

namespace trivelon::gui::testing {

enum class MonkeyAction {
    Type,
    FixInputs,
    Paste,
    EditKey,
    PickRow,
    ClickStarCrumb,
    SubmitByMouse,
    SubmitByKey,
    SwitchTab,
    TypePrice,
    CloseWindow,
    DamagePicture,
    RestorePicture,
};
inline constexpr int kMonkeyActionKinds = static_cast<int>(MonkeyAction::RestorePicture) + 1;

// A text field (an edit or an editable combo box) with the name the window
// gives it, for the log, and its list of suggestions, if any.
struct MonkeyField {
    QString name;
    QWidget* control;
    const QComboBox* list = nullptr;
};

class Monkey {
public:
    Monkey(MainWindowFixture& fixture, PictureDamage& pictures, std::uint64_t seed);

    // Does one random action that the windows offer at this moment.
    void act();
    // The first rule the windows or the messages break now, or an empty text;
    // takes the messages recorded since the last call into the summary.
    QString brokenRule();
    // The last actions, one a line, for replaying a failure by hand.
    QString recentActions() const;
    // Actions by kind, windows opened and closed, and the messages shown
    // with their counts, the quoted user texts and paths put as %s.
    QString summary() const;

private:
    MonkeyAction chooseAction();
    QString perform(MonkeyAction action);

    QString typeIntoMainWindow();
    QString typeInto(const MonkeyField& field, const QString& text);
    QString fixInputs();
    QString paste();
    QString pressEditKey();
    QString pickRow();
    QString clickStarCrumb();
    QString submit(bool byKeyboard);
    QString switchTab();
    QString typePrice();
    QString closeWindow();

    bool onForgeTab() const;
    // The fields of the main window's current tab.
    QList<MonkeyField> mainFields() const;
    // The price edits the user can reach in the result windows.
    QList<MonkeyField> priceFields() const;
    ForgeResultWindow* someWindow();

    QString brokenMessageRule();
    QString brokenWindowRule() const;
    QString brokenMainWindowRule() const;

    MainWindowControls controls() const { return MainWindowControls(window_); }

    MainWindowFixture& fixture_;
    MainWindow& window_;
    PictureDamage& pictures_;
    MonkeyRandom random_;

    QList<QPointer<ForgeResultWindow>> windows_;  // the result windows opened and not closed
    int opened_ = 0;
    int closed_ = 0;
    int filled_ = 0;  // result windows that had a cost right after opening
    std::array<int, kMonkeyActionKinds> actionCounts_{};
    QMap<QString, int> messageCounts_;
    QStringList recent_;
    int actionNumber_ = 0;
};

}  // namespace trivelon::gui::testing
