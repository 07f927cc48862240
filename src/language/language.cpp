#include "language.h"

#include <memory>
#include <string>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace trivelon {

std::optional<Language> LanguageNamed(QStringView code) {
    if (code.compare(u"ru", Qt::CaseInsensitive) == 0) return Language::Russian;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0) return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

Language SystemLanguage() {
    return QLocale::system().language() == QLocale::Russian ? Language::Russian : Language::English;
}

namespace {
Language inUse = Language::Russian;
}  // namespace

Language LanguageInUse() { return inUse; }

void UseLanguage(Language language) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    inUse = Language::Russian;
    if (language == Language::Russian) return;
    auto translator = std::make_unique<QTranslator>();
    // Built in from translations/trivelon_en.ts; a build always has it.
    if (translator->load(QStringLiteral(":/i18n/trivelon_en.qm")) &&
        QCoreApplication::installTranslator(translator.get())) {
        installed = std::move(translator);
        inUse = language;
    }
}

std::string SourceName(const char* context, std::span<const std::string_view> names, const QString& typed) {
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral(":/i18n/trivelon_en.qm"));
    for (std::string_view name : names) {
        std::string source(name);
        const QString russian = QString::fromStdString(source);
        const QString inEnglish = loaded ? english.translate(context, source.c_str()) : QString();
        if (typed.compare(russian, Qt::CaseInsensitive) == 0 ||
            (!inEnglish.isEmpty() && typed.compare(inEnglish, Qt::CaseInsensitive) == 0))
            return source;
    }
    return typed.toStdString();
}

}  // namespace trivelon
