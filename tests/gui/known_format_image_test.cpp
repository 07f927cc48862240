// Pictures decoded as a named format only: every built-in picture the
// windows decode this way is found and decodes, and data of another format
// is refused rather than handed to the decoder that recognises it. Icons of
// built-in pictures decode when first drawn and draw the same picture.
#include <QBuffer>
#include <QDirIterator>
#include <QTest>

#include "gui/pictures/built_in_icon.h"
#include "gui/widgets/known_format_image.h"

using namespace trivelon::gui;

namespace {

QByteArray Encoded(const char* format) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format)) qFatal("cannot encode %s", format);
    return bytes;
}

QImage Decoded(QByteArray bytes, const char* format) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return DecodeKnownFormat(buffer, format);
}

}  // namespace

class KnownFormatImageTest : public QObject {
    Q_OBJECT

private slots:
    void everyBuiltInBitmapAndGifDecodes() {
        int decoded = 0;
        QDirIterator pictures(QStringLiteral(":/pictures"), {"*.bmp", "*.gif"}, QDir::Files,
                              QDirIterator::Subdirectories);
        while (pictures.hasNext()) {
            const QString resource = pictures.next();
            QVERIFY2(!BuiltInPicture(resource).isNull(), qPrintable(resource));
            ++decoded;
        }
        // Wallpapers, character, ticks, star crumb, 60 selector and 5 class rows.
        QVERIFY(decoded > 70);
        QVERIFY(BuiltInPicture(QStringLiteral(":/pictures/missing.bmp")).isNull());
    }

    void builtInIconDrawsItsPictureWhenFirstAsked() {
        const QString resource = QStringLiteral(":/pictures/rows/axe.bmp");
        const QIcon icon = BuiltInIcon(resource);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.actualSize(QSize(24, 24)), QSize(24, 24));
        const QImage expected = BuiltInPicture(resource).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_RGB32), expected);
        // A copy shares nothing that could go stale.
        const QIcon copy = icon;
        QCOMPARE(copy.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_RGB32), expected);

        // A missing picture counts as present until it is asked for, then as
        // null, and draws nothing.
        const QIcon missing = BuiltInIcon(QStringLiteral(":/pictures/missing.bmp"));
        QVERIFY(!missing.isNull());
        QVERIFY(missing.pixmap(QSize(24, 24)).isNull());
        QVERIFY(missing.isNull());
    }

    void dataOfAnotherFormatIsRefused() {
        QCOMPARE(Decoded(Encoded("BMP"), "BMP").size(), QSize(8, 8));
        QVERIFY(Decoded(Encoded("PNG"), "BMP").isNull());
        QVERIFY(Decoded(Encoded("BMP"), "GIF").isNull());
        QVERIFY(Decoded(QByteArray("BM"), "BMP").isNull());
    }
};

QTEST_MAIN(KnownFormatImageTest)
#include "known_format_image_test.moc"
