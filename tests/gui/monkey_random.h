#pragma once
// The monkey test's source of chance: a seeded generator whose sequence is
// the same on every platform, and the texts a careless or hostile user types.
#include <cstdint>
#include <random>

#include <QList>
#include <QString>
#include <QStringList>

namespace trivelon::gui::testing {

class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint64_t seed) : engine_(seed) {}

    // A number from 0 to bound - 1 (bound > 0). Plain modulo of the engine's
    // output, whose sequence the standard fixes, unlike its distributions.
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(bound)); }
    bool percent(int chance) { return below(100) < chance; }

    template <class T>
    const T& pick(const QList<T>& items) {
        return items[below(static_cast<int>(items.size()))];
    }

    // A text of one of many shapes: numbers plain, signed, hexadecimal, at
    // and beyond the 32-bit limits, refine levels, list words in any case,
    // letters, blanks, Cyrillic, emoji, thousands of characters, nothing.
    // Close to half of them are numbers a forge request accepts.
    QString text();
    // Several thousand characters, mostly digits after leading zeros or a
    // mixture of every script.
    QString longText();

private:
    QString digits(int count);
    QString fromAlphabet(const QString& alphabet, int count);
    QString emoji(int count);

    std::mt19937_64 engine_;
};

}  // namespace trivelon::gui::testing
