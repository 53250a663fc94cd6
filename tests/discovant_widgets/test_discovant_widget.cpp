// The placeable control: its logo, its persisted properties in the host's store, and a
// submission written in its editor, posted to a CDDB server on 127.0.0.1 and taken over.
#include "discovant/widgets/discovantwidget.h"
#include "qtkit/modal.h"
#include "support/memorypropertystore.h"
#include "testkit/fakeserver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace discovant;
using qtkit::childOf;
using qtkit::clickButton;
using qtkit::onNextModal;

namespace {

const std::string kToc = "150 10000 20000"; // disc identifier 09010802, 266 seconds

const std::string kExpectedEntry = "# xmcd\r\n#\r\n# Track frame offsets:\r\n#   150\r\n#   10000\r\n#\r\n"
                                   "# Disc length: 266 seconds\r\n#\r\n# Revision: 0\r\n"
                                   "# Submitted via: Melo_theek 2.0\r\n#\r\nDISCID=09010802\r\n"
                                   "DTITLE=Miles Davis / Kind of Blue\r\nDYEAR=1959\r\nDGENRE=Jazz\r\n"
                                   "TTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\n"
                                   "EXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\nEXTT1=\r\nPLAYORDER=\r\n";

// Writes the Kind of Blue entry in the editor the way a user does and submits it.
void writeKindOfBlue(QWidget* editor)
{
    childOf<QLineEdit>(editor, "strArtist")->setText("Miles Davis");
    childOf<QLineEdit>(editor, "strAlbum")->setText("Kind of Blue");
    childOf<QComboBox>(editor, "cboCategory")->setCurrentText("jazz");
    childOf<QComboBox>(editor, "cboGenre")->setEditText("Jazz");
    childOf<QLineEdit>(editor, "strYear")->setText("1959");
    childOf<QPlainTextEdit>(editor, "strNotes")->setPlainText("Recorded\nin New York");
    auto* list = childOf<QListWidget>(editor, "lstList");
    list->item(0)->setText("So What");
    list->item(1)->setText("Freddie Freeloader");
    childOf<QPlainTextEdit>(editor, "strTrkNotes")->setPlainText("Modal"); // track 1 is current
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

    testkit::FakeCddbServer server;
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
}

TEST_F(DiscovantControl, NoMatchOpensTheEditorAndPostsTheEntryItWrote)
{
    server.reply("query", { 200, "202 No match for disc ID 09010802.\r\n" });
    server.reply("submit", { 200, "200 OK, submission has been sent.\r\n" });
    onNextModal("frmSubmitInfo", writeKindOfBlue);
    EXPECT_EQ(control.core().LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);

    ASSERT_EQ(server.submissions().size(), 1u);
    EXPECT_EQ(server.submissions().front().body, kExpectedEntry);

    // The accepted entry is the component's entry now.
    const Discovant& core = control.core();
    EXPECT_EQ((std::vector<std::string> { core.GetAlbumCategory(), core.GetArtistName(), core.GetAlbumName(),
                  core.GetAlbumNotes(), core.GetTrackName(2), core.GetTrackNotes(1) }),
        (std::vector<std::string> { "jazz", "Miles Davis", "Kind of Blue", "Recorded\r\nin New York",
            "Freddie Freeloader", "Modal" }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(DiscovantControl, SeveralMatchesAreOfferedInTheMatchChooser)
{
    control.core().setUseFirstMatch(false);
    server.reply("query",
        { 200,
            "211 close matches found\r\nrock 09010802 Artist A / Album A\r\n"
            "jazz 09010802 Artist B / Album B\r\n.\r\n" });
    server.reply("read", { 200, testkit::readAnswer("jazz", "09010802", kExpectedEntry) });
    QStringList offered;
    onNextModal("frmFuzzyMatch", [&](QWidget* chooser) {
        auto* list = childOf<QListWidget>(chooser, "lstList");
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->text();
        list->setCurrentRow(1);
        clickButton(chooser, "cmdSelect");
    });
    EXPECT_EQ(control.core().LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(offered, (QStringList { "Artist A / Album A", "Artist B / Album B" }));
    EXPECT_EQ(server.targets().back().find("/~cddb/cddb.cgi/?cmd=cddb+read+jazz+09010802"), 0u);
    EXPECT_EQ(control.core().GetAlbumCategory(), "jazz");
    EXPECT_EQ(control.core().GetArtistName(), "Miles Davis");
}
