#pragma once

#include "export/exportscope.h"
#include "shell/errorreport.h"

#include <QString>
#include <optional>

class Catalogue;

// The texts of the overview in the interface language.
struct HtmlOverviewTexts {
    QString programName; // the page title (message 1)
    QString heading; // "Overview Music Collection" (message 55)
    QString artist; // the four column headers (messages 20, 17, 18, 19)
    QString title;
    QString year;
    QString format;
};

// The file name of the overview in the export folder.
inline const QString htmlOverviewFileName = QStringLiteral("Melotheek.html");

// `text` with the characters that mean something in HTML written as entities (& < > " '), so
// that a name like "<b>" shows as itself.
QString htmlEscaped(const QString& text);

// Writes the HTML overview of the albums of artist `artistId` (CurrentArtist) or of every
// artist (AllArtists) to `filePath`: one table row per album with artist, title, year and
// format, by artist name and newest year first; the artist's name only on the first row of
// each run of that artist's albums. The page is UTF-8 and says so; every value and header is
// escaped. The file is replaced as a whole or not at all: after a failure an earlier overview
// stays as it was and no partial file is left behind. `source` names the procedure in a report.
std::optional<AppError> writeHtmlOverview(const Catalogue& catalogue, ExportScope scope, qint64 artistId,
    const HtmlOverviewTexts& texts, const QString& filePath, const QString& source);
