// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <utility>

namespace tavrel {

// The kinds of run-time failure a calculation can meet. Each has one fixed
// description, which the error report writes under "ERROR!".
enum class Failure {
    Overflow,         // a value outside the range of its whole-number type
    InvalidArgument,  // e.g. the square root of a negative number
    TypeMismatch,     // a text that is not a number where one is required
    ListFull,         // the results list has reached its capacity
};

std::string_view describe(Failure failure);

// A value or the failure that prevented it. Failures travel as values so
// that every handler can decide locally how to report them.
template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}          // NOLINT: implicit by design
    Result(Failure failure) : failure_(failure) {}          // NOLINT: implicit by design

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    Failure failure() const { return failure_; }

private:
    std::optional<T> value_;
    Failure failure_ = Failure::Overflow;
};

}  // namespace tavrel
