#pragma once
// Decoding pictures whose format is known in advance. Qt's default reader
// asks every installed image plugin whether it recognises the data, loading
// each plugin on first use; naming the format skips that probe.
#include <QImage>
#include <QString>

class QIODevice;

namespace trivelon::gui {

// The picture in the data, decoded as the given format only ("BMP", "GIF");
// a null image when the data is not a valid picture of that format.
QImage DecodeKnownFormat(QIODevice& device, const char* format);

// A picture compiled into the program (":/pictures/..."), decoded as the
// format its file suffix names; a null image when it is missing.
QImage BuiltInPicture(const QString& resource);

}  // namespace trivelon::gui
