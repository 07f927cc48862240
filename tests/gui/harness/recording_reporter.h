#pragma once
// Records what the program would show in message boxes, so that tests can
// check the texts without a modal box blocking them.
#include <QString>
#include <QStringList>

#include "gui/widgets/error_reporter.h"

namespace trivelon::gui {

class RecordingReporter : public ErrorReporter {
public:
    void error(const QString& message) override { errors << message; }
    void warning(const QString& caption, const QString& text) override { warnings << caption + u'|' + text; }

    QStringList errors;
    QStringList warnings;
};

}  // namespace trivelon::gui
