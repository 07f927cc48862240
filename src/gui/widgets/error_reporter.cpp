#include "gui/widgets/error_reporter.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace trivelon::gui {

namespace {

QString ApplicationTitle() { return QCoreApplication::translate("MessageBoxReporter", "Тривелон"); }

}  // namespace

ErrorReporter::~ErrorReporter() = default;

void MessageBoxReporter::error(const QString& message) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), WithFullStop(message), QMessageBox::Ok);
    box.exec();
}

void MessageBoxReporter::warning(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
    box.exec();
}

QString WithFullStop(const QString& message) {
    if (message.isEmpty() || message.back().unicode() <= u'.') return message;
    return message + u'.';
}

void ThrowIfFailed(const std::optional<QString>& failure) {
    if (failure) throw HandlerError{*failure};
}

}  // namespace trivelon::gui
