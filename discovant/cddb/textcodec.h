#pragma once

#include <string>
#include <string_view>

namespace discovant {

// Text from CDDB servers and local database files carries no declared encoding. Entries
// written by modern tools are UTF-8; older ones are in the Windows ANSI code page.
//
// Returns `bytes` unchanged when they are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF); otherwise every byte is taken as Windows-1252 and
// written as UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same value, as in Latin-1, so every byte has a
// character and nothing is dropped. The result is always valid UTF-8, and converting a
// result again leaves it unchanged. NUL bytes are kept.
std::string toUtf8(std::string_view bytes);

// True when `bytes` is well-formed UTF-8 in the sense above.
bool isValidUtf8(std::string_view bytes);

} // namespace discovant
