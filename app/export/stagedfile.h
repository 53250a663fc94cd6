#pragma once

#include "export/filestatus.h"

#include <QString>
#include <filesystem>
#include <memory>

class QTemporaryFile;

// The file a write to `path` replaces: `path` itself, or, when it is a symbolic link (or a
// chain of them), the file it finally points to, which need not exist yet. Every writer puts
// its new version there, so the link stays a link and the file it points to is the one that
// changes (as QSaveFile, which the other writers use, does).
QString resolvedTarget(const QString& path);

// A new version of a file, prepared beside it under a temporary name and then put in its
// place in one step (a rename). Whatever fails before that step, the file keeps its old
// content; a staged copy that is not committed is removed when the object goes. When the
// destination is a symbolic link, the file it points to is the one staged beside and
// replaced (resolvedTarget).
class StagedFile {
public:
    explicit StagedFile(QString destination);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the empty staging file in the destination's folder, for a writer that writes
    // it by its path (stagedPath()). A missing folder, a full disk: an error naming the file.
    FileStatus create();

    // Creates the staging file and copies `source` into it. A missing source or folder, a full
    // disk: an error naming the file.
    FileStatus copyFrom(const QString& source);

    // The staging file; "" before create() or copyFrom() succeeded.
    QString stagedPath() const;

    // Puts the staged file in place of the destination: its content goes to the disk first,
    // then it is renamed over the destination. The result keeps the permission bits the
    // destination had (read and write for its owner, read for others when it is new).
    FileStatus commit();

    // As commit(), but only when nothing of the destination's name exists yet; an existing
    // file is never replaced.
    FileStatus commitAsNew();

private:
    FileStatus prepareForCommit();

    QString m_destination;
    std::unique_ptr<QTemporaryFile> m_staged;
    bool m_ready = false;
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

// Makes the renames in `folder` durable: its entries are flushed like a file's content.
FileStatus syncFolder(const QString& folder);

// Renames `from` over `to` in one step, replacing what is there (the file keeps its content;
// only the name changes), and makes the new name durable. Both must be on one file system.
FileStatus replaceByRename(const QString& from, const QString& to);

// Puts the finished file `from` in place of `to` (of its resolved target when `to` is a link):
// by a rename, or, when the target lies on another file system, by a copy staged beside it.
FileStatus moveIntoPlace(const QString& from, const QString& to);
