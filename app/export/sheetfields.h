#pragma once

#include "db/catalogue.h"
#include "export/exportscope.h"

#include <array>

// The fields the spreadsheet export can write, in the order of the window's check boxes
// `chkPrint`: the box index fixes the field and its place among the columns.
enum class SheetField : int {
    Artist = 0, // `Artiest`, on the first row of each artist, in bold
    Title = 1, // `Titel`, on the first row of each album
    Year = 2, // `Jaar`
    Format = 3, // `Drager`
    Purchased = 4, // `Gekocht` as "dd-mm-yyyy"
    Comments = 5, // `Bijzonderheden`
    Tracks = 6, // the track's `Naam`, on every row
};
inline constexpr int sheetFieldCount = 7;

// Which boxes are ticked, by box index.
using SheetFieldSelection = std::array<bool, sheetFieldCount>;

// The header captions of the seven fields, by box index.
using SheetCaptions = std::array<QString, sheetFieldCount>;

inline bool isTicked(const SheetFieldSelection& fields, SheetField field)
{
    return fields[static_cast<int>(field)];
}

// The sheet column (from 1) of every field: ticked fields take consecutive columns in box
// order; an unticked field has 0.
std::array<int, sheetFieldCount> sheetColumns(const SheetFieldSelection& fields);

// How the rows are read and laid out.
enum class SheetMode {
    ArtistList, // only "Artist" ticked: one row per artist
    Tracks, // "Tracks" ticked: one row per track (an album without tracks gives one row)
    Albums, // otherwise: one row per album
};
SheetMode sheetMode(const SheetFieldSelection& fields);

// The statement that reads the rows of `mode` for one artist or all, with the artist's id
// bound. Every statement reads the columns in the order `SheetRecord` takes them (the artist
// list only the first): artist, album id, title, year, format, purchase date, comments, track.
// Artists come by name, their albums newest year first, tracks by number; the ids keep equal
// names in one stable order so that no artist or album is split up.
SqlStatement sheetStatement(SheetMode mode, ExportScope scope, qint64 artistId);
