#pragma once

#include <QString>

// How big a generated catalogue is. The defaults are a large private collection.
struct CatalogueSize {
    int artists = 3000;
    int albums = 25000;
    int tracks = 300000;
    // The first `heavyArtists` artists own exactly `heavyAlbums` albums each.
    int heavyArtists = 10;
    int heavyAlbums = 100;
};

// What the benchmarks need to know about a generated catalogue.
struct GeneratedCatalogue {
    bool ok = false;
    QString error;
    qint64 heavyArtistId = 0; // an artist with exactly `heavyAlbums` albums
    qint64 typicalArtistId = 0; // an artist with an ordinary number of albums (about 8)
    int typicalArtistAlbums = 0;
};

// Generates a catalogue with exactly the given numbers of artists, albums and tracks at
// `path` (which must not exist yet): realistic names, years 1955 to 2023, track and album
// lengths as "m:ss", carriers, purchase dates, disc identifiers, discography rows, and Nulls
// where a real catalogue has them (no year, no carrier, no purchase date, no comments). The
// same size always gives the same catalogue. One transaction with prepared statements.
GeneratedCatalogue generateCatalogue(const QString& path, const CatalogueSize& size = {});
