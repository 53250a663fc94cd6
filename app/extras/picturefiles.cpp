#include "extras/picturefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

QString coverPath(const QString& coverDir, qint64 titleId)
{
    return coverDir + QString::number(titleId) + QStringLiteral(".jpg");
}

QString photoPath(const QString& fotoDir, qint64 artistId)
{
    return fotoDir + QString::number(artistId) + QStringLiteral(".jpg");
}

bool isSameFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

LoadedPicture loadPicture(const QString& path, const QSize& bounds)
{
    LoadedPicture result;
    if (!QFileInfo(path).isFile()) {
        result.error = QStringLiteral("The picture %1 does not exist").arg(path);
        return result;
    }
    // The format is recognised from the content, not the name: a ".jpg" may hold a PNG.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()) {
        result.error = QStringLiteral("Cannot show the picture %1: %2").arg(path, reader.errorString());
        return result;
    }
    // With automatic rotation the shown picture may have width and height exchanged; fitting
    // both ways round keeps it inside the bounds either way.
    if (bounds.isValid() && (natural.width() > bounds.width() || natural.height() > bounds.height())) {
        reader.setScaledSize(natural.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        result.scaled = true;
    }
    result.image = reader.read();
    if (result.image.isNull())
        result.error = QStringLiteral("Cannot show the picture %1: %2").arg(path, reader.errorString());
    return result;
}

bool copyPictureFile(const QString& source, const QString& target, QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (isSameFile(source, target))
        return fail(QStringLiteral("%1 is the stored picture itself").arg(source));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(chunk);
        if (bytes.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
        if (out.write(bytes) != bytes.size())
            return fail(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
        if (bytes.isEmpty())
            break;
    }
    if (!out.commit())
        return fail(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    return true;
}
