#pragma once
// The core keeps its texts as UTF-8; the windows show them as QString.
#include <string_view>

#include <QString>

namespace trivelon::gui {

inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace trivelon::gui
