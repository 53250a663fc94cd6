#pragma once

#include "db/catalogue.h"

#include <QString>
#include <functional>

// What the search window looks for: album titles or track names.
enum class SearchKind {
    Albums,
    Tracks,
};

// The word the window's caption uses for the hits: "albums" or "tracks" (the same in every
// language).
QString kindWord(SearchKind kind);

// The window's caption after a search: the kind word, ": " and the number of hits.
QString resultCaption(SearchKind kind, qsizetype hits);

// The search text as the window uses it: without leading and trailing blanks. Empty means
// there is nothing to search for.
QString searchTerm(const QString& typed);

// Searches the catalogue for `term` (see db/textsearch.h for how names match). Column
// headers: message 20 "Artist", "Album", message 18 "Year", and message 17 "Title" (tracks)
// or message 19 "Format" (albums) of the language `message` gives.
DbResult<Recordset> searchCatalogue(const Catalogue& catalogue, SearchKind kind, const QString& term,
    const std::function<QString(int)>& message);
