#include "editing/coverfile.h"

#include "extras/picturefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

std::optional<AppError> checkCoverPicture(const QString& path, const QString& source)
{
    auto failure = [&source](int number, const QString& description) {
        return AppError { number, description, source };
    };
    const QFileInfo info(path);
    if (!info.exists())
        return failure(
            ErrorNumbers::fileNotFound, QStringLiteral("The picture %1 does not exist.").arg(path));
    if (!info.isFile())
        return failure(ErrorNumbers::fileAccess, QStringLiteral("%1 is not a file.").arg(path));
    if (info.size() > maxCoverBytes)
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("The picture %1 is too large for a cover (%2 MB; at most %3 MB).")
                .arg(path)
                .arg(info.size() / (1024 * 1024))
                .arg(maxCoverBytes / (1024 * 1024)));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ErrorNumbers::fileAccess,
            QStringLiteral("The picture %1 cannot be read: %2").arg(path, file.errorString()));
    // The format is taken from the bytes, not the name: a text file called "cover.jpg" is no
    // picture, a PNG called "cover.jpg" is one.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (!size.isValid() || size.isEmpty())
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("%1 is not a picture this program can show.").arg(path));
    if (qint64(size.width()) * size.height() > maxCoverPixels)
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("The picture %1 is too large for a cover (%2 x %3 pixels).")
                .arg(path)
                .arg(size.width())
                .arg(size.height()));
    return std::nullopt;
}

std::optional<AppError> copyCover(const QString& picture, const QString& target, const QString& source)
{
    if (auto bad = checkCoverPicture(picture, source))
        return bad;
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return AppError { ErrorNumbers::pathNotFound,
            QStringLiteral("The cover folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)),
            source };
    QString error;
    if (!copyPictureFile(picture, target, &error))
        return AppError { ErrorNumbers::fileAccess, error, source };
    return std::nullopt;
}
