#include "gui/pictures/bitmap_decoder.h"

#include <cstdint>

#include <QBuffer>
#include <QImageReader>

#include "gui/widgets/known_format_image.h"

namespace trivelon::gui {

const QString kStreamReadError = QStringLiteral("Stream read error");
const QString kInvalidBitmap = QStringLiteral("Bitmap image is not valid");

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSizeOffset = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
// Qt's limit on one decoded picture, in whole mebibytes: the largest bitmap
// allowed, at 4 bytes a pixel.
constexpr int kDecodeLimitMiB = static_cast<int>((qint64{kMaxBitmapSide} * kMaxBitmapSide * 4 + (1 << 20) - 1) >> 20);

std::uint32_t LittleEndian(const QByteArray& bytes, qint64 offset, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

}  // namespace

std::optional<QString> CheckBitmapHeader(const QByteArray& start, qint64 fileSize) {
    if (fileSize == 0) return std::nullopt;
    if (fileSize < kFileHeaderSize) return kStreamReadError;
    if (start[0] != 'B' || start[1] != 'M') return kInvalidBitmap;
    if (fileSize > kMaxBitmapFileSize) return kInvalidBitmap;
    if (start.size() < kInfoHeaderSizeOffset + 4) return kStreamReadError;
    const bool core = LittleEndian(start, kInfoHeaderSizeOffset, 4) == kCoreHeaderSize;
    // Width, height and planes: 16-bit fields in the old core header,
    // 32-bit dimensions before a 16-bit plane count otherwise.
    const int dimensionWidth = core ? 2 : 4;
    const qint64 planesOffset = 18 + 2 * dimensionWidth;
    if (start.size() < planesOffset + 4) return kStreamReadError;
    if (LittleEndian(start, planesOffset, 2) != 1) return kInvalidBitmap;

    std::int64_t width = LittleEndian(start, 18, dimensionWidth);
    std::int64_t height = LittleEndian(start, 18 + dimensionWidth, dimensionWidth);
    if (!core) {
        width = static_cast<std::int32_t>(width);
        height = static_cast<std::int32_t>(height);  // negative for top-down rows
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (width < 0 || width > kMaxBitmapSide || rows > kMaxBitmapSide) return kInvalidBitmap;

    // Uncompressed rows must all be in the file.
    const std::uint32_t bitsPerPixel = LittleEndian(start, planesOffset + 2, 2);
    const std::uint32_t compression =
        core || start.size() < planesOffset + 8 ? kUncompressed : LittleEndian(start, planesOffset + 4, 4);
    if (compression == kUncompressed || compression == kBitFields) {
        const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        const std::int64_t pixelOffset = LittleEndian(start, 10, 4);
        if (pixelOffset + rowBytes * rows > fileSize) return kInvalidBitmap;
    }
    return std::nullopt;
}

DecodedBitmap DecodeBitmap(const QByteArray& bytes) {
    if (auto failure = CheckBitmapHeader(bytes, bytes.size())) return {QImage(), failure};
    if (bytes.isEmpty()) return {};
    // Qt's limit is the whole process's; no picture the program decodes
    // comes near it.
    QImageReader::setAllocationLimit(kDecodeLimitMiB);
    QBuffer data;
    data.setData(bytes);
    data.open(QIODevice::ReadOnly);
    QImage picture = DecodeKnownFormat(data, "BMP");
    if (picture.isNull()) return {QImage(), kInvalidBitmap};
    return {picture, std::nullopt};
}

}  // namespace trivelon::gui
