#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace discovant {

// Disc identification from the media TOC string: decimal absolute frame addresses (75
// frames a second, the 150-frame lead-in included) of tracks 1..N and of the lead-out,
// separated by single spaces. Every operation first normalises the TOC: blanks (spaces,
// tabs, line breaks) around it go and every run of blanks inside it becomes one space, so
// "150  10000 20000 " is the TOC "150 10000 20000". A TOC is valid when, normalised, it is
// not empty and holds at least one space; every operation treats an invalid TOC as "no
// disc" and gives its empty result.
//
// Fields: the normalised TOC is split at its spaces into at most 100 fields (whatever
// follows the 99th separator stays in the 100th field); each field is read leniently
// (leading number, anything else reads as 0) and rounded to a 32-bit integer.

// CDDB disc identifier: eight lowercase hexadecimal digits, "" for an invalid TOC.
// Throws std::overflow_error when the album span t in whole seconds lies outside the
// 16-bit signed range (above 32767 s), which the identifier's 16-bit field cannot hold.
std::string CalMediaID(const std::string& toc);

// Playing time in seconds: lead-out second minus first track's second (both truncated
// before the subtraction); 0 for an invalid TOC.
int32_t CalAlbumlength(const std::string& toc);

// Track lengths in whole seconds (frame difference divided by 75), decimal, separated by
// one space; "" for an invalid TOC.
std::string CalTracklength(const std::string& toc);

// Minutes and seconds, "m:ss": 0 -> "0:00", 75 -> "1:15", 3600 -> "60:00". A negative
// value is written as "-" and the time of its magnitude: -75 -> "-1:15".
std::string SecondsToTimeString(int16_t seconds);

// The component's left-padding rule: `text` unchanged when it is at least `width` long,
// else prefixed with as many "0" as it lacks.
std::string padLeft(std::string text, size_t width);

// The values a lookup derives from the TOC before it contacts a server.
struct LookupValues {
    std::string toc; // the normalised TOC
    int16_t trackCount = 0; // N
    std::vector<int32_t> trackTimes; // tracks 1..N: (address[i] - address[i-1]) / 75
    int16_t discLength = 0; // lead-out / 75, the lead-in included
    std::string discId; // as CalMediaID
    std::string queryArguments; // discid+N+start1+...+startN+disclength
    // false for an invalid TOC and for a TOC whose values do not fit the identifier
    // (album span or disc length beyond 32767 s). The lookup then ends with no match and
    // sends no request; the other members are then left at their defaults.
    bool valid = false;
};

// Derives the lookup values. Never throws.
LookupValues deriveLookupValues(const std::string& toc);

} // namespace discovant
