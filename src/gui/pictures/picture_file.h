#pragma once
// A picture file opened for reading by a path relative to the working
// directory, read in parts so that its header can be checked before its body
// is read. The only place that calls the operating system's file functions:
// picture_file_posix.cpp on Linux and macOS, picture_file_windows.cpp on
// Windows, with the same messages.
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

namespace trivelon::gui {

class PictureFile {
public:
    explicit PictureFile(const QString& relativePath);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // "Cannot open file "<full path>". <reason>" when the file cannot be
    // opened or is no regular file (a folder, a pipe, a device); empty when
    // it is open.
    const std::optional<QString>& openFailure() const { return openFailure_; }
    // The file's size when it was opened.
    qint64 size() const { return size_; }
    // Appends the file's next `count` bytes; false when the file ends sooner
    // or cannot be read.
    bool append(QByteArray& bytes, qint64 count);

private:
    // The file descriptor, or the Windows file handle; -1 when not open.
    std::intptr_t handle_ = -1;
    qint64 size_ = 0;
    std::optional<QString> openFailure_;
};

}  // namespace trivelon::gui
