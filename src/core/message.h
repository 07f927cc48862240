#pragma once
// A sentence for a person as a value: its pattern, written in Russian (the
// source language) with %1, %2 … where its arguments go (a field, a typed
// text, a level, a percent), and those arguments. The core makes no sentences
// of its own: the pattern is also the key of its translation, and the windows
// and the command line turn a message into the player's language with one
// formatter (qt_text/translated.h). sourceText() fills the pattern as it
// stands, for the tests and for a reader without translations.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/translatable.h"

namespace trivelon {

// The translation context of the core's messages and of the names in them.
inline constexpr const char* kMessageContext = "Messages";

// A text that is itself translated where the message is shown: a field's
// name, marked with TRIVELON_TEXT where it is defined.
struct TranslatedName {
    const char* context;
    std::string_view text;
};

struct Message;

// An argument: a text as it stands, a name to translate, or a message of its
// own (a rules file's place and the problem found there).
struct MessageArgument {
    MessageArgument(std::string value) : text(std::move(value)) {}
    MessageArgument(TranslatedName name) : text(name.text), context(name.context) {}
    MessageArgument(Message part);

    std::string text;
    const char* context = nullptr;           // set for a name to translate
    std::shared_ptr<const Message> message;  // set for a message
};

struct Message {
    // The pattern is a literal marked TRIVELON_TEXT("Messages", …); a
    // std::string cannot become one, so no pattern outlives its text.
    Message(const char* text, std::vector<MessageArgument> filling = {})
        : pattern(text), arguments(std::move(filling)) {}

    std::string_view pattern;
    std::vector<MessageArgument> arguments;

    std::string sourceText() const;
};

inline MessageArgument::MessageArgument(Message part) : message(std::make_shared<const Message>(std::move(part))) {}

// The pattern with each %1 … %9 replaced by the argument of that number, in
// one pass, so that an argument's own "%1" stays as typed; any other "%" stays.
std::string Filled(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace trivelon
