#pragma once

#include "editing/musictags.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Albums made from music files: the files are found in a folder (tree), their tags read, and
// files that share album artist (else artist) and album form one album.

// One music file found on disc: where it is and how it looked when it was read.
struct FoundMusicFile {
    QString path;
    qint64 size = 0;
    qint64 modified = 0; // modification time, milliseconds since 1970 UTC
};

// A found file and what reading it gave: nothing when it is no music or cannot be read.
struct ReadMusicFile {
    FoundMusicFile file;
    std::optional<MusicTags> tags;
};

// What a walk through a folder found.
struct MusicFolderScan {
    QList<FoundMusicFile> files; // sorted by path
    QStringList unreadable; // folders and files that could not be listed or opened
    bool cancelled = false;
};

// Lists the music files (.flac, .mp3, .ogg, .oga, .opus, .m4a, .mp4, .wav, .wma, letter case
// aside) of `folder`, and with `recursive` of every folder below it. Symbolic links to folders
// are not followed (a link loop cannot trap the walk); names that are no valid text in the
// system's encoding are listed as unreadable (with stand-in characters), never skipped quietly.
// `cancelled`, when given, is asked between folders and ends the walk.
MusicFolderScan scanMusicFolder(
    const QString& folder, bool recursive, const std::function<bool()>& cancelled = {});

// One track of a folder album.
struct FolderTrack {
    QString path;
    int nummer = 0;
    QString naam;
    int lengthSeconds = 0;
    int disc = 0; // as the tags give it; 0 when they name none (the catalogue keeps no disc)
    bool pictureEmbedded = true; // false when the tags were read and hold no picture
};

// An album as the files' tags describe it.
struct FolderAlbum {
    QString artist; // album artist, else the artist of its first track
    QString titel;
    QString jaar; // the first year its tracks name, "" when none does
    QString drager; // the files' kind as a carrier ("MP3", "FLA", ...; "" when mixed)
    QString folder; // the deepest folder holding all its files, ending in "/"
    QList<FolderTrack> tracks; // in disc, track number and path order
    QList<FoundMusicFile> files; // the files it was made of

    // The tracks' total length, "m:ss" ("" when unknown).
    QString lengte() const;
};

// Albums made of `files`, and the files that belong to none.
struct AlbumGrouping {
    QList<FolderAlbum> albums; // by artist, then title (case aside)
    QList<FoundMusicFile> untagged; // music without album or artist in its tags
    QList<FoundMusicFile> notMusic; // no music TagLib knows, or unreadable
};

// Groups read files into albums by album artist (else artist) and album, letter case aside.
// Track numbers are the tags' when the album is one disc whose tracks all carry distinct
// numbers; otherwise the tracks are numbered 1, 2, ... in disc, track and path order. A track
// without a title is named after its file.
AlbumGrouping groupIntoAlbums(const QList<ReadMusicFile>& files);

// Reads the tags of every file (see readMusicTags).
QList<ReadMusicFile> readMusicFiles(const QList<FoundMusicFile>& files);
