#include "export/cataloguefile.h"

#include "db/catalogueschema.h"
#include "db/sqlitehandles.h"
#include "export/stagedfile.h"
#include "shell/progressreport.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// Pages copied between two looks at the Cancel button.
constexpr int pagesPerStep = 256;

bool cancelled(const ProgressReport* progress)
{
    return progress != nullptr && progress->cancelRequested();
}

FileError failure(const DbError& error)
{
    return fileErrorOf(error.code, error.text);
}

FileError cancelledError(const QString& what)
{
    return { FileErrorNumbers::cancelled, what + QStringLiteral(": cancelled") };
}

struct BackupFinisher {
    void operator()(sqlite3_backup* backup) const { sqlite3_backup_finish(backup); }
};
using BackupHandle = std::unique_ptr<sqlite3_backup, BackupFinisher>;

// Copies the rest of an online backup step by step, looking at the Cancel button in between;
// SQLITE_DONE when everything was copied (and, into a catalogue, committed).
int copyRemainingPages(sqlite3_backup* backup, const ProgressReport* progress)
{
    for (;;) {
        if (cancelled(progress))
            return SQLITE_INTERRUPT;
        const int rc = sqlite3_backup_step(backup, pagesPerStep);
        if (rc != SQLITE_OK)
            return rc;
    }
}

// The text of a failed backup step, naming `path`.
FileError backupFailure(const QString& path, int rc)
{
    return failure(catalogueError(path, rc, QString::fromUtf8(sqlite3_errstr(rc))));
}

bool isNoDatabase(int code)
{
    return (code & 0xff) == SQLITE_NOTADB || (code & 0xff) == SQLITE_CORRUPT;
}

// Writes the bytes of the database file that `db` holds open (and locked) to the new file
// `keptPath`. They are read through the connection's own file handle: opening the file a
// second time and closing it would drop the connection's locks.
FileStatus keepLockedContent(sqlite3* db, const QString& database, const QString& keptPath)
{
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || file == nullptr
        || file->pMethods == nullptr || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return FileError { ErrorNumbers::fileAccess, QStringLiteral("Cannot read %1").arg(database) };

    StagedFile kept(keptPath);
    if (FileStatus created = kept.create(); !created)
        return created;
    const int out = ::open(QFile::encodeName(kept.stagedPath()).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (out < 0)
        return fileError(std::error_code(errno, std::generic_category()),
            QStringLiteral("Cannot write %1").arg(keptPath));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    FileStatus status;
    for (sqlite3_int64 offset = 0; offset < size && status.ok();) {
        const int length = static_cast<int>(std::min<sqlite3_int64>(buffer.size(), size - offset));
        if (file->pMethods->xRead(file, buffer.data(), length, offset) != SQLITE_OK) {
            status = FileError { ErrorNumbers::fileAccess, QStringLiteral("Cannot read %1").arg(database) };
            break;
        }
        for (int written = 0; written < length;) {
            const ssize_t n = ::write(out, buffer.constData() + written, static_cast<size_t>(length - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                status = fileError(std::error_code(n < 0 ? errno : ENOSPC, std::generic_category()),
                    QStringLiteral("Cannot write %1").arg(keptPath));
                break;
            }
            written += static_cast<int>(n);
        }
        offset += length;
    }
    ::close(out);
    if (!status)
        return status;
    return kept.commitAsNew();
}

// A catalogue SQLite does not take for a database: nobody can be working in it, so it is kept
// byte for byte and the replacement renamed into its place.
FileStatus replaceByFile(const QString& database, const QString& replacement, const QString& keptPath)
{
    StagedFile kept(keptPath);
    if (FileStatus copied = kept.copyFrom(database); !copied)
        return copied;
    if (FileStatus committed = kept.commitAsNew(); !committed)
        return committed;
    StagedFile restored(database);
    if (FileStatus copied = restored.copyFrom(replacement); !copied)
        return copied;
    // A rollback journal left beside the old file belongs to it; applied to the new one it
    // would damage it.
    QFile::remove(database + QStringLiteral("-journal"));
    return restored.commit();
}

} // namespace

FileError fileErrorOf(int sqliteCode, const QString& text)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_FULL:
        return { FileErrorNumbers::diskFull, text };
    case SQLITE_INTERRUPT:
        return { FileErrorNumbers::cancelled, text };
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return { FileErrorNumbers::invalidFileFormat, text };
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return { FileErrorNumbers::permissionDenied, text };
    case SQLITE_CANTOPEN:
        return { ErrorNumbers::fileNotFound, text };
    default:
        return { ErrorNumbers::fileAccess, text };
    }
}

FileStatus copyCatalogueInto(const QString& source, const QString& target, ProgressReport* progress)
{
    auto from = SqliteConnection::open(source);
    if (!from)
        return failure(from.error());
    auto to = SqliteConnection::openForCreation(target);
    if (!to)
        return failure(to.error());
    // The copy is a staging file: it needs no journal of its own; it goes to the disk as a
    // whole before it is renamed into place.
    if (DbStatus quick = to.value().exec(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF"));
        !quick)
        return failure(quick.error());
    BackupHandle backup(sqlite3_backup_init(to.value().handle(), "main", from.value().handle(), "main"));
    if (!backup)
        return failure(to.value().lastError(sqlite3_errcode(to.value().handle())));
    const int rc = copyRemainingPages(backup.get(), progress);
    backup.reset();
    if (rc == SQLITE_INTERRUPT)
        return cancelledError(QStringLiteral("Copying %1").arg(source));
    if (rc != SQLITE_DONE)
        return backupFailure(source, rc);
    return {};
}

FileStatus verifyCatalogueFile(const QString& path)
{
    auto connection = SqliteConnection::open(path);
    if (!connection)
        return failure(connection.error());
    if (DbStatus schema = checkCatalogueSchema(connection.value()); !schema)
        return FileError { FileErrorNumbers::invalidFileFormat, schema.error().text };
    QStringList findings;
    for (const QString& check : { QStringLiteral("PRAGMA integrity_check(20)"), QStringLiteral("PRAGMA foreign_key_check") }) {
        auto statement = connection.value().prepare(check);
        if (!statement)
            return FileError { FileErrorNumbers::invalidFileFormat, statement.error().text };
        for (;;) {
            auto row = statement.value().step();
            if (!row)
                return FileError { FileErrorNumbers::invalidFileFormat, row.error().text };
            if (!row.value())
                break;
            QStringList cells;
            for (int column = 0; column < statement.value().columnCount(); ++column)
                cells << statement.value().text(column);
            if (cells != QStringList { QStringLiteral("ok") })
                findings << cells.join(QLatin1Char(' '));
        }
    }
    if (findings.isEmpty())
        return {};
    return FileError { FileErrorNumbers::invalidFileFormat,
        QStringLiteral("SQLite finds %1 damaged: %2").arg(path, findings.mid(0, 3).join(QStringLiteral("; "))) };
}

namespace {

// The replacement as one transaction on the catalogue; none when SQLite does not take the
// catalogue for a database.
std::optional<FileStatus> replaceInTransaction(
    const QString& database, const QString& replacement, const QString& keptPath, ProgressReport* progress)
{
    auto into = SqliteConnection::open(database);
    if (!into)
        return isNoDatabase(into.error().code) ? std::nullopt : std::optional<FileStatus>(failure(into.error()));
    auto from = SqliteConnection::open(replacement);
    if (!from)
        return failure(from.error());

    BackupHandle backup(sqlite3_backup_init(into.value().handle(), "main", from.value().handle(), "main"));
    if (!backup)
        return failure(into.value().lastError(sqlite3_errcode(into.value().handle())));
    // A step of no pages takes the write lock on the catalogue (waiting for other programs)
    // and copies nothing yet: what is kept now is exactly what will be replaced.
    const int locked = sqlite3_backup_step(backup.get(), 0);
    if (locked != SQLITE_OK)
        return isNoDatabase(locked) ? std::nullopt : std::optional<FileStatus>(backupFailure(database, locked));
    if (FileStatus kept = keepLockedContent(into.value().handle(), database, keptPath); !kept)
        return kept; // the backup ends without a page written: the catalogue is as it was
    const int rc = copyRemainingPages(backup.get(), progress);
    backup.reset();
    if (rc == SQLITE_DONE)
        return FileStatus();
    // Nothing was replaced, so there is nothing to undo: the kept copy goes again.
    QFile::remove(keptPath);
    if (rc == SQLITE_INTERRUPT)
        return cancelledError(QStringLiteral("Restoring %1").arg(database));
    return backupFailure(database, rc);
}

} // namespace

FileStatus replaceCatalogueContent(
    const QString& database, const QString& replacement, const QString& keptPath, ProgressReport* progress)
{
    if (!QFileInfo::exists(database)) {
        StagedFile restored(database);
        if (FileStatus copied = restored.copyFrom(replacement); !copied)
            return copied;
        return restored.commit();
    }
    if (std::optional<FileStatus> replaced = replaceInTransaction(database, replacement, keptPath, progress))
        return *replaced;
    // Every connection of ours to the file is closed again here.
    return replaceByFile(database, replacement, keptPath);
}

FileStatus compactCatalogueInPlace(const QString& database, ProgressReport* progress)
{
    auto connection = SqliteConnection::open(database);
    if (!connection)
        return failure(connection.error());
    if (progress != nullptr)
        sqlite3_progress_handler(
            connection.value().handle(), 1000,
            [](void* report) { return static_cast<ProgressReport*>(report)->cancelRequested() ? 1 : 0; },
            progress);
    if (DbStatus vacuumed = connection.value().exec(QStringLiteral("VACUUM")); !vacuumed) {
        if ((vacuumed.error().code & 0xff) == SQLITE_INTERRUPT)
            return cancelledError(QStringLiteral("Compacting %1").arg(database));
        return failure(vacuumed.error());
    }
    return {};
}
