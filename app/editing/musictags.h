#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a music file's tags say about it, read with TagLib from whatever tag format the file
// carries (ID3v2, ID3v1, Vorbis comments, MP4 atoms, APE). Text that older tagging programs
// wrote in Windows-1252 where the format says Latin-1 reads as they meant it.
struct MusicTags {
    QString title;
    QString artist;
    QString albumArtist; // "" when the file names none
    QString album;
    QString year; // "" when the tag holds none
    QString comment;
    QString genre;
    int track = 0; // 0 when the tag holds none
    int disc = 0;
    int lengthSeconds = 0; // from the audio itself; 0 when unknown
    bool hasPicture = false; // an embedded picture, for embeddedFrontPicture to read

    // Whether the file carries anything that names the album or the track.
    bool hasTags() const;
    // The artist the album goes under: the album artist, else the track's artist.
    QString albumOwner() const;
};

// Reads the tags and the audio length of `path`. Nothing when the file is missing, unreadable
// or not a music file TagLib knows (whatever its extension says).
std::optional<MusicTags> readMusicTags(const QString& path);

// The front-cover picture embedded in `path` (the first picture when none is marked as the
// front cover), as stored; empty when there is none or it is larger than `maxBytes`.
QByteArray embeddedFrontPicture(const QString& path, qint64 maxBytes);

// A length in seconds as "m:ss"; "" for 0.
QString lengthText(int seconds);
