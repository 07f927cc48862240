#pragma once
// Decoding the bytes of a bitmap file in memory, with the messages the user
// sees for a file that is no usable bitmap. The header is checked before Qt's
// decoder sees the data, and no bitmap larger than a picture box can use is
// decoded, so that a small hostile file cannot take much memory.
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace trivelon::gui {

extern const QString kStreamReadError;
extern const QString kInvalidBitmap;

// No picture box shows more than 125 x 125 pixels; a bitmap may declare up to
// 1024 x 1024, whatever its compression.
inline constexpr int kMaxBitmapSide = 1024;
// The start of a file that CheckBitmapHeader reads: the file header and the
// fields of the bitmap header up to the compression.
inline constexpr qint64 kBitmapHeaderBytes = 54;
// The largest file such a bitmap can be: the file header, the longest bitmap
// header with its colour masks, a full colour table and 32-bit pixels.
inline constexpr qint64 kMaxBitmapFileSize = 14 + 124 + 16 + 256 * 4 + qint64{kMaxBitmapSide} * kMaxBitmapSide * 4;

// Checks the start of a file of the given size (at least its first
// kBitmapHeaderBytes bytes, or the whole of a shorter file): an empty file
// is an empty picture; a file shorter than its headers is "Stream read
// error"; one that is no bitmap, has more than one colour plane, declares a
// picture larger than kMaxBitmapSide or lacks its uncompressed rows, or is
// larger than kMaxBitmapFileSize, is "Bitmap image is not valid".
std::optional<QString> CheckBitmapHeader(const QByteArray& start, qint64 fileSize);

struct DecodedBitmap {
    QImage picture;  // null for an empty file
    std::optional<QString> failure;
};

// The picture in a whole bitmap file's bytes, or the failure's message.
DecodedBitmap DecodeBitmap(const QByteArray& bytes);

}  // namespace trivelon::gui
