#pragma once

#include <QByteArrayView>
#include <QString>

// Text from files written by other programs (playlists, ID3 tags): UTF-8 when the bytes are
// valid UTF-8, otherwise the Windows-1252 code page those programs used.
QString decodeUtf8OrWindows1252(QByteArrayView bytes);

// The bytes as Windows-1252 text. The five bytes that code page leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) read as the control characters of the same number.
QString decodeWindows1252(QByteArrayView bytes);
