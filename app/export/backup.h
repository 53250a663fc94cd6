#pragma once

#include "export/cabinet.h"
#include "export/filestatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class ProgressReport;
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

// Copies the catalogue `database` to `target`: a consistent state of it, taken with SQLite's
// online backup (a commit of another program under way is waited for). The copy is made beside
// `target` and put in its place when complete, so a failed or cancelled copy leaves an older
// backup of that name intact.
FileStatus backupCatalogue(const QString& database, const QString& target, ProgressReport* progress = nullptr);

// The catalogue backups in `folder` (files whose name ends in ".db"), sorted by name, so
// that the most recent dated backup comes last.
QStringList catalogueBackups(const QString& folder);

// The name under which a restore keeps the catalogue it replaces: the moment as
// "yyyyMMdd-HHmmss.db", with "-2", "-3"... added when `folder` holds that name already. It is
// listed with the dated backups, so the restore window can put it back.
QString keptCatalogueName(const QString& folder, const QDateTime& now);

// Puts the backup `backupPath` in the place of the catalogue `database`, keeping the catalogue
// it replaces as `keptPath` (a new file in the backup folder). The backup is copied beside the
// catalogue and the copy checked first: a catalogue this program can use that passes SQLite's
// integrity and foreign-key checks. Then its content replaces the catalogue's in one
// transaction (see replaceCatalogueContent). Any failure (missing or damaged backup, full
// disk) and a cancel leave the catalogue exactly as it was and keep no copy.
FileStatus restoreCatalogue(const QString& backupPath, const QString& database, const QString& keptPath,
    ProgressReport* progress = nullptr);

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
FileStatus backupArchive(const ArchiveKind& kind, const QString& cabPath, ProgressReport* progress = nullptr);

// Restores the files of `kind` from `cabPath` into its folder (only those matching its mask);
// returns how many were restored.
FileResult<int> restoreArchive(const ArchiveKind& kind, const QString& cabPath, ProgressReport* progress = nullptr);
