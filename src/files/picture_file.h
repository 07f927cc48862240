#pragma once
// A picture file opened for reading by a path relative to the working
// directory, read in parts so that its header can be checked before its body
// is read. The only place that calls the operating system's file functions:
// picture_file_posix.cpp on Linux and macOS, picture_file_windows.cpp on
// Windows, with the same messages. Plain C++, so that its Windows side is
// tested under Wine without a Windows build of the toolkit.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace trivelon {

class PictureFile {
public:
    // The path in UTF-8 with '/' between its parts ("images/bs0.bmp").
    explicit PictureFile(std::string_view relativePath);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // "Cannot open file "<full path>". <reason>" in UTF-8, the full path in
    // the system's own form ('\\' between its parts on Windows, '/'
    // elsewhere), when the file cannot be opened or is no regular
    // file (a folder, a pipe, a device); empty when it is open.
    const std::optional<std::string>& openFailure() const { return openFailure_; }
    // The file's size when it was opened.
    std::int64_t size() const { return size_; }
    // Fills the buffer with the file's next bytes; false when the file ends
    // sooner or cannot be read.
    bool read(std::span<char> into);

private:
    // The file descriptor, or the Windows file handle; -1 when not open.
    std::intptr_t handle_ = -1;
    std::int64_t size_ = 0;
    std::optional<std::string> openFailure_;
};

}  // namespace trivelon
