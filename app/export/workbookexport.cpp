#include "export/workbookexport.h"

#include "db/sqlitehandles.h"
#include "export/rowstream.h"
#include "export/sheetlayout.h"
#include "export/stagedfile.h"
#include "export/xlsxsheet.h"

#include <QDir>

std::optional<AppError> writeWorkbook(const Catalogue& catalogue, ExportScope scope, qint64 artistId,
    const SheetFieldSelection& fields, const SheetCaptions& captions, const QString& filePath,
    const QString& source)
{
    const QString shownPath = QDir::toNativeSeparators(filePath);
    auto fileError = [&](const QString& why) {
        return AppError { ErrorNumbers::fileAccess,
            QStringLiteral("The workbook %1 cannot be written: %2").arg(shownPath, why), source };
    };

    // Built under a free name beside the target (beside the file it points to, when it is a
    // link); removed again unless the workbook is put in place.
    StagedFile scratch(filePath);
    if (FileStatus created = scratch.create(); !created)
        return fileError(created.error().text);

    SheetLayout layout(fields, captions);
    {
        XlsxSheet sheet(scratch.stagedPath());
        if (!sheet.isOpen() || !layout.writeHeader(sheet))
            return fileError(sheet.error());

        const SqlStatement statement = sheetStatement(layout.mode(), scope, artistId);
        bool cellsWritten = true;
        const DbStatus read
            = streamRows(catalogue, statement.sql, statement.params, [&](const SqliteStatement& row) {
                  cellsWritten = layout.writeRecord(readSheetRecord(row, layout.mode()), sheet);
                  return cellsWritten;
              });
        if (!read)
            return AppError { read.error().code, read.error().text, source };
        if (!cellsWritten || !sheet.finish())
            return fileError(sheet.error());
    }

    // One rename replaces an existing workbook, so readers see the old or the new one.
    if (FileStatus committed = scratch.commit(); !committed)
        return fileError(committed.error().text);
    return std::nullopt;
}
