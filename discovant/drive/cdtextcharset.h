#pragma once

#include <string>
#include <string_view>

namespace discovant {

// Character codes a CD-Text block's size information names (byte 0 of its first 0x8F pack).
inline constexpr unsigned char kCharacterCodeLatin1 = 0x00;
inline constexpr unsigned char kCharacterCodeAscii = 0x01;
inline constexpr unsigned char kCharacterCodeMsJis = 0x80;
inline constexpr unsigned char kCharacterCodeKorean = 0x81;
inline constexpr unsigned char kCharacterCodeMandarin = 0x82;

// A double-byte CD-Text string (two bytes a character) in UTF-8: MS-JIS as Windows code page
// 932, Korean as code page 949, Mandarin as GBK; any other code is taken as MS-JIS, the one
// double-byte code discs carry in practice. Bytes that are no text in that code are read as
// single-byte text instead (see toUtf8), so the result is always valid UTF-8.
std::string doubleByteToUtf8(std::string_view bytes, unsigned char characterCode);

} // namespace discovant
