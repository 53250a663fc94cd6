#include "export/columnwidths.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Pixel widths of the printable ASCII characters (space to "~") in Calibri 11 at 96 dpi.
constexpr std::array<unsigned char, 95> asciiPixels {
    3, 5, 6, 7, 7, 11, 10, 3, 5, 5, 7, 7, 4, 5, 4, 6, // space ! " # $ % & ' ( ) * + , - . /
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, // 0-9
    4, 4, 7, 7, 7, 7, 13, // : ; < = > ? @
    9, 8, 8, 9, 7, 7, 9, 9, 4, 5, 8, 6, 12, // A-M
    10, 10, 8, 10, 8, 7, 7, 9, 9, 13, 8, 7, 7, // N-Z
    5, 6, 5, 7, 7, 4, // [ \ ] ^ _ `
    7, 8, 6, 8, 8, 5, 7, 8, 4, 4, 7, 4, 12, // a-m
    8, 8, 8, 8, 5, 6, 5, 8, 7, 11, 7, 7, 6, // n-z
    5, 7, 5, 7, // { | } ~
};
constexpr int otherPixels = 8;
constexpr int wideCharacterPixels = 15;
// What a spreadsheet adds around the text of an auto-fitted column.
constexpr int paddingPixels = 7;

// Characters drawn about twice as wide as a Latin letter (East Asian scripts, full-width forms).
bool isWideCharacter(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int pixelsOf(QStringView text, bool bold)
{
    int pixels = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (c >= 0x20 && c <= 0x7E)
            pixels += asciiPixels[c - 0x20];
        else if (isWideCharacter(c))
            pixels += wideCharacterPixels;
        else
            pixels += otherPixels;
    }
    return bold ? (pixels * 11 + 9) / 10 : pixels;
}

double widthOfPixels(int pixels)
{
    // The sheet's width unit is the digit width (7 pixels) plus 5 pixels of cell margin.
    const int padded = pixels + paddingPixels;
    const double width = padded <= 12 ? padded / 12.0 : (padded - 5) / 7.0;
    return std::min(std::ceil(width * 100.0) / 100.0, ColumnWidths::maximumWidth);
}

} // namespace

void ColumnWidths::add(int column, QStringView text, bool bold)
{
    const int pixels = pixelsOf(text, bold);
    int& widest = widestPixels_[column];
    widest = std::max(widest, pixels);
}

std::map<int, double> ColumnWidths::widths() const
{
    std::map<int, double> result;
    for (const auto& [column, pixels] : widestPixels_) {
        if (pixels > 0)
            result[column] = widthOfPixels(pixels);
    }
    return result;
}

double ColumnWidths::widthOf(QStringView text, bool bold)
{
    return widthOfPixels(pixelsOf(text, bold));
}
