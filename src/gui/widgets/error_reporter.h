#pragma once
// How handlers tell the user about a failure: through an interface, so that
// tests can record messages instead of blocking on a modal box.
#include <optional>
#include <utility>

#include <QString>

#include "core/result.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

class ErrorReporter {
public:
    virtual ~ErrorReporter();
    virtual void error(const QString& message) = 0;
    virtual void warning(const QString& caption, const QString& text) = 0;
};

// Modal message boxes captioned with the application's title.
class MessageBoxReporter : public ErrorReporter {
public:
    void error(const QString& message) override;
    void warning(const QString& caption, const QString& text) override;
};

// The message with a full stop appended when its last character's code is
// above that of ".".
QString WithFullStop(const QString& message);

// Thrown by handler steps to stop the handler with a message (a core
// trivelon::Error thrown by a handler is reported the same way).
struct HandlerError {
    QString message;
};

// Unwraps a core result, or stops the handler with its error.
template <class T>
T Take(Result<T> result) {
    if (!result) throw HandlerError{Sentence(result.error())};
    return std::move(result.value());
}

// Stops the handler when a picture load or another step returned a message.
void ThrowIfFailed(const std::optional<QString>& failure);

// Runs a handler; the first failure stops it and is reported.
template <class F>
void Guarded(ErrorReporter& reporter, F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const HandlerError& failure) {
        reporter.error(failure.message);
    } catch (const Error& failure) {
        reporter.error(Sentence(failure.message));
    }
}

}  // namespace trivelon::gui
