// Windows file calls for reading picture files, with the messages the POSIX
// calls give.
#include "gui/pictures/picture_file.h"

#include <algorithm>
#include <string>

#include <windows.h>

#include <QDir>

namespace trivelon::gui {

namespace {

// The system's text for an error code, without the trailing blanks, line
// breaks and full stops that would clash with the message.
QString SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString reason = text ? QString::fromWCharArray(text) : QString::number(error);
    LocalFree(text);
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == u'.')) reason.chop(1);
    return reason;
}

QString CannotOpen(const QString& relativePath, DWORD error) {
    return QStringLiteral("Cannot open file \"%1\". %2")
        .arg(QDir::currentPath() + u'/' + relativePath, SystemReason(error));
}

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The file's full path in the form that has no 260-character limit: "\\?\"
// before the absolute path (or "\\?\UNC\" before a network share's), with
// backslashes only and no "." or ".." parts, since that form is taken as is.
std::wstring UnlimitedPathOf(const QString& relativePath) {
    const QString full = QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(relativePath)));
    if (full.startsWith(QStringLiteral("\\\\"))) return (QStringLiteral("\\\\?\\UNC\\") + full.mid(2)).toStdWString();
    return (QStringLiteral("\\\\?\\") + full).toStdWString();
}

}  // namespace

// Other readers may open the file too, writers may not while it is read. A
// folder cannot be opened this way ("Access is denied"); a pipe, a console or
// another device is refused once open.
PictureFile::PictureFile(const QString& relativePath) {
    const HANDLE file = CreateFileW(UnlimitedPathOf(relativePath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        openFailure_ = CannotOpen(relativePath, GetLastError());
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        openFailure_ = CannotOpen(relativePath, ERROR_INVALID_PARAMETER);
    } else if (!GetFileSizeEx(file, &size)) {
        openFailure_ = CannotOpen(relativePath, GetLastError());
    } else {
        size_ = size.QuadPart;
    }
}

PictureFile::~PictureFile() {
    if (handle_ != -1) CloseHandle(HandleOf(handle_));
}

bool PictureFile::append(QByteArray& bytes, qint64 count) {
    if (openFailure_ || count < 0) return false;
    qsizetype done = bytes.size();
    bytes.resize(done + static_cast<qsizetype>(count));
    while (done < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        DWORD got = 0;
        if (!ReadFile(HandleOf(handle_), bytes.data() + done, wanted, &got, nullptr) || got == 0) return false;
        done += got;
    }
    return true;
}

}  // namespace trivelon::gui
