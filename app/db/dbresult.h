#pragma once

#include <QString>
#include <optional>
#include <utility>

// Why a catalogue operation failed: SQLite's result code (0 when the failure was found
// before SQLite was asked, e.g. a missing file) and a text for the error window that names
// the catalogue file and what went wrong.
struct DbError {
    int code = 0;
    QString text;
};

// The outcome of a catalogue operation: a value, or the error that prevented it. Nothing in
// the database layer throws; callers test ok() and report error() through the error window.
template <typename T> class DbResult {
public:
    DbResult(T value)
        : m_value(std::move(value))
    {
    }
    DbResult(DbError error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only valid when ok().
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }

    // The value, or `fallback` after a failure (for the lookups that answer "nothing found"
    // when the catalogue cannot be read).
    T valueOr(T fallback) const { return m_value ? *m_value : std::move(fallback); }

    // Only meaningful when !ok().
    const DbError& error() const { return m_error; }

private:
    std::optional<T> m_value;
    DbError m_error;
};

// The outcome of an operation that yields no value.
class DbStatus {
public:
    DbStatus() = default;
    DbStatus(DbError error)
        : m_failed(true)
        , m_error(std::move(error))
    {
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const DbError& error() const { return m_error; }

private:
    bool m_failed = false;
    DbError m_error;
};
