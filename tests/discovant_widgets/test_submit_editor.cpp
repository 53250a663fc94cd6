// The submission editor: its texts in the component's languages, the track editing, the checks before an
// entry is written, and the CD-Text import.
#include "discovant/widgets/submitinfowindow.h"
#include "discovant/widgets/windowtexts.h"
#include "qtkit/modal.h"

#include <QAbstractButton>
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
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace discovant;
using namespace discovant::widgets;
using qtkit::childOf;
using qtkit::clickButton;

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
    return { .language = language };
}

// Runs `action` on the editor once SubmitData has opened it.
void onEditor(std::function<void(QWidget*)> action)
{
    qtkit::onNextModal("frmSubmitInfo", std::move(action));
}

QStringList lines(const QWidget* window)
{
    QStringList texts;
    const auto* list = childOf<QListWidget>(window, "lstList");
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void setLine(const QWidget* window, int track, const QString& text)
{
    childOf<QListWidget>(window, "lstList")->item(track - 1)->setText(text);
}

// Fills every album field with values that pass the checks.
void fillAlbum(const QWidget* window)
{
    childOf<QLineEdit>(window, "strArtist")->setText("Miles Davis");
    childOf<QLineEdit>(window, "strAlbum")->setText("Kind of Blue");
    childOf<QComboBox>(window, "cboCategory")->setCurrentText("jazz");
    childOf<QComboBox>(window, "cboGenre")->setEditText("Jazz");
    childOf<QLineEdit>(window, "strYear")->setText("1959");
}

// The field gets the focus, as when the user clicks or tabs into it.
void enter(QWidget* field)
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(field, &focusIn);
}

QString errorText(const QWidget* window)
{
    return childOf<QLabel>(window, "lblError")->text();
}

QPushButton* trackButton(const QWidget* window, int which) // 0 previous, 1 next
{
    return window->findChildren<QPushButton*>("cmdTrack").at(which);
}

} // namespace

// The texts of every control in each language (the one place they are checked), and the track
// buttons, which wrap and commit the edited title.
TEST(SubmitEditor, EveryControlShowsTheTextOfItsLanguageAndTheTrackButtonsWrap)
{
    SubmitInfoWindow editor;
    std::set<QString> titles;
    for (const auto language :
        { uCDDBLang::ENGLISH, uCDDBLang::GERMAN, uCDDBLang::FRENCH, static_cast<uCDDBLang>(7) }) {
        const SubmitTexts t = submitTexts(language);
        QStringList shown, after;
        QList<int> visited;
        bool categoryEnabled = false;
        onEditor([&](QWidget* window) {
            shown << window->windowTitle();
            for (const char* label :
                { "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "lblTrack" })
                shown << childOf<QLabel>(window, label)->text();
            for (const char* button : { "optTrk", "optExt", "cmdText", "cmdSubmit", "cmdCancel" })
                shown << childOf<QAbstractButton>(window, button)->text();
            shown << childOf<QPushButton>(window, "cmdText")->toolTip()
                  << childOf<QGroupBox>(window, "Frame2")->title() << lines(window);
            categoryEnabled = childOf<QComboBox>(window, "cboCategory")->isEnabled();
            QPushButton* previous = trackButton(window, 0);
            QPushButton* next = trackButton(window, 1);
            auto* track = childOf<QLineEdit>(window, "strTrack");
            previous->click(); // 1 wraps to the last track
            visited << editor.currentTrack();
            next->click(); // and back to 1
            visited << editor.currentTrack();
            track->selectAll();
            QTest::keyClicks(track, "So What");
            next->click();
            visited << editor.currentTrack();
            shown << childOf<QLabel>(window, "lblTrack")->text();
            // The notes box keeps the notes of the track it shows.
            childOf<QRadioButton>(window, "optExt")->click();
            childOf<QPlainTextEdit>(window, "strTrkNotes")->setPlainText("Take 2");
            previous->click();
            after = lines(window);
            clickButton(window, "cmdCancel");
        });
        EXPECT_FALSE(editor.SubmitData(newDisc(), in(language)).has_value());
        EXPECT_EQ(shown,
            (QStringList { t.title, t.artistLabel, t.albumLabel, t.categoryLabel, t.yearLabel, t.genreLabel,
                t.notesLabel, t.trackLabelAtStart(), t.trackListOption, t.trackNotesOption, t.cdTextButton,
                t.submitButton, t.cancelButton, t.cdTextToolTip, t.tracksFrame(3), t.untitledLine(1),
                t.untitledLine(2), t.untitledLine(3), t.trackLabel(2) }));
        EXPECT_TRUE(categoryEnabled);
        EXPECT_EQ(visited, (QList<int> { 3, 1, 2 }));
        EXPECT_EQ(after, (QStringList { "So What", t.untitledLine(2), t.untitledLine(3) }));
        EXPECT_EQ(editor.trackNotes(2), "Take 2");
        EXPECT_EQ(editor.trackNotes(1), "");
        titles.insert(t.title);
    }
    EXPECT_EQ(titles.size(), 3u); // three tables; an unknown value reads English
}

TEST(SubmitEditor, ChecksMarkEveryFailingFieldAndKeepTheWindowOpen)
{
    SubmitInfoWindow editor;
    std::vector<QString> errors;
    std::vector<QStringList> marked;
    int currentAfterSeparators = 0, currentAfterCancel = 0;
    QString question;
    // Submits and notes the error shown and the fields marked.
    const auto submit = [&](QWidget* window) {
        clickButton(window, "cmdSubmit");
        errors.push_back(errorText(window));
        QStringList names;
        for (const char* name : { "strArtist", "strAlbum", "cboCategory", "cboGenre", "strYear", "lstList" })
            if (SubmitInfoWindow::isMarked(*childOf<QWidget>(window, name)))
                names << name;
        marked.push_back(names);
    };
    std::optional<SubmittedEntry> result;
    onEditor([&](QWidget* window) {
        submit(window); // everything empty, tracks untitled

        // Marks stay until the user enters the field again.
        for (const char* name : { "strAlbum", "cboCategory", "cboGenre" })
            enter(childOf<QWidget>(window, name));
        fillAlbum(window);
        childOf<QLineEdit>(window, "strArtist")->setText("A / B");
        childOf<QLineEdit>(window, "strYear")->setText("1899");
        setLine(window, 1, "So What");
        setLine(window, 2, "Medley / Part / Two");
        setLine(window, 3, "Blue");
        submit(window);
        currentAfterSeparators = editor.currentTrack();

        childOf<QLineEdit>(window, "strArtist")->setText("Miles Davis");
        childOf<QLineEdit>(window, "strYear")->setText("2101");
        // The scan made track 2 current; the user retypes its title in the track box.
        enter(childOf<QWidget>(window, "strTrack"));
        childOf<QLineEdit>(window, "strTrack")->setText("Medley / Part Two"); // a compilation title
        submit(window);

        childOf<QLineEdit>(window, "strYear")->clear(); // an empty year passes
        setLine(window, 3, "untitled track 03"); // the marker is found in any case
        submit(window);
        EXPECT_TRUE(window->isVisible());

        // A blank title is asked about; Cancel goes back to the first blank track.
        setLine(window, 3, "");
        qtkit::onNextModal({}, [&](QWidget* box) {
            question = box->windowTitle() + "|" + qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Cancel)->click();
        });
        submit(window);
        currentAfterCancel = editor.currentTrack();
        qtkit::answerNextBox(QMessageBox::Ok);
        clickButton(window, "cmdSubmit");
    });
    result = editor.SubmitData(newDisc(), in(uCDDBLang::ENGLISH));

    const SubmitTexts texts = submitTexts(uCDDBLang::ENGLISH);
    EXPECT_EQ(errors,
        (std::vector<QString> { texts.correctError, texts.separatorError, texts.correctError,
            texts.correctError, texts.enterTracksError }));
    EXPECT_EQ(marked[0], (QStringList { "strArtist", "strAlbum", "cboCategory", "cboGenre", "lstList" }));
    EXPECT_EQ(marked[1], (QStringList { "strArtist", "strYear", "lstList" }));
    EXPECT_EQ(currentAfterSeparators, 2);
    EXPECT_TRUE(marked[2].contains("strYear"));
    EXPECT_FALSE(marked[2].contains("lstList"));
    EXPECT_TRUE(marked[3].contains("lstList"));
    EXPECT_TRUE(marked[4].contains("lstList"));
    EXPECT_EQ(question, texts.blankTracksTitle + "|" + texts.blankTracksQuestion);
    EXPECT_EQ(currentAfterCancel, 3);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->category, "jazz");
    EXPECT_NE(result->entryText.find("TTITLE1=Medley / Part Two\r\nTTITLE2=\r\n"), std::string::npos);
    EXPECT_NE(result->entryText.find("\r\nDYEAR=\r\n"), std::string::npos);
}

TEST(SubmitEditor, CdTextFillsTheFieldsOrSaysItIsNotAvailable)
{
    SubmitInfoWindow editor;
    SubmissionRequest request = newDisc();
    std::optional<std::string> cdText;
    request.readCdText = [&] { return cdText; };
    // The CD-Text read, then what the editor shows: the message, artist, year, notes and lines.
    // German tells an unreadable disc from one without CD-Text. More titles than tracks: what
    // fits is kept, then the import stops as if there were none.
    const SubmitTexts german = submitTexts(uCDDBLang::GERMAN);
    const std::pair<std::optional<std::string>, QStringList> reads[]
        = { { "Artist X|Album Y|2001|Rock|Notes Z|One||Three|",
                { german.cdTextImported, "Artist X", "2001", "Notes Z", "One", german.untitledLine(2),
                    "Three" } },
              { "|||||A|B|C|D|", { german.cdTextMissing, "Artist X", "2001", "Notes Z", "A", "B", "C" } },
              { std::nullopt, { german.cdTextUnreadable, "Artist X", "2001", "Notes Z", "A", "B", "C" } },
              { "", { german.cdTextMissing, "Artist X", "2001", "Notes Z", "A", "B", "C" } } };
    QList<QStringList> shown;
    onEditor([&](QWidget* window) {
        for (const auto& read : reads) {
            cdText = read.first;
            clickButton(window, "cmdText");
            shown << (QStringList { errorText(window), childOf<QLineEdit>(window, "strArtist")->text(),
                          childOf<QLineEdit>(window, "strYear")->text(),
                          childOf<QPlainTextEdit>(window, "strNotes")->toPlainText() }
                + lines(window));
        }
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(request, in(uCDDBLang::GERMAN));
    ASSERT_EQ(shown.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shown[i], reads[i].second) << i;
}

TEST(SubmitEditor, RevisingStartsFromTheEntryAndANewEntryStartsEmpty)
{
    SubmitInfoWindow editor;
    SubmissionRequest request = newDisc();
    request.revision = 4;
    // A category not in the list: the last category stays selected. One title fewer than tracks.
    request.existing = EntryDraft { .artist = "Miles Davis",
        .album = "Kind of Blue",
        .category = "unknown",
        .year = "1959",
        .genre = "Jazz",
        .notes = "Recorded\r\nin New York",
        .trackNames = { "So What", "Freddie Freeloader" },
        .trackNotes = { "Modal", "", "" } };
    bool categoryEnabled = true;
    onEditor([&](QWidget* window) {
        categoryEnabled = childOf<QComboBox>(window, "cboCategory")->isEnabled();
        setLine(window, 3, "Blue in Green");
        clickButton(window, "cmdSubmit");
    });
    const std::optional<SubmittedEntry> result = editor.SubmitData(request, in(uCDDBLang::ENGLISH));
    EXPECT_FALSE(categoryEnabled);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->category, "data");
    for (const char* line : { "# Revision: 4\r\n", "DTITLE=Miles Davis / Kind of Blue\r\n",
             "TTITLE2=Blue in Green\r\nEXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\n" })
        EXPECT_NE(result->entryText.find(line), std::string::npos) << line;

    // The same window for a new disc afterwards: nothing of the revised entry is left.
    QStringList shown;
    onEditor([&](QWidget* window) {
        shown = QStringList { childOf<QLineEdit>(window, "strArtist")->text() } + lines(window);
        clickButton(window, "cmdCancel");
    });
    editor.SubmitData(newDisc("150 20000 40000"), in(uCDDBLang::ENGLISH));
    EXPECT_EQ(shown, (QStringList { "", "Untitled Track 01", "Untitled Track 02" }));
    EXPECT_EQ(editor.trackNotes(1), "");
}
