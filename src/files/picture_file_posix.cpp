// POSIX file calls for reading picture files.
#include "files/picture_file.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trivelon {

namespace {

// The operating system's text for an error number, without the trailing
// blanks, line breaks and full stops that would clash with the message.
std::string SystemReason(int errorNumber) {
    std::string reason = std::strerror(errorNumber);
    while (!reason.empty() && (std::isspace(static_cast<unsigned char>(reason.back())) || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

std::string CannotOpen(std::string_view relativePath, int errorNumber) {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    return "Cannot open file \"" + folder + '/' + std::string(relativePath) + "\". " + SystemReason(errorNumber);
}

}  // namespace

// Opening without blocking keeps a pipe without a writer from stopping the
// program; such a file is refused right after.
PictureFile::PictureFile(std::string_view relativePath)
    : handle_(::open(std::string(relativePath).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    struct stat status {};
    if (handle_ < 0 || ::fstat(static_cast<int>(handle_), &status) != 0) {
        openFailure_ = CannotOpen(relativePath, errno);
    } else if (S_ISDIR(status.st_mode)) {
        openFailure_ = CannotOpen(relativePath, EISDIR);
    } else if (!S_ISREG(status.st_mode)) {
        openFailure_ = CannotOpen(relativePath, EINVAL);
    } else {
        size_ = status.st_size;
    }
}

PictureFile::~PictureFile() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

bool PictureFile::read(std::span<char> into) {
    if (openFailure_) return false;
    while (!into.empty()) {
        const ssize_t got = ::read(static_cast<int>(handle_), into.data(), into.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        into = into.subspan(static_cast<std::size_t>(got));
    }
    return true;
}

}  // namespace trivelon
