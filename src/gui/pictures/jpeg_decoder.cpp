#include "gui/pictures/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace trivelon::gui {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to
// the decoder so that a broken picture only gives an empty image.
struct ReturningErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
};

[[noreturn]] void JumpBackOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ReturningErrorManager*>(info->err);
    std::longjmp(manager->jumpBack, 1);
}

void IgnoreMessage(j_common_ptr) {}

// The built-in picture is a small tile; anything far larger is refused
// before memory is set aside for it.
constexpr JDIMENSION kMaxSide = 4096;

// Kept free of C++ objects with destructors: longjmp skips them.
bool DecodeInto(const QByteArray& data, QImage* image) {
    jpeg_decompress_struct info{};
    ReturningErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBackOnError;
    errors.base.output_message = IgnoreMessage;
    if (setjmp(errors.jumpBack)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image->isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // Corrupt data only gives warnings and grey filler; a built-in picture
    // must decode cleanly or not at all.
    const bool clean = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return clean;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};
    QImage image;
    if (!DecodeInto(data, &image)) return {};
    return image;
}

}  // namespace trivelon::gui
