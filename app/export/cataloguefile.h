#pragma once

#include "export/filestatus.h"

#include <QString>

class ProgressReport;

// The catalogue file as a whole, handled through SQLite itself rather than as bytes: every
// copy is a consistent state of the catalogue (a commit of another program under way is waited
// for, one a crash interrupted is rolled back first), and the catalogue is only ever changed
// in SQLite transactions, so another program that uses it meanwhile waits (its busy time-out)
// and keeps every change it commits. A `progress` of nullptr reports nothing and is never
// cancelled; a job cancelled through it fails with FileErrorNumbers::cancelled and leaves
// every file as it was.

// Copies the catalogue `source` into `target`, an empty file (a staging file), with SQLite's
// online backup.
FileStatus copyCatalogueInto(const QString& source, const QString& target, ProgressReport* progress);

// Whether the file is a catalogue this program can use and SQLite finds it whole: the schema
// (Catalogue::checkCatalogue), `PRAGMA integrity_check` and `PRAGMA foreign_key_check`.
FileStatus verifyCatalogueFile(const QString& path);

// Puts the content of the catalogue `replacement` (already verified) in place of the content
// of `database`, keeping what it replaces as the new file `keptPath` first. The write lock on
// `database` is held from the moment the kept copy is read to the end of the replacement, so a
// change another program commits is either in the kept copy or comes after the restore. The
// replacement is one transaction: a failure or a crash on the way leaves the old content.
//
// A catalogue that SQLite cannot open as a database (nobody can be using it) is kept byte for
// byte and replaced by renaming; a missing one is simply replaced.
FileStatus replaceCatalogueContent(
    const QString& database, const QString& replacement, const QString& keptPath, ProgressReport* progress);

// Compacts the catalogue in place (VACUUM): SQLite rewrites it without the space of deleted
// rows into a temporary file and copies that back in one transaction, holding the write lock
// throughout, so no change is lost and an interruption leaves the old content. A catalogue
// marked read-only is left as it is (an error).
FileStatus compactCatalogueInPlace(const QString& database, ProgressReport* progress);

// A catalogue failure as a file failure of the maintenance commands: a full disk, a damaged
// file, a read-only one and a cancelled job keep their own numbers.
FileError fileErrorOf(int sqliteCode, const QString& text);
