// The families named in place of missing Windows fonts: a family that is
// installed is kept, others are left alone, and a stand-in draws with the
// family the font system's own fallback search would have chosen.
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include "gui/widgets/font_families.h"

using namespace trivelon::gui;

class FontFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void familiesOutsideTheTableAreKept() {
        QCOMPARE(InstalledFamilyFor(QStringLiteral("No Such Family 12345")), QString("No Such Family 12345"));
        const QString installed = QFontDatabase::families().value(0);
        QVERIFY(!installed.isEmpty());
        QCOMPARE(InstalledFamilyFor(installed), installed);
    }

    void standInsDrawWhatTheFallbackSearchChooses_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        for (const char* family : {"Arial", "Arial Narrow", "Verdana", "MS Sans Serif"}) {
            QTest::addRow("%s", family) << QString(family) << false;
            QTest::addRow("%s bold", family) << QString(family) << true;
        }
    }
    void standInsDrawWhatTheFallbackSearchChooses() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        const QString named = InstalledFamilyFor(family);
        // Either the family itself or one that is installed.
        QVERIFY2(named == family || QFontDatabase::families().contains(named), qPrintable(named));
        QFont requested(family);
        QFont standIn(named);
        for (QFont* font : {&requested, &standIn}) {
            font->setPixelSize(16);
            font->setBold(bold);
        }
        QCOMPARE(QFontInfo(standIn).family(), QFontInfo(requested).family());
        QCOMPARE(QFontInfo(standIn).bold(), QFontInfo(requested).bold());
    }
};

QTEST_MAIN(FontFamiliesTest)
#include "font_families_test.moc"
