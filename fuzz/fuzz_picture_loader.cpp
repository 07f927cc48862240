// The picture loader over arbitrary file bytes, written as images/f.bmp in a
// working directory of its own. A load either puts a picture of sane size in
// the box or fails with one of the bitmap messages and keeps the box's
// previous picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "check.h"
#include "gui/picture_loader.h"
#include "gui/widgets/picture_box.h"

using trivelon::fuzz::Require;

namespace {

const QString kPath = QStringLiteral("images/f.bmp");

QImage Marker() {
    QImage marker(1, 1, QImage::Format_RGB32);
    marker.fill(Qt::red);
    return marker;
}

}  // namespace

// The application that widgets need and a working directory with "images",
// made once for the whole run. The working directory changes, so corpus
// folders and the artifact prefix must be given as absolute paths.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's decoder warns about every broken file; those lines would bury
    // the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz_picture_loader";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    static QTemporaryDir workDir;
    Require(workDir.isValid() && QDir::setCurrent(workDir.path()) && QDir().mkpath("images"),
            "the working directory for the pictures exists");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(kPath);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the picture file can be written");
    Require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size),
            "the picture file is written whole");
    file.close();

    // A transparent box also runs the masking of the new picture.
    trivelon::gui::PictureBox box;
    box.setTransparent(true);
    const QImage marker = Marker();
    box.setPicture(marker);

    const std::optional<QString> failure = trivelon::gui::LoadPicture(box, kPath);
    if (failure) {
        Require(*failure == "Bitmap image is not valid" || *failure == "Stream read error",
                "a bad file gives a bitmap message");
        Require(size > 0, "an empty file loads");
        Require(size >= 14 || *failure == "Stream read error", "a file shorter than its header cannot be read");
        Require(box.picture() == marker && box.picturePath().isEmpty(), "a failed load keeps the previous picture");
        return 0;
    }
    Require(size == 0 || size >= 14, "a file shorter than its header does not load");
    Require(box.picturePath() == kPath, "a load records its file");
    Require(box.picture().isNull() == (size == 0), "only the empty file gives an empty picture");
    Require(box.picture().width() <= 16384 && box.picture().height() <= 16384, "a loaded picture has a sane size");
    return 0;
}
