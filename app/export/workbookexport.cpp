#include "export/workbookexport.h"

#include "db/sqlitehandles.h"
#include "export/rowstream.h"
#include "export/sheetlayout.h"
#include "export/xlsxsheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

std::optional<AppError> writeWorkbook(const Catalogue& catalogue, ExportScope scope, qint64 artistId,
    const SheetFieldSelection& fields, const SheetCaptions& captions, const QString& filePath,
    const QString& source)
{
    const QString shownPath = QDir::toNativeSeparators(filePath);
    auto fileError = [&](const QString& why) {
        return AppError { ErrorNumbers::fileAccess,
            QStringLiteral("The workbook %1 cannot be written: %2").arg(shownPath, why), source };
    };

    // Reserves a free name beside the target; removed again unless the workbook is put in place.
    QTemporaryFile scratch(filePath + QStringLiteral(".XXXXXX"));
    if (!scratch.open())
        return fileError(scratch.errorString());
    scratch.close();

    SheetLayout layout(fields, captions);
    {
        XlsxSheet sheet(scratch.fileName());
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

    // A new workbook gets the usual document permissions, a replaced one keeps its own.
    const QFileDevice::Permissions permissions = QFile::exists(filePath)
        ? QFile::permissions(filePath)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser
            | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    scratch.setPermissions(permissions);

    // rename() replaces an existing workbook in one step, so readers see the old or the new one.
    if (std::rename(
            QFile::encodeName(scratch.fileName()).constData(), QFile::encodeName(filePath).constData())
        != 0)
        return fileError(QString::fromLocal8Bit(std::strerror(errno)));
    scratch.setAutoRemove(false);
    return std::nullopt;
}
