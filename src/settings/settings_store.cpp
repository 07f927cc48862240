#include "settings/settings_store.h"

#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "qt_text/qt_text.h"

namespace trivelon {
namespace {

// The group of the price book's entries; every other group holds texts.
const QString kPriceBookGroup = QStringLiteral("prices");

// A value of the file as a text, or nothing for anything else a hand or a
// fault put there (a list, a byte array, a long text).
std::optional<QString> ShortText(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    QString text = value.toString();
    if (static_cast<std::size_t>(text.size()) > kLongestRememberedText) return std::nullopt;
    return text;
}

}  // namespace

SettingsStore::SettingsStore(QString path, Tell tell) : path_(std::move(path)), tell_(std::move(tell)) {}

QString SettingsStore::DefaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/trivelon/trivelon.ini");
}

bool SettingsStore::usable() {
    if (path_.isEmpty()) {
        tellOnce(QStringLiteral("there is no folder for the settings file"));
        return false;
    }
    const QFileInfo file(path_);
    if (file.exists() && (!file.isFile() || file.size() > kLargestFile)) {
        tellOnce(QStringLiteral("the settings file %1 is not a settings file this program writes").arg(path_));
        return false;
    }
    return true;
}

SavedTexts SettingsStore::read(PriceBook& book) {
    SavedTexts texts;
    if (!QFileInfo::exists(path_) || !usable()) return texts;
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() == QSettings::AccessError) {
        tellOnce(QStringLiteral("the settings file %1 cannot be read").arg(path_));
        return texts;
    }
    const std::string separator = SystemGroupSeparator();
    for (const QString& key : file.allKeys()) {
        const std::optional<QString> text = ShortText(file.value(key));
        if (!text) continue;
        if (key.startsWith(kPriceBookGroup + u'/'))
            book.restore(CoreText(key.mid(kPriceBookGroup.size() + 1)), CoreText(*text), separator);
        else
            texts.insert(key, *text);
    }
    return texts;
}

bool SettingsStore::save(const SavedTexts& texts, PriceBook& book) {
    const auto prices = book.unsaved();
    if (texts.isEmpty() && prices.empty()) return true;
    const bool saved = write([&](QSettings& file) {
        for (auto text = texts.begin(); text != texts.end(); ++text) file.setValue(text.key(), text.value());
        for (const auto& [entry, price] : prices) file.setValue(kPriceBookGroup + u'/' + QtText(entry), QtText(price));
    });
    if (saved) book.markSaved();
    return saved;
}

bool SettingsStore::write(const std::function<void(QSettings&)>& fill) {
    if (!usable()) return false;
    // QSettings would make the folder too, but says nothing when it cannot.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings file(path_, QSettings::IniFormat);
    fill(file);
    file.sync();
    // A format error is the old file's: what could be read of it has been
    // kept, and the new values written.
    if (file.status() != QSettings::AccessError) return true;
    tellOnce(QStringLiteral("the settings file %1 cannot be written").arg(path_));
    return false;
}

void SettingsStore::forget() {
    if (!path_.isEmpty() && QFileInfo::exists(path_) && !QFile::remove(path_))
        tellOnce(QStringLiteral("the settings file %1 cannot be removed").arg(path_));
}

void SettingsStore::tellOnce(const QString& problem) {
    if (told_) return;
    told_ = true;
    tell_(problem);
}

}  // namespace trivelon
