#pragma once

#include "shell/inifile.h"
#include "shell/interfacetranslation.h"
#include "shell/settings.h"

#include <QLocale>
#include <QString>

// Everything the program's windows share during one run: the settings file, the settings
// read from it, and the few values the windows hand to each other (which album the title
// editor stored last, which artist name the artist editor saved, and so on). One object,
// created at start-up and passed to every window that needs it.
class Session {
public:
    explicit Session(const QString& homeFolder);

    const QString& homeFolder() const { return homeFolder_; }
    IniFile& ini() { return ini_; }
    const IniFile& ini() const { return ini_; }

    // Message k (1 to 70) of the current language.
    QString message(int k) const;
    // The current language as a locale: its alphabet orders the names in the lists.
    QLocale languageLocale() const;

    // Qt's own texts and the program's texts beyond the language table, in the language of
    // `settings.taal`; called wherever the captions are applied, so a live switch reaches them.
    void applyLanguage() { translation_.use(Language::fromTaal(settings.taal)); }
    InterfaceTranslation& translation() { return translation_; }

    Settings settings;

    // Set before the title editor opens: true to edit an album, false to add one.
    bool editMode = false;
    // Key "ID" + id of the album the title editor stored last.
    QString currentTitleKey;
    // Empty before adding an artist, the artist's name before editing; the stored name after.
    QString currentArtistName;
    // "Discografie" or "Tracks": which list the discography window shows.
    QString listMode;
    // The artist that owns the disc found by the last disc-identifier check, 0 for none.
    qint64 foundArtistId = 0;
    // The last error report.
    QString errorText;

private:
    QString homeFolder_;
    IniFile ini_;
    InterfaceTranslation translation_;
};
