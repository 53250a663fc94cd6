#pragma once

#include "export/filestatus.h"

#include <QString>
#include <filesystem>
#include <memory>

class QTemporaryFile;

// A new version of a file, prepared beside it under a temporary name and then put in its
// place in one step (a rename). Whatever fails before that step, the file keeps its old
// content; a staged copy that is not committed is removed when the object goes.
class StagedFile {
public:
    explicit StagedFile(QString destination);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the staging file in the destination's folder and copies `source` into it, to
    // the disk. A missing source or folder, a full disk: an error naming the file.
    FileStatus copyFrom(const QString& source);

    // The staged copy, to check it before it is committed; "" before copyFrom succeeded.
    QString stagedPath() const;

    // Renames the staged copy over the destination. The result keeps the permission bits the
    // destination had (read and write for its owner, read for others when it is new).
    FileStatus commit();

private:
    QString m_destination;
    std::unique_ptr<QTemporaryFile> m_staged;
    bool m_copied = false;
};

// The path as the file system functions of the standard library take it.
std::filesystem::path nativePath(const QString& path);

// Gives `path` the permission bits of `model`; when `model` does not exist, read and write for
// the owner and read for everyone else. (Mode bits are copied as they are: Qt's permission
// flags would also grant what the current user may do, e.g. write access for root.)
void copyPermissions(const QString& model, const QString& path);

// Flushes a written file's content to the disk, so that a rename that makes it visible never
// survives a crash with the content missing.
FileStatus syncToDisk(const QString& path);

// Renames `from` over `to` in one step, replacing what is there (the file keeps its content;
// only the name changes). Both must be on one file system.
FileStatus replaceByRename(const QString& from, const QString& to);
