#pragma once

#include "shell/settings.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class IniFile;

// What start-up learned from the settings file.
struct StartupSettings {
    Settings settings;
    bool firstStart = false;
    QStringList failures; // settings that could not be written, for the error window
};

// A value of the settings file read as a whole number the way the old profile reader's
// callers did: surrounding blanks allowed, decimals rounded half to even; anything else
// (including a missing key, which reads as the home folder path) is no number.
std::optional<int> numericSetting(const QString& text);

// Reads the settings at start-up. A first start (no settings file yet, or `Setup` = "0")
// detects the language from `systemLocale`, writes `Help`, `Taal`, the five folder keys
// and `Setup` = "1". A normal start reads every key; a `Taal` that is not one of the four
// bases runs in English and is left in the file as it is. A missing key reads as
// `homeFolder`, as the callers expect; an empty or relative folder (and a relative catalogue
// path) is taken inside `homeFolder` (resolveRelativePaths).
StartupSettings loadStartupSettings(IniFile& ini, const QString& homeFolder,
                                    const QLocale& systemLocale, const QString& helpFolder);

// The help page of a language base inside the help folder.
QString helpPageFor(const QString& helpFolder, const QString& taal);

// Creates the home folder's default subfolders; false with `error` set on failure.
bool createDefaultFolders(const Settings& settings, QString* error);

// Window position in twips from `MuziekTop`/`MuziekLeft`; 1800 when not numeric.
int savedTwips(const IniFile& ini, const QString& key, const QString& homeFolder);

// Last selection from `LaatsteArtiest` (0-based) and `LaatsteAlbum` (1-based); artist 0 and
// album 1 when either is not numeric.
struct LastSelection {
    int artistPosition = 0;
    int albumPosition = 1;
};
LastSelection savedSelection(const IniFile& ini, const QString& homeFolder);

constexpr int twipsPerPixel = 15;
