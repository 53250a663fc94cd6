#pragma once

#include <QString>
#include <map>
#include <set>
#include <string>

// A workbook as an independent reader sees it: openpyxl, run by Debian's own python3, reads
// the first sheet of an .xlsx file. Values are "s:" + text or "n:" + number; empty cells that
// carry a style appear only in the style sets.
struct WorkbookContents {
    bool ok = false;
    std::string error;
    int sheetCount = 0;
    std::map<std::string, std::string> values; // "A1" -> "s:Artist"
    std::set<std::string> bold; // cells whose font is bold
    std::set<std::string> italic; // cells whose font is italic
    std::map<std::string, double> widths; // column letter -> width, for sized columns
};

WorkbookContents readWorkbook(const QString& path);

// Short ways to write expected values.
inline std::string textCell(const std::string& text)
{
    return "s:" + text;
}
inline std::string numberCell(long long number)
{
    return "n:" + std::to_string(number);
}
