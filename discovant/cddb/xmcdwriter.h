#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace discovant {

// The texts of one album entry as the submission editor collects them (UTF-8).
struct XmcdDraft {
    std::string toc; // media TOC string of the disc
    std::string discId;
    int32_t revision = 0;
    std::string submittedVia; // application name and version
    std::string artist;
    std::string album;
    std::string year; // may be empty
    std::string genre;
    std::string notes; // disc notes; line breaks as CR LF (lone CR or LF are taken as well)
    std::vector<std::string> trackTitles; // tracks 1 .. track count
    std::vector<std::string> trackNotes; // tracks 1 .. track count; missing ones are empty
};

// Writes the xmcd entry text of a submission, every line ending in CR LF: the comment block
// with the track frame offsets, disc length, revision and submitter; DISCID, DTITLE
// ("artist / album"), DYEAR, DGENRE (at most 120 characters); one TTITLEi line per track of
// the TOC (at most 240 characters); disc and track notes with their line breaks written as
// backslash-n, cut into 80-character EXTD and EXTTi lines (at least one line each); and an
// empty PLAYORDER.
//
// Lengths count characters, not bytes: a multi-byte character is never cut in two. Line
// breaks in single-line values are written as blanks so that no value can start a line of
// its own. The TOC is split at single spaces into at most 100 fields; the track count is one
// less than the number of fields.
std::string writeXmcdEntry(const XmcdDraft& draft);

// The first `count` characters (UTF-8 code points) of `text`.
std::string leadingCharacters(const std::string& text, size_t count);

} // namespace discovant
