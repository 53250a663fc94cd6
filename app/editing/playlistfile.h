#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Playlist files: `MuziekDir` + album id + ".m3u", one full music-file path per line.

// Which music files the playlist builder lists.
enum class MusicKind {
    Mp3,   // "*.mp3"
    Wma,   // "*.wma"
    Other, // "*.flac", "*.ogg", "*.opus", "*.m4a"
};

// The name patterns of a kind ("*.mp3" ...). Matching ignores letter case, as on the
// systems the catalogue comes from ("Track.MP3" is an mp3 file).
QStringList musicFilePatterns(MusicKind kind);

// The music files of `folder` (names only, no folder) of the given kind, sorted by name.
// Names holding a line break are left out: a playlist line could not hold them. A folder
// that does not exist or cannot be read gives false with `error` set.
bool listMusicFiles(const QString& folder, MusicKind kind, QStringList& names, QString* error);

// The playlist file of an album: `muziekDir` (ending in "/") + id + ".m3u".
QString playlistPath(const QString& muziekDir, qint64 titleId);

// The content of a playlist: for each name, in order, `folder` (a trailing "/" ensured) +
// the name, each line ended by CR LF, UTF-8.
QByteArray playlistBytes(const QString& folder, const QStringList& names);

// Writes the playlist `path` with the content playlistBytes() gives. The file is written beside the target and
// renamed over it only when complete, so a failed write (missing folder, full disk) leaves
// an earlier playlist exactly as it was. False with `error` set on failure.
bool writePlaylist(const QString& path, const QString& folder, const QStringList& names,
                   QString* error);

// The entries of a playlist file's bytes: one per line, LF or CR LF endings, text read as
// UTF-8 when the line is valid UTF-8 and as Windows-1252 otherwise. Empty lines and lines
// starting with "#" (extended-M3U comments written by other programs) are not entries.
QStringList parsePlaylist(const QByteArray& bytes);

// Reads and parses the playlist file `path`. A missing or unreadable file, or one larger
// than any playlist could be (maxPlaylistBytes), gives false with `error` set.
inline constexpr qint64 maxPlaylistBytes = 64 * 1024 * 1024;
bool readPlaylist(const QString& path, QStringList& entries, QString* error);

// The name shown for a playlist entry: the part after the last "/" without its extension
// (the last "." and what follows; a name starting with its only dot keeps it).
QString trackCaption(const QString& entry);
