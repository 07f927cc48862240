#pragma once
// The core's texts in the player's language, as the installed translator
// gives them (none for Russian, the source language): a marked text, a
// message with its arguments filled in, a short sum with its unit's word.
// The windows and the command line show the core's words only through these.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "core/message.h"
#include "core/money_text.h"
#include "core/numbers.h"
#include "qt_text.h"

namespace trivelon {

// A text marked TRIVELON_TEXT(context, …), translated.
inline QString Translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

// The message's pattern translated, then filled with its arguments, a name
// or a message among them put into words too.
inline QString Sentence(const Message& message) {
    std::vector<std::string> arguments;
    arguments.reserve(message.arguments.size());
    for (const MessageArgument& argument : message.arguments) {
        if (argument.message)
            arguments.push_back(CoreText(Sentence(*argument.message)));
        else if (argument.context)
            arguments.push_back(CoreText(Translated(argument.context, argument.text)));
        else
            arguments.push_back(argument.text);
    }
    return QtText(Filled(CoreText(Translated(kMessageContext, message.pattern)), arguments));
}

// What a sum beyond the 64-bit range reads as.
inline QString TooMuchMoney() { return Translated("Money", kTooMuchMoneyText); }

// A sum in plain digits ("2735100000"), or too much where it is none.
inline QString WholeAmount(const std::optional<std::int64_t>& value) {
    return value ? QtText(IntegerText(*value)) : TooMuchMoney();
}

// The sentence of a problem, or empty where there is none.
inline QString ProblemSentence(const std::optional<Message>& problem) {
    return problem ? Sentence(*problem) : QString();
}

// ShortAmountText with the unit words in the player's language.
inline QString ShortAmount(std::int64_t value, int fractionDigits, char decimalSeparator, Rounding rounding) {
    std::array<std::string, kUnitWords.size()> words;
    UnitWords views;
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = CoreText(Translated("Money", kUnitWords[i]));
        views[i] = words[i];
    }
    return QtText(ShortAmountText(value, fractionDigits, decimalSeparator, rounding, views));
}

}  // namespace trivelon
