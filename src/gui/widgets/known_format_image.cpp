#include "gui/widgets/known_format_image.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace trivelon::gui {

QImage DecodeKnownFormat(QIODevice& device, const char* format) {
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage BuiltInPicture(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeKnownFormat(file, QFileInfo(resource).suffix().toLatin1().constData());
}

}  // namespace trivelon::gui
