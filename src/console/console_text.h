#pragma once
// Text for standard output and standard error, given in UTF-8. On Windows a
// stream that is a console gets the text as UTF-16 characters
// (WriteConsoleW), which the console shows right whatever its code page;
// into a pipe or a file, and on every other system, the UTF-8 bytes go
// unchanged. Plain C++, so that its Windows side is tested under Wine without
// a Windows build of the toolkit.
#include <string_view>

namespace trivelon::console {

enum class Stream { Output, Error };

// Writes the whole text and flushes it; false when it could not be written
// whole.
bool Write(Stream stream, std::string_view utf8);

}  // namespace trivelon::console
