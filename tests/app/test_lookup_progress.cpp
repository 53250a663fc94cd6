// CD lookups as the user meets them: off the window thread behind the progress window, which
// Cancel ends quietly, and with the program name and level the "CD lookup" window sets.
#include "discovant/widgets/discovantwidget.h"
#include "extras/ui/discografie.h"
#include "import/ui/cdlookupdialog.h"
#include "import/ui/wizardcd.h"
#include "qtkit/modal.h"
#include "support/discidentity.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/discimage.h"
#include "testkit/fakeserver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using qtkit::childOf;

class LookupProgressTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    testkit::FakeCddbServer server;
    const QString cue = imagePath(
        testkit::writeAudioDisc(home.filePath(QStringLiteral("Images")).toStdString(), "disc", { 4, 5 }));

    void SetUp() override
    {
        session.ini().write("Discovant", "CDDBServer", QString::fromStdString(server.address()));
        session.ini().write("Discovant", "UserEmail", "jan@example.org");
        server.serve(discIdOf(cue.toStdString()), { "Abba", "Arrival", "1976", { "One", "Two" } });
    }
    std::string lastHello() const { return server.targets().empty() ? "" : server.targets().back(); }
};

TEST_F(LookupProgressTest, TheWindowsRepaintWhileTheServerHangsAndCancelEndsQuietlyStoringNothing)
{
    server.reply("query", testkit::Reply { .hang = true });
    const qint64 album = home.db().addAlbum(home.db().addArtist("Abba"), "Arrival", 1976, {});
    session.listMode = QStringLiteral("Tracks");
    const struct {
        const char* window;
        std::function<void()> lookUp;
    } cases[] = {
        { "WizardCD",
            [&] {
                WizardCD wizard(session, prompts);
                childOf<QComboBox>(&wizard, "cboDrive")->setEditText(cue);
                qtkit::clickButton(&wizard, "cmdOK");
                EXPECT_EQ(childOf<QWidget>(&wizard, "cmdOK")->property("tag").toString(), "1");
            } },
        { "Discografie",
            [&] {
                Discografie window(session, prompts, { 0, "Abba", album, "Arrival", "" });
                childOf<QComboBox>(&window, "cboDrive")->setEditText(cue);
                qtkit::clickButton(&window, "cmdFreedb");
                EXPECT_FALSE(window.tracksStored());
            } },
    };
    for (const auto& [window, lookUp] : cases) {
        SCOPED_TRACE(window);
        server.http().clearRequests();
        // While the query hangs on its thread, the window thread goes on serving the timer;
        // ten ticks after the query arrived, the user cancels.
        int ticksSinceQuery = 0;
        QElapsedTimer sinceCancel;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* progress = QApplication::activeModalWidget();
            if (server.targets().empty() || !progress || progress->objectName() != "Voortgang"
                || ++ticksSinceQuery != 10)
                return;
            sinceCancel.start();
            qtkit::clickButton(progress, "cmdAnnuleren");
        });
        user.start(10);
        lookUp();
        ASSERT_TRUE(sinceCancel.isValid());
        EXPECT_LT(sinceCancel.elapsed(), 1500);
        EXPECT_TRUE(prompts.boxes.isEmpty()) << "Cancel is no failure";
    }
    EXPECT_EQ(home.db().firstRow("SELECT COUNT(*), COUNT(CDid), (SELECT COUNT(*) FROM Tracks) FROM Titel"),
        (QVariantList { 1, 0, 0 }));
}

TEST_F(LookupProgressTest, TheHelloCarriesMelotheekOrTheNameAndLevelSetInTheLookupWindow)
{
    const auto lookUp = [&] {
        WizardCD wizard(session, prompts);
        childOf<QComboBox>(&wizard, "cboDrive")->setEditText(cue);
        qtkit::clickButton(&wizard, "cmdOK");
    };
    lookUp();
    EXPECT_NE(lastHello().find("+Melotheek+" MELOTHEEK_VERSION "&proto=6"), std::string::npos) << lastHello();

    IniPropertyStore store(session.ini());
    const struct {
        QString name;
        int level;
        QString stored; // AppTitle in the settings file
        std::string hello;
    } cases[] = {
        { "My CD Player", 1, "My CD Player", "+My_CD_Player+2.1&proto=5" },
        { "Discovant", 0, "Discovant", "+Discovant+2.1&proto=6" }, // the component's own name is a choice too
        { "Melotheek", 0, "<none>", "+Melotheek+2.1&proto=6" },
    };
    for (const auto& [name, level, stored, hello] : cases) {
        {
            DiscovantWidget control(store);
            CdLookupDialog dialog(control.core(), prompts);
            childOf<QLineEdit>(&dialog, "txtProgramma")->setText(name);
            childOf<QLineEdit>(&dialog, "txtVersie")->setText("2.1");
            childOf<QComboBox>(&dialog, "cboProtocol")->setCurrentIndex(level);
            qtkit::clickButton(&dialog, "cmdOK");
        }
        EXPECT_EQ(session.ini().read("Discovant", "AppTitle", "<none>"), stored);
        lookUp();
        EXPECT_NE(lastHello().find(hello), std::string::npos) << lastHello();
    }
}

TEST_F(LookupProgressTest, AMirrorChosenInTheLookupWindowFillsTheServerFieldAndARefusalIsShownInWords)
{
    const struct {
        std::string answer;
        QString field; // txtServer afterwards
        QString box; // "" for none
    } cases[] = {
        { "210 OK\r\nmirror.example.org http 8080 /x/cddb.cgi N052.22 E004.53 Mirror\r\n.\r\n",
            "http://mirror.example.org:8080/x/cddb.cgi", "" },
        { "500 Unknown developer email\r\n", QString::fromStdString(server.address()),
            "8881: The CDDB server refused the request: 500 Unknown developer email" },
    };
    IniPropertyStore store(session.ini());
    DiscovantWidget control(store);
    for (const auto& [answer, field, box] : cases) {
        server.reply("sites", { 200, answer });
        prompts.boxes.clear();
        CdLookupDialog dialog(control.core(), prompts);
        dialog.offerSites(control);
        if (box.isEmpty()) // a list arrived: the first site is chosen
            qtkit::onNextModal(
                "frmServerSites", [](QWidget* sites) { qtkit::clickButton(sites, "cmdSelect"); });
        qtkit::clickButton(&dialog, "cmdServers");
        EXPECT_EQ(childOf<QLineEdit>(&dialog, "txtServer")->text(), field);
        EXPECT_EQ(prompts.boxes.isEmpty() ? QString() : prompts.boxes[0].prompt, box);
        // Only OK stores the choice.
        EXPECT_EQ(control.core().CDDBServer(), server.address());
    }
}

} // namespace
