// The budget tables of the refining tab and of a weapon's result window show
// every figure whole within its cell, in the fonts the program ships with,
// from one digit up to the edges of the 64-bit range.
#include <limits>

#include <QFontMetrics>
#include <QTest>

#include "main_window_harness.h"

using namespace trivelon;
using namespace trivelon::gui;
using namespace trivelon::gui::testing;

namespace {

// A figure of every length, the edges of the 64-bit range and one beyond it.
QList<std::optional<std::int64_t>> FiguresOfEveryLength() {
    QList<std::optional<std::int64_t>> figures;
    for (std::int64_t nines = 9; nines < std::numeric_limits<std::int64_t>::max() / 10; nines = nines * 10 + 9)
        figures << nines;
    figures << std::numeric_limits<std::int64_t>::max() << std::numeric_limits<std::int64_t>::min() << std::nullopt;
    return figures;
}

void CheckEveryFigureFits(BudgetTable& table, int rows) {
    for (const std::optional<std::int64_t>& figure : FiguresOfEveryLength()) {
        for (int row = 0; row < rows; ++row) table.showFigures(row, {figure, figure, figure});
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QRect cell = table.figureCell(row, column);
                const QString text = table.figureText(row, column);
                const QFont font = table.figureFont(row, column);
                const QRect drawn = QFontMetrics(font).boundingRect(cell, Qt::AlignCenter, text);
                QVERIFY2(cell.contains(drawn) && font.pixelSize() >= 8,
                         qPrintable(QString("\"%1\" at %2 px takes %3 x %4 of a %5 x %6 cell")
                                        .arg(text)
                                        .arg(font.pixelSize())
                                        .arg(drawn.width())
                                        .arg(drawn.height())
                                        .arg(cell.width())
                                        .arg(cell.height())));
            }
        }
        // Grouped by thousands with a narrow no-break space, whatever the lines.
        const QString expected =
            figure ? QLocale(QLocale::English).toString(qlonglong{*figure}).replace(u',', QChar(0x202F))
                   : QStringLiteral("слишком много");
        QCOMPARE(table.figureText(0, 0).replace(u'\n', figure ? QChar(0x202F) : QChar(u' ')), expected);
    }
}

}  // namespace

class BudgetTableTest : public QObject {
    Q_OBJECT

private slots:
    void everyFigureShowsWholeInItsCell() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        CheckEveryFigureFits(*w.refineBudget(), 3);

        OpenForgeTab(w);
        PickRow(*w.itemSelector(), "Cutter");
        ForgeResultWindow* window = PressSubmit(w);
        QVERIFY(window && window->budget);
        CheckEveryFigureFits(*window->budget, 2);
        CloseResultWindows();
    }
};

QTEST_MAIN(BudgetTableTest)
#include "budget_table_test.moc"
