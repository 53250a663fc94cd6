// The settings window: language switched live and undone by Cancel, saving the keys and the
// help page, the folder chooser and the open dialogs.
#include "editing/ui/locatie.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/inifile.h"
#include "shell/settingswriter.h"
#include "shell/ui/instellingenwindow.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtkit::childOf;

class SettingsWindowTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    std::unique_ptr<InstellingenWindow> window;

    QString helpFolder() const { return QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR); }

    void openWindow()
    {
        window = std::make_unique<InstellingenWindow>(session, prompts, helpFolder());
        window->show();
    }
    QLineEdit* field(int index) const
    {
        return childOf<QLineEdit>(
            window.get(), QStringLiteral("txtParam_%1").arg(index).toLatin1().constData());
    }
    QComboBox* languages() const { return childOf<QComboBox>(window.get(), "cboTaal"); }
    void click(const char* name) const { qtkit::clickButton(window.get(), name); }
    QString iniValue(const char* key) const
    {
        return IniFile(home.iniPath())
            .read(QStringLiteral("Instellingen"), QLatin1String(key), QStringLiteral("<none>"));
    }
};

TEST_F(SettingsWindowTest, CancelOrEscapeChangesNothingEvenAfterSwitchingLanguage)
{
    const QByteArray before = qtkit::fileBytes(home.iniPath());
    const Settings settingsBefore = session.settings;
    for (const bool escape : { false, true }) {
        openWindow();
        EXPECT_EQ(field(0)->text(), settingsBefore.database);
        QSignalSpy languageSpy(window.get(), &InstellingenWindow::languageChanged);
        const QString englishTitle = window->windowTitle();
        languages()->setCurrentIndex(3);
        // The program speaks German before anything is saved.
        EXPECT_EQ(session.settings.taal, QStringLiteral("400"));
        EXPECT_NE(window->windowTitle(), englishTitle);
        field(0)->setText(QStringLiteral("/somewhere/else.db"));
        field(2)->setText(QStringLiteral("/tmp/"));
        if (escape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            click("cmdCancel");
        EXPECT_FALSE(window->isVisible());
        // Switched back, and the main window told so.
        EXPECT_EQ(languageSpy.count(), 2);
        EXPECT_EQ(session.settings.taal, QStringLiteral("200"));
        EXPECT_EQ(session.settings.database, settingsBefore.database);
        EXPECT_EQ(session.settings.coverDir, settingsBefore.coverDir);
        EXPECT_EQ(qtkit::fileBytes(home.iniPath()), before);
    }
}

TEST_F(SettingsWindowTest, CloseWritesTheKeysAndTheHelpPageAndAnotherCatalogueIsReadAgain)
{
    for (const bool otherCatalogue : { false, true }) {
        TestCatalogue other;
        openWindow();
        QSignalSpy helpSpy(window.get(), &InstellingenWindow::helpPageChanged);
        QSignalSpy databaseSpy(window.get(), &InstellingenWindow::databaseChanged);
        languages()->setCurrentIndex(3);
        // A typed folder gets its separator, so file names can be appended to it.
        field(5)->setText(home.filePath(QStringLiteral("Foto")));
        // A cancelled open dialog leaves the field; a chosen file fills it.
        prompts.chosenFiles = { otherCatalogue ? other.path() : QString(), QStringLiteral("/usr/bin/vlc") };
        click("cmdParam_0");
        click("cmdParam_1");
        click("cmdSluiten");
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
        EXPECT_FALSE(window->isVisible());
        const QString database = otherCatalogue ? other.path() : home.db().path();
        EXPECT_EQ(
            (QStringList { iniValue("Taal"), iniValue("Speler"), iniValue("FotoDir"), iniValue("Database") }),
            (QStringList { "400", "/usr/bin/vlc", home.filePath(QStringLiteral("Foto/")), database }));
        EXPECT_EQ(iniValue("Help"), helpFolder() + QStringLiteral("German.html"));
        EXPECT_EQ(session.settings.help, iniValue("Help"));
        EXPECT_EQ(helpSpy.value(0).value(0).toString(), iniValue("Help"));
        EXPECT_EQ(session.settings.database, database);
        // Only another catalogue asks for the artist list again.
        EXPECT_EQ(databaseSpy.count(), otherCatalogue ? 1 : 0);
    }
}

TEST_F(SettingsWindowTest, FolderChooserFillsItsFieldWithATrailingSeparatorOrLeavesItOnCancel)
{
    const QString target = home.filePath(QStringLiteral("Elsewhere"));
    ASSERT_TRUE(QDir().mkpath(target));
    openWindow();
    const std::tuple<const char*, int, const char*, QString, QString> cases[]
        = { { "cmdDir_4", 4, "cmdOK", target, target + QLatin1Char('/') },
              { "cmdDir_2", 2, "cmdAnnuleren", home.path(), home.filePath(QStringLiteral("Covers/")) } };
    for (const auto& [button, index, closeWith, folder, expected] : cases) {
        QString chooserFor;
        qtkit::onNextModal(QStringLiteral("Locatie"), [&](QWidget* modal) {
            auto* chooser = qobject_cast<Locatie*>(modal);
            chooserFor = chooser->tag();
            EXPECT_TRUE(chooser->setCurrentFolder(folder));
            qtkit::clickButton(chooser, closeWith);
        });
        click(button);
        EXPECT_EQ(chooserFor, QString::number(index));
        EXPECT_EQ(field(index)->text(), expected);
    }
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
}

TEST(SettingsWriter, LanguagePositionsAndFolderSeparators)
{
    // A hand-edited value runs in English, so the list shows English.
    EXPECT_EQ(languagePosition(QStringLiteral("250")), 1);
    EXPECT_EQ(languageAtPosition(-1), LanguageBase::English);

    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("Melotheek.ini")));
    Settings settings;
    const QStringList failures
        = saveSettings(ini, settings, { "/data/Muziek.db", "", "/data/Covers", "", "/data/Backup/", "/" },
            LanguageBase::Dutch, QStringLiteral("/help/"));
    EXPECT_TRUE(failures.isEmpty()) << failures.join("\n").toStdString();
    EXPECT_EQ((QStringList { settings.coverDir, settings.muziekDir, settings.backupDir, settings.fotoDir,
                  settings.help }),
        (QStringList { "/data/Covers/", "", "/data/Backup/", "/", "/help/Dutch.html" }));
}

} // namespace
