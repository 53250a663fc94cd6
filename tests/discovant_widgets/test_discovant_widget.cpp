// The placeable control: its logo, its persisted properties in the host's store, and a
// submission written in its editor, posted to a CDDB server on 127.0.0.1 and taken over.
#include "discovant/widgets/choosers.h"
#include "discovant/widgets/discovantwidget.h"
#include "support/fakecddbserver.h"
#include "support/memorypropertystore.h"
#include "support/modaldriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace discovant;

namespace {

const std::string kToc = "150 10000 20000"; // disc identifier 09010802, 266 seconds

const std::string kExpectedEntry = "# xmcd\r\n#\r\n# Track frame offsets:\r\n#   150\r\n#   10000\r\n#\r\n"
                                   "# Disc length: 266 seconds\r\n#\r\n# Revision: 0\r\n"
                                   "# Submitted via: Melo_theek 2.0\r\n#\r\nDISCID=09010802\r\n"
                                   "DTITLE=Miles Davis / Kind of Blue\r\nDYEAR=1959\r\nDGENRE=Jazz\r\n"
                                   "TTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\n"
                                   "EXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\nEXTT1=\r\nPLAYORDER=\r\n";

// Writes the Kind of Blue entry in the editor the way a user does and submits it.
void writeKindOfBlue(QWidget& editor)
{
    editor.findChild<QLineEdit*>("strArtist")->setText("Miles Davis");
    editor.findChild<QLineEdit*>("strAlbum")->setText("Kind of Blue");
    editor.findChild<QComboBox*>("cboCategory")->setCurrentText("jazz");
    editor.findChild<QComboBox*>("cboGenre")->setEditText("Jazz");
    editor.findChild<QLineEdit*>("strYear")->setText("1959");
    editor.findChild<QPlainTextEdit*>("strNotes")->setPlainText("Recorded\nin New York");
    auto* list = editor.findChild<QListWidget*>("lstList");
    list->item(0)->setText("So What");
    list->item(1)->setText("Freddie Freeloader");
    editor.findChild<QPlainTextEdit*>("strTrkNotes")->setPlainText("Modal"); // track 1 is current
    clickButton(editor, "cmdSubmit");
}

class DiscovantControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        control.core().setCDDBServer(server.address());
        control.core().setEmailAddress("jan@example.org");
        control.core().setAppName("Melo theek");
        control.core().setAppVersion("2.0");
        QObject::connect(
            &control, &DiscovantWidget::protocolError, [this](int number, const QString& message) {
                errors.push_back({ number, message });
            });
    }

    FakeCddbServer server;
    MemoryPropertyStore store;
    DiscovantWidget control { store };
    std::vector<std::pair<int, QString>> errors;
};

} // namespace

TEST(DiscovantWidgetProperties, RestoredFromTheStoreAndWrittenBackOnEveryChange)
{
    MemoryPropertyStore store;
    store.values
        = { { "CDDBServer", "cddb.example.org" }, { "UserEmail", "jan@example.org" }, { "CDDBMode", "1" } };
    DiscovantWidget control(store);
    control.setObjectName("Discovant1");
    EXPECT_EQ(control.core().CDDBServer(), "cddb.example.org");
    EXPECT_EQ(control.core().EmailAddress(), "jan@example.org");
    EXPECT_EQ(control.core().CDDBMode(), uCDDBMode::SUBMIT);

    control.core().setCDDBFilePath("/srv/cddb");
    EXPECT_EQ(store.values.at("CDDBFilePath"), "/srv/cddb");
    control.core().setCDDBServer(Discovant::defaultServer()); // the default is not stored
    EXPECT_EQ(store.values.count("CDDBServer"), 0u);
    control.core().setEmailAddress("no address"); // refused: the stored address stays
    EXPECT_EQ(store.values.at("UserEmail"), "jan@example.org");
    EXPECT_EQ(store.values.at("CDDBIfc"), "0");
    EXPECT_EQ(store.values.at("CDDBMode"), "1");
}

TEST(DiscovantWidgetProperties, KeepsTheSizeOfItsLogo)
{
    MemoryPropertyStore store;
    DiscovantWidget control(store);
    control.resize(300, 200);
    control.show();
    EXPECT_EQ(control.size(), DiscovantWidget::logoSize());
    EXPECT_FALSE(control.accessibleName().isEmpty());
    const QImage logo = control.grab().toImage();
    EXPECT_NE(logo.pixelColor(logo.width() / 4, logo.height() / 2), logo.pixelColor(0, 0))
        << "the logo is drawn";
}

TEST_F(DiscovantControl, NoMatchOpensTheEditorAndPostsTheEntryItWrote)
{
    server.reply("query", 200, "202 No match for disc ID 09010802.\r\n");
    server.reply("submit", 200, "200 OK, submission has been sent.\r\n");
    whenModalShown([](QWidget& editor) {
        EXPECT_EQ(editor.objectName(), "frmSubmitInfo");
        writeKindOfBlue(editor);
    });
    EXPECT_EQ(control.core().LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);

    ASSERT_EQ(server.submissions().size(), 1u);
    const httplib::Request post = server.submissions().front();
    EXPECT_EQ(post.method, "POST");
    EXPECT_EQ(post.path, "/~cddb/submit.cgi");
    EXPECT_EQ(post.body, kExpectedEntry);
    EXPECT_EQ(post.get_header_value("Category"), "jazz");
    EXPECT_EQ(post.get_header_value("Discid"), "09010802");
    EXPECT_EQ(post.get_header_value("User-Email"), "jan@example.org");
    EXPECT_EQ(post.get_header_value("Submit-Mode"), "test");
    EXPECT_EQ(post.get_header_value("X-Cddbd-Note"), "Discovant " + Discovant::componentVersion());
    EXPECT_EQ(post.get_header_value("Content-Length"), std::to_string(kExpectedEntry.size()));
    EXPECT_EQ(post.get_header_value("User-Agent"), "Discovant");

    // The accepted entry is the component's entry now.
    EXPECT_EQ(control.core().GetAlbumCategory(), "jazz");
    EXPECT_EQ(control.core().GetArtistName(), "Miles Davis");
    EXPECT_EQ(control.core().GetAlbumName(), "Kind of Blue");
    EXPECT_EQ(control.core().GetAlbumNotes(), "Recorded\r\nin New York");
    EXPECT_EQ(control.core().GetTrackName(2), "Freddie Freeloader");
    EXPECT_EQ(control.core().GetTrackNotes(1), "Modal");
    EXPECT_TRUE(errors.empty());

    // Revising: the editor starts from this entry and the next revision is posted.
    control.core().setCDDBMode(uCDDBMode::SUBMIT);
    QString shownArtist;
    whenModalShown([&](QWidget& editor) {
        shownArtist = editor.findChild<QLineEdit*>("strArtist")->text();
        editor.findChild<QLineEdit*>("strAlbum")->setText("Kind of Blue (Legacy)");
        clickButton(editor, "cmdSubmit");
    });
    EXPECT_EQ(control.core().ReviseMediaEntry(kToc), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(shownArtist, "Miles Davis");
    ASSERT_EQ(server.submissions().size(), 2u);
    const httplib::Request revision = server.submissions().back();
    EXPECT_EQ(revision.get_header_value("Submit-Mode"), "submit");
    EXPECT_NE(revision.body.find("# Revision: 1\r\n"), std::string::npos);
    EXPECT_NE(revision.body.find("DTITLE=Miles Davis / Kind of Blue (Legacy)\r\n"), std::string::npos);
    EXPECT_NE(revision.body.find("EXTT0=Modal\r\n"), std::string::npos);
    EXPECT_EQ(control.core().GetAlbumName(), "Kind of Blue (Legacy)");
}

TEST_F(DiscovantControl, RefusedOrCancelledSubmissionsTakeNothingOver)
{
    server.reply("query", 200, "202 No match for disc ID 09010802.\r\n");
    server.reply("submit", 500, "busy");
    whenModalShown([](QWidget& editor) { writeKindOfBlue(editor); });
    EXPECT_EQ(control.core().LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(server.submissions().size(), 1u);
    EXPECT_EQ(control.core().GetArtistName(), "");

    whenModalShown([](QWidget& editor) { clickButton(editor, "cmdCancel"); });
    EXPECT_EQ(control.core().LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(server.submissions().size(), 1u) << "a cancelled editor posts nothing";
}

TEST_F(DiscovantControl, SeveralMatchesAreOfferedInTheMatchChooser)
{
    control.core().setUseFirstMatch(false);
    server.reply("query", 200,
        "211 close matches found\r\nrock 09010802 Artist A / Album A\r\njazz 09010802 Artist B / Album "
        "B\r\n.\r\n");
    server.reply("cddb read jazz 09010802", 200,
        "210 jazz 09010802 CD database entry follows\r\n" + kExpectedEntry + ".\r\n");
    QStringList offered;
    whenModalShown([&](QWidget& chooser) {
        auto* list = chooser.findChild<QListWidget*>("lstList");
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->text();
        list->setCurrentRow(1);
        clickButton(chooser, "cmdSelect");
    });
    const uCDDBMatchCode code = control.core().LookupMediaByToc(kToc);
    EXPECT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered.value(1).contains("Artist B / Album B"));
    EXPECT_NE(code, uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(control.core().GetAlbumCategory(), "jazz");
    EXPECT_EQ(control.core().GetArtistName(), "Miles Davis");
}
