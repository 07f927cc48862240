// The standard streams take the UTF-8 bytes as they are.
#include <cstdio>

#include "console/console_text.h"

namespace trivelon::console {

bool Write(Stream stream, std::string_view utf8) {
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    return std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && std::fflush(file) == 0;
}

}  // namespace trivelon::console
