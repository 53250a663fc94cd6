#pragma once

#include "discovant/cddb/enums.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace discovant {

// Where and in which language the component's windows appear.
struct PopUpSettings {
    uCDDBLang language = uCDDBLang::ENGLISH; // GERMAN, FRENCH, anything else English
    int32_t top = 0; // 0: centred vertically on the screen
    int32_t left = 0; // 0: centred horizontally on the screen
};

// The entry an editor starts from when an existing entry is revised (UTF-8 texts; notes with
// CR LF line breaks).
struct EntryDraft {
    std::string artist;
    std::string album;
    std::string category;
    std::string year;
    std::string genre;
    std::string notes;
    std::vector<std::string> trackNames; // in order, as many as the entry has
    std::vector<std::string> trackNotes; // tracks 1 .. track count
};

// What the submission editor works on.
struct SubmissionRequest {
    std::string toc; // media TOC string of the disc
    std::string discId; // its disc identifier
    std::string submittedVia; // application name and version, blanks written as "_"
    int16_t revision = 0; // 0 for a new entry, current revision + 1 when revising
    // The entry to revise; empty for a new entry (the editor then starts with one untitled
    // line per track and the category list enabled).
    std::optional<EntryDraft> existing;
    // Reads the CD-Text of the current drive through the readers the interface setting
    // allows; nothing when no reader could read the disc, "" when the disc has no CD-Text.
    std::function<std::optional<std::string>()> readCdText;
};

// An entry the user completed in the editor, to be posted by the component.
struct SubmittedEntry {
    std::string category; // one of the CDDB categories
    std::string entryText; // the xmcd entry, lines ending in CR LF, UTF-8
};

// The component's windows: the match chooser, the site chooser and the submission editor.
// The component calls them synchronously from inside LookupMediaByToc, GetServer and
// ReviseMediaEntry; an implementation shows a modal window and returns the user's answer.
// Without one, the component takes the first match, lists no sites and never submits.
class LookupUi {
public:
    virtual ~LookupUi() = default;

    // Several or inexact matches: `lines` as shown (title texts, answer order). Returns the
    // 1-based position of the chosen line, or 0 for "no match" (with `offerSubmit`, the user
    // asked to submit a new entry instead).
    virtual int chooseMatch(
        const std::vector<std::string>& lines, bool offerSubmit, const PopUpSettings& popUp)
        = 0;

    // Mirror sites: `lines` as shown ("site\tlatitude\tlongitude\t description"). Returns the
    // 1-based position of the chosen site, or 0 for none.
    virtual int chooseServer(const std::vector<std::string>& lines, const PopUpSettings& popUp) = 0;

    // Lets the user write or revise an entry. Returns true and fills `submitted` when the
    // user submitted it; false when the user cancelled. The component then posts the entry
    // to the server and takes it over as its current entry when the server accepts it.
    virtual bool submitNewEntry(
        const SubmissionRequest& request, const PopUpSettings& popUp, SubmittedEntry& submitted)
        = 0;
};

} // namespace discovant
