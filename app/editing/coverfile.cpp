#include "editing/coverfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace {

// Entropy-coded data never holds 0xFF followed by a marker code other than a restart, so the
// end-of-image marker after the last start-of-scan shows that the picture arrived whole.
// (Qt's JPEG reader fills a cut-off picture with grey and calls it a success.)
bool jpegIsComplete(const QByteArray& bytes)
{
    const qsizetype lastScan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    return lastScan >= 0 && bytes.indexOf(QByteArrayView("\xFF\xD9", 2), lastScan) > lastScan;
}

// A picture with transparency is put on white, as JPEG has none (its converter would
// otherwise paint the transparent parts black).
QImage withoutTransparency(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

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

namespace {

struct DecodedCover {
    QImage image;
    bool jpeg = false;
    std::optional<AppError> problem;
};

DecodedCover decodeCover(const QByteArray& bytes, const QString& what, const QString& source)
{
    auto failure = [&source](int number, const QString& description) {
        return DecodedCover { {}, false, AppError { number, description, source } };
    };
    if (bytes.size() > maxCoverBytes)
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("%1 is too large for a cover (%2 MB; at most %3 MB).")
                .arg(what)
                .arg(bytes.size() / (1024 * 1024))
                .arg(maxCoverBytes / (1024 * 1024)));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (size.isValid() && qint64(size.width()) * size.height() > maxCoverPixels)
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("%1 is too large for a cover (%2 x %3 pixels).")
                .arg(what)
                .arg(size.width())
                .arg(size.height()));
    DecodedCover decoded { {}, reader.format() == "jpeg", std::nullopt };
    decoded.image = reader.read();
    if (decoded.image.isNull() || (decoded.jpeg && !jpegIsComplete(bytes)))
        return failure(CoverErrors::invalidPicture,
            QStringLiteral("%1 is not a picture this program can show.").arg(what));
    return decoded;
}

} // namespace

std::optional<AppError> checkCoverBytes(const QByteArray& bytes, const QString& what, const QString& source)
{
    return decodeCover(bytes, what, source).problem;
}

std::optional<AppError> storeCover(
    const QByteArray& bytes, const QString& target, const QString& what, const QString& source)
{
    auto failure = [&source](int number, const QString& description) {
        return AppError { number, description, source };
    };
    const DecodedCover decoded = decodeCover(bytes, what, source);
    if (decoded.problem)
        return decoded.problem;
    const bool jpeg = decoded.jpeg;
    const QImage& image = decoded.image;

    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo(folder).isDir())
        return failure(ErrorNumbers::pathNotFound,
            QStringLiteral("The cover folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
    QSaveFile out(target);
    const bool written = out.open(QIODevice::WriteOnly)
        && (jpeg ? out.write(bytes) == bytes.size()
                 : QImageWriter(&out, "jpeg").write(withoutTransparency(image)))
        && out.commit();
    if (!written)
        return failure(ErrorNumbers::fileAccess,
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), out.errorString()));
    return std::nullopt;
}

std::optional<AppError> copyCover(const QString& picture, const QString& target, const QString& source)
{
    if (auto bad = checkCoverPicture(picture, source))
        return bad;
    // The whole file is read before the target is written, so a picture chosen over its own
    // stored copy is kept.
    QFile file(picture);
    if (!file.open(QIODevice::ReadOnly))
        return AppError { ErrorNumbers::fileAccess,
            QStringLiteral("The picture %1 cannot be read: %2").arg(picture, file.errorString()), source };
    return storeCover(file.read(maxCoverBytes + 1), target, picture, source);
}
