#pragma once

#include "export/filestatus.h"

#include <QString>

class ProgressReport;

// Compacting the catalogue: SQLite rewrites it without the space of deleted rows and copies
// the result back in place in one transaction (VACUUM), holding the write lock from the start
// to the end, so no change another program commits meanwhile is lost (it waits) and a crash
// part way leaves the old content.

// How much smaller the file became, in whole percent of its old size: an exact half goes to
// the even neighbour (1.5 -> 2, 2.5 -> 2); a file that grew gives a negative saving. An empty
// old file saves 0.
int savingPercent(qint64 sizeBefore, qint64 sizeAfter);

struct CompactionOutcome {
    qint64 sizeBefore = 0;
    qint64 sizeAfter = 0;
    int saving = 0; // savingPercent(sizeBefore, sizeAfter)
};

// Compacts the catalogue `database`. When anything fails, or the job is cancelled, the
// catalogue keeps its content; a catalogue marked read-only is not compacted.
FileResult<CompactionOutcome> compactCatalogue(const QString& database, ProgressReport* progress = nullptr);
