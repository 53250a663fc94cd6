#pragma once

#include "resources/languagetable.h"
#include "shell/settings.h"

#include <QString>
#include <QStringList>
#include <array>

class IniFile;

// The settings window's fields in their order: `Database`, `Speler`, `CoverDir`,
// `MuziekDir`, `BackupDir`, `FotoDir`.
inline constexpr int kSettingsFieldCount = 6;
using SettingsFields = std::array<QString, kSettingsFieldCount>;

// The fields as the in-memory settings hold them.
SettingsFields settingsFields(const Settings& settings);

// Whether field `index` holds a folder (covers, playlists, backups, photos).
constexpr bool isFolderField(int index)
{
    return index >= 2 && index < kSettingsFieldCount;
}

// The position of a `Taal` value in the language list (Dutch, English, French, German); a
// value that is not a language base shows English, the language the program runs in then.
int languagePosition(const QString& taal);
// The language base at a position of the language list; English for a position outside it.
LanguageBase languageAtPosition(int position);

// Saves what the settings window holds: sets each in-memory value and writes it to section
// `Instellingen`, in the order `Database`, `Speler`, `CoverDir`, `MuziekDir`, `BackupDir`,
// `FotoDir`, `Taal`, `Help`. `Help` is the language's page in `helpFolder`; the value read
// back from the file becomes the help page in memory.
//
// Paths are kept as typed, except that a folder that does not end in "/" gets one: every
// reader appends file names to the folders directly, and "Covers" + "12.jpg" would name a
// file beside the folder. An empty folder stays empty.
//
// The keys are written in one atomic replacement of the file that keeps every other key as
// the file holds it then. Returns one text per key that could not be written (empty when all
// were).
QStringList saveSettings(IniFile& ini, Settings& settings, const SettingsFields& fields,
    LanguageBase language, const QString& helpFolder);
