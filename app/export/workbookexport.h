#pragma once

#include "export/exportscope.h"
#include "export/sheetfields.h"
#include "shell/errorreport.h"

#include <QString>
#include <optional>

class Catalogue;

// The file name of the workbook in the export folder.
inline const QString workbookFileName = QStringLiteral("Melotheek.xlsx");

// Writes the catalogue of artist `artistId` (CurrentArtist) or of every artist (AllArtists)
// into a one-sheet workbook at `filePath`, with the ticked `fields` (at least one) headed by
// their `captions`, laid out as `SheetLayout` describes and with columns sized to their
// content. The workbook is built under a temporary name beside `filePath` and renamed into
// place when complete: after a failure an earlier workbook of that name is left as it was and
// no partial file remains. `source` names the procedure in a report.
std::optional<AppError> writeWorkbook(const Catalogue& catalogue, ExportScope scope, qint64 artistId,
    const SheetFieldSelection& fields, const SheetCaptions& captions, const QString& filePath,
    const QString& source);
