#pragma once

#include "export/filestatus.h"

#include <QString>

// Compacting the catalogue: SQLite rewrites it (VACUUM INTO) into a temporary file without the
// space of deleted rows, and the new file takes the place of the old one in one rename.

// The temporary file of a compaction: "CompDb.db" in the program's home folder.
QString compactionTempPath(const QString& homeFolder);

// How much smaller the file became, in whole percent of its old size: an exact half goes to
// the even neighbour (1.5 -> 2, 2.5 -> 2); a file that grew gives a negative saving. An empty
// old file saves 0.
int savingPercent(qint64 sizeBefore, qint64 sizeAfter);

struct CompactionOutcome {
    qint64 sizeBefore = 0;
    qint64 sizeAfter = 0;
    int saving = 0; // savingPercent(sizeBefore, sizeAfter)
};

// Compacts the catalogue `database` through the temporary file `tempPath` (a leftover of an
// interrupted run is removed first). The compacted copy is checked to be a usable catalogue
// before it replaces the original. When anything fails the catalogue stays byte for byte as it
// was and no temporary file is left behind.
FileResult<CompactionOutcome> compactCatalogue(const QString& database, const QString& tempPath);
