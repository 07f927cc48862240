// What a screen reader reads of each window, through the interface its
// bridge reads: every control it lands on named as a sighted player reads
// its caption, the figures said with what they belong to, and a problem
// said with its field.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "gui/budget/budget_chart_window.h"
#include "gui/budget/budget_table.h"
#include "gui/refine/refine_comparison_window.h"
#include "gui/widgets/help_window.h"
#include "harness/main_window_harness.h"
#include "harness/window_parts.h"

using namespace trivelon;
using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

QString Said(QObject* object, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlTheKeysReachIsNamedNotByItsValue_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("controls");
        QTest::newRow("forging tab") << "forging tab" << int(QAccessible::Window) << 23;
        QTest::newRow("refining tab") << "refining tab" << int(QAccessible::Window) << 8;
        QTest::newRow("result window") << "result window" << int(QAccessible::Dialog) << 4;
        QTest::newRow("chart") << "chart" << int(QAccessible::Window) << 2;
        QTest::newRow("comparison") << "comparison" << int(QAccessible::Window) << 8;
    }
    void everyControlTheKeysReachIsNamedNotByItsValue() {
        QFETCH(QString, window);
        QFETCH(int, role);
        QFETCH(int, controls);
        MainWindowFixture f;
        QWidget* root = OpenWindow(f.controls(), window);
        QVERIFY(root);
        QCOMPARE(int(QAccessible::queryAccessibleInterface(root->window())->role()), role);
        int reached = 0;
        for (QWidget* control : root->findChildren<QWidget*>()) {
            // An editable list's own line edit is the list to a reader.
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(root) ||
                qobject_cast<QComboBox*>(control->parentWidget()))
                continue;
            ++reached;
            const QString name = Said(control);
            QVERIFY2(!name.isEmpty() && name != Said(control, QAccessible::Value),
                     qPrintable(control->objectName() + ": «" + name + "»"));
        }
        QCOMPARE(reached, controls);
    }

    // F1 in any window opens the guide built into the program, its pictures
    // with it.
    void f1OpensTheGuide_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"forging tab", "result window", "chart", "comparison"})
            QTest::newRow(window) << window;
    }
    void f1OpensTheGuide() {
        QFETCH(QString, window);
        MainWindowFixture f;
        QWidget* root = OpenWindow(f.controls(), window);
        QVERIFY(root);
        root->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(root->window()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : root->window(), Qt::Key_F1);
        auto* help = f.window->findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QTextDocument& guide = *help->browser()->document();
        QCOMPARE(guide.begin().text(), QString("Тривелон: руководство игрока"));
        int pictures = 0;
        for (QTextBlock block = guide.begin(); block.isValid(); block = block.next())
            for (auto part = block.begin(); !part.atEnd(); ++part)
                if (const QTextImageFormat image = part.fragment().charFormat().toImageFormat(); image.isValid()) {
                    ++pictures;
                    QVERIFY2(!help->browser()->loadResource(QTextDocument::ImageResource, image.name()).isNull(),
                             qPrintable(image.name()));
                }
        QCOMPARE(pictures, 5);
        help->close();
        CloseResultWindows();
    }

    void figuresAndProblemsAreSaidWithWhatTheyBelongTo() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        TypeInto(*w.dex(), "x");
        QCOMPARE(Said(w.dex(), QAccessible::Description), QString("Dex: «x» — не целое число"));
        TypeInto(*w.dex(), "117");
        QVERIFY(Said(w.dex(), QAccessible::Description).isEmpty());

        PickRow(*w.itemSelector(), "Knife");
        ForgeResultWindow* result = PressSubmit(w);
        QCOMPARE(Said(Part(*result, "rate")), QString("Вероятность успешной ковки: 100 %"));
        QCOMPARE(Said(Part(*result, "atk")), QString("ATK: %1").arg(Part(*result, "atk")->text()));
        const auto* budget = Part<BudgetTable>(*result, "budget");
        QVERIFY2(Said(const_cast<BudgetTable*>(budget), QAccessible::Description)
                     .startsWith(QString("50 %: попыток %1, Zeny ").arg(budget->figureText(0, 0))),
                 qPrintable(budget->accessibleDescription()));

        OpenRefineTab(w);
        ClickAt(*w.refineCompareButton(), w.refineCompareButton()->rect().center());
        auto* comparison = w.window().findChild<RefineComparisonWindow*>();
        TypeInto(*comparison->priceEdit(0), "1000");
        QVERIFY2(Said(comparison->priceEdit(0), QAccessible::Description).endsWith("; дешевле всего"),
                 qPrintable(comparison->priceEdit(0)->accessibleDescription()));
        CloseResultWindows();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
