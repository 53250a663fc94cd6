#pragma once

#include "resources/languagetable.h"

#include <QLocale>
#include <QString>
#include <QTranslator>

// The texts that do not come from the language table follow the interface language too: Qt's
// own (buttons of the message boxes, file dialogs, context menus; the qtbase catalogue of the
// system's Qt translations) and the program's own texts beyond the table (its Qt Linguist
// catalogue, melotheek_<code>.qm in `folder`). Installed on the application while the object
// lives; use() again for a live language switch, which Qt announces to every window.
class InterfaceTranslation {
public:
    explicit InterfaceTranslation(QString folder = {});
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // Where the program's own catalogues are found; takes effect at the next use().
    void setFolder(const QString& folder) { folder_ = folder; }

    // Loads and installs the catalogues of `language`, replacing those of the previous one.
    // A catalogue that is missing leaves its texts in English, which is what they are written in.
    void use(Language language);

    // Whether the program's own catalogue of the language last used was found.
    bool ownTextsLoaded() const { return !own_.isEmpty(); }

private:
    QString folder_;
    QTranslator qt_;
    QTranslator own_;
};

// The locale of an interface language: nl, en, fr or de (its standard country).
QLocale localeOf(LanguageBase base);

// The folder of the program's translation catalogues, with a trailing "/": <data>/translations
// beside the help pages (see resolveHelpFolder).
QString resolveTranslationsFolder(const QString& applicationDir);
