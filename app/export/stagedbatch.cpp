#include "export/stagedbatch.h"

#include "export/stagedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <fcntl.h>
#include <unistd.h>

StagedBatch::StagedBatch() = default;

StagedBatch::~StagedBatch() = default;

FileStatus StagedBatch::add(const QString& destination, const QByteArray& bytes)
{
    const QFileInfo target(resolvedTarget(destination));
    // Hidden and recognisable, in the destination's folder so that the rename stays on one
    // file system.
    auto file = std::make_unique<QTemporaryFile>(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file->open())
        return FileError {
            QFileInfo::exists(target.absolutePath()) ? ErrorNumbers::fileAccess : ErrorNumbers::pathNotFound,
            QStringLiteral("Cannot create a file in %1: %2").arg(target.absolutePath(), file->errorString())
        };
    // The name is given now (Qt may create the file unnamed), so that it can be closed:
    // a batch holds no open files.
    if (file->write(bytes) != bytes.size() || !file->flush() || file->fileName().isEmpty())
        return FileError { ErrorNumbers::fileAccess,
            QStringLiteral("Cannot write %1: %2").arg(target.filePath(), file->errorString()) };
    file->close();
    m_staged.push_back({ target.filePath(), std::move(file) });
    return {};
}

void StagedBatch::dropLast()
{
    if (!m_staged.empty())
        m_staged.pop_back();
}

namespace {

FileStatus cannotFlush(const QString& what)
{
    return fileError(std::error_code(errno, std::generic_category()),
        QStringLiteral("Cannot write %1 to the disk").arg(what));
}

// Sends the staged files to the disc. Each flush of one file waits for the disc on its own,
// so for several the file systems they are on are flushed once each instead.
FileStatus flushStaged(const QStringList& staged, const QStringList& folders)
{
    if (staged.size() == 1) {
        const int fd = ::open(QFile::encodeName(staged.first()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fdatasync(fd) != 0) {
            FileStatus failed = cannotFlush(staged.first());
            if (fd >= 0)
                ::close(fd);
            return failed;
        }
        ::close(fd);
        return {};
    }
    for (const QString& folder : folders) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 || ::syncfs(fd) != 0) {
            FileStatus failed = cannotFlush(folder);
            if (fd >= 0)
                ::close(fd);
            return failed;
        }
        ::close(fd);
    }
    return {};
}

} // namespace

FileStatus StagedBatch::commit()
{
    QStringList staged;
    QStringList folders;
    for (const Staged& file : m_staged) {
        staged.append(file.file->fileName());
        const QString folder = QFileInfo(file.destination).absolutePath();
        if (!folders.contains(folder))
            folders.append(folder);
    }
    if (FileStatus flushed = flushStaged(staged, folders); !flushed)
        return flushed;
    for (Staged& file : m_staged) {
        copyPermissions(file.destination, file.file->fileName());
        std::error_code error;
        std::filesystem::rename(nativePath(file.file->fileName()), nativePath(file.destination), error);
        if (error)
            return fileError(error,
                QStringLiteral("Cannot put %1 in place of %2").arg(file.file->fileName(), file.destination));
        file.file->setAutoRemove(false);
    }
    for (const QString& folder : folders) {
        if (FileStatus synced = syncFolder(folder); !synced)
            return synced;
    }
    m_staged.clear();
    return {};
}
