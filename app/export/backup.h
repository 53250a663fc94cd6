#pragma once

#include "export/cabinet.h"
#include "export/filestatus.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct Settings;

// Backups in the backup folder: dated copies of the catalogue file ("yyyymmdd.db", one per
// day) and one cabinet archive per kind of picture or playlist, named after the kind in the
// interface language (Covers.cab, Foto.cab, Decken.cab...).

// The file name of the catalogue backup made on `day`: "yyyymmdd.db".
QString datedBackupName(const QDate& day);

// Whether `folder` holds a file named exactly `name`.
bool backupFileExists(const QString& folder, const QString& name);

// FileError for a backup folder that does not exist (or is no folder); none when it does.
FileStatus checkBackupFolder(const QString& folder);

// Copies the catalogue file `database` to `target`. The copy is made beside `target` and put
// in its place when complete, so a failed copy leaves an older backup of that name intact.
FileStatus backupCatalogue(const QString& database, const QString& target);

// The catalogue backups in `folder` (files whose name ends in ".db"), sorted by name, so
// that the most recent dated backup comes last.
QStringList catalogueBackups(const QString& folder);

// Puts the backup `backupPath` in the place of the catalogue file `database`. The backup is
// copied beside the catalogue, the copy is checked to be a catalogue this program can use,
// and only then renamed over the catalogue. Any failure (missing backup, full disk, a file
// that is not a catalogue) leaves the catalogue exactly as it was.
FileStatus restoreCatalogue(const QString& backupPath, const QString& database);

// One kind of archive: menu index 1 covers, 2 photos, 3 playlists.
struct ArchiveKind {
    QString folder; // the folder whose files are archived (ends in "/")
    QString mask; // which of its files: "*.jpg" or "*.m3u"
    int nameMessage = 0; // the message whose text, + ".cab", names the archive
    CabinetCompression compression = CabinetCompression::Stored;
};

// The archive kind of a menu index (1 to 3) with the folders of `settings`; none otherwise.
std::optional<ArchiveKind> archiveKind(int index, const Settings& settings);

// The files of `kind` to archive: full paths of the files of its folder that match its mask,
// sorted by name. Empty when there are none or the folder does not exist.
QStringList filesToArchive(const ArchiveKind& kind);

// Writes the archive of `kind` as `cabPath`, replacing an older one once the new one is
// complete.
FileStatus backupArchive(const ArchiveKind& kind, const QString& cabPath);

// Restores the files of `kind` from `cabPath` into its folder (only those matching its mask);
// returns how many were restored.
FileResult<int> restoreArchive(const ArchiveKind& kind, const QString& cabPath);
