#include "export/sheetlayout.h"

#include "db/sqlitehandles.h"

#include <QDate>

namespace {

// The header row is styled over these seven columns (A to G), whatever is ticked.
constexpr int headerColumns = 7;

QVariant optionalValue(const SqliteStatement& row, int column)
{
    return row.isNull(column) ? QVariant() : row.value(column);
}

// Writes a text field; a missing or empty value leaves the cell empty.
bool writeText(
    SheetCells& cells, int row, int column, const QVariant& value, CellStyle style = CellStyle::Plain)
{
    const QString text = value.toString();
    return text.isEmpty() || cells.text(row, column, text, style);
}

// Years are numbers in the sheet, as they are in the catalogue.
bool writeYear(SheetCells& cells, int row, int column, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Double:
        return cells.number(row, column, value.toDouble(), CellStyle::Plain);
    default:
        return writeText(cells, row, column, value);
    }
}

} // namespace

SheetRecord readSheetRecord(const SqliteStatement& row, SheetMode mode)
{
    SheetRecord record;
    record.artist = row.text(0);
    if (mode == SheetMode::ArtistList)
        return record;
    record.albumId = row.integer(1);
    record.titel = optionalValue(row, 2);
    record.jaar = optionalValue(row, 3);
    record.drager = optionalValue(row, 4);
    record.gekocht = optionalValue(row, 5);
    record.bijzonderheden = optionalValue(row, 6);
    if (mode == SheetMode::Tracks)
        record.naam = optionalValue(row, 7);
    return record;
}

QString purchaseDateText(const QString& stored)
{
    const QDate date = QDate::fromString(stored.left(10), Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd-MM-yyyy")) : stored;
}

SheetLayout::SheetLayout(const SheetFieldSelection& fields, const SheetCaptions& captions)
    : fields_(fields)
    , columns_(sheetColumns(fields))
    , captions_(captions)
    , mode_(sheetMode(fields))
    , row_(isTicked(fields, SheetField::Artist) ? 2 : 3)
{
}

bool SheetLayout::writeHeader(SheetCells& cells) const
{
    for (int sheetColumn = 1; sheetColumn <= headerColumns; ++sheetColumn) {
        int box = 0;
        while (box < sheetFieldCount && columns_[box] != sheetColumn)
            ++box;
        const bool written = box < sheetFieldCount
            ? cells.text(1, sheetColumn, captions_[box], CellStyle::Italic)
            : cells.blank(1, sheetColumn, CellStyle::Italic);
        if (!written)
            return false;
    }
    return true;
}

bool SheetLayout::writeAlbumFields(const SheetRecord& record, SheetCells& cells) const
{
    const std::pair<SheetField, const QVariant*> textFields[] = {
        { SheetField::Title, &record.titel },
        { SheetField::Year, &record.jaar },
        { SheetField::Format, &record.drager },
        { SheetField::Purchased, &record.gekocht },
        { SheetField::Comments, &record.bijzonderheden },
    };
    for (const auto& [field, value] : textFields) {
        if (!isTicked(fields_, field))
            continue;
        bool written = true;
        if (field == SheetField::Year)
            written = writeYear(cells, row_, column(field), *value);
        else if (field == SheetField::Purchased && !value->isNull())
            written = writeText(cells, row_, column(field), purchaseDateText(value->toString()));
        else
            written = writeText(cells, row_, column(field), *value);
        if (!written)
            return false;
    }
    return true;
}

bool SheetLayout::writeRecord(const SheetRecord& record, SheetCells& cells)
{
    if (mode_ == SheetMode::ArtistList) {
        ++row_;
        const bool written = record.artist.isEmpty() ? cells.blank(row_, 1, CellStyle::Bold)
                                                     : cells.text(row_, 1, record.artist, CellStyle::Bold);
        ++row_;
        return written;
    }

    if (isTicked(fields_, SheetField::Artist) && previousArtist_ != record.artist) {
        ++row_; // one empty row before every artist but the first
        const int artistColumn = column(SheetField::Artist);
        const bool written = record.artist.isEmpty()
            ? cells.blank(row_, artistColumn, CellStyle::Bold)
            : cells.text(row_, artistColumn, record.artist, CellStyle::Bold);
        if (!written)
            return false;
    }
    if (previousAlbum_ != record.albumId && !writeAlbumFields(record, cells))
        return false;
    if (isTicked(fields_, SheetField::Tracks)
        && !writeText(cells, row_, column(SheetField::Tracks), record.naam))
        return false;
    previousArtist_ = record.artist;
    previousAlbum_ = record.albumId;
    ++row_;
    return true;
}
