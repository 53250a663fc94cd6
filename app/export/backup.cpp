#include "export/backup.h"

#include "db/catalogue.h"
#include "export/stagedfile.h"
#include "shell/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString datedBackupName(const QDate& day)
{
    return day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".db");
}

bool backupFileExists(const QString& folder, const QString& name)
{
    return QFileInfo(QDir(folder).filePath(name)).isFile();
}

FileStatus checkBackupFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return {};
    return FileError { ErrorNumbers::pathNotFound,
        QStringLiteral("The backup folder %1 does not exist").arg(folder) };
}

FileStatus backupCatalogue(const QString& database, const QString& target)
{
    StagedFile copy(target);
    if (FileStatus copied = copy.copyFrom(database); !copied)
        return copied;
    return copy.commit();
}

QStringList catalogueBackups(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.db") }, QDir::Files, QDir::Name);
}

FileStatus restoreCatalogue(const QString& backupPath, const QString& database)
{
    StagedFile copy(database);
    if (FileStatus copied = copy.copyFrom(backupPath); !copied)
        return copied;
    if (DbStatus checked = Catalogue(copy.stagedPath()).checkCatalogue(); !checked)
        return FileError { FileErrorNumbers::invalidFileFormat,
            QStringLiteral("%1 is not a catalogue this program can use; the catalogue was not "
                           "replaced (%2)")
                .arg(backupPath, checked.error().text) };
    if (FileStatus committed = copy.commit(); !committed)
        return committed;
    // A rollback journal left by an interrupted write belonged to the replaced file; applied
    // to the restored one it would damage it.
    QFile::remove(database + QStringLiteral("-journal"));
    return {};
}

std::optional<ArchiveKind> archiveKind(int index, const Settings& settings)
{
    switch (index) {
    case 1:
        return ArchiveKind { settings.coverDir, QStringLiteral("*.jpg"), 6, CabinetCompression::Stored };
    case 2:
        return ArchiveKind { settings.fotoDir, QStringLiteral("*.jpg"), 9, CabinetCompression::Stored };
    case 3:
        return ArchiveKind { settings.muziekDir, QStringLiteral("*.m3u"), 7, CabinetCompression::MsZip };
    default:
        return std::nullopt;
    }
}

QStringList filesToArchive(const ArchiveKind& kind)
{
    QStringList paths;
    const QDir folder(kind.folder);
    for (const QFileInfo& file : folder.entryInfoList({ kind.mask }, QDir::Files, QDir::Name))
        paths << file.absoluteFilePath();
    return paths;
}

FileStatus backupArchive(const ArchiveKind& kind, const QString& cabPath)
{
    return writeCabinet(cabPath, filesToArchive(kind), kind.compression);
}

FileResult<int> restoreArchive(const ArchiveKind& kind, const QString& cabPath)
{
    return extractCabinet(cabPath, kind.folder, kind.mask);
}
