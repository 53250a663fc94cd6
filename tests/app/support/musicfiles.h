#pragma once

#include <QByteArray>
#include <QString>

// Small music files made by the tests themselves: the least audio each format needs for
// TagLib to take it as valid (and to give its length), with tags written through TagLib.
enum class AudioKind { Mp3, Flac, Wav, OggVorbis, Mp4 };

struct TagValues {
    QString title;
    QString artist;
    QString albumArtist;
    QString album;
    int year = 0;
    int track = 0;
    int disc = 0;
    QString comment;
    QString genre;
    QByteArray frontPicture; // embedded as the front cover when not empty
};

// Untagged audio of about `seconds` seconds (MP4: a container without samples).
QByteArray minimalAudio(AudioKind kind, int seconds);

// Writes minimalAudio(kind, seconds) to `path` and then `tags` onto it; false when TagLib
// could not save them. MP3 gets ID3v2 only.
bool writeMusicFile(const QString& path, AudioKind kind, int seconds, const TagValues& tags);
