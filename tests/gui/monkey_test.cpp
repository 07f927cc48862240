// A monkey test of the real windows: thousands of random but legal user
// actions on the main window and the result windows, while picture files
// break and come back. After every action the windows must still be
// consistent; at the end a summary of actions and messages goes to the log.
//
// TRIVELON_MONKEY_SEED replays a run (the seed is printed at the start),
// TRIVELON_MONKEY_ACTIONS sets how many actions it makes.
#include <QElapsedTimer>
#include <QTest>

#include "monkey.h"

using namespace trivelon::gui::testing;

namespace {

constexpr std::uint64_t kDefaultSeed = 20060828;

// Under AddressSanitizer, which only the sanitize preset switches on, every
// action takes about two and a half times as long; such a build makes half
// the actions so that the run stays well within a minute.
#if defined(__SANITIZE_ADDRESS__)
#define TRIVELON_MONKEY_SANITIZED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRIVELON_MONKEY_SANITIZED
#endif
#endif

#ifdef TRIVELON_MONKEY_SANITIZED
constexpr int kDefaultActions = 6000;
#else
constexpr int kDefaultActions = 12000;
#endif

std::uint64_t SeedFromEnvironment() {
    const QString text = qEnvironmentVariable("TRIVELON_MONKEY_SEED");
    if (text.isEmpty()) return kDefaultSeed;
    bool ok = false;
    const std::uint64_t seed = text.toULongLong(&ok);
    if (!ok) qFatal("TRIVELON_MONKEY_SEED must be a whole number, not \"%s\"", qPrintable(text));
    return seed;
}

int ActionsFromEnvironment() {
    const QString text = qEnvironmentVariable("TRIVELON_MONKEY_ACTIONS");
    if (text.isEmpty()) return kDefaultActions;
    bool ok = false;
    const int actions = text.toInt(&ok);
    if (!ok || actions < 1)
        qFatal("TRIVELON_MONKEY_ACTIONS must be a positive whole number, not \"%s\"", qPrintable(text));
    return actions;
}

// The offscreen platform notes every raise, keyboard grab and size hint of
// the popups and windows it cannot honour; thousands of such lines would
// bury the summary. Everything else goes on to Qt Test.
QtMessageHandler testMessages = nullptr;

void WithoutPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    testMessages(type, context, message);
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testMessages = qInstallMessageHandler(WithoutPlatformNotes); }
    void cleanupTestCase() { qInstallMessageHandler(testMessages); }

    void randomActionsKeepTheWindowsConsistent() {
        const std::uint64_t seed = SeedFromEnvironment();
        const int actions = ActionsFromEnvironment();
        qInfo("monkey seed %llu, %d actions; replay with TRIVELON_MONKEY_SEED=%llu TRIVELON_MONKEY_ACTIONS=%d",
              static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed), actions);

        MainWindowFixture fixture;
        PictureDamage pictures(fixture.pictures, QStringLiteral(TRIVELON_IMAGES_DIR));
        Monkey monkey(fixture, pictures, seed);
        QElapsedTimer clock;
        clock.start();
        for (int action = 1; action <= actions; ++action) {
            monkey.act();
            if (const QString broken = monkey.brokenRule(); !broken.isEmpty()) {
                qInfo().noquote() << monkey.recentActions() << monkey.summary();
                QFAIL(qPrintable(QStringLiteral("after action %1 of seed %2: %3").arg(action).arg(seed).arg(broken)));
            }
        }
        qInfo().noquote() << monkey.summary();
        qInfo("%d actions in %.1f s", actions, static_cast<double>(clock.elapsed()) / 1000);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
