// The standard error and warning boxes, the full-stop rule and the guard
// that stops a handler at its first failure.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/error_reporter.h"
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
    void fullStopFollowsTheLastCharacter_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Stream read error" << "Stream read error.";
        QTest::newRow("apostrophe") << "'' is not a valid integer value" << "'' is not a valid integer value.";
        QTest::newRow("digit") << "level 1" << "level 1.";
        QTest::newRow("slash is above the stop") << "a/" << "a/.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("bracket") << "Unknown picture file extension (.png)" << "Unknown picture file extension (.png)";
        QTest::newRow("apostrophe is below the stop") << "'-'" << "'-'";
        QTest::newRow("dash") << "a -" << "a -";
        QTest::newRow("cyrillic") << "Ошибка" << "Ошибка.";
        QTest::newRow("empty") << "" << "";
    }
    void fullStopFollowsTheLastCharacter() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(WithFullStop(message), shown);
    }

    void errorBoxHasTheApplicationTitleAnErrorIconAndOk() {
        MessageBoxReporter reporter;
        const ShownBox box = CaptureModalBox([&] { reporter.error("'x' is not a valid integer value"); });
        QCOMPARE(box.caption, QString("Тривелон"));
        QCOMPARE(box.text, QString("'x' is not a valid integer value."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QStringList{"OK"});
    }

    void warningBoxKeepsItsTextAsGiven() {
        MessageBoxReporter reporter;
        const ShownBox box = CaptureModalBox([&] { reporter.warning("Warning", "Выберите, что ковать"); });
        QCOMPARE(box.caption, QString("Warning"));
        QCOMPARE(box.text, QString("Выберите, что ковать"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList{"OK"});
    }

    void guardStopsTheHandlerAtTheFirstFailureAndReportsIt() {
        RecordingReporter recorder;
        QStringList steps;
        Guarded([&] {
            steps << "parsed";
            ThrowIfFailed(std::nullopt);
            steps << "loaded";
            ThrowIfFailed(QString("Stream read error"));
            steps << "never";
        });
        Guarded([&] { throw trivelon::Error{"'a' is not a valid integer value"}; });
        Guarded([&] { steps << QString::number(Take(trivelon::Result<int>(7))); });
        QCOMPARE(steps, (QStringList{"parsed", "loaded", "7"}));
        QCOMPARE(recorder.errors, (QStringList{"Stream read error", "'a' is not a valid integer value"}));
    }
};

QTEST_MAIN(ErrorReporterTest)
#include "error_reporter_test.moc"
