#pragma once
// A value or the message of the error that prevented it. The core never shows
// or prints anything: callers decide how an error reaches the user.
#include <utility>
#include <variant>

#include "message.h"

namespace trivelon {

struct Error {
    Message message;
};

template <class T>
class Result {
public:
    Result(T value) : data_(std::move(value)) {}
    Result(Error error) : data_(std::move(error)) {}

    bool ok() const { return data_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(data_); }
    T& value() { return std::get<0>(data_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const Message& error() const { return std::get<1>(data_).message; }

private:
    std::variant<T, Error> data_;
};

}  // namespace trivelon
