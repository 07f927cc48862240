// POSIX file calls for reading picture files.
#include "gui/pictures/picture_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace trivelon::gui {

namespace {

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

}  // namespace

// Opening without blocking keeps a pipe without a writer from stopping the
// program; such a file is refused right after.
PictureFile::PictureFile(const QString& relativePath)
    : handle_(::open(QFile::encodeName(relativePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
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

bool PictureFile::append(QByteArray& bytes, qint64 count) {
    if (openFailure_ || count < 0) return false;
    qsizetype done = bytes.size();
    bytes.resize(done + static_cast<qsizetype>(count));
    while (done < bytes.size()) {
        const ssize_t got =
            ::read(static_cast<int>(handle_), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += got;
    }
    return true;
}

}  // namespace trivelon::gui
