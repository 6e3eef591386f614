// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
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
// that every handler can decide locally how to report them; a dropped Result
// is a failure nobody looked at, hence [[nodiscard]]. Asking a failure for
// its value, or a value for its failure, is a bug in the caller: the
// asserts stop it in the dev, sanitizers and fuzz builds (CMakePresets.json),
// which keep them on.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}   // NOLINT: implicit by design
    Result(Failure failure) : failure_(failure) {}  // NOLINT: implicit by design

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const
    {
        assert(ok());
        return *value_;
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    Failure failure() const
    {
        assert(!ok());
        return failure_;
    }

private:
    std::optional<T> value_;
    Failure failure_ = Failure::Overflow;
};

}  // namespace tavrel
