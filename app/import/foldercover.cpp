#include "import/foldercover.h"

#include "editing/coverfile.h"
#include "extras/picturefiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The picture in `bytes`, shrunk to fit `bounds` before it is decoded.
QImage readPicture(const QByteArray& bytes, const QSize& bounds)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()
        || qint64(natural.width()) * natural.height() > maxCoverPixels)
        return {};
    if (natural.width() > bounds.width() || natural.height() > bounds.height())
        reader.setScaledSize(natural.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

} // namespace

FolderCover findFolderCover(const FolderAlbum& album, const QSize& bounds)
{
    for (const FolderTrack& track : album.tracks) {
        if (!track.pictureEmbedded)
            continue;
        const QByteArray picture = embeddedFrontPicture(track.path, maxCoverBytes);
        if (!picture.isEmpty())
            return { readPicture(picture, bounds), track.path };
    }
    if (album.tracks.isEmpty())
        return {};
    const QString firstFolder = QFileInfo(album.tracks.first().path).path() + QLatin1Char('/');
    for (const QString& folder : { album.folder, firstFolder }) {
        for (const char* name : { "cover.jpg", "folder.jpg", "front.jpg" }) {
            const QString candidate = folder + QLatin1String(name);
            if (QFileInfo(candidate).isFile() && QFileInfo(candidate).size() <= maxCoverBytes)
                return { loadPicture(candidate, bounds).image, candidate };
        }
    }
    return {};
}
