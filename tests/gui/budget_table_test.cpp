// The budget tables of the refining tab and of a weapon's result window show
// every figure whole within its cell, in the fonts the program ships with,
// from one digit up to the edges of the 64-bit range, whole or in tenths; the
// refining tab's extra column explains itself on its heading.
#include <limits>

#include <QFontMetrics>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "gui/widgets/decimal_separator.h"

#include "main_window_harness.h"
#include "window_parts.h"

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

// The figure as shown, without its line breaks: grouped by thousands with a
// narrow no-break space, tenths with the user's decimal separator.
QString ExpectedText(const std::optional<std::int64_t>& figure, bool inTenths) {
    if (!figure) return QStringLiteral("слишком много");
    const auto grouped = [](std::int64_t whole) {
        return QLocale(QLocale::English).toString(qlonglong{whole}).replace(u',', QChar(0x202F));
    };
    if (!inTenths) return grouped(*figure);
    return grouped(*figure / 10) + QChar(SystemDecimalSeparator()) + QString::number(qAbs(*figure % 10));
}

// Every cell of every value column, the extra one in tenths or whole. A sum
// of the certainties' columns keeps the table's font on one line, shortened
// with every digit in its tool tip where the cell is too narrow.
void CheckEveryFigureFits(BudgetTable& table, int rows, int columns) {
    table.showFigures(0, {9, 9, 9});
    const QFont tableFont = table.figureFont(0, 0);
    for (const bool inTenths : {false, true}) {
        for (const std::optional<std::int64_t>& figure : FiguresOfEveryLength()) {
            for (int row = 0; row < rows; ++row) table.showFigures(row, {figure, figure, figure});
            table.showColumnFigures(QList<ColumnFigure>(rows, ColumnFigure{figure, inTenths}));
            for (int row = 0; row < rows; ++row) {
                for (int column = 0; column < columns; ++column) {
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
                    // Below a hundred trillion, where even a short text fits.
                    if (column < 3 && figure && *figure < 100'000'000'000'000 && *figure > -100'000'000'000'000) {
                        QCOMPARE(font, tableFont);
                        QVERIFY(!text.contains(u'\n'));
                    }
                }
            }
            const auto unbroken = [&](int column) {
                return table.figureText(0, column).replace(u'\n', figure ? QChar(0x202F) : QChar(u' '));
            };
            const QString shortened = table.figureToolTip(0, 0);
            QCOMPARE(shortened.isEmpty() ? unbroken(0) : shortened, ExpectedText(figure, false));
            if (columns > 3) QCOMPARE(unbroken(3), ExpectedText(figure, inTenths));
        }
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
        CheckEveryFigureFits(*w.refineBudget(), 3, 4);

        OpenForgeTab(w);
        PickRow(*w.itemSelector(), "Cutter");
        ForgeResultWindow* window = PressSubmit(w);
        QVERIFY(window && Part<BudgetTable>(*window, "budget"));
        CheckEveryFigureFits(*Part<BudgetTable>(*window, "budget"), 2, 3);
        CloseResultWindows();
    }

    // The heading's tooltip says what the column counts, where the pointer
    // rests on it and nowhere else.
    void theExtraHeadingExplainsItsFigures() {
        MainWindowFixture f;
        MainWindowControls w(*f.window);
        OpenRefineTab(w);
        BudgetTable& table = *w.refineBudget();
        // What the window system sends once the pointer rests at a place.
        const auto rest = [&](QPoint point) {
            QHelpEvent help(QEvent::ToolTip, point, table.mapToGlobal(point));
            QApplication::sendEvent(&table, &help);
        };
        rest(table.extraHeadingCell().center());
        QVERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains("материалы и сборы только за сделанные шаги"));
        rest(table.figureCell(0, 3).center());
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

QTEST_MAIN(BudgetTableTest)
#include "budget_table_test.moc"
