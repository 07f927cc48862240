#include "message.h"

namespace trivelon {

std::string Filled(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool numbered =
            pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto number = numbered ? static_cast<std::size_t>(pattern[i + 1] - '1') : arguments.size();
        if (number < arguments.size()) {
            filled += arguments[number];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Message::sourceText() const {
    std::vector<std::string> texts;
    texts.reserve(arguments.size());
    for (const MessageArgument& argument : arguments)
        texts.push_back(argument.message ? argument.message->sourceText() : argument.text);
    return Filled(pattern, texts);
}

}  // namespace trivelon
