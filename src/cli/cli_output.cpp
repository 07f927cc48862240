// Everything trivelon-cli prints. Standard output is checked on every write
// and flush, so that a full disk or a closed file never passes for a result.
#include <QJsonDocument>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli_common.h"

namespace trivelon::cli {

int PrintText(const QByteArray& text, ExitCode code) {
    const auto size = static_cast<std::size_t>(text.size());
    if (std::fwrite(text.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) return code;
    const int failure = errno;
    std::fprintf(stderr, "trivelon-cli: cannot write the output: %s\n", std::strerror(failure));
    return kOutputError;
}

int PrintJson(const QJsonObject& object, ExitCode code) {
    return PrintText(QJsonDocument(object).toJson(QJsonDocument::Indented), code);
}

int PrintError(const std::string& message) { return PrintJson({{"error", QtText(message)}}, kCalculationError); }

int UsageError(const QString& message) {
    std::fprintf(stderr, "trivelon-cli: %s\nTry 'trivelon-cli --help'.\n", message.toUtf8().constData());
    return kUsageError;
}

}  // namespace trivelon::cli
