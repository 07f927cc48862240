#pragma once
// The settings file: the texts of the main window's inputs and the price
// book, kept between runs in one INI file. It is read once at start and
// written only when asked (the main window closing, a result window
// closing), each write under Qt's lock file and replacing the file whole,
// so that two programs closed one after the other leave one of them whole.
// The file is hostile input: a file that cannot be read, or is larger than
// any this program writes, reads as empty; a value that is not a short text
// is left out; keys this program does not know stay in the file.
#include <functional>
#include <string>
#include <utility>

#include <QList>
#include <QSettings>
#include <QString>

#include "core/price_book.h"
#include "settings/saved_texts.h"

namespace trivelon {

// The language the player chose in the window ("ru", "en"), kept with the texts.
inline const QString kLanguageKey = QStringLiteral("language");

class SettingsStore {
public:
    // Told, once a run, what keeps the settings from being read or written:
    // "the settings file /x/trivelon.ini cannot be written".
    using Tell = std::function<void(const QString& problem)>;

    // The largest file read: many times what the program writes.
    static constexpr qint64 kLargestFile = qint64{256} * 1024;

    SettingsStore(QString path, Tell tell);
    // The user's settings file: trivelon/trivelon.ini in the platform's
    // folder for settings (on Linux $XDG_CONFIG_HOME, by default ~/.config;
    // on Windows %LOCALAPPDATA%); empty where the platform has none.
    static QString DefaultPath();
    const QString& path() const { return path_; }

    // The saved texts, and the price book's entries into the book; nothing
    // where the file is missing or cannot be used.
    SavedTexts read(PriceBook& book);
    // One saved text, read before the windows are made; empty where there is
    // none or the file cannot be used.
    QString savedText(const QString& key);
    // Writes the texts, and the book's entries typed since its last save;
    // false (told) when the file cannot be written.
    bool save(const SavedTexts& texts, PriceBook& book);
    // Removes the file, so that the next start is a first start.
    void forget();

private:
    // Whether the file can be opened with QSettings at all; tells why not.
    bool usable();
    bool write(const std::function<void(QSettings&)>& fill);
    void tellOnce(const QString& problem);

    QString path_;
    Tell tell_;
    // The price book's keys in the form of earlier versions that the read
    // found, each with the entry it stands for; the next save removes them
    // and writes the book's text of the entry under its present key.
    QList<std::pair<QString, std::string>> oldKeys_;
    bool told_ = false;
};

}  // namespace trivelon
