// Feeds arbitrary tag values to the grouping of music files into albums. Each input line is
// one file: path, artist, album artist, album, disc, track and title, separated by tabs; a
// line of fewer fields is a file that is no music. Every file must land in exactly one place,
// and every album must be whole and consistently numbered.
#include "import/folderalbums.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<ReadMusicFile> files;
    for (const QByteArray& line : input.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        ReadMusicFile file { { QString::fromUtf8(fields[0]), 0, 0 }, std::nullopt };
        if (fields.size() >= 7) {
            MusicTags tags;
            tags.artist = QString::fromUtf8(fields[1]);
            tags.albumArtist = QString::fromUtf8(fields[2]);
            tags.album = QString::fromUtf8(fields[3]);
            tags.disc = fields[4].toInt();
            tags.track = fields[5].toInt();
            tags.title = QString::fromUtf8(fields[6]);
            file.tags = tags;
        }
        files.append(file);
    }

    const AlbumGrouping grouping = groupIntoAlbums(files);
    qsizetype placed = grouping.untagged.size() + grouping.notMusic.size();
    for (const FolderAlbum& album : grouping.albums) {
        require(!album.tracks.isEmpty() && album.tracks.size() == album.files.size());
        require(!album.artist.isEmpty() && !album.titel.isEmpty());
        QSet<int> numbers;
        for (const FolderTrack& track : album.tracks) {
            require(track.path.startsWith(album.folder));
            require(!numbers.contains(track.nummer));
            numbers.insert(track.nummer);
        }
        placed += album.tracks.size();
    }
    require(placed == files.size());
    return 0;
}
