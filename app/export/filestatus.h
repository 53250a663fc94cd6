#pragma once

#include "shell/errorreport.h"

#include <QString>
#include <optional>
#include <system_error>
#include <utility>

// Error numbers of the file failures that backup, restore and compaction report, beside the
// shell's (file not found 53, file access 75, path not found 76). They are the numbers users
// of the catalogue know from its earlier releases.
namespace FileErrorNumbers {
// Not a failure: the user stopped the job, and it left everything as it was.
constexpr int cancelled = 18;
constexpr int badFileName = 52;
constexpr int diskFull = 61;
constexpr int tooManyFiles = 67;
constexpr int permissionDenied = 70;
constexpr int invalidFileFormat = 321;
} // namespace FileErrorNumbers

// Why a file operation failed: its error number and a text for the error window that names
// the file and what went wrong.
struct FileError {
    int number = 0;
    QString text;
};

// The number of an operating-system error: a full disk, a missing file or folder and a refused
// permission have their own, everything else is a file access error.
int fileErrorNumber(const std::error_code& error);

// A FileError for an operating-system failure: `what` (naming the file) + ": " + the system's
// text.
FileError fileError(const std::error_code& error, const QString& what);

// The outcome of a file operation that yields no value.
class FileStatus {
public:
    FileStatus() = default;
    FileStatus(FileError error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only meaningful when !ok().
    const FileError& error() const { return *m_error; }

private:
    std::optional<FileError> m_error;
};

// The outcome of a file operation: a value, or the error that prevented it.
template <typename T> class FileResult {
public:
    FileResult(T value)
        : m_value(std::move(value))
    {
    }
    FileResult(FileError error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only valid when ok().
    const T& value() const { return *m_value; }
    // Only meaningful when !ok().
    const FileError& error() const { return m_error; }

private:
    std::optional<T> m_value;
    FileError m_error;
};
