#include "export/backup.h"

#include "export/cataloguefile.h"
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

FileStatus backupCatalogue(const QString& database, const QString& target, ProgressReport* progress)
{
    StagedFile copy(target);
    if (FileStatus created = copy.create(); !created)
        return created;
    if (FileStatus copied = copyCatalogueInto(database, copy.stagedPath(), progress); !copied)
        return copied;
    return copy.commit();
}

QStringList catalogueBackups(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.db") }, QDir::Files, QDir::Name);
}

QString keptCatalogueName(const QString& folder, const QDateTime& now)
{
    const QString stem = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++n)
        name = stem + QStringLiteral("-%1.db").arg(n);
    return name;
}

FileStatus restoreCatalogue(
    const QString& backupPath, const QString& database, const QString& keptPath, ProgressReport* progress)
{
    StagedFile copy(database);
    if (FileStatus copied = copy.copyFrom(backupPath); !copied)
        return copied;
    if (FileStatus checked = verifyCatalogueFile(copy.stagedPath()); !checked)
        return FileError { checked.error().number == FileErrorNumbers::diskFull ? FileErrorNumbers::diskFull
                                                                                : FileErrorNumbers::invalidFileFormat,
            QStringLiteral("%1 is not a catalogue this program can use; the catalogue was not "
                           "replaced (%2)")
                .arg(backupPath, checked.error().text) };
    return replaceCatalogueContent(database, copy.stagedPath(), keptPath, progress);
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

FileStatus backupArchive(const ArchiveKind& kind, const QString& cabPath, ProgressReport* progress)
{
    return writeCabinet(cabPath, filesToArchive(kind), kind.compression, {}, progress);
}

FileResult<int> restoreArchive(const ArchiveKind& kind, const QString& cabPath, ProgressReport* progress)
{
    return extractCabinet(cabPath, kind.folder, kind.mask, progress);
}
