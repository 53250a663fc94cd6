// The submission editor: its texts in the component's languages, the track editing, the
// checks before an entry is written, and the CD-Text import.
#include "discovant/widgets/submitinfowindow.h"
#include "support/modaldriver.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace discovant;
using namespace discovant::widgets;

namespace {

const std::string kThreeTracks = "150 10000 20000 30000";

SubmissionRequest newDisc(const std::string& toc = kThreeTracks)
{
    SubmissionRequest request;
    request.toc = toc;
    request.discId = "1b017d03";
    request.submittedVia = "Melotheek 1.0.0";
    return request;
}

PopUpSettings in(uCDDBLang language)
{
    PopUpSettings popUp;
    popUp.language = language;
    return popUp;
}

template <typename T> T& child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

QStringList lines(QWidget& window)
{
    QStringList texts;
    auto& list = child<QListWidget>(window, "lstList");
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

void setLine(QWidget& window, int track, const QString& text)
{
    child<QListWidget>(window, "lstList").item(track - 1)->setText(text);
}

// Fills every album field with values that pass the checks.
void fillAlbum(QWidget& window)
{
    child<QLineEdit>(window, "strArtist").setText("Miles Davis");
    child<QLineEdit>(window, "strAlbum").setText("Kind of Blue");
    child<QComboBox>(window, "cboCategory").setCurrentText("jazz");
    child<QComboBox>(window, "cboGenre").setEditText("Jazz");
    child<QLineEdit>(window, "strYear").setText("1959");
}

// The field gets the focus, as when the user clicks or tabs into it.
void enter(QWidget& field)
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&field, &focusIn);
}

QString errorText(QWidget& window)
{
    return child<QLabel>(window, "lblError").text();
}

} // namespace

TEST(SubmitEditor, TextsAndDefaultLinesFollowTheLanguage)
{
    struct Expected {
        uCDDBLang language;
        QString title, artistLabel, trackList, submit, frame, trackAtStart, firstLine, toolTip;
    };
    const std::vector<Expected> cases {
        { uCDDBLang::ENGLISH, "Submit Disc / Track Information", "Artist Name:", "Track List:", "Submit",
            "Tracks  1 to 3", "Track  1  Name:", "Untitled Track 01", "Read media for CD-Text info..." },
        { uCDDBLang::GERMAN, "CD-Informationen an FreeDB übertragen",
            "Interpret:", "Liederliste:", "&Übertragen", "Lieder  1 bis 3",
            "Name von Lied 01:", "Lied 01: Ohne Namen", "CD-Text von CD auslesen..." },
        { uCDDBLang::FRENCH, "Envoyer les informations à FreeDB", "Nom Artiste:", "Liste Pistes:", "&Envoyer",
            "Pistes  1 à 3", "Piste  1  Nom:", "Piste sans nom 01", "Lecture des informations CD-Text..." },
        { static_cast<uCDDBLang>(7), "Submit Disc / Track Information",
            "Artist Name:", "Track List:", "Submit", "Tracks  1 to 3", "Track  1  Name:", "Untitled Track 01",
            "Read media for CD-Text info..." },
    };
    SubmitInfoWindow editor;
    for (const Expected& expected : cases) {
        Expected shown;
        QStringList shownLines;
        QString nextTrackLabel;
        bool categoryEnabled = false;
        whenModalShown([&](QWidget& window) {
            shown.title = window.windowTitle();
            shown.artistLabel = child<QLabel>(window, "Label1").text();
            shown.trackList = child<QRadioButton>(window, "optTrk").text();
            shown.submit = child<QPushButton>(window, "cmdSubmit").text();
            shown.frame = child<QGroupBox>(window, "Frame2").title();
            shown.trackAtStart = child<QLabel>(window, "lblTrack").text();
            shown.toolTip = child<QPushButton>(window, "cmdText").toolTip();
            categoryEnabled = child<QComboBox>(window, "cboCategory").isEnabled();
            shownLines = lines(window);
            window.findChildren<QPushButton*>("cmdTrack").at(1)->click();
            nextTrackLabel = child<QLabel>(window, "lblTrack").text();
            clickButton(window, "cmdCancel");
        });
        EXPECT_FALSE(editor.SubmitData(newDisc(), in(expected.language)).has_value());
        EXPECT_EQ(shown.title, expected.title);
        EXPECT_EQ(shown.artistLabel, expected.artistLabel);
        EXPECT_EQ(shown.trackList, expected.trackList);
        EXPECT_EQ(shown.submit, expected.submit);
        EXPECT_EQ(shown.frame, expected.frame);
        EXPECT_EQ(shown.trackAtStart, expected.trackAtStart);
        EXPECT_EQ(shown.toolTip, expected.toolTip);
        EXPECT_TRUE(categoryEnabled);
        ASSERT_EQ(shownLines.size(), 3);
        EXPECT_EQ(shownLines.first(), expected.firstLine);
        EXPECT_EQ(nextTrackLabel, submitTexts(expected.language).trackLabel(2));
    }
    EXPECT_EQ(submitTexts(uCDDBLang::GERMAN).trackLabel(12), "Name von Lied 12:");
    EXPECT_EQ(submitTexts(uCDDBLang::ENGLISH).untitledLine(12), "Untitled Track 12");
}

TEST(SubmitEditor, TrackButtonsWrapAndCommitTheEditedTitle)
{
    SubmitInfoWindow editor;
    QStringList after;
    QList<int> visited;
    whenModalShown([&](QWidget& window) {
        auto& previous = *window.findChildren<QPushButton*>("cmdTrack").at(0);
        auto& next = *window.findChildren<QPushButton*>("cmdTrack").at(1);
        auto& track = child<QLineEdit>(window, "strTrack");
        previous.click(); // 1 wraps to the last track
        visited << editor.currentTrack();
        next.click(); // and back to 1
        visited << editor.currentTrack();
        track.selectAll();
        QTest::keyClicks(&track, "So What");
        next.click();
        visited << editor.currentTrack();
        // The notes box keeps the notes of the track it shows.
        child<QRadioButton>(window, "optExt").click();
        child<QPlainTextEdit>(window, "strTrkNotes").setPlainText("Take 2");
        previous.click();
        after = lines(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(newDisc(), in(uCDDBLang::ENGLISH));
    EXPECT_EQ(visited, (QList<int> { 3, 1, 2 }));
    EXPECT_EQ(after, (QStringList { "So What", "Untitled Track 02", "Untitled Track 03" }));
    EXPECT_EQ(editor.trackNotes(2), "Take 2");
    EXPECT_EQ(editor.trackNotes(1), "");
}

TEST(SubmitEditor, ChecksMarkEveryFailingFieldAndKeepTheWindowOpen)
{
    SubmitInfoWindow editor;
    std::vector<QString> errors;
    std::vector<QStringList> marked;
    int currentAfterSeparators = 0;
    const auto markedFields = [](QWidget& window) {
        QStringList names;
        for (const char* name : { "strArtist", "strAlbum", "cboCategory", "cboGenre", "strYear", "lstList" })
            if (SubmitInfoWindow::isMarked(child<QWidget>(window, name)))
                names << name;
        return names;
    };
    std::optional<SubmittedEntry> result;
    whenModalShown([&](QWidget& window) {
        clickButton(window, "cmdSubmit"); // everything empty, tracks untitled
        errors.push_back(errorText(window));
        marked.push_back(markedFields(window));

        // Marks stay until the user enters the field again.
        for (const char* name : { "strAlbum", "cboCategory", "cboGenre" })
            enter(child<QWidget>(window, name));
        fillAlbum(window);
        child<QLineEdit>(window, "strArtist").setText("A / B");
        child<QLineEdit>(window, "strYear").setText("1899");
        setLine(window, 1, "So What");
        setLine(window, 2, "Medley / Part / Two");
        setLine(window, 3, "Blue");
        clickButton(window, "cmdSubmit");
        errors.push_back(errorText(window));
        marked.push_back(markedFields(window));
        currentAfterSeparators = editor.currentTrack();

        child<QLineEdit>(window, "strArtist").setText("Miles Davis");
        child<QLineEdit>(window, "strYear").setText("2101");
        // The scan made track 2 current; the user retypes its title in the track box.
        enter(child<QWidget>(window, "strTrack"));
        child<QLineEdit>(window, "strTrack").setText("Medley / Part Two"); // a compilation title
        clickButton(window, "cmdSubmit");
        errors.push_back(errorText(window));
        marked.push_back(markedFields(window));

        child<QLineEdit>(window, "strYear").clear(); // an empty year passes
        setLine(window, 3, "untitled track 03"); // the marker is found in any case
        clickButton(window, "cmdSubmit");
        errors.push_back(errorText(window));
        marked.push_back(markedFields(window));
        EXPECT_TRUE(window.isVisible());

        setLine(window, 3, "Blue");
        clickButton(window, "cmdSubmit");
    });
    result = editor.SubmitData(newDisc(), in(uCDDBLang::ENGLISH));

    const QString correct = "Please correct the highlited information...";
    EXPECT_EQ(errors,
        (std::vector<QString> { correct, "Only one ' / ' separator permitted...", correct, correct }));
    EXPECT_EQ(marked[0], (QStringList { "strArtist", "strAlbum", "cboCategory", "cboGenre", "lstList" }));
    EXPECT_EQ(marked[1], (QStringList { "strArtist", "strYear", "lstList" }));
    EXPECT_EQ(currentAfterSeparators, 2);
    EXPECT_TRUE(marked[2].contains("strYear"));
    EXPECT_FALSE(marked[2].contains("lstList"));
    EXPECT_TRUE(marked[3].contains("lstList"));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->category, "jazz");
    EXPECT_NE(result->entryText.find("TTITLE1=Medley / Part Two\r\nTTITLE2=Blue\r\n"), std::string::npos);
    EXPECT_NE(result->entryText.find("\r\nDYEAR=\r\n"), std::string::npos);
}

TEST(SubmitEditor, BlankTracksAreConfirmedBeforeSubmitting)
{
    SubmitInfoWindow editor;
    QString question, questionTitle, afterCancel;
    int currentAfterCancel = 0;
    bool listMarked = false;
    whenModalShown([&](QWidget& window) {
        fillAlbum(window);
        setLine(window, 1, "So What");
        setLine(window, 2, "");
        setLine(window, 3, "");
        whenModalShown([&](QWidget& box) {
            question = static_cast<QMessageBox&>(box).text();
            questionTitle = box.windowTitle();
            static_cast<QMessageBox&>(box).button(QMessageBox::Cancel)->click();
        });
        clickButton(window, "cmdSubmit");
        afterCancel = errorText(window);
        currentAfterCancel = editor.currentTrack();
        listMarked = SubmitInfoWindow::isMarked(child<QWidget>(window, "lstList"));

        whenModalShown([](QWidget& box) { static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click(); });
        clickButton(window, "cmdSubmit");
    });
    const std::optional<SubmittedEntry> result = editor.SubmitData(newDisc(), in(uCDDBLang::FRENCH));
    EXPECT_EQ(question, "Piste(s) sans Nom saisie(s), Envoyer?");
    EXPECT_EQ(questionTitle, "Confirmation");
    EXPECT_EQ(afterCancel, "SVP Saisir les information de(s) Piste(s), puis renvoyer...");
    EXPECT_EQ(currentAfterCancel, 2);
    EXPECT_TRUE(listMarked);
    ASSERT_TRUE(result.has_value());
    EXPECT_NE(result->entryText.find("TTITLE0=So What\r\nTTITLE1=\r\nTTITLE2=\r\n"), std::string::npos);
}

TEST(SubmitEditor, CheckTextsInGerman)
{
    SubmitInfoWindow editor;
    QString separators;
    whenModalShown([&](QWidget& window) {
        fillAlbum(window);
        setLine(window, 1, "A / B / C");
        clickButton(window, "cmdSubmit");
        separators = errorText(window);
        clickButton(window, "cmdCancel");
    });
    EXPECT_FALSE(editor.SubmitData(newDisc(), in(uCDDBLang::GERMAN)).has_value());
    EXPECT_EQ(separators, "Es ist nur ein ' / ' als Trennzeichen erlaubt...");
    const SubmitTexts german = submitTexts(uCDDBLang::GERMAN);
    EXPECT_EQ(german.correctError, "Korrigieren Sie bitte die markierten Informationen...");
    EXPECT_EQ(german.blankTracksTitle, "Bestätigen");
}

TEST(SubmitEditor, CdTextFillsTheFieldsOrSaysItIsNotAvailable)
{
    SubmitInfoWindow editor;
    SubmissionRequest request = newDisc();
    std::optional<std::string> cdText = "Artist X|Album Y|2001|Rock|Notes Z|One||Three|";
    request.readCdText = [&] { return cdText; };
    QString imported, artist, year, notes;
    QStringList importedLines;
    whenModalShown([&](QWidget& window) {
        clickButton(window, "cmdText");
        imported = errorText(window);
        artist = child<QLineEdit>(window, "strArtist").text();
        year = child<QLineEdit>(window, "strYear").text();
        notes = child<QPlainTextEdit>(window, "strNotes").toPlainText();
        importedLines = lines(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(request, in(uCDDBLang::ENGLISH));
    EXPECT_EQ(imported, "CD-Text imported successfully...");
    EXPECT_EQ(artist, "Artist X");
    EXPECT_EQ(year, "2001");
    EXPECT_EQ(notes, "Notes Z");
    EXPECT_EQ(importedLines, (QStringList { "One", "Untitled Track 02", "Three" }));

    // More titles than tracks: what fits is kept, then the import stops.
    cdText = "|||||A|B|C|D|";
    QString tooMany;
    whenModalShown([&](QWidget& window) {
        clickButton(window, "cmdText");
        tooMany = errorText(window);
        importedLines = lines(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(request, in(uCDDBLang::GERMAN));
    EXPECT_EQ(tooMany, "Auf der CD ist kein CD-Text verfügbar...");
    EXPECT_EQ(importedLines, (QStringList { "A", "B", "C" }));

    QString unreadable, empty;
    whenModalShown([&](QWidget& window) {
        cdText.reset();
        clickButton(window, "cmdText");
        unreadable = errorText(window);
        cdText = "";
        clickButton(window, "cmdText");
        empty = errorText(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(request, in(uCDDBLang::GERMAN));
    EXPECT_EQ(unreadable, "Auf der CD ist kein CD-Text vorhanden...");
    EXPECT_EQ(empty, "Auf der CD ist kein CD-Text verfügbar...");
}

TEST(SubmitEditor, RevisingStartsFromTheEntryAndANewEntryStartsEmpty)
{
    SubmitInfoWindow editor;
    SubmissionRequest request = newDisc();
    request.revision = 4;
    EntryDraft draft;
    draft.artist = "Miles Davis";
    draft.album = "Kind of Blue";
    draft.category = "unknown"; // not in the list: the last category stays selected
    draft.year = "1959";
    draft.genre = "Jazz";
    draft.notes = "Recorded\r\nin New York";
    draft.trackNames = { "So What", "Freddie Freeloader" }; // one title fewer than tracks
    draft.trackNotes = { "Modal", "", "" };
    request.existing = draft;
    QString category;
    bool categoryEnabled = true;
    std::optional<SubmittedEntry> result;
    whenModalShown([&](QWidget& window) {
        category = child<QComboBox>(window, "cboCategory").currentText();
        categoryEnabled = child<QComboBox>(window, "cboCategory").isEnabled();
        setLine(window, 3, "Blue in Green");
        clickButton(window, "cmdSubmit");
    });
    result = editor.SubmitData(request, in(uCDDBLang::ENGLISH));
    EXPECT_EQ(category, "data");
    EXPECT_FALSE(categoryEnabled);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->category, "data");
    const std::string& text = result->entryText;
    EXPECT_NE(text.find("# Revision: 4\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTITLE=Miles Davis / Kind of Blue\r\n"), std::string::npos);
    EXPECT_NE(text.find("TTITLE2=Blue in Green\r\nEXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\n"),
        std::string::npos);

    // The same window for a new disc afterwards: nothing of the revised entry is left.
    QString artist;
    QStringList newLines;
    whenModalShown([&](QWidget& window) {
        artist = child<QLineEdit>(window, "strArtist").text();
        newLines = lines(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(newDisc("150 20000 40000"), in(uCDDBLang::ENGLISH));
    EXPECT_EQ(artist, "");
    EXPECT_EQ(newLines, (QStringList { "Untitled Track 01", "Untitled Track 02" }));
    EXPECT_EQ(editor.trackNotes(1), "");
}
