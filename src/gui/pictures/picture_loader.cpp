#include "gui/pictures/picture_loader.h"

#include <algorithm>
#include <span>

#include "files/picture_file.h"
#include "gui/pictures/bitmap_decoder.h"
#include "gui/widgets/picture_box.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

QString ExtensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/')) return QString();
    return path.mid(dot + 1);
}

}  // namespace

std::optional<QString> LoadPicture(PictureBox& box, const QString& relativePath) {
    const QString extension = ExtensionOf(relativePath);
    if (extension.compare(u"bmp", Qt::CaseInsensitive) != 0) {
        return QStringLiteral("Unknown picture file extension (.%1)").arg(extension);
    }

    PictureFile file(CoreText(relativePath));
    if (file.openFailure()) return QtText(*file.openFailure());
    // The header first: a file that is no bitmap, or is larger than any
    // bitmap allowed, is refused before its body is read.
    QByteArray bytes(static_cast<qsizetype>(std::min<std::int64_t>(file.size(), kBitmapHeaderBytes)),
                     Qt::Uninitialized);
    if (!file.read(bytes)) return kStreamReadError;
    if (auto failure = CheckBitmapHeader(bytes, file.size())) return failure;
    const qsizetype headerBytes = bytes.size();
    bytes.resize(static_cast<qsizetype>(file.size()));
    if (!file.read(std::span(bytes).subspan(static_cast<std::size_t>(headerBytes)))) return kStreamReadError;

    const DecodedBitmap decoded = DecodeBitmap(bytes);
    if (decoded.failure) return decoded.failure;
    box.setPictureFromFile(decoded.picture, relativePath);
    return std::nullopt;
}

}  // namespace trivelon::gui
