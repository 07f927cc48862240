#pragma once
// The main window: the forging and the refining tab, and what passes between
// them (the character's picture and the Weaponry Research level); what the
// player typed, read from the settings at start and written back on close.
#include <memory>

#include <QTabWidget>
#include <QWidget>

#include "core/price_book.h"
#include "core/rules.h"
#include "gui/widgets/error_reporter.h"
#include "settings/settings_store.h"

namespace trivelon::gui {

class ForgeResultWindow;
class ForgeTab;
class RefineTab;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Failures of its handlers and of the result windows it opens are
    // reported to the reporter, which must outlive them. The inputs start
    // from the texts and the price book the settings hold; the settings,
    // which must outlive the window, are written when it closes, and the
    // price book also when a result window closes.
    MainWindow(ErrorReporter& reporter, SettingsStore& settings, QWidget* parent = nullptr);

    // Works under the rules of the file, as loading it from the window's menu
    // does, or under the built-in rules for an empty path: the tabs, the
    // chart and the comparison follow, and the title names the rules. False,
    // with the rules as they were and the file's problem reported, where the
    // file cannot be used.
    bool useRulesFile(const QString& path);

signals:
    // Each press of the forge button that gets past the character inputs
    // opens a new result window, shown before it is filled.
    void resultWindowOpened(ForgeResultWindow* window);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Loads a rules file the player picks; a file that cannot be used
    // changes nothing and is reported.
    void chooseRulesFile();
    void showRulesInTitle();
    void addLanguageChoice();
    static QString title();

    ErrorReporter& reporter_;
    SettingsStore& settings_;
    // The rules of a file in force, null under the built-in rules, and the
    // file's path.
    std::unique_ptr<const Rules> fileRules_;
    QString rulesPath_;
    PriceBook book_;
    QTabWidget* tabs_;
    ForgeTab* forgeTab_;
    RefineTab* refineTab_;
    bool centred_ = false;
};

}  // namespace trivelon::gui
