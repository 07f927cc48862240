#pragma once
// What the command-line front end's subcommands share: exit codes, JSON
// output and the conversion of core texts.
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace trivelon::cli {

enum ExitCode { kResult = 0, kCalculationError = 1, kUsageError = 2, kSeparatorWarning = 3 };

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string S(const QString& text) { return text.toStdString(); }

// Prints one JSON object on standard output and returns the exit code.
int PrintJson(const QJsonObject& object, ExitCode code);
int PrintError(const std::string& message);
// Prints the message and a pointer to --help on standard error.
int UsageError(const QString& message);

// Each subcommand gets the arguments after its name (arguments[0] is the
// program name as it was called, for the parser).
int RunForge(const QStringList& arguments);
int RunRefine(const QStringList& arguments);
int RunCatalogue(const QStringList& arguments);

}  // namespace trivelon::cli
