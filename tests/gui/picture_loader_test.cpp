// Reading bitmap files named relative to the working directory: every
// message the user can see, and the box keeping its picture on failure.
#include <cerrno>
#include <cstring>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/jpeg_decoder.h"
#include "gui/picture_loader.h"
#include "gui/widgets/picture_box.h"

using namespace trivelon::gui;

namespace {

QByteArray ValidBitmap() {
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.setPixelColor(2, 1, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

QByteArray WithLittleEndian(QByteArray bytes, int offset, quint32 value, int width) {
    for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT

    QTemporaryDir workDir_;
    QString previousDir_;

private slots:
    void initTestCase() {
        QVERIFY(workDir_.isValid());
        previousDir_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir_.path()));
        QVERIFY(QDir().mkpath("images/big"));
        WriteFile("images/good.bmp", ValidBitmap());
        WriteFile("images/upper.BMP", ValidBitmap());
    }
    void cleanupTestCase() { QDir::setCurrent(previousDir_); }

    void validBitmapReplacesThePicture() {
        PictureBox box;
        QCOMPARE(LoadPicture(box, "images/good.bmp"), std::nullopt);
        QCOMPARE(box.picture().size(), QSize(6, 4));
        QCOMPARE(box.picture().pixelColor(2, 1), QColor(Qt::white));
        QCOMPARE(box.picturePath(), QString("images/good.bmp"));
        QCOMPARE(LoadPicture(box, "images/upper.BMP"), std::nullopt);  // extension in any case
    }

    void emptyFileGivesAnEmptyPictureWithoutMessage() {
        WriteFile("images/empty.bmp", {});
        PictureBox box;
        box.setPicture(QImage(2, 2, QImage::Format_RGB32));
        QCOMPARE(LoadPicture(box, "images/empty.bmp"), std::nullopt);
        QVERIFY(box.picture().isNull());
        QCOMPARE(box.picturePath(), QString("images/empty.bmp"));
    }

    void unusableFilesGiveTheirMessages_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray good = ValidBitmap();
        QTest::newRow("unknown extension") << "images/good.png" << good << "Unknown picture file extension (.png)";
        QTest::newRow("5 bytes") << "images/short.bmp" << QByteArray("BM\0\0\0", 5) << "Stream read error";
        QTest::newRow("text file") << "images/bs0.bmp" << QByteArray("this is not a picture at all\n")
                                   << "Bitmap image is not valid";
        QTest::newRow("header cut before the planes") << "images/cut.bmp" << good.left(20) << "Stream read error";
        QTest::newRow("two planes") << "images/planes.bmp" << WithLittleEndian(good, 26, 2, 2)
                                    << "Bitmap image is not valid";
        QTest::newRow("huge width") << "images/wide.bmp" << WithLittleEndian(good, 18, 100000, 4)
                                    << "Bitmap image is not valid";
        QTest::newRow("huge height") << "images/tall.bmp" << WithLittleEndian(good, 22, 0x80000000u, 4)
                                     << "Bitmap image is not valid";
        QTest::newRow("pixels missing") << "images/cut2.bmp" << good.left(40) << "Bitmap image is not valid";
        // A few bytes must not make the decoder allocate a huge picture.
        QTest::newRow("small file claiming 5700 x 5700")
            << "images/vast.bmp" << WithLittleEndian(WithLittleEndian(good, 18, 5700, 4), 22, 5700, 4)
            << "Bitmap image is not valid";
        QTest::newRow("rows beyond the end of the file")
            << "images/rows.bmp" << WithLittleEndian(WithLittleEndian(good, 18, 1000, 4), 22, 1000, 4)
            << "Bitmap image is not valid";
        QTest::newRow("header cut before the bit count") << "images/cut3.bmp" << good.left(27) << "Stream read error";
    }
    void unusableFilesGiveTheirMessages() {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        WriteFile(path, content);
        PictureBox box;
        QVERIFY(LoadPicture(box, "images/good.bmp") == std::nullopt);
        QCOMPARE(LoadPicture(box, path), message);
        QCOMPARE(box.picture().size(), QSize(6, 4));
        QCOMPARE(box.picturePath(), QString("images/good.bmp"));
    }

    void missingFileNamesTheFullPathAndTheReason() {
        PictureBox box;
        const QString expected = QString("Cannot open file \"%1/images/big/missing.bmp\". %2")
                                     .arg(workDir_.path(), QString::fromLocal8Bit(std::strerror(ENOENT)));
        QCOMPARE(LoadPicture(box, "images/big/missing.bmp"), expected);
        QVERIFY(box.picture().isNull());
    }

    void folderIsNoPictureFile() {
        QVERIFY(QDir().mkpath("images/folder.bmp"));
        PictureBox box;
        const std::optional<QString> message = LoadPicture(box, "images/folder.bmp");
        QVERIFY(message && message->startsWith("Cannot open file \"" + workDir_.path() + "/images/folder.bmp\". "));
        QVERIFY(!message->endsWith('.'));
    }

    void jpegDecodesOrGivesAnEmptyImage() {
        QImage picture(16, 8, QImage::Format_RGB32);
        picture.fill(QColor(200, 180, 120));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "JPG", 95));

        const QImage decoded = DecodeJpeg(jpeg);
        QCOMPARE(decoded.size(), QSize(16, 8));
        const QColor centre = decoded.pixelColor(8, 4);
        QVERIFY(qAbs(centre.red() - 200) < 6 && qAbs(centre.green() - 180) < 6 && qAbs(centre.blue() - 120) < 6);

        QVERIFY(DecodeJpeg(QByteArray()).isNull());
        QVERIFY(DecodeJpeg("not a jpeg").isNull());
        QVERIFY(DecodeJpeg(jpeg.left(jpeg.size() / 2)).isNull());
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "picture_loader_test.moc"
