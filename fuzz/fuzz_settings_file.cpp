// The settings file's reader over a hostile file. Input: the bytes of the
// file. Whatever they are, the program takes only short texts, and into the
// price book only what its fields would take as typed, all counted as saved.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "check.h"
#include "core/price_book.h"
#include "qt_text/qt_text.h"
#include "settings/settings_store.h"

using trivelon::fuzz::Require;

namespace {

// Kept for the life of the process: Qt's own data is gone by the time a
// static QCoreApplication would be destroyed.
QCoreApplication* application = nullptr;
std::unique_ptr<QTemporaryDir> folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    application = new QCoreApplication(*argc, *argv);
    folder = std::make_unique<QTemporaryDir>();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = folder->filePath(QStringLiteral("trivelon.ini"));
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the test file can be written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    trivelon::SettingsStore store(path, [](const QString&) {});
    trivelon::PriceBook book;
    const trivelon::SavedTexts texts = store.read(book);
    for (const QString& text : texts)
        Require(static_cast<std::size_t>(text.size()) <= trivelon::kLongestRememberedText, "every text is short");
    Require(book.unsaved().empty(), "what the file holds counts as saved");
    // Every entry the book took is one its field would take as typed.
    for (const auto& entry :
         {std::string("Iron"), std::string("Star Crumb"), std::string("Flame Heart"),
          std::string(trivelon::PriceBook::kMoneyEntry),
          trivelon::PriceBook::RefineMaterialEntry(trivelon::BuiltInRules().refine.classes.front())})
        if (const auto text = book.text(entry))
            Require(trivelon::PriceBook::Accepts(entry, *text, trivelon::SystemGroupSeparator()),
                    "the book holds only what its fields take");
    return 0;
}
