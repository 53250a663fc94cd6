#include "export/compaction.h"

#include "db/catalogue.h"
#include "export/stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <filesystem>

namespace {

// Removes the temporary file when the compaction ends, whatever way it ends. Only a plain
// file is removed: a folder of that name is not ours.
class TempFileGuard {
public:
    explicit TempFileGuard(QString path)
        : m_path(std::move(path))
    {
        removeIfFile();
    }
    ~TempFileGuard() { removeIfFile(); }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

private:
    void removeIfFile() const
    {
        const QFileInfo info(m_path);
        if (info.isFile() || info.isSymLink())
            QFile::remove(m_path);
    }
    QString m_path;
};

FileError dbFailure(const DbError& error, const QString& what)
{
    return { ErrorNumbers::fileAccess, what + QStringLiteral(": ") + error.text };
}

} // namespace

QString compactionTempPath(const QString& homeFolder)
{
    return QDir(homeFolder).filePath(QStringLiteral("CompDb.db"));
}

int savingPercent(qint64 sizeBefore, qint64 sizeAfter)
{
    if (sizeBefore <= 0)
        return 0;
    // The default rounding mode takes an exact half to the even neighbour; the quotient of
    // file sizes is exact enough in a double for a half to stay a half.
    return static_cast<int>(
        std::lrint(static_cast<double>(sizeBefore - sizeAfter) * 100.0 / static_cast<double>(sizeBefore)));
}

FileResult<CompactionOutcome> compactCatalogue(const QString& database, const QString& tempPath)
{
    const QFileInfo original(database);
    if (!original.isFile())
        return FileError { ErrorNumbers::fileNotFound,
            QStringLiteral("The catalogue %1 does not exist").arg(database) };
    CompactionOutcome outcome;
    outcome.sizeBefore = original.size();

    if (QFileInfo(tempPath).canonicalFilePath() == original.canonicalFilePath())
        return FileError { ErrorNumbers::fileAccess,
            QStringLiteral("The temporary file %1 is the catalogue itself").arg(tempPath) };

    TempFileGuard temp(tempPath);
    const Catalogue catalogue(database);
    if (auto vacuumed = catalogue.ExecuteSql(QStringLiteral("VACUUM INTO ?"), { tempPath }); !vacuumed)
        return dbFailure(
            vacuumed.error(), QStringLiteral("Cannot compact %1 into %2").arg(database, tempPath));
    if (DbStatus checked = Catalogue(tempPath).checkCatalogue(); !checked)
        return dbFailure(
            checked.error(), QStringLiteral("The compacted copy of %1 is not usable").arg(database));
    if (FileStatus synced = syncToDisk(tempPath); !synced)
        return synced.error();

    copyPermissions(database, tempPath);
    std::error_code renamed;
    std::filesystem::rename(nativePath(tempPath), nativePath(database), renamed);
    if (renamed == std::errc::cross_device_link) {
        // The home folder lies on another file system than the catalogue: bring the copy over
        // beside the catalogue first, then rename it there.
        StagedFile copy(database);
        if (FileStatus copied = copy.copyFrom(tempPath); !copied)
            return copied.error();
        if (FileStatus committed = copy.commit(); !committed)
            return committed.error();
    } else if (renamed) {
        return fileError(renamed, QStringLiteral("Cannot put %1 in place of %2").arg(tempPath, database));
    }
    outcome.sizeAfter = QFileInfo(database).size();
    outcome.saving = savingPercent(outcome.sizeBefore, outcome.sizeAfter);
    return outcome;
}
