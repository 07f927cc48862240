#pragma once
// Whole numbers read from control texts inside a handler.
#include <cstdint>

#include <QString>

namespace trivelon::gui {

// The strict parse; a text that is not a whole number stops the handler
// (HandlerError) with the conversion message.
std::int32_t StrictWholeNumber(const QString& text);

}  // namespace trivelon::gui
