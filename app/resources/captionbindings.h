#pragma once

#include <array>

// Which message of the language table is the caption of which control.
//
// Naming: `objectName` is the control's objectName. An element of a control array carries the
// array's name, an underscore and its index ("mnuKop_1" is element 1 of `mnuKop`); the window's
// own caption is bound under the window's objectName ("Muziek"). A `column` of 0 or more names
// the 0-based header section of the item view `objectName` instead of the view itself.
//
// What the caption is depends on the object: a window's title, a button's or action's text, a
// menu's title, a header section's text.
struct CaptionBinding {
    const char* objectName;
    int k;
    int column = -1;
};

// A caption that is the same in every language.
struct FixedCaption {
    const char* objectName;
    const char* text;
};

// Main window `Muziek`, in the order the captions are assigned.
inline constexpr std::array<CaptionBinding, 43> kMainWindowCaptions{{
    {"Muziek", 1},
    {"cmdToevoegen", 13},
    {"cmdWijzigen", 15},
    {"cmdVerwijderen", 14},
    {"cmdEinde", 16},
    {"lvTitels", 17, 0},
    {"lvTitels", 18, 1},
    {"lvTitels", 19, 2},
    {"mnuKop_1", 20},
    {"mnuKop_3", 21},
    {"mnuKop_4", 22},
    {"mnuKop_5", 23},
    {"mnuInfo_0", 24},
    {"mnuInfo_1", 25},
    {"mnuInfo_2", 26},
    {"mnuArtiest_0", 27},
    {"mnuArtiest_1", 9},
    {"mnuArtiest_2", 28},
    {"mnuArtiest_3", 13},
    {"mnuArtiest_4", 15},
    {"mnuArtiest_5", 14},
    {"mnuAlbum_0", 13},
    {"mnuAlbum_1", 15},
    {"mnuAlbum_2", 14},
    {"mnuAlbum_4", 29},
    {"mnuExcel_0", 30},
    {"mnuExcel_1", 31},
    {"mnuHtml_0", 30},
    {"mnuHtml_1", 31},
    {"mnuWizard_0", 32},
    {"mnuWizard_1", 33},
    {"mnuOnderhoud_0", 8},
    {"mnuOnderhoud_1", 35},
    {"mnuOnderhoud_4", 34},
    {"mnuOnderhoud_5", 2},
    {"mnuBackup_0", 3},
    {"mnuBackup_1", 6},
    {"mnuBackup_2", 9},
    {"mnuBackup_3", 7},
    {"mnuTerug_0", 3},
    {"mnuTerug_1", 6},
    {"mnuTerug_2", 9},
    {"mnuTerug_3", 7},
}};

// Main window menus whose captions are not translated.
inline constexpr std::array<FixedCaption, 5> kMainWindowFixedCaptions{{
    {"mnuKop_0", "Info"},
    {"mnuKop_2", "Album"},
    {"mnuAlbum_3", "Tracks"},
    {"mnuAfdrukken_0", "Excel"},
    {"mnuAfdrukken_1", "Html"},
}};

// Settings window `Instellingen`, in the order the captions are assigned.
inline constexpr std::array<CaptionBinding, 10> kSettingsWindowCaptions{{
    {"Instellingen", 2},
    {"lblDatabase", 3},
    {"lblSpeler", 4},
    {"lblCovers", 6},
    {"lblPlaylist", 7},
    {"lblBackup", 8},
    {"lblFoto", 9},
    {"lblTaal", 10},
    {"cmdCancel", 37},
    {"cmdSluiten", 12},
}};
