#pragma once
// The text of trivelon --help, in the language in use: for a terminal in two columns
// wrapped at 80 characters, for a Windows message box (a proportional font,
// wrapped by the box) as one paragraph per option.
#include <QString>

namespace trivelon::app {

enum class HelpLayout { Terminal, MessageBox };

// settingsFile: the settings file as the player's system writes paths.
QString HelpText(const QString& version, const QString& settingsFile, HelpLayout layout);

}  // namespace trivelon::app
