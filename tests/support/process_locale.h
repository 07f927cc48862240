#pragma once
// Switching the whole process's locale, C library and C++ alike, as the
// desktop program's start switches it to the user's. Lets tests and fuzz
// targets check that no number depends on it.
#include <locale>
#include <optional>
#include <stdexcept>

namespace trivelon::test_support {

// An installed locale whose decimal separator is a comma, if any.
// Continuous integration makes ru_RU.UTF-8 with localedef.
inline std::optional<std::locale> InstalledCommaLocale() {
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        try {
            std::locale locale(name);
            if (std::use_facet<std::numpunct<char>>(locale).decimal_point() == ',') return locale;
        } catch (const std::runtime_error&) {
            // not installed
        }
    }
    return std::nullopt;
}

// The process runs in the given (named) locale while this lives.
class ProcessLocale {
public:
    explicit ProcessLocale(const std::locale& locale) : previous_(std::locale::global(locale)) {}
    ~ProcessLocale() { std::locale::global(previous_); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

private:
    std::locale previous_;
};

}  // namespace trivelon::test_support
