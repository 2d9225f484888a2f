#pragma once
// How a file operation went: reading a beam list, writing a report, the calc
// book's output folder, saving the list. It went well (and gives its value,
// such as the bytes read), or it failed and `reason()` says why in Japanese,
// as the user is told it. The reason is worded where the failure happened, so
// a system error it names is the one the failing call left.

#include <QString>

#include <optional>
#include <type_traits>
#include <utility>

namespace varnok {

/// FileResult<T>: a T, or the reason there is none. FileOutcome (FileResult<>):
/// done, or the reason it was not.
template <class T = void> class FileResult {
    struct Done {};
    using Value = std::conditional_t<std::is_void_v<T>, Done, T>;
    struct Reason {
        QString text;
    };
    explicit FileResult(Reason reason)
        : reason_(std::move(reason.text)) {}

public:
    FileResult() requires std::is_void_v<T> : value_(Done{}) {}
    FileResult(Value value) requires(!std::is_void_v<T>)
        : value_(std::move(value)) {}
    static FileResult Failed(QString reason) { return FileResult(Reason{std::move(reason)}); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    /// Why it failed; empty when it went well.
    const QString& reason() const { return reason_; }

    /// The value; only when ok().
    Value& operator*() requires(!std::is_void_v<T>) { return value_.value(); }
    const Value& operator*() const requires(!std::is_void_v<T>) { return value_.value(); }
    const Value* operator->() const requires(!std::is_void_v<T>) { return &value_.value(); }

private:
    std::optional<Value> value_;
    QString reason_;
};

using FileOutcome = FileResult<>;

} // namespace varnok
