// The widgets that show pictures: the tick box, the picture box with its
// see-through colour, the tiled wallpaper and the combo box with row pictures.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "gui/widgets/image_combo.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/picture_check.h"
#include "gui/widgets/wallpaper.h"

using namespace trivelon::gui;

namespace {

const QColor kBehind(Qt::red);

// A parent filled with a known colour, so that see-through pixels show it.
class Backdrop : public QWidget {
public:
    Backdrop() {
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, kBehind);
        setPalette(palette);
        resize(60, 60);
    }
};

// A row with a picture of a dark green square on a white background 4
// pixels wide, then a row without one.
void AddTwoRows(ImageCombo& combo) {
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 4; y < 20; ++y)
        for (int x = 4; x < 20; ++x) picture.setPixelColor(x, y, Qt::darkGreen);
    combo.addRow("Оружие 1 уровня", QIcon(QPixmap::fromImage(picture)));
    combo.addRow("Одежда");
}

}  // namespace

class PictureWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void checkBoxTurnsOverOnLeftReleaseInsideOnly() {
        Backdrop backdrop;
        auto* box = new PictureCheck(&backdrop);
        const QImage unticked = backdrop.grab().toImage();
        QSignalSpy clicked(box, &PictureCheck::clicked);
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(85, 5));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!box->isChecked());
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).at(0).toBool(), true);  // the handler sees the new state
        QCOMPARE(clicked.at(1).at(0).toBool(), false);

        box->setChecked(true);
        QCOMPARE(clicked.count(), 2);
        const QImage ticked = backdrop.grab().toImage();
        QVERIFY(ticked.copy(0, 4, 10, 10) != unticked.copy(0, 4, 10, 10));
        QCOMPARE(ticked.pixelColor(40, 8), kBehind);

        // To the keys and a screen reader it is a check box.
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowActive(&backdrop));
        QTest::keyClick(&backdrop, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(read->role(), QAccessible::CheckBox);
        QVERIFY(!read->state().checked);
    }

    void transparentBoxLeavesOutTheBottomLeftColour() {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.setPixelColor(1, 1, Qt::green);
        Backdrop backdrop;
        auto* box = new PictureBox(&backdrop);
        box->resize(3, 3);
        box->setPicture(picture);
        QImage shown = backdrop.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(3, 3), kBehind);  // clipped to the box

        box->setTransparent(true);
        shown = backdrop.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), kBehind);
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::green));

        box->setPicture(QImage());
        QCOMPARE(backdrop.grab().toImage().pixelColor(1, 1), kBehind);
    }

    // Indexed pictures get the colour clear in their colour table: every
    // entry of that colour, not only the bottom-left pixel's own index.
    void transparentBoxLeavesOutTheColourOfIndexedPictures_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QColor>("kept");
        QImage indexed(4, 4, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(0, 0, 255)});
        indexed.fill(0);
        indexed.setPixel(1, 1, 1);
        indexed.setPixel(2, 2, 2);  // the same blue at another index
        QTest::newRow("8-bit, one colour at two indices") << indexed << QColor(Qt::green);
        QImage mono(4, 4, QImage::Format_Mono);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        mono.fill(0);
        mono.setPixel(1, 1, 1);
        QTest::newRow("1-bit") << mono << QColor(Qt::black);
    }
    void transparentBoxLeavesOutTheColourOfIndexedPictures() {
        QFETCH(QImage, picture);
        QFETCH(QColor, kept);
        Backdrop backdrop;
        auto* box = new PictureBox(&backdrop);
        box->resize(4, 4);
        box->setTransparent(true);
        box->setPicture(picture);
        const QImage shown = backdrop.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), kBehind);
        QCOMPARE(shown.pixelColor(1, 1), kept);
        QCOMPARE(shown.pixelColor(2, 2), kBehind);
        QCOMPARE(box->picture(), picture);  // the box keeps the picture as it came
    }

    void wallpaperTilesFromTheTopLeft() {
        QImage tile(3, 3, QImage::Format_RGB32);
        tile.fill(Qt::yellow);
        tile.setPixelColor(0, 0, Qt::black);
        Wallpaper wallpaper(tile);
        wallpaper.resize(10, 10);
        const QImage shown = wallpaper.grab().toImage();
        QCOMPARE(shown.pixelColor(9, 9), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(8, 9), QColor(Qt::yellow));
    }

    void imageComboReportsPicksButNotCode() {
        ImageCombo combo;
        AddTwoRows(combo);
        combo.show();
        QSignalSpy changed(&combo, &ImageCombo::changed);
        combo.setCurrentIndex(1);
        QCOMPARE(changed.count(), 0);
        QTest::keyClick(&combo, Qt::Key_Up);
        QCOMPARE(combo.currentText(), QString("Оружие 1 уровня"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(combo.view()->sizeHintForRow(0), ImageCombo::kRowHeight);
    }

    void imageComboDrawsEachRowsPictureBeforeItsText() {
        ImageCombo combo;
        AddTwoRows(combo);
        combo.resize(153, 23);
        combo.show();
        combo.showPopup();
        QAbstractItemView* list = combo.view();
        const QImage shown = list->viewport()->grab().toImage();
        const QRect first = list->visualRect(list->model()->index(0, 0));
        const QRect second = list->visualRect(list->model()->index(1, 0));
        // The picture sits 2 pixels in, centred in the 24-pixel row.
        QCOMPARE(shown.pixelColor(first.left() + 2 + 4, first.center().y()), QColor(Qt::darkGreen));
        QCOMPARE(shown.pixelColor(first.left() + 2 + 19, first.center().y()), QColor(Qt::darkGreen));
        QVERIFY(shown.pixelColor(first.left() + 2 + 20, first.center().y()) != QColor(Qt::darkGreen));
        // The current row is highlighted across its whole width: the
        // picture's background lets the highlight through.
        const QColor highlight = list->palette().color(QPalette::Highlight);
        QCOMPARE(shown.pixelColor(first.left() + 3, first.center().y()), highlight);
        QCOMPARE(shown.pixelColor(first.right() - 1, first.center().y()), highlight);
        // A row without a picture has none.
        QVERIFY(shown.pixelColor(second.left() + 2 + 4, second.center().y()) != QColor(Qt::darkGreen));
        combo.hidePopup();
    }
};

QTEST_MAIN(PictureWidgetsTest)
#include "picture_widgets_test.moc"
