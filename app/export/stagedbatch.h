#pragma once

#include "export/filestatus.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QTemporaryFile;

// New versions of several small files put in place together, for work that writes many of
// them at once (the playlists of a library import). Each is written beside its target under a
// hidden temporary name without a disc flush of its own; commit() then sends them all to the
// disc in one go, renames each over its target and makes the renames durable. A flush costs
// about as much for fifty files as for one, so the batch pays it once.
//
// Until commit(), no target changes. Staged files not committed are removed when the batch
// goes; one left behind by a crash is a hidden ".<name>.XXXXXX" beside its target that no
// reader of the target looks at.
class StagedBatch {
public:
    StagedBatch();
    ~StagedBatch();
    StagedBatch(const StagedBatch&) = delete;
    StagedBatch& operator=(const StagedBatch&) = delete;

    // Stages `bytes` as the new content of `destination` (of the file it finally points to
    // when it is a symbolic link). A missing folder, a full disk: an error naming the file.
    FileStatus add(const QString& destination, const QByteArray& bytes);

    // Gives up the file staged last: its target stays as it is.
    void dropLast();

    // Flushes every staged file to the disc, renames each over its destination (keeping the
    // permission bits the destination had) and flushes their folders, so that once it returns
    // success the new files survive a crash. On failure the destinations renamed before it
    // hold their new content, the others are untouched.
    FileStatus commit();

private:
    struct Staged {
        QString destination;
        std::unique_ptr<QTemporaryFile> file;
    };
    std::vector<Staged> m_staged;
};
