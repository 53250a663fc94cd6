#pragma once

#include "db/catalogue.h"

#include <QString>

// The track and album search of the search window.
//
// A name matches when it contains the search text anywhere, letter case aside in every
// script: "BEYONCÉ" finds "Beyoncé", "ÆON" finds "æon", as the catalogue's users knew it from
// the earlier database engine. SQLite's own LIKE folds only the letters A to Z, so the match
// is a function of this connection (Unicode case folding) and the text reaches it as a bound
// value: quotes, "%" and "_" in the search text are plain characters.
//
// The column headers are captions of the interface language, quoted as identifiers.

// Tracks whose name contains `term`: artist, "Album", year and track name under the given
// captions, ordered by the album's year.
DbResult<Recordset> findTracks(const Catalogue& catalogue, const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& titleCaption);

// Albums whose title contains `term`: artist, "Album", year and format under the given
// captions, ordered by artist name.
DbResult<Recordset> findAlbums(const Catalogue& catalogue, const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& formatCaption);
