#pragma once
// What the main window tests share: a working directory with every picture
// the program loads, a recording reporter, and the user's gestures (typing,
// picking a row, clicking a box or button).
#include <memory>

#include <QComboBox>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include "gui/forge/forge_result_window.h"
#include "gui/main_window.h"
#include "main_window_controls.h"
#include "recording_reporter.h"
#include "settings/settings_store.h"
#include "typing.h"

namespace trivelon::gui::testing {

// A temporary working directory holding images/ and images/big/ with a small
// bitmap for every path the program loads. Restores the old directory.
class PictureFolder {
public:
    PictureFolder();
    ~PictureFolder();

    // Replaces one picture file (relative path) with the given bytes.
    void write(const QString& relativePath, const QByteArray& bytes) const;
    void remove(const QString& relativePath) const;
    QString absolute(const QString& relativePath) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A settings file of its own in a temporary folder, none at first, so that
// no test reads or writes the user's; what the store tells is recorded.
struct TemporarySettings {
    QTemporaryDir folder;
    QStringList told;
    SettingsStore store{folder.filePath(QStringLiteral("trivelon.ini")),
                        [this](const QString& problem) { told << problem; }};
};

// A shown main window in a picture folder, with messages recorded, on
// settings of its own.
struct MainWindowFixture {
    PictureFolder pictures;
    RecordingReporter reporter;
    TemporarySettings settings;
    std::unique_ptr<MainWindow> window;

    MainWindowFixture();
    ~MainWindowFixture();

    MainWindowControls controls() const { return MainWindowControls(*window); }
};

// Opens the drop-down list and clicks the row with this text.
void PickRow(QComboBox& combo, const QString& text);
void Click(PictureCheck& box);
// Clicks the refining tab, which builds its controls the first time.
void OpenRefineTab(const MainWindowControls& window);
// Clicks the forging tab.
void OpenForgeTab(const MainWindowControls& window);
// The ticked star crumb boxes as a string such as "12" ("" for none).
QString Ticked(const MainWindowControls& window);
// Presses the button and returns the result window it opened, if any.
ForgeResultWindow* PressSubmit(const MainWindowControls& window);
// The window a person opens by its name: "forging tab" and "refining tab"
// (their pages), "result window" (Knife forged), "chart" and "comparison"
// (from the refining tab).
QWidget* OpenWindow(const MainWindowControls& window, const QString& name);
// Every result window that is still alive.
QList<ForgeResultWindow*> ResultWindows();
// Closes and frees every result window.
void CloseResultWindows();

}  // namespace trivelon::gui::testing
