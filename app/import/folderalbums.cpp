#include "import/folderalbums.h"

#include "editing/playlistfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <filesystem>

namespace {

FoundMusicFile foundFile(const QFileInfo& info)
{
    return { info.filePath(), info.size(), info.lastModified().toMSecsSinceEpoch() };
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

// The deepest folder (ending in "/") that holds every path.
QString commonFolder(const QList<FolderTrack>& tracks)
{
    QString common = folderOf(tracks.first().path);
    for (const FolderTrack& track : tracks) {
        while (!common.isEmpty() && !track.path.startsWith(common))
            common = folderOf(common.chopped(1));
    }
    return common;
}

// The carrier a kind of music file is catalogued under: its extension, at most three letters.
QString carrierOf(const QString& path)
{
    return QFileInfo(path).suffix().left(3).toUpper();
}

struct PendingTrack {
    const ReadMusicFile* file;
    int disc;
    int track;
};

FolderAlbum makeAlbum(QList<PendingTrack> pending)
{
    std::sort(pending.begin(), pending.end(), [](const PendingTrack& a, const PendingTrack& b) {
        return std::tie(a.disc, a.track, a.file->file.path) < std::tie(b.disc, b.track, b.file->file.path);
    });
    QSet<int> discs;
    QSet<int> numbers;
    for (const PendingTrack& track : pending) {
        discs.insert(qMax(track.disc, 1));
        numbers.insert(track.track);
    }
    const bool keepNumbers = discs.size() == 1 && !numbers.contains(0) && numbers.size() == pending.size();

    const MusicTags& first = *pending.first().file->tags;
    FolderAlbum album;
    album.artist = first.albumOwner();
    album.titel = first.album;
    album.drager = carrierOf(pending.first().file->file.path);
    for (qsizetype i = 0; i < pending.size(); ++i) {
        const ReadMusicFile& file = *pending[i].file;
        const MusicTags& tags = *file.tags;
        if (album.jaar.isEmpty())
            album.jaar = tags.year;
        if (carrierOf(file.file.path) != album.drager)
            album.drager.clear();
        const QString naam = tags.title.isEmpty() ? trackCaption(file.file.path) : tags.title;
        album.tracks.append({ file.file.path, keepNumbers ? pending[i].track : int(i + 1), naam,
            tags.lengthSeconds, tags.disc, tags.hasPicture });
        album.files.append(file.file);
    }
    album.folder = commonFolder(album.tracks);
    return album;
}

} // namespace

MusicFolderScan scanMusicFolder(const QString& folder, bool recursive, const std::function<bool()>& cancelled)
{
    namespace fs = std::filesystem;
    static const QSet<QString> suffixes = { QStringLiteral("flac"), QStringLiteral("mp3"),
        QStringLiteral("ogg"), QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("m4a"),
        QStringLiteral("mp4"), QStringLiteral("wav"), QStringLiteral("wma") };
    MusicFolderScan scan;
    QStringList pending { QDir::cleanPath(folder) };
    while (!pending.isEmpty()) {
        if (cancelled && cancelled()) {
            scan.cancelled = true;
            break;
        }
        const QString current = pending.takeLast();
        // Listed by the raw names the system keeps: Qt's own listing leaves out names it
        // cannot decode, and those must be reported.
        std::error_code error;
        fs::directory_iterator entry(fs::path(QFile::encodeName(current).toStdString()), error);
        if (error) {
            scan.unreadable.append(current);
            continue;
        }
        for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
            const std::string raw = entry->path().native();
            const QString path = QFile::decodeName(QByteArray::fromStdString(raw));
            std::error_code status;
            const bool isLink = entry->is_symlink(status);
            const bool isFolder = entry->is_directory(status);
            const bool isMusic = !isFolder && suffixes.contains(QFileInfo(path).suffix().toLower());
            if (!isMusic && !(isFolder && recursive && !isLink))
                continue;
            if (QFile::encodeName(path).toStdString() != raw) {
                scan.unreadable.append(path);
                continue;
            }
            if (isFolder) {
                pending.append(path);
                continue;
            }
            const QFileInfo info(path);
            if (info.isFile() && info.isReadable())
                scan.files.append(foundFile(info));
            else
                scan.unreadable.append(path);
        }
        if (error)
            scan.unreadable.append(current); // the listing broke off part way
    }
    std::sort(scan.files.begin(), scan.files.end(),
        [](const FoundMusicFile& a, const FoundMusicFile& b) { return a.path < b.path; });
    scan.unreadable.sort();
    return scan;
}

QList<ReadMusicFile> readMusicFiles(const QList<FoundMusicFile>& files)
{
    QList<ReadMusicFile> read;
    read.reserve(files.size());
    for (const FoundMusicFile& file : files)
        read.append({ file, readMusicTags(file.path) });
    return read;
}

AlbumGrouping groupIntoAlbums(const QList<ReadMusicFile>& files)
{
    AlbumGrouping grouping;
    QHash<QString, QList<PendingTrack>> byAlbum;
    QStringList order;
    for (const ReadMusicFile& file : files) {
        if (!file.tags) {
            grouping.notMusic.append(file.file);
            continue;
        }
        const QString artist = file.tags->albumOwner();
        if (artist.isEmpty() || file.tags->album.isEmpty()) {
            grouping.untagged.append(file.file);
            continue;
        }
        const QString key = artist.toCaseFolded() + QChar(0) + file.tags->album.toCaseFolded();
        auto found = byAlbum.find(key);
        if (found == byAlbum.end()) {
            order.append(key);
            found = byAlbum.insert(key, {});
        }
        found->append({ &file, file.tags->disc, file.tags->track });
    }
    order.sort();
    for (const QString& key : order)
        grouping.albums.append(makeAlbum(byAlbum.value(key)));
    return grouping;
}

QString FolderAlbum::lengte() const
{
    int seconds = 0;
    for (const FolderTrack& track : tracks)
        seconds += track.lengthSeconds;
    return lengthText(seconds);
}
