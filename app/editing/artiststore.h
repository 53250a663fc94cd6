#pragma once

#include "db/catalogue.h"

#include <QDateTime>
#include <QString>

// Longest artist name the artist editor takes from the keyboard.
namespace ArtistLimits {
constexpr int artiest = 50;
} // namespace ArtistLimits

// Stores an artist name and returns the artist's id: `artistId` 0 adds a new artist (with
// `datum_init` = `now`), any other id renames that artist, which must still exist. The name is
// stored as given; callers trim it and refuse a blank one. Another artist of the same name is
// no obstacle: names need not be unique.
DbResult<qint64> storeArtist(
    const Catalogue& catalogue, qint64 artistId, const QString& name, const QDateTime& now);
