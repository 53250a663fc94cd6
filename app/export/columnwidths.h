#pragma once

#include <QStringView>
#include <map>

// Sizes sheet columns to their content the way a spreadsheet's "AutoFit" does, for a writer
// that cannot measure text itself. Widths are in the sheet's unit (characters of the default
// font's digit width) and estimated from the pixel widths of the default font (Calibri 11 at
// 96 dpi); bold text is a little wider. Only the widest entry of each column is kept, so the
// memory does not depend on the number of rows.
class ColumnWidths {
public:
    // Notes a cell's text in `column` (counted from 1).
    void add(int column, QStringView text, bool bold = false);

    // The width each column with content needs, by column; columns without content are absent
    // and keep the sheet's default width.
    std::map<int, double> widths() const;

    // The width one text needs.
    static double widthOf(QStringView text, bool bold = false);

    // The widest column a sheet allows.
    static constexpr double maximumWidth = 255.0;

private:
    std::map<int, int> widestPixels_;
};
