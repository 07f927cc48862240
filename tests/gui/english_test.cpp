// Every window in English: no text a player reads is still Russian, but the
// program's name and what the player typed, and no caption is wider than
// the room it is given.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

#include "harness/main_window_harness.h"
#include "language/language.h"

using namespace trivelon;
using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// The texts of a control a player sees or hears, each with where it is.
QStringList TextsOf(QWidget& control) {
    const QString name = control.objectName() + u'(' + control.metaObject()->className() + u')';
    QStringList texts{name + " title: " + control.windowTitle(), name + " tip: " + control.toolTip(),
                      name + " name: " + control.accessibleName(),
                      name + " description: " + control.accessibleDescription()};
    if (auto* label = qobject_cast<QLabel*>(&control)) texts << name + ": " + label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) texts << name + ": " + button->text();
    if (auto* bar = qobject_cast<QTabBar*>(&control))
        for (int i = 0; i < bar->count(); ++i) texts << name + " tab: " + bar->tabText(i);
    if (auto* combo = qobject_cast<QComboBox*>(&control))
        for (int i = 0; i < combo->count(); ++i) texts << name + " row: " + combo->itemText(i);
    return texts;
}

// A one-line caption whose text is wider than the label or button shows.
bool Clipped(QWidget& control) {
    if (!control.isVisibleTo(control.window())) return false;
    if (auto* label = qobject_cast<QLabel*>(&control); label && !label->wordWrap() && !label->text().contains('\n'))
        return label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width();
    if (auto* button = qobject_cast<QAbstractButton*>(&control); button && !button->text().isEmpty())
        return button->fontMetrics().horizontalAdvance(button->text()) > button->width();
    return false;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void init() { UseLanguage(Language::English); }
    void cleanup() {
        CloseResultWindows();
        UseLanguage(Language::Russian);
    }

    void everyTextIsEnglishAndFits_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"forging tab", "refining tab", "result window", "chart", "comparison"})
            QTest::newRow(window) << window;
    }
    void everyTextIsEnglishAndFits() {
        QFETCH(QString, window);
        MainWindowFixture f;
        QWidget* root = OpenWindow(f.controls(), window);
        QVERIFY(root);
        // The program's name stays as it is in every language.
        const QRegularExpression russian(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        QWidget* top = root->window();
        QList<QWidget*> controls = top->findChildren<QWidget*>();
        controls.prepend(top);
        for (QWidget* control : controls) {
            for (QString text : TextsOf(*control)) {
                text.remove(QStringLiteral("Тривелон"));
                QVERIFY2(!text.contains(russian), qPrintable(text));
            }
            QVERIFY2(!Clipped(*control), qPrintable(control->objectName() + ": " + TextsOf(*control).last()));
        }
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
