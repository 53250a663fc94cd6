// The CD lookup settings: the component's persisted properties kept in section `Discovant`
// of Melotheek.ini, and the "CD lookup" window that sets server, address and folder.
#include "discovant/widgets/discovantwidget.h"
#include "import/inipropertystore.h"
#include "import/ui/cdlookupdialog.h"
#include "qtkit/modal.h"
#include "shell/inifile.h"
#include "support/fakeprompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using qtkit::childOf;

class CdLookupSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    IniFile ini { home.filePath("Melotheek.ini") };
    FakePrompts prompts;

    QString stored(const char* key) const { return ini.read("Discovant", key, "<missing>"); }
};

TEST_F(CdLookupSettingsTest, LookupWindowRefusesABadAddressStoresItsValuesAndANewControlReadsThemBack)
{
    IniPropertyStore store(ini);
    {
        DiscovantWidget control(store);
        CdLookupDialog dialog(control.core(), prompts);
        // An address the component refuses keeps the window open, naming it.
        childOf<QLineEdit>(&dialog, "txtEmail")->setText("anna at example");
        qtkit::clickButton(&dialog, "cmdOK");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(prompts.boxes.size(), 1);
        EXPECT_TRUE(prompts.boxes[0].prompt.contains("anna at example"));
        EXPECT_EQ(stored("UserEmail"), "<missing>");

        childOf<QLineEdit>(&dialog, "txtServer")->setText(" cddb.example.org:8880 ");
        childOf<QLineEdit>(&dialog, "txtEmail")->setText("anna@example.org");
        childOf<QLineEdit>(&dialog, "txtMap")->setText("/srv/cddb/Ölfolder");
        auto* source = childOf<QComboBox>(&dialog, "cboBron");
        source->setCurrentIndex(
            source->findData(static_cast<int>(discovant::uCDDBSource::MUSICBRAINZ_THEN_CDDB)));
        childOf<QLineEdit>(&dialog, "txtMusicBrainz")->setText(" https://mb.example.org ");
        childOf<QLineEdit>(&dialog, "txtCoverArt")->clear(); // the archive's own again
        qtkit::clickButton(&dialog, "cmdOK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        control.saveProperties();
    }
    EXPECT_EQ((QStringList { stored("CDDBServer"), stored("UserEmail"), stored("CDDBFilePath") }),
        (QStringList { "cddb.example.org:8880", "anna@example.org", "/srv/cddb/Ölfolder" }));
    EXPECT_EQ((QStringList { stored("LookupSource"), stored("MusicBrainzServer"), stored("CoverArtServer") }),
        (QStringList { "3", "https://mb.example.org", "<missing>" }));
    EXPECT_FALSE(ini.contains("Discovant", "AppTitle")); // defaults are not written out

    IniFile reread(home.filePath("Melotheek.ini"));
    IniPropertyStore again(reread);
    DiscovantWidget restored(again);
    EXPECT_EQ(restored.core().CDDBServer(), "cddb.example.org:8880");
    EXPECT_EQ(restored.core().CDDBFilePath(), "/srv/cddb/Ölfolder");
    CdLookupDialog reopened(restored.core(), prompts);
    EXPECT_EQ(childOf<QComboBox>(&reopened, "cboBron")->currentData().toInt(),
        static_cast<int>(discovant::uCDDBSource::MUSICBRAINZ_THEN_CDDB));
    // Back to the default server: the key leaves the file.
    restored.core().setCDDBServer(discovant::Discovant::defaultServer());
    EXPECT_FALSE(reread.contains("Discovant", "CDDBServer"));
}

TEST_F(CdLookupSettingsTest, EveryFieldHasALabelWhoseAcceleratorReachesIt)
{
    IniPropertyStore store(ini);
    DiscovantWidget control(store);
    CdLookupDialog dialog(control.core(), prompts);
    // A label without a buddy shows its "&" instead of underlining the key.
    for (const char* field :
        { "cboBron", "txtMusicBrainz", "txtCoverArt", "txtServer", "txtEmail", "txtMap" }) {
        const QWidget* target = childOf<QWidget>(&dialog, field);
        const auto labels = dialog.findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [target](const QLabel* label) {
            return label->buddy() == target && label->text().contains(QLatin1Char('&'));
        })) << field;
    }
}

} // namespace
