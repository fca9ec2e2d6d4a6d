// Error values the core hands back instead of showing anything itself.
#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace quill {

// A failure with a message for the user (already in the user's language where the
// program writes it) and, optionally, where it happened.
struct Error {
    Error() = default;
    Error(QString message_, QString where_ = {})
        : message(std::move(message_)), where(std::move(where_))
    {
    }

    QString message;
    QString where; // file, object or property the message is about; may be empty
};

// Either a value or an Error.
template <typename T>
class Result {
public:
    Result(T value) : mValue(std::move(value)) {}
    Result(Error error) : mError(std::move(error)) {}

    bool ok() const { return mValue.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const & { return *mValue; }
    T &value() & { return *mValue; }
    T &&value() && { return std::move(*mValue); }
    const Error &error() const { return mError; }

private:
    std::optional<T> mValue;
    Error mError;
};

// Success or an Error, for calls with nothing to return.
class Status {
public:
    Status() = default;
    Status(Error error) : mError(std::move(error)), mFailed(true) {}
    static Status success() { return {}; }

    bool ok() const { return !mFailed; }
    explicit operator bool() const { return ok(); }
    const Error &error() const { return mError; }

private:
    Error mError;
    bool mFailed = false;
};

} // namespace quill
