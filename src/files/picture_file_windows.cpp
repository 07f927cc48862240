// Windows file calls for reading picture files, with the messages the POSIX
// calls give.
#include "files/picture_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include <windows.h>

namespace trivelon {

namespace {

std::wstring Utf16Of(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8Of(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The system's text for an error code, without the trailing blanks, line
// breaks and full stops that would clash with the message.
std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string reason = text ? Utf8Of(text) : std::to_string(error);
    LocalFree(text);
    while (!reason.empty() && (std::isspace(static_cast<unsigned char>(reason.back())) || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

// The full path in Windows' own form, with '\\' between its parts, as a
// player reads paths in Explorer and in the address bar.
std::string NativeFullPath(std::string_view relativePath) {
    std::error_code error;
    std::string path = Utf8Of(std::filesystem::current_path(error).native()) + '\\' + std::string(relativePath);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string CannotOpen(std::string_view relativePath, DWORD error) {
    return "Cannot open file \"" + NativeFullPath(relativePath) + "\". " + SystemReason(error);
}

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The file's full path in the form that has no 260-character limit: "\\?\"
// before the absolute path (or "\\?\UNC\" before a network share's), with
// backslashes only and no "." or ".." parts, since that form is taken as is.
std::wstring UnlimitedPathOf(std::string_view relativePath) {
    std::error_code error;
    const std::wstring full =
        (std::filesystem::current_path(error) / Utf16Of(relativePath)).lexically_normal().make_preferred().native();
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace

// Other readers may open the file too, writers may not while it is read. A
// folder cannot be opened this way ("Access is denied"); a pipe, a console or
// another device is refused once open.
PictureFile::PictureFile(std::string_view relativePath) {
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

bool PictureFile::read(std::span<char> into) {
    if (openFailure_) return false;
    while (!into.empty()) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(into.size(), std::size_t{1} << 30));
        DWORD got = 0;
        if (!ReadFile(HandleOf(handle_), into.data(), wanted, &got, nullptr) || got == 0) return false;
        into = into.subspan(got);
    }
    return true;
}

}  // namespace trivelon
