#pragma once

#include <QString>

// The program-wide settings, read at start-up and changed by the settings window.
// Folder values end in one "/" so that file names can be appended directly.
struct Settings {
    QString database;  // full path of the catalogue file
    QString coverDir;  // album covers: coverDir + id + ".jpg"
    QString muziekDir; // playlists: muziekDir + id + ".m3u"
    QString backupDir;
    QString fotoDir;
    QString speler;    // media player program; empty: the desktop's default program
    QString taal;      // language base "100", "200", "300" or "400"
    QString help;      // help page of the language
};

// The path with one trailing "/" appended when its last character is not one.
QString withSeparator(const QString& path);

// A folder setting as the program uses it: an empty or relative folder lies inside
// `homeFolder` (never in whatever folder the program was started from), with one trailing
// "/"; an absolute one is kept as it is, with its "/".
QString resolvedFolder(const QString& value, const QString& homeFolder);

// Resolves the four folders of `settings` so, and a relative catalogue path against
// `homeFolder` too (an empty one stays empty: there is no catalogue to open then). The file
// keeps the values as written.
void resolveRelativePaths(Settings& settings, const QString& homeFolder);

// Section and key names of the settings file.
namespace IniKeys {
inline const QString instellingen = QStringLiteral("Instellingen");
inline const QString beeld = QStringLiteral("Beeld");
inline const QString setup = QStringLiteral("Setup");
inline const QString taal = QStringLiteral("Taal");
inline const QString help = QStringLiteral("Help");
inline const QString database = QStringLiteral("Database");
inline const QString coverDir = QStringLiteral("CoverDir");
inline const QString muziekDir = QStringLiteral("MuziekDir");
inline const QString backupDir = QStringLiteral("BackupDir");
inline const QString fotoDir = QStringLiteral("FotoDir");
inline const QString speler = QStringLiteral("Speler");
inline const QString muziekTop = QStringLiteral("MuziekTop");
inline const QString muziekLeft = QStringLiteral("MuziekLeft");
inline const QString laatsteArtiest = QStringLiteral("LaatsteArtiest");
inline const QString laatsteAlbum = QStringLiteral("LaatsteAlbum");
} // namespace IniKeys
