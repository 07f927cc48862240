// Reading bitmap files named relative to the working directory: every
// message the user can see, and the box keeping its picture on failure.
#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/pictures/bitmap_decoder.h"
#include "gui/pictures/jpeg_decoder.h"
#include "gui/pictures/picture_loader.h"
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

const QString kInvalid = QStringLiteral("Bitmap image is not valid");

QByteArray WithLittleEndian(QByteArray bytes, int offset, quint32 value, int width) {
    for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A bitmap file with a 40-byte header, a grey colour table and the given
// pixel data.
QByteArray Bitmap(qint32 width, qint32 height, quint16 bits, quint32 compression, const QByteArray& pixels) {
    const int colours = bits <= 8 ? 1 << bits : 0;
    const quint32 offset = 14 + 40 + 4 * colours;
    QByteArray bytes(offset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes = WithLittleEndian(bytes, 2, offset + pixels.size(), 4);
    bytes = WithLittleEndian(bytes, 10, offset, 4);
    bytes = WithLittleEndian(bytes, 14, 40, 4);
    bytes = WithLittleEndian(bytes, 18, static_cast<quint32>(width), 4);
    bytes = WithLittleEndian(bytes, 22, static_cast<quint32>(height), 4);
    bytes = WithLittleEndian(bytes, 26, 1, 2);
    bytes = WithLittleEndian(bytes, 28, bits, 2);
    bytes = WithLittleEndian(bytes, 30, compression, 4);
    bytes = WithLittleEndian(bytes, 34, pixels.size(), 4);
    for (int i = 0; i < colours; ++i) bytes = WithLittleEndian(bytes, 54 + 4 * i, (i * 255 / colours) * 0x010101u, 4);
    return bytes + pixels;
}

constexpr quint32 kRle8 = 1;
const QByteArray kEndOfRle("\0\1", 2);

// The most the process's resident memory grows to while `load` runs, where
// Linux can tell (its peak can be reset); empty elsewhere.
template <class Load>
std::optional<qint64> PeakGrowthDuring(Load load) {
    auto residentKiB = [](const char* field) -> std::optional<qint64> {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
        return std::nullopt;
    };
    QFile clearRefs("/proc/self/clear_refs");
    if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1) return std::nullopt;
    clearRefs.close();
    const auto before = residentKiB("VmRSS:");
    load();
    const auto peak = residentKiB("VmHWM:");
    if (!before || !peak) return std::nullopt;
    return (*peak - *before) * 1024;
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

    // clang-format off
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
    // clang-format on
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

    // Hostile files: each is refused or loads within a memory budget of
    // 20 MiB, and decoding the same bytes in memory gives the same outcome.
    // The largest bitmap allowed needs 4 MiB each for its bytes, its picture,
    // its see-through copy and the drawn pixmap, and the allocator some room.
    // clang-format off
    void hostileBitmapsAreRefusedOrStayWithinBudget_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize");  // the file is extended to this size, unwritten
        QTest::addColumn<QString>("message");    // empty when the file loads
        QTest::addColumn<QSize>("size");
        const QByteArray none;
        const QByteArray allowed = Bitmap(1024, 1024, 32, 0, QByteArray(4 * 1024 * 1024, '\x40'));
        QTest::newRow("RLE file of 1080 bytes declaring 4096 x 4096")
            << Bitmap(4096, 4096, 8, kRle8, kEndOfRle) << qint64{0} << kInvalid << QSize();
        QTest::newRow("RLE file declaring 1024 x 1024") << Bitmap(1024, -1024, 8, kRle8, kEndOfRle) << qint64{0}
                                                         << QString() << QSize(1024, 1024);
        QTest::newRow("RLE file declaring 1025 x 1") << Bitmap(1025, 1, 8, kRle8, kEndOfRle) << qint64{0} << kInvalid
                                                      << QSize();
        QTest::newRow("1-bit 4096 x 4096") << Bitmap(4096, 4096, 1, 0, QByteArray(512 * 4096, '\0')) << qint64{0}
                                           << kInvalid << QSize();
        QTest::newRow("32-bit 1024 x 1024, the largest allowed") << allowed << qint64{0} << QString()
                                                                 << QSize(1024, 1024);
        const QByteArray largestFile = allowed + QByteArray(kMaxBitmapFileSize - allowed.size(), '\0');
        QTest::newRow("largest file allowed") << largestFile << qint64{0} << QString() << QSize(1024, 1024);
        QTest::newRow("a byte larger") << largestFile + '\0' << qint64{0} << kInvalid << QSize();
        QTest::newRow("large sparse bitmap") << Bitmap(75, 100, 8, 0, QByteArray(76 * 100, '\1'))
                                             << qint64{250} * 1024 * 1024 << kInvalid << QSize();
        QTest::newRow("large sparse file of zeros") << none << qint64{250} * 1024 * 1024 << kInvalid << QSize();
        QTest::newRow("truncated in the pixels") << allowed.left(3 * 1024 * 1024) << qint64{0} << kInvalid << QSize();
        QTest::newRow("truncated in the colour table") << Bitmap(4, 4, 8, 0, QByteArray(16, '\0')).left(300)
                                                       << qint64{0} << kInvalid << QSize();
        QTest::newRow("truncated in the header") << allowed.left(25) << qint64{0} << "Stream read error" << QSize();
    }
    // clang-format on
    void hostileBitmapsAreRefusedOrStayWithinBudget() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QFETCH(QString, message);
        QFETCH(QSize, size);
        const QString path = "images/hostile.bmp";
        WriteFile(path, content);
        if (sparseSize > 0) QVERIFY(QFile::resize(path, sparseSize));

        PictureBox box;
        box.setTransparent(true);
        std::optional<QString> failure;
        const std::optional<qint64> growth = PeakGrowthDuring([&] { failure = LoadPicture(box, path); });
        QCOMPARE(failure.value_or(QString()), message);
        QCOMPARE(box.picture().size(), size.isValid() ? size : QSize(0, 0));
        constexpr qint64 kBudget = 20 * 1024 * 1024;
        if (growth) QVERIFY2(*growth <= kBudget, qPrintable(QString::number(*growth) + " bytes"));
        if (sparseSize == 0) QCOMPARE(DecodeBitmap(content).failure.value_or(QString()), message);
        QFile::remove(path);
    }

    // Only regular files are read; anything else is a file that cannot be
    // opened, with the system's reason, and never makes the load wait.
    // clang-format off
    void onlyRegularFilesAreRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("errorNumber");  // 0 when the picture loads
        QVERIFY(QFile::link("good.bmp", "images/link.bmp"));
        QVERIFY(QFile::link("loop2.bmp", "images/loop1.bmp") && QFile::link("loop1.bmp", "images/loop2.bmp"));
        QVERIFY(QFile::link("gone.bmp", "images/dangling.bmp"));
        QCOMPARE(::mkfifo("images/pipe.bmp", 0600), 0);
        QTest::newRow("link to a bitmap") << "images/link.bmp" << 0;
        QTest::newRow("symbolic link loop") << "images/loop1.bmp" << ELOOP;
        QTest::newRow("dangling link") << "images/dangling.bmp" << ENOENT;
        QTest::newRow("pipe without a writer") << "images/pipe.bmp" << EINVAL;
        QTest::newRow("folder on the way") << "images/good.bmp/x.bmp" << ENOTDIR;
    }
    // clang-format on
    void onlyRegularFilesAreRead() {
        QFETCH(QString, path);
        QFETCH(int, errorNumber);
        PictureBox box;
        const std::optional<QString> failure = LoadPicture(box, path);
        if (errorNumber == 0) {
            QCOMPARE(failure, std::nullopt);
            QCOMPARE(box.picture().size(), QSize(6, 4));
            return;
        }
        QCOMPARE(failure.value_or(QString()),
                 QString("Cannot open file \"%1/%2\". %3")
                     .arg(workDir_.path(), path, QString::fromLocal8Bit(std::strerror(errorNumber))));
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
