// A console gets UTF-16 characters through WriteConsoleW: the C runtime would
// pass the UTF-8 bytes on to be read in the console's code page (866 or
// 1251 on a Russian Windows), which garbles every letter beyond ASCII. A pipe
// or a file gets the UTF-8 bytes through the C runtime, as on other systems.
// A handle counts as a console only if it is a character device that answers
// as a console, and text a console refuses whole goes out as bytes instead,
// so that no output is lost to a handle that only claims to be a console.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "console/console_text.h"

namespace trivelon::console {
namespace {

// The text in UTF-16; a byte that is not UTF-8 becomes U+FFFD.
std::wstring Utf16Of(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) == FILE_TYPE_CHAR &&
           GetConsoleMode(handle, &mode);
}

// The characters the console took, counted in UTF-16 units.
std::size_t WriteConsoleText(HANDLE console, const std::wstring& wide) {
    std::size_t written = 0;
    while (written < wide.size()) {
        // A console takes a limited amount per call.
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(wide.size() - written, 8192));
        DWORD done = 0;
        if (!WriteConsoleW(console, wide.data() + written, part, &done, nullptr) || done == 0) break;
        written += done;
    }
    return written;
}

}  // namespace

bool Write(Stream stream, std::string_view utf8) {
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    const HANDLE handle = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (IsConsole(handle)) {
        // What the C runtime still holds goes first, in its order.
        std::fflush(file);
        const std::wstring wide = Utf16Of(utf8);
        if (utf8.empty() || wide.empty()) return utf8.empty();
        const std::size_t written = WriteConsoleText(handle, wide);
        if (written != 0) return written == wide.size();
    }
    return std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && std::fflush(file) == 0;
}

}  // namespace trivelon::console
