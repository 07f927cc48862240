#include "gui/pictures/picture_loader.h"

#include <algorithm>

#include "gui/pictures/bitmap_decoder.h"
#include "gui/pictures/picture_file.h"
#include "gui/widgets/picture_box.h"

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

    PictureFile file(relativePath);
    if (file.openFailure()) return file.openFailure();
    // The header first: a file that is no bitmap, or is larger than any
    // bitmap allowed, is refused before its body is read.
    QByteArray bytes;
    if (!file.append(bytes, std::min(file.size(), kBitmapHeaderBytes))) return kStreamReadError;
    if (auto failure = CheckBitmapHeader(bytes, file.size())) return failure;
    if (!file.append(bytes, file.size() - bytes.size())) return kStreamReadError;

    const DecodedBitmap decoded = DecodeBitmap(bytes);
    if (decoded.failure) return decoded.failure;
    box.setPictureFromFile(decoded.picture, relativePath);
    return std::nullopt;
}

}  // namespace trivelon::gui
