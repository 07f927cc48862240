#include "settings/settings_store.h"

#include <cctype>
#include <optional>
#include <string>
#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include "qt_text/qt_text.h"

namespace trivelon {
namespace {

// The group of the price book's entries; every other group holds texts.
const QString kPriceBookGroup = QStringLiteral("prices");

// The key of a price book entry in the file, in ASCII letters, digits and
// '-' only, so that any editor shows it as it is (QSettings writes a blank as
// %20 and a Cyrillic letter as %U0423): "money" for the sum the player has,
// otherwise the entry's name in lower case with '-' for each run of other
// characters ("Flame Heart" is "flame-heart", "Orc`s Fang" "orc-s-fang").
QString PriceKey(const std::string& entry) {
    if (entry == PriceBook::kMoneyEntry) return QStringLiteral("money");
    QString key;
    for (const char c : entry) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80)
            key += QChar::fromLatin1(static_cast<char>(std::tolower(byte)));
        else if (!key.endsWith(u'-'))
            key += u'-';
    }
    return key;
}

// The book's entries by their keys in the file.
const QHash<QString, std::string>& EntriesByKey() {
    static const QHash<QString, std::string> entries = [] {
        QHash<QString, std::string> byKey;
        for (const std::string& entry : PriceBook::Entries()) byKey.insert(PriceKey(entry), entry);
        return byKey;
    }();
    return entries;
}

// The entry that a key of an earlier version stands for: a good under its own
// name ("Flame Heart", "%U0423%20..." for the sum), or the refine material
// of a class ("refine material of class 3"), now under the material's name.
std::optional<std::string> EntryOfOldKey(const QString& name) {
    const QString key = PriceKey(CoreText(name));
    if (const auto entry = EntriesByKey().constFind(key); entry != EntriesByKey().cend()) return *entry;
    const QString classKey = QStringLiteral("refine-material-of-class-");
    if (!key.startsWith(classKey)) return std::nullopt;
    bool isNumber = false;
    const int classNumber = key.mid(classKey.size()).toInt(&isNumber);
    // Those keys were written by the built-in classes, numbered from 1.
    const std::vector<RefineClassRule>& classes = BuiltInRules().refine.classes;
    if (!isNumber || classNumber < 1 || static_cast<std::size_t>(classNumber) > classes.size()) return std::nullopt;
    return PriceBook::RefineMaterialEntry(classes[static_cast<std::size_t>(classNumber - 1)]);
}

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
        tellOnce(QStringLiteral("the settings file %1 is not a settings file this program writes")
                     .arg(QDir::toNativeSeparators(path_)));
        return false;
    }
    return true;
}

SavedTexts SettingsStore::read(PriceBook& book) {
    SavedTexts texts;
    if (!QFileInfo::exists(path_) || !usable()) return texts;
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() == QSettings::AccessError) {
        tellOnce(QStringLiteral("the settings file %1 cannot be read").arg(QDir::toNativeSeparators(path_)));
        return texts;
    }
    const std::string separator = SystemGroupSeparator();
    for (const QString& key : file.allKeys()) {
        const std::optional<QString> text = ShortText(file.value(key));
        if (!text) continue;
        if (!key.startsWith(kPriceBookGroup + u'/')) {
            texts.insert(key, *text);
            continue;
        }
        const QString name = key.mid(kPriceBookGroup.size() + 1);
        if (const auto entry = EntriesByKey().constFind(name); entry != EntriesByKey().cend()) {
            book.restore(*entry, CoreText(*text), separator);
        } else if (const std::optional<std::string> oldEntry = EntryOfOldKey(name)) {
            // An entry under its present key, written later, wins; of two
            // earlier keys of one entry (two classes refined with Oridecon)
            // the first that reads as money wins.
            if (!file.contains(kPriceBookGroup + u'/' + PriceKey(*oldEntry)) && !book.text(*oldEntry))
                book.restore(*oldEntry, CoreText(*text), separator);
            oldKeys_.append({key, *oldEntry});
        }
    }
    return texts;
}

QString SettingsStore::savedText(const QString& key) {
    if (!QFileInfo::exists(path_) || !usable()) return {};
    const QSettings file(path_, QSettings::IniFormat);
    return ShortText(file.value(key)).value_or(QString());
}

bool SettingsStore::save(const SavedTexts& texts, PriceBook& book) {
    const auto prices = book.unsaved();
    if (texts.isEmpty() && prices.empty() && oldKeys_.isEmpty()) return true;
    const bool saved = write([&](QSettings& file) {
        for (const auto& [oldKey, entry] : std::as_const(oldKeys_)) {
            const QString key = kPriceBookGroup + u'/' + PriceKey(entry);
            if (const std::optional<std::string> price = book.text(entry); price && !file.contains(key))
                file.setValue(key, QtText(*price));
            file.remove(oldKey);
        }
        for (auto text = texts.begin(); text != texts.end(); ++text) file.setValue(text.key(), text.value());
        for (const auto& [entry, price] : prices)
            file.setValue(kPriceBookGroup + u'/' + PriceKey(entry), QtText(price));
    });
    if (saved) {
        book.markSaved();
        oldKeys_.clear();
    }
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
    tellOnce(QStringLiteral("the settings file %1 cannot be written").arg(QDir::toNativeSeparators(path_)));
    return false;
}

void SettingsStore::forget() {
    if (!path_.isEmpty() && QFileInfo::exists(path_) && !QFile::remove(path_))
        tellOnce(QStringLiteral("the settings file %1 cannot be removed").arg(QDir::toNativeSeparators(path_)));
}

void SettingsStore::tellOnce(const QString& problem) {
    if (told_) return;
    told_ = true;
    tell_(problem);
}

}  // namespace trivelon
