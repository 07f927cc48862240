#include "monkey_random.h"

namespace trivelon::gui::testing {

namespace {

const QString kDigits = QStringLiteral("0123456789");
const QString kHexDigits = QStringLiteral("0123456789abcdefABCDEF");
const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.,;:!?-+*/$%'\"()[]");
const QString kCyrillic = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");

// Numbers at and just beyond the edges of what the program reads.
const QStringList kEdgeNumbers = {"0",           "-0",         "1",           "40",         "41",          "90",
                                  "91",          "99",         "100",         "150",        "-5",          "2147483647",
                                  "-2147483648", "2147483648", "-2147483649", "4294967296", "99999999999", "$7FFFFFFF",
                                  "$80000000",   "0x80000000", "-$1",         "$",          "0x",          "x",
                                  "+",           "-",          " 42",         "42 ",        "0042",        "1e3",
                                  "1.5",         "1,5",        "７"};

// Texts of the lists, also in other cases and cut short, so that completion
// and exact comparison both get their turn.
const QStringList kWords = {"Fire",         "Ice",  "Wind",       "Earth",        "fire",
                            "ICE",          "F",    "e",          "Без элемента", "Без",
                            "без элемента", "None", "Iron Anvil", "Golden Anvil", "Emperium Anvil",
                            "Oridecon",     "+0",   "+7",         "+9",           "+10",
                            "+11",          "+-1",  "Knife"};

}  // namespace

QString MonkeyRandom::digits(int count) { return fromAlphabet(kDigits, count); }

QString MonkeyRandom::fromAlphabet(const QString& alphabet, int count) {
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i) text += alphabet[below(static_cast<int>(alphabet.size()))];
    return text;
}

// Characters outside the Basic Multilingual Plane, each a surrogate pair.
QString MonkeyRandom::emoji(int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        const char32_t codePoint = 0x1F600 + static_cast<char32_t>(below(0x50));
        text += QString::fromUcs4(&codePoint, 1);
    }
    return text;
}

QString MonkeyRandom::longText() {
    const int length = 1000 + below(4000);
    switch (below(3)) {
        case 0: return QString(length, u'0') + digits(1 + below(3));
        case 1: return digits(length);
        default: {
            QString mixture;
            while (mixture.size() < length) {
                switch (below(4)) {
                    case 0: mixture += digits(1 + below(20)); break;
                    case 1: mixture += fromAlphabet(kLetters, 1 + below(20)); break;
                    case 2: mixture += fromAlphabet(kCyrillic, 1 + below(20)); break;
                    default: mixture += emoji(1 + below(3)); break;
                }
            }
            return mixture;
        }
    }
}

QString MonkeyRandom::text() {
    const int shape = below(100);
    if (shape < 36) return digits(1 + below(3));
    if (shape < 44) return (percent(50) ? QStringLiteral("-") : QStringLiteral("+")) + digits(1 + below(11));
    if (shape < 51) return pick(kEdgeNumbers);
    if (shape < 56) {
        const QStringList prefixes = {"$", "x", "X", "0x", "0X"};
        return (percent(20) ? QStringLiteral("-") : QString()) + pick(prefixes) + fromAlphabet(kHexDigits, below(10));
    }
    if (shape < 68) return pick(kWords);
    if (shape < 75) return fromAlphabet(kLetters, 1 + below(8));
    if (shape < 79) return QString(1 + below(4), u' ') + (percent(50) ? digits(1 + below(3)) : QString());
    if (shape < 84) return fromAlphabet(kCyrillic, 1 + below(8));
    if (shape < 89) return (percent(50) ? digits(1) : QString()) + emoji(1 + below(3));
    if (shape < 90) return longText();
    return QString();
}

}  // namespace trivelon::gui::testing
