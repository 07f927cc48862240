// Everything trivelon-cli prints, in UTF-8, or in a Windows console as its
// own characters. Standard output is checked on every write and flush, so
// that a full disk or a closed file never passes for a result.
#include <QJsonDocument>
#include <cerrno>
#include <cstring>

#include "cli_common.h"
#include "console/console_text.h"
#include "qt_text/translated.h"

namespace trivelon::cli {

int PrintText(const QByteArray& text, ExitCode code) {
    errno = 0;
    if (console::Write(console::Stream::Output, std::string_view(text.constData(), text.size()))) return code;
    const int failure = errno;
    PrintProblem(QStringLiteral("cannot write the output: ") +
                 QString::fromLocal8Bit(std::strerror(failure != 0 ? failure : EIO)));
    return kOutputError;
}

void PrintProblem(const QString& problem) {
    console::Write(console::Stream::Error, QStringLiteral("trivelon-cli: %1\n").arg(problem).toUtf8().toStdString());
}

int PrintJson(const QJsonObject& object, ExitCode code) {
    return PrintText(QJsonDocument(object).toJson(QJsonDocument::Indented), code);
}

int PrintError(const Message& message) { return PrintJson({{"error", Sentence(message)}}, kCalculationError); }

int UsageError(const QString& message) {
    PrintProblem(message + QStringLiteral("\nTry 'trivelon-cli --help'."));
    return kUsageError;
}

}  // namespace trivelon::cli
