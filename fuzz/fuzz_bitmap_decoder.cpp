// Bitmap decoding over arbitrary file bytes, in memory. A decoding either
// gives a picture of an allowed size or fails with one of the bitmap
// messages; checking only the start of the file, as the picture loader does
// before it reads the rest, refuses no less than decoding the whole; and a
// transparent box draws an indexed picture made see-through in its colour
// table exactly as it would draw it cleared pixel by pixel.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QImage>

#include "check.h"
#include "gui/pictures/bitmap_decoder.h"
#include "gui/widgets/see_through.h"

using trivelon::fuzz::Require;
namespace gui = trivelon::gui;

namespace {

// What a picture box draws from the picture (a raster pixmap's format).
QImage Drawn(const QImage& picture) { return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt's decoder warns about every broken file; those lines would bury
    // the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const gui::DecodedBitmap decoded = gui::DecodeBitmap(bytes);
    const auto startFailure =
        gui::CheckBitmapHeader(bytes.left(std::min<qsizetype>(bytes.size(), gui::kBitmapHeaderBytes)), bytes.size());
    if (startFailure)
        Require(decoded.failure == startFailure, "a file refused by its start is refused with the same message");

    if (decoded.failure) {
        Require(*decoded.failure == gui::kInvalidBitmap || *decoded.failure == gui::kStreamReadError,
                "a bad file gives a bitmap message");
        Require(size >= 14 || *decoded.failure == gui::kStreamReadError,
                "a file shorter than its header cannot be read");
        Require(size > 0, "an empty file decodes");
        return 0;
    }
    Require(size == 0 || size >= 14, "a file shorter than its header does not decode");
    Require(decoded.picture.isNull() == (size == 0), "only the empty file gives an empty picture");
    Require(decoded.picture.width() <= gui::kMaxBitmapSide && decoded.picture.height() <= gui::kMaxBitmapSide,
            "a decoded picture has an allowed size");
    if (size == 0) return 0;
    Require(Drawn(gui::WithBottomLeftColourClear(decoded.picture)) ==
                Drawn(gui::WithBottomLeftColourClearPixelByPixel(decoded.picture)),
            "the see-through colour is drawn alike either way");
    return 0;
}
