// Writes a whole set of settings, every text the same, as one program does
// when it closes: "settings_writer FILE TEXT". Two of them started at once
// show whether the file can end up holding parts of both.
#include <QCoreApplication>
#include <QStringList>

#include "core/price_book.h"
#include "qt_text/qt_text.h"
#include "settings/settings_store.h"

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) return 2;
    trivelon::SettingsStore settings(arguments[1], [](const QString&) {});
    trivelon::SavedTexts texts;
    for (int key = 0; key < 200; ++key)
        texts.insert(QStringLiteral("forge/key%1").arg(key, 3, 10, QChar(u'0')), arguments[2]);
    trivelon::PriceBook book;
    book.remember("Iron", trivelon::CoreText(arguments[2]), {});
    return settings.save(texts, book) ? 0 : 1;
}
