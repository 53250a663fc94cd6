#include "editing/id3v1.h"

#include "editing/legacytext.h"

#include <QFile>

namespace {

// A fixed-width field: up to its first zero byte, without the blanks that pad it.
QString field(QByteArrayView block, qsizetype offset, qsizetype width)
{
    QByteArrayView bytes = block.sliced(offset, width);
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
        bytes.truncate(zero);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return decodeUtf8OrWindows1252(bytes);
}

} // namespace

std::optional<Id3v1Tag> parseId3v1(QByteArrayView block)
{
    if (block.size() != id3v1Size || !block.startsWith("TAG"))
        return std::nullopt;
    Id3v1Tag tag;
    tag.title = field(block, 3, 30);
    tag.artist = field(block, 33, 30);
    tag.album = field(block, 63, 30);
    tag.year = field(block, 93, 4);
    return tag;
}

std::optional<Id3v1Tag> readId3v1(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The size is asked of the open file, so a file replaced or shortened after it was listed
    // is judged by what is actually read.
    const qint64 size = file.size();
    if (size < id3v1Size || !file.seek(size - id3v1Size))
        return std::nullopt;
    const QByteArray block = file.read(id3v1Size);
    return parseId3v1(block);
}
