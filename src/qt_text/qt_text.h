#pragma once
// The core keeps its texts as UTF-8 std::string; the windows and the command
// line hold them as QString. These two convert between them.
#include <string>
#include <string_view>

#include <QLocale>
#include <QString>

namespace trivelon {

inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string CoreText(const QString& text) { return text.toStdString(); }

// The user's own separator of digit groups, as sums are read with it.
inline std::string SystemGroupSeparator() { return CoreText(QLocale::system().groupSeparator()); }

}  // namespace trivelon
