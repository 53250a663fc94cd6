#pragma once

#include "discovant/cddb/enums.h"

#include <QString>

namespace discovant::widgets {

// The component's own window texts in English, German and French. Any language value but
// GERMAN and FRENCH gives English. "&" marks the access key of the following letter.

struct ChooserTexts {
    QString fuzzyTitle;
    QString fuzzySelect;
    QString fuzzySubmit;
    QString sitesTitle;
    QString sitesSelect;
};
ChooserTexts chooserTexts(uCDDBLang language);

struct SubmitTexts {
    QString title;
    QString artistLabel; // Label1
    QString albumLabel; // Label2
    QString categoryLabel; // Label3
    QString yearLabel; // Label4
    QString genreLabel; // Label5
    QString notesLabel; // Label6
    QString trackListOption; // optTrk
    QString trackNotesOption; // optExt
    QString cdTextButton;
    QString cdTextToolTip;
    QString submitButton;
    QString cancelButton;
    QString untitledMarker; // what the checks look for in a default track line
    QString separatorError;
    QString correctError;
    QString blankTracksQuestion;
    QString blankTracksTitle;
    QString enterTracksError;
    QString cdTextUnreadable; // no reader could read the disc
    QString cdTextMissing; // the disc has no CD-Text, or more titles than tracks
    QString cdTextImported;

    QString tracksFrame(int trackCount) const; // Frame2
    QString trackLabelAtStart() const; // lblTrack when the editor opens
    QString trackLabel(int track) const; // lblTrack for track n
    QString untitledLine(int track) const; // default line of a track
    uCDDBLang language = uCDDBLang::ENGLISH;
};
SubmitTexts submitTexts(uCDDBLang language);

// frmProgress, the window that stands while a drive or the server works.
struct WorkTexts {
    QString title;
    QString cancelButton;
    QString cancelling;
    QString readingDisc; // the CD-Text import
    QString fetchingSites; // the site list
};
WorkTexts workTexts(uCDDBLang language);

// Language of the texts: GERMAN, FRENCH, or ENGLISH for every other value.
uCDDBLang textLanguage(uCDDBLang language);

} // namespace discovant::widgets
