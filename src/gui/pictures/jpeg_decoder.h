#pragma once
// Decodes an in-memory baseline JPEG with libjpeg.
#include <QByteArray>
#include <QImage>

namespace trivelon::gui {

// An RGB image, or an empty image when the data is not a decodable JPEG.
QImage DecodeJpeg(const QByteArray& data);

}  // namespace trivelon::gui
