#pragma once

#include "db/catalogue.h"

#include <QDateTime>

// Gives album `titleId` to artist `newArtistId` and sets its change date `datum_lamu` to `now`.
// The album must still exist; an artist id that names no artist is refused by the catalogue.
DbStatus moveAlbum(const Catalogue& catalogue, qint64 titleId, qint64 newArtistId, const QDateTime& now);
