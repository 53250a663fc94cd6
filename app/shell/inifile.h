#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// One key to set (or, with no value, to remove) in a write of the settings file.
struct IniChange {
    QString section;
    QString key;
    std::optional<QString> value;
};

// The settings file: sections and keys as in a Windows profile file, compared
// case-insensitively, values in UTF-8. Unknown keys, comments and their order survive a
// write. Every write replaces the file atomically (temporary file + rename), so a crash
// while writing never leaves a truncated file behind.
//
// A write changes only the keys it is given: it reads the file again under a lock file
// ("Melotheek.ini.lock", which a second running copy of the program honours too) and puts
// back everything else as it finds it, so a key, comment or section that someone else wrote
// since this object read the file survives.
class IniFile {
public:
    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& path() const { return path_; }
    bool exists() const;

    // Reads the file again from disk. A missing or unreadable file reads as empty.
    void reload();

    // The value of the key, or `fallback` when section or key are missing.
    QString read(const QString& section, const QString& key, const QString& fallback) const;
    bool contains(const QString& section, const QString& key) const;

    // Sets the key and writes the whole file. Returns false (and leaves the file on disk
    // as it was) when the file could not be written; `error` then says why.
    bool write(const QString& section, const QString& key, const QString& value,
               QString* error = nullptr);

    // Removes the key (if it is there) and writes the whole file, as `write` does.
    bool remove(const QString& section, const QString& key, QString* error = nullptr);

    // Sets and removes all `changes` in one replacement of the file: afterwards it holds all
    // of them or, after a failure, none.
    bool update(const QList<IniChange>& changes, QString* error = nullptr);

private:
    bool save(QString* error);

    QString path_;
    struct Data;
    std::unique_ptr<Data> data_;
};
