#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures the catalogue keeps as files: album covers (`CoverDir` + album id + ".jpg") and
// artist photos (`FotoDir` + artist id + ".jpg").

QString coverPath(const QString& coverDir, qint64 titleId);
QString photoPath(const QString& fotoDir, qint64 artistId);

// Whether two paths name the same file: the same text, or (both existing) the same file
// reached another way (a link, "..", a doubled "/").
bool isSameFile(const QString& a, const QString& b);

// A picture read from a file that need not be what its name says.
struct LoadedPicture {
    QImage image;  // null when the file could not be shown
    QString error; // why not, for the error window
    bool scaled = false; // true when the picture was larger than `bounds` and shrunk to fit
};

// Reads the picture at its natural size, or shrunk (keeping its shape) to fit `bounds` when
// larger. The size is taken from the file's header before any pixel is decoded, so a file
// claiming an enormous size costs no memory; decoding stops at Qt's allocation limit.
// A missing file, a file that is no picture, a truncated one: a null image and the reason.
LoadedPicture loadPicture(const QString& path, const QSize& bounds);

// Replaces `target` by a copy of `source`. The copy is written beside the target and renamed
// over it when complete, so a failed copy leaves the old target in place. Refuses when both
// name the same file (a copy onto itself would destroy it). False with `error` set on failure.
bool copyPictureFile(const QString& source, const QString& target, QString* error);
