#pragma once
// The language a person reads the program in: Russian, the language its
// texts are written in, or English from the translation built into the
// program. Qt Core only, so that the windows and the command line choose it
// the same way.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace trivelon {

enum class Language { Russian, English };

// The language of a code as the options and the settings write it: "ru" or
// "en", whatever the case; none for any other text.
std::optional<Language> LanguageNamed(QStringView code);
QString LanguageCode(Language language);

// The system's: Russian for a Russian locale, English for any other.
Language SystemLanguage();

// The language UseLanguage last chose; Russian before it.
Language LanguageInUse();

// Shows the application's texts in the language from now on: installs the
// translation of that language, or removes the one installed for Russian.
// Needs the application object.
void UseLanguage(Language language);

// The one of the names (texts marked TRIVELON_TEXT(context, …)) that the
// typed text is, in Russian or in English, whatever the case: "No element" and
// "без элемента" are both «Без элемента»; the typed text itself where it is
// none of them.
std::string SourceName(const char* context, std::span<const std::string_view> names, const QString& typed);

}  // namespace trivelon
