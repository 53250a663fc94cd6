#pragma once

// Which artists an export covers: the two entries of the Export menus. The value is the
// entry's index in its menu (and the `Tag` the spreadsheet window is opened with).
enum class ExportScope : int {
    CurrentArtist = 0, // the artist selected in the main window's artist list
    AllArtists = 1,
};
