#pragma once

#include "db/catalogue.h"

#include <QList>
#include <QString>

// One track as it goes into `Tracks` (or the scratch table `Freedb`).
struct FetchedTrack {
    int nummer = 0;
    QString naam;
    QString lengte; // "m:ss"
};

// A disc to be stored as a new album: under the artist `artistId`, or, when that is 0, under
// a new artist named `newArtistName`.
struct AlbumImport {
    qint64 artistId = 0;
    QString newArtistName;
    QString titel;
    QString cdId;
    QString jaar; // as the entry gives it; stored as a whole number, Null when it is none
    QString lengte;
    QList<FetchedTrack> tracks;
};

// What importAlbum stored.
struct ImportedIds {
    qint64 artistId = 0;
    qint64 titleId = 0;
    bool newArtist = false;
};

// Stores the artist (when new), the album with drager "CD" and datum_lamu now, and its
// tracks in one transaction: after any failure the catalogue is exactly as before, so a
// failure part way never leaves an album without its tracks or an artist without its album.
DbResult<ImportedIds> importAlbum(const Catalogue& catalogue, const AlbumImport& album);

// Replaces the scratch table `Freedb` by the tracks fetched for album `titleId`, in one
// transaction.
DbStatus fillFreedb(const Catalogue& catalogue, qint64 titleId, const QList<FetchedTrack>& tracks);

// Takes the tracks in `Freedb` over into album `titleId` and stamps the album with the disc's
// identifier and length and the current time, all in one transaction. With `replaceOld` the
// album's old tracks go first; otherwise the new ones are numbered on after the
// `oldTrackCount` tracks the album had.
DbStatus storeFreedbTracks(const Catalogue& catalogue, qint64 titleId, bool replaceOld, qint64 oldTrackCount,
    const QString& cdId, const QString& lengte);

// The year text of an entry as a stored value: the whole number it holds, or Null.
QVariant yearValue(const QString& jaar);
