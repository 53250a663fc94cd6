#include "import/musiclibrary.h"

DbResult<LibraryScan> scanMusicLibrary(
    const Catalogue& catalogue, const QString& root, const LibraryProgress& progress)
{
    auto remembered = rememberedMusicFiles(catalogue);
    if (!remembered)
        return remembered.error();

    LibraryScan result;
    MusicFolderScan found = scanMusicFolder(root, true, [&] { return progress && !progress(0, 0, root); });
    result.unreadable = found.unreadable;
    if (found.cancelled) {
        result.cancelled = true;
        return result;
    }

    QList<FoundMusicFile> toRead;
    for (const FoundMusicFile& file : found.files) {
        const auto known = remembered.value().constFind(file.path);
        if (known != remembered.value().cend() && known->size == file.size && known->modified == file.modified
            && !known->albumGone) {
            ++result.filesKnown;
            continue;
        }
        toRead.append(file);
    }

    QList<ReadMusicFile> read;
    read.reserve(toRead.size());
    for (const FoundMusicFile& file : toRead) {
        if (progress && !progress(read.size(), toRead.size(), file.path)) {
            result.cancelled = true;
            return result;
        }
        read.append({ file, readMusicTags(file.path) });
    }
    result.filesRead = read.size();

    AlbumGrouping grouping = groupIntoAlbums(read);
    result.untagged = grouping.untagged;
    result.notMusic = grouping.notMusic;
    if (auto status = rememberMusicFiles(catalogue, grouping.untagged + grouping.notMusic, 0); !status)
        return status.error();
    const auto catalogued = CataloguedAlbums::read(catalogue);
    if (!catalogued)
        return catalogued.error();
    for (FolderAlbum& album : grouping.albums) {
        const qint64 present = catalogued.value().idOf(album.artist, album.titel);
        if (present == 0) {
            result.newAlbums.append(std::move(album));
            continue;
        }
        if (auto status = rememberMusicFiles(catalogue, album.files, present); !status)
            return status.error();
        result.presentAlbums.append(std::move(album));
    }
    return result;
}
