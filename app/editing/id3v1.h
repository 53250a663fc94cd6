#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The ID3v1 tag: the last 128 bytes of a music file, "TAG" followed by title (30 bytes),
// artist (30), album (30), year (4), comment and genre.
struct Id3v1Tag {
    QString title;
    QString artist;
    QString album;
    QString year;
};

inline constexpr qsizetype id3v1Size = 128;

// Decodes the last 128 bytes of a file. Nothing when `block` is not exactly 128 bytes or does
// not start with "TAG". Each field ends at its first zero byte and loses its trailing blanks;
// its text is UTF-8 when valid, Windows-1252 otherwise (what tagging programs wrote).
std::optional<Id3v1Tag> parseId3v1(QByteArrayView block);

// Reads the tag of the file `path`. Nothing when the file is missing, unreadable, shorter
// than 128 bytes or has no tag.
std::optional<Id3v1Tag> readId3v1(const QString& path);
