#pragma once
// How a core call that can fail answers: the value it made, or the words that say why
// it could not, ready to show to the user (they name the file, the line or the field).
// Every core call that can fail returns a Result<T>, or a Status when there is no value.
#include <optional>
#include <string>
#include <utility>

namespace icevale {

// Why a call failed; a Result made from one holds no value.
struct Failure {
    std::string message;
};

inline Failure fail(std::string message) { return Failure{std::move(message)}; }

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : message_(std::move(failure.message)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    // Why the call failed; empty when ok().
    const std::string& message() const { return message_; }

private:
    std::optional<T> value_;
    std::string message_;
};

// A Result without a value: success, or why not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : ok_(false), message_(std::move(failure.message)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    bool ok_ = true;
    std::string message_;
};

using Status = Result<void>;

}  // namespace icevale
