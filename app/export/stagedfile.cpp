#include "export/stagedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <fcntl.h>
#include <unistd.h>

FileStatus syncFolder(const QString& folder)
{
    // A folder that cannot be opened for reading (write and search rights only) is left to the
    // file system's own schedule.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0)
        return fileError(std::error_code(error, std::generic_category()),
            QStringLiteral("Cannot write the folder %1 to the disk").arg(folder));
    return {};
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    // A loop of links resolves to nothing: the path itself is kept, and the write fails there.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) {
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            break;
        info.setFile(next);
    }
    return info.isSymLink() ? path : info.filePath();
}

StagedFile::StagedFile(QString destination)
    : m_destination(resolvedTarget(destination))
{
}

StagedFile::~StagedFile() = default;

FileStatus StagedFile::create()
{
    const QFileInfo target(m_destination);
    // Hidden and recognisable, in the destination's folder so that the rename stays on one
    // file system.
    m_staged = std::make_unique<QTemporaryFile>(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    m_ready = false;
    if (!m_staged->open())
        return FileError { QFileInfo::exists(target.absolutePath()) ? ErrorNumbers::fileAccess
                                                                    : ErrorNumbers::pathNotFound,
            QStringLiteral("Cannot create a file in %1: %2")
                .arg(target.absolutePath(), m_staged->errorString()) };
    m_staged->close();
    m_ready = true;
    return {};
}

FileStatus StagedFile::copyFrom(const QString& source)
{
    if (FileStatus created = create(); !created)
        return created;
    std::error_code error;
    std::filesystem::copy_file(nativePath(source), nativePath(m_staged->fileName()),
        std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        m_ready = false;
        return fileError(error, QStringLiteral("Cannot copy %1 to %2").arg(source, m_destination));
    }
    return {};
}

QString StagedFile::stagedPath() const
{
    return m_ready ? m_staged->fileName() : QString();
}

FileStatus StagedFile::prepareForCommit()
{
    if (!m_ready)
        return FileError { ErrorNumbers::fileAccess,
            QStringLiteral("Nothing was prepared to replace %1").arg(m_destination) };
    if (FileStatus synced = syncToDisk(m_staged->fileName()); !synced)
        return synced;
    copyPermissions(m_destination, m_staged->fileName());
    return {};
}

FileStatus StagedFile::commit()
{
    if (FileStatus prepared = prepareForCommit(); !prepared)
        return prepared;
    if (FileStatus renamed = replaceByRename(m_staged->fileName(), m_destination); !renamed)
        return renamed;
    m_staged->setAutoRemove(false);
    m_ready = false;
    return {};
}

FileStatus StagedFile::commitAsNew()
{
    if (FileStatus prepared = prepareForCommit(); !prepared)
        return prepared;
    // A second name for the staged file that fails when the name is taken; the staged name
    // then goes with the object.
    if (::link(QFile::encodeName(m_staged->fileName()).constData(), QFile::encodeName(m_destination).constData())
        != 0)
        return fileError(std::error_code(errno, std::generic_category()),
            QStringLiteral("Cannot create %1").arg(m_destination));
    syncFolder(QFileInfo(m_destination).absolutePath());
    m_ready = false;
    return {};
}

void copyPermissions(const QString& model, const QString& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(nativePath(model), error);
    const fs::perms permissions = !error && fs::exists(status)
        ? status.permissions()
        : fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(nativePath(path), permissions, fs::perm_options::replace, error);
}

FileStatus syncToDisk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return FileError { ErrorNumbers::fileAccess,
            QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()) };
    if (::fsync(file.handle()) != 0)
        return fileError(std::error_code(errno, std::generic_category()),
            QStringLiteral("Cannot write %1 to the disk").arg(path));
    return {};
}

FileStatus replaceByRename(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    if (error)
        return fileError(error, QStringLiteral("Cannot put %1 in place of %2").arg(from, to));
    syncFolder(QFileInfo(to).absolutePath());
    return {};
}

FileStatus moveIntoPlace(const QString& from, const QString& to)
{
    const QString target = resolvedTarget(to);
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(target), error);
    if (!error) {
        syncFolder(QFileInfo(target).absolutePath());
        return {};
    }
    if (error != std::errc::cross_device_link)
        return fileError(error, QStringLiteral("Cannot put %1 in place of %2").arg(from, to));
    StagedFile copy(target);
    if (FileStatus copied = copy.copyFrom(from); !copied)
        return copied;
    if (FileStatus committed = copy.commit(); !committed)
        return committed;
    QFile::remove(from);
    return {};
}
