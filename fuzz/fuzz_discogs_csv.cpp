// Feeds arbitrary bytes to the Discogs collection reader, once as they are and once behind a
// valid header, and checks every row it hands on: rows come in line order, and an album has
// artist and title, a carrier of at most three letters, comments within their size, and text
// that is valid Unicode.
#include "editing/titlestore.h"
#include "import/discogscsv.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    qint64 lastLine = 1;
    readDiscogsCsv(buffer, [&](const DiscogsRow& row) {
        require(row.line > lastLine);
        lastLine = row.line;
        require(row.album.has_value() != !row.refusal.isEmpty());
        if (row.album) {
            const DiscogsAlbum& album = *row.album;
            require(!album.artist.isEmpty() && !album.titel.isEmpty());
            require(album.drager.size() <= TitleLimits::drager);
            require(album.bijzonderheden.size() <= TitleLimits::bijzonderheden);
            require(album.jaar.isEmpty() || album.jaar.size() == 4);
            for (const QString& text : { album.artist, album.titel, album.bijzonderheden })
                require(QStringView(text).isValidUtf16());
        }
        return true;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    readAll(input);
    readAll("Catalog#,Artist,Title,Label,Format,Rating,Released,release_id,CollectionFolder,Date Added,"
            "Collection Media Condition,Collection Sleeve Condition,Collection Notes\r\n"
            + input);
    return 0;
}
