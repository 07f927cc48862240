#pragma once
// The rules file: a server's rules (refine classes, forge rate weights,
// anvils, prices) as a TOML file a player writes or edits, read into a Rules
// value and written back from one. Plain C++, no Qt; the TOML reader is
// toml++, used only inside rules_file.cpp.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/result.h"
#include "core/rules.h"

namespace trivelon {

// The largest rules file read, in bytes (1 MiB).
inline constexpr std::size_t kLargestRulesFile = 1'048'576;

// Reads the text of a rules file; fileName (e.g. "rules.toml", the file's name
// without folders) starts every message. A file that cannot be used gives one
// message with its line, column and key, in Russian as the source text reads:
// "rules.toml, строка 12, столбец 11: chances — ожидается …".
Result<Rules> ReadRules(std::string_view text, std::string_view fileName);

// Reads a rules file from disk: refuses a path that is a folder, is missing or
// unreadable, or a file over kLargestRulesFile bytes, with a message naming
// the file.
Result<Rules> LoadRulesFile(const std::filesystem::path& path);

// The rules as a complete TOML file, with a comment for every key, that
// ReadRules reads back equal; the comments in Russian, or as `say` gives
// each (a text marked TRIVELON_TEXT("RulesFile", …)) in another language.
using InLanguage = std::function<std::string(const char* text)>;
std::string RulesText(const Rules& rules);
std::string RulesText(const Rules& rules, const InLanguage& say);

}  // namespace trivelon
