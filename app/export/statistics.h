#pragma once

#include "db/catalogue.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>

// What the statistics window reads from the catalogue and how it turns it into text and bar
// lengths. Nothing here writes to the catalogue.

// The six counts, in the order the window shows them: artists, albums, tracks, discography
// rows, albums that have tracks, artists that have discography rows.
inline constexpr int kStatisticsCountCount = 6;

// The label before count `index` (0 to 5): "Artist:", "Album:", "Track:", "Discography:",
// ">>Album:", ">>Artist:". The labels of 1, 2 and 4 are the same in every language; the
// others use messages 20 and 28 of the language `message` gives.
QString countLabel(int index, const std::function<QString(int)>& message);

// Count `index` (0 to 5) read from the catalogue.
DbResult<qint64> readCount(const Catalogue& catalogue, int index);

// The number of albums marked for playlists.
DbResult<qint64> readPlaylistCount(const Catalogue& catalogue);

// A file size in bytes as whole Kbyte: bytes / 1024 taken to the nearest whole number, an
// exact half going to the even neighbour (1536 bytes and 2560 bytes both give 2).
qint64 kbyteRounded(qint64 bytes);

// One artist of the chart: name and number of albums.
struct TopArtist {
    QString artist;
    qint64 aantal = 0;
};

// The chart's places, and the length in twips of the bar of the largest count.
inline constexpr int kChartPlaces = 12;
inline constexpr int kFullBarTwips = 2000;

// The artists with the most albums, largest first, as the catalogue's `qryTopTwaalf` gives
// them; never more than the chart's twelve places, even when the query yields more rows.
DbResult<QList<TopArtist>> readTopTwelve(const Catalogue& catalogue);

// The bar lengths in twips of the twelve places: count × 2000 / the first count. Empty places
// get 0; with no artists at all every bar is 0. Lengths are taken to the nearest twip.
std::array<int, kChartPlaces> barTwips(const QList<TopArtist>& top);

// The chart label of one artist: "(25) - Abba".
QString chartLabel(const TopArtist& artist);
