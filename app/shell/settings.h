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
