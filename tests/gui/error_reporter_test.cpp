// The standard error and warning boxes, the full-stop rule and the guard
// that stops a handler at its first failure.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/widgets/error_reporter.h"
#include "recording_reporter.h"

using namespace trivelon::gui;

namespace {

struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Runs code that opens a modal box, records the box and closes it.
template <class F>
ShownBox CaptureModalBox(F&& open) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = {box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons()) shown.buttons << button->text();
        box->accept();
    });
    open();
    return shown;
}

}  // namespace

class ErrorReporterTest : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void fullStopFollowsTheLastCharacter_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Stream read error" << "Stream read error.";
        QTest::newRow("apostrophe") << "'' is not a valid integer value" << "'' is not a valid integer value.";
        QTest::newRow("slash is above the stop") << "a/" << "a/.";
        QTest::newRow("bracket") << "Unknown picture file extension (.png)" << "Unknown picture file extension (.png)";
        QTest::newRow("apostrophe is below the stop") << "'-'" << "'-'";
        QTest::newRow("cyrillic") << "Ошибка" << "Ошибка.";
    }
    // clang-format on
    void fullStopFollowsTheLastCharacter() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(WithFullStop(message), shown);
    }

    void boxesHaveTheirCaptionIconAndOneOkButton() {
        MessageBoxReporter reporter;
        const ShownBox error = CaptureModalBox([&] { reporter.error("'x' is not a valid integer value"); });
        QCOMPARE(error.caption, QString("Тривелон"));
        QCOMPARE(error.text, QString("'x' is not a valid integer value."));
        QCOMPARE(error.icon, QMessageBox::Critical);
        QCOMPARE(error.buttons, QStringList{"OK"});

        const ShownBox warning = CaptureModalBox([&] { reporter.warning("Warning", "Выберите, что ковать"); });
        QCOMPARE(warning.caption, QString("Warning"));
        QCOMPARE(warning.text, QString("Выберите, что ковать"));  // no full stop added
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.buttons, QStringList{"OK"});
    }

    void guardStopsTheHandlerAtTheFirstFailureAndReportsIt() {
        RecordingReporter recorder;
        QStringList steps;
        Guarded(recorder, [&] {
            steps << "parsed";
            ThrowIfFailed(std::nullopt);
            steps << "loaded";
            ThrowIfFailed(QString("Stream read error"));
            steps << "never";
        });
        Guarded(recorder, [&] { throw trivelon::Error{"'a' is not a valid integer value"}; });
        Guarded(recorder, [&] { steps << QString::number(Take(trivelon::Result<int>(7))); });
        QCOMPARE(steps, (QStringList{"parsed", "loaded", "7"}));
        QCOMPARE(recorder.errors, (QStringList{"Stream read error", "'a' is not a valid integer value"}));
    }
};

QTEST_MAIN(ErrorReporterTest)
#include "error_reporter_test.moc"
