#pragma once

#include "export/sheetfields.h"

#include <QString>
#include <QVariant>
#include <optional>

class SqliteStatement;

// One row read for the sheet. Values that may be missing are QVariant (invalid for Null).
struct SheetRecord {
    QString artist;
    qint64 albumId = 0;
    QVariant titel;
    QVariant jaar;
    QVariant drager;
    QVariant gekocht; // as stored, "yyyy-MM-dd"
    QVariant bijzonderheden;
    QVariant naam; // the track's name; Null for an album without tracks
};

// The record at the statement's current row, read from the columns `sheetStatement` selects.
SheetRecord readSheetRecord(const SqliteStatement& row, SheetMode mode);

// A stored purchase date as the sheet shows it, "dd-mm-yyyy"; a value that is not a date is
// shown as it is stored.
QString purchaseDateText(const QString& stored);

enum class CellStyle { Plain, Italic, Bold };

// Where the layout puts its cells; rows and columns count from 1 as the sheet shows them.
// Cells come row by row, never back to an earlier row. Each call returns false when the cell
// could not be written; the layout then stops.
class SheetCells {
public:
    virtual ~SheetCells() = default;
    virtual bool text(int row, int column, const QString& value, CellStyle style) = 0;
    virtual bool number(int row, int column, double value, CellStyle style) = 0;
    // An empty cell that carries a style.
    virtual bool blank(int row, int column, CellStyle style) = 0;
};

// The sheet's layout: the header row (captions of the ticked fields, A1:G1 italic), then from
// row 3 on the records: the artist in bold on the first row of each artist with an empty row
// before every artist but the first, album fields on the first row of each album, the track
// name on every row. With only "Artist" ticked every artist row is followed by an empty row.
class SheetLayout {
public:
    SheetLayout(const SheetFieldSelection& fields, const SheetCaptions& captions);

    SheetMode mode() const { return mode_; }

    bool writeHeader(SheetCells& cells) const;
    bool writeRecord(const SheetRecord& record, SheetCells& cells);

private:
    int column(SheetField field) const { return columns_[static_cast<int>(field)]; }
    bool writeAlbumFields(const SheetRecord& record, SheetCells& cells) const;

    SheetFieldSelection fields_;
    std::array<int, sheetFieldCount> columns_;
    SheetCaptions captions_;
    SheetMode mode_;
    int row_;
    // Unset before the first record, so that the first artist and album always start a run.
    std::optional<QString> previousArtist_;
    std::optional<qint64> previousAlbum_;
};
