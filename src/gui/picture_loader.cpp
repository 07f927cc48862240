#include "gui/picture_loader.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>

#include "gui/known_format_image.h"
#include "gui/widgets/picture_box.h"

namespace trivelon::gui {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSizeOffset = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
// A picture whose header claims more is rejected before decoding: no
// picture box shows more than a fraction of it, and a tiny hostile file
// must not make the decoder allocate hundreds of megabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 4096 * 4096;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
// No acceptable bitmap is larger; bigger files are not read into memory.
constexpr std::int64_t kMaxFileSize = 256 * 1024 * 1024;

const QString kStreamReadError = QStringLiteral("Stream read error");
const QString kInvalidBitmap = QStringLiteral("Bitmap image is not valid");

QString ExtensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/')) return QString();
    return path.mid(dot + 1);
}

// The operating system's text for an error number, without the trailing
// blanks, line breaks and full stops that would clash with the message.
QString SystemReason(int errorNumber) {
    QString reason = QString::fromLocal8Bit(std::strerror(errorNumber));
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == u'.')) reason.chop(1);
    return reason;
}

QString CannotOpen(const QString& relativePath, int errorNumber) {
    return QStringLiteral("Cannot open file \"%1\". %2")
        .arg(QDir::currentPath() + u'/' + relativePath, SystemReason(errorNumber));
}

// Closes the descriptor when the read ends, whichever way it ends.
class OpenFile {
public:
    explicit OpenFile(const QString& path)
        : descriptor_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

struct ReadOutcome {
    QByteArray bytes;
    std::optional<QString> failure;
};

// The whole content of a regular file.
ReadOutcome ReadWholeFile(const QString& relativePath) {
    OpenFile file(relativePath);
    if (file.descriptor() < 0) return {{}, CannotOpen(relativePath, errno)};
    struct stat status {};
    if (::fstat(file.descriptor(), &status) != 0) return {{}, CannotOpen(relativePath, errno)};
    if (S_ISDIR(status.st_mode)) return {{}, CannotOpen(relativePath, EISDIR)};
    if (!S_ISREG(status.st_mode)) return {{}, CannotOpen(relativePath, EINVAL)};
    if (status.st_size > kMaxFileSize) return {{}, kInvalidBitmap};

    QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.descriptor(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return {{}, kStreamReadError};
        done += got;
    }
    return {bytes, std::nullopt};
}

std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype offset, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

// The header fields that decide whether the file is a bitmap we decode:
// one colour plane and dimensions of a sane size.
std::optional<QString> CheckBitmapHeader(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderSize) return kStreamReadError;
    if (bytes[0] != 'B' || bytes[1] != 'M') return kInvalidBitmap;
    if (bytes.size() < kInfoHeaderSizeOffset + 4) return kStreamReadError;
    const bool core = LittleEndian(bytes, kInfoHeaderSizeOffset, 4) == kCoreHeaderSize;
    // Width, height and planes: 16-bit fields in the old core header,
    // 32-bit dimensions before a 16-bit plane count otherwise.
    const int dimensionWidth = core ? 2 : 4;
    const qsizetype planesOffset = 18 + 2 * dimensionWidth;
    if (bytes.size() < planesOffset + 4) return kStreamReadError;
    if (LittleEndian(bytes, planesOffset, 2) != 1) return kInvalidBitmap;

    std::int64_t width = LittleEndian(bytes, 18, dimensionWidth);
    std::int64_t height = LittleEndian(bytes, 18 + dimensionWidth, dimensionWidth);
    if (!core) {
        width = static_cast<std::int32_t>(width);
        height = static_cast<std::int32_t>(height);  // negative for top-down rows
    }
    if (width > kMaxSide || height > kMaxSide || -height > kMaxSide || width < 0) return kInvalidBitmap;
    const std::int64_t rows = height < 0 ? -height : height;
    if (width * rows > kMaxPixels) return kInvalidBitmap;

    // Uncompressed rows must all be in the file.
    const std::uint32_t bitsPerPixel = LittleEndian(bytes, planesOffset + 2, 2);
    const std::uint32_t compression = core || bytes.size() < planesOffset + 8 ? kUncompressed
                                                                              : LittleEndian(bytes, planesOffset + 4, 4);
    if (compression == kUncompressed || compression == kBitFields) {
        const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        const std::int64_t pixelOffset = LittleEndian(bytes, 10, 4);
        if (pixelOffset + rowBytes * rows > bytes.size()) return kInvalidBitmap;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> LoadPicture(PictureBox& box, const QString& relativePath) {
    const QString extension = ExtensionOf(relativePath);
    if (extension.compare(u"bmp", Qt::CaseInsensitive) != 0) {
        return QStringLiteral("Unknown picture file extension (.%1)").arg(extension);
    }

    ReadOutcome read = ReadWholeFile(relativePath);
    if (read.failure) return read.failure;
    if (read.bytes.isEmpty()) {
        box.setPictureFromFile(QImage(), relativePath);
        return std::nullopt;
    }
    if (auto failure = CheckBitmapHeader(read.bytes)) return failure;

    QBuffer data(&read.bytes);
    data.open(QIODevice::ReadOnly);
    const QImage picture = DecodeKnownFormat(data, "BMP");
    if (picture.isNull()) return kInvalidBitmap;
    box.setPictureFromFile(picture, relativePath);
    return std::nullopt;
}

}  // namespace trivelon::gui
