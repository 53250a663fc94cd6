// CD lookups as the user meets them: off the window thread behind the progress window, which
// Cancel ends quietly, and with the program name and level the "CD lookup" window sets.
#include "discovant/widgets/discovantwidget.h"
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
    // The wizard after its collect step.
    std::unique_ptr<WizardCD> lookUp()
    {
        auto wizard = std::make_unique<WizardCD>(session, prompts);
        childOf<QComboBox>(wizard.get(), "cboDrive")->setEditText(cue);
        qtkit::clickButton(wizard.get(), "cmdOK");
        return wizard;
    }
};

TEST_F(LookupProgressTest, TheWindowsRepaintWhileTheServerHangsAndCancelEndsQuietlyStoringNothing)
{
    // While the query hangs on its thread, the window thread goes on serving a timer; ten
    // ticks after the query arrived, the user cancels. (The track list looks up the same way.)
    server.reply("query", testkit::Reply { .hang = true });
    int ticksSinceQuery = 0;
    QElapsedTimer sinceCancel;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* progress = QApplication::activeModalWidget();
        if (!server.targets().empty() && progress && progress->objectName() == "Voortgang"
            && ++ticksSinceQuery == 10) {
            sinceCancel.start();
            qtkit::clickButton(progress, "cmdAnnuleren");
        }
    });
    user.start(10);
    const auto wizard = lookUp();
    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 1500);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "Cancel is no failure";
    EXPECT_EQ(childOf<QWidget>(wizard.get(), "cmdOK")->property("tag"), "1");
    EXPECT_EQ(home.db().firstRow("SELECT COUNT(*) FROM Titel"), QVariantList { 0 });
}

TEST_F(LookupProgressTest, TheHelloCarriesMelotheekOrTheNameAndLevelSetInTheLookupWindow)
{
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
        if (box.isEmpty())
            qtkit::onNextModal(
                "frmServerSites", [](QWidget* sites) { qtkit::clickButton(sites, "cmdSelect"); });
        qtkit::clickButton(&dialog, "cmdServers");
        EXPECT_EQ(childOf<QLineEdit>(&dialog, "txtServer")->text(), field);
        EXPECT_EQ(prompts.boxes.isEmpty() ? QString() : prompts.boxes[0].prompt, box);
        EXPECT_EQ(control.core().CDDBServer(), server.address()) << "only OK stores the choice";
    }
}

} // namespace
