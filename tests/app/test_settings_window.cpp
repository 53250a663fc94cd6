// The settings window over a started main window: language switched live and undone by
// Cancel, saving the keys and the help page, the folder chooser and the open dialogs.
#include "db/catalogue.h"
#include "editing/ui/locatie.h"
#include "shell/inifile.h"
#include "shell/session.h"
#include "shell/settingswriter.h"
#include "shell/ui/instellingenwindow.h"
#include "shell/ui/mainwindow.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString german(int k)
{
    return Language(LanguageBase::German).text(k);
}

class SettingsWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<InstellingenWindow> window;

    QString home() const { return dir.path() + QLatin1Char('/'); }
    QString iniPath() const { return home() + QStringLiteral("Melotheek.ini"); }
    QString dbPath() const { return home() + QStringLiteral("Database/Muziek.db"); }
    QString helpFolder() const { return QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR); }

    void SetUp() override
    {
        for (const char* sub : { "Database", "Covers", "Playlist", "Backup", "Foto" })
            QDir().mkpath(home() + QLatin1String(sub));
        ASSERT_TRUE(Catalogue::createEmpty(dbPath()).ok());
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral(
            "[Instellingen]\nSetup=1\nTaal=200\nHelp=%1English.html\nDatabase=%2\nSpeler=\n"
            "CoverDir=%3Covers/\nMuziekDir=%3Playlist/\nBackupDir=%3Backup/\nFotoDir=%3Foto/\n")
                    .arg(helpFolder(), dbPath(), home())
                    .toUtf8());
        f.close();

        session = std::make_unique<Session>(home());
        main = std::make_unique<MainWindow>(*session, prompts, helpFolder());
        main->start();
        main->show();
        ASSERT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    }

    // Opens the settings window over the main window, wired as the main window wires it.
    void openWindow()
    {
        window = std::make_unique<InstellingenWindow>(*session, prompts, helpFolder(), main.get());
        QObject::connect(
            window.get(), &InstellingenWindow::languageChanged, main.get(), &MainWindow::ApplyMainLanguage);
        window->show();
    }

    template <typename T> T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* field(int index) const { return child<QLineEdit>(QStringLiteral("txtParam_%1").arg(index)); }
    void click(const QString& name) const { child<QPushButton>(name)->click(); }
    QString iniValue(const QString& key) const
    {
        return IniFile(iniPath()).read(QStringLiteral("Instellingen"), key, QStringLiteral("<none>"));
    }
};

TEST_F(SettingsWindowTest, OpeningAndCancellingChangesNothingEvenAfterSwitchingLanguage)
{
    const QByteArray before = fileBytes(iniPath());
    const Settings settingsBefore = session->settings;

    openWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(child<QLabel>("lblBackup")->text(), QStringLiteral("Backup"));
    EXPECT_EQ(child<QPushButton>("cmdSluiten")->text(), QStringLiteral("Quit"));
    EXPECT_EQ(child<QComboBox>("cboTaal")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(field(0)->text(), dbPath());
    EXPECT_EQ(field(4)->text(), home() + QStringLiteral("Backup/"));

    QSignalSpy languageSpy(window.get(), &InstellingenWindow::languageChanged);
    child<QComboBox>("cboTaal")->setCurrentIndex(3);
    EXPECT_EQ(session->settings.taal, QStringLiteral("400"));
    // Both windows speak German before anything is saved.
    EXPECT_EQ(window->windowTitle(), german(2));
    EXPECT_EQ(child<QPushButton>("cmdCancel")->text(), german(37));
    EXPECT_EQ(main->menuEntry("mnuWizard", 1)->text(), german(33));
    EXPECT_EQ(main->menuEntry("mnuOnderhoud", 5)->text(), german(2));
    field(0)->setText(QStringLiteral("/somewhere/else.db"));
    field(2)->setText(QStringLiteral("/tmp/"));

    click("cmdCancel");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(languageSpy.count(), 2);
    EXPECT_EQ(session->settings.taal, QStringLiteral("200"));
    EXPECT_EQ(main->menuEntry("mnuWizard", 1)->text(), QStringLiteral("Search"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Melotheek"));
    EXPECT_EQ(session->settings.database, settingsBefore.database);
    EXPECT_EQ(session->settings.coverDir, settingsBefore.coverDir);
    EXPECT_EQ(fileBytes(iniPath()), before);

    // Escape is a Cancel too.
    openWindow();
    child<QComboBox>("cboTaal")->setCurrentIndex(2);
    EXPECT_EQ(main->menuEntry("mnuWizard", 1)->text(), Language(LanguageBase::French).text(33));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session->settings.taal, QStringLiteral("200"));
    EXPECT_EQ(main->menuEntry("mnuWizard", 1)->text(), QStringLiteral("Search"));
    EXPECT_EQ(fileBytes(iniPath()), before);
}

TEST_F(SettingsWindowTest, GermanAndCloseWritesTheKeysAndTheHelpPage)
{
    openWindow();
    QSignalSpy helpSpy(window.get(), &InstellingenWindow::helpPageChanged);
    QSignalSpy databaseSpy(window.get(), &InstellingenWindow::databaseChanged);
    child<QComboBox>("cboTaal")->setCurrentIndex(3);
    field(1)->setText(QStringLiteral("/usr/bin/vlc"));
    // A typed folder gets its separator, so file names can be appended to it.
    field(5)->setText(home() + QStringLiteral("Foto"));
    click("cmdSluiten");

    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(iniValue("Taal"), QStringLiteral("400"));
    EXPECT_TRUE(iniValue("Help").endsWith(QStringLiteral("German.html"))) << iniValue("Help").toStdString();
    EXPECT_EQ(iniValue("Help"), helpFolder() + QStringLiteral("German.html"));
    EXPECT_EQ(session->settings.help, iniValue("Help"));
    ASSERT_EQ(helpSpy.count(), 1);
    EXPECT_EQ(helpSpy.first().first().toString(), iniValue("Help"));
    EXPECT_EQ(iniValue("Speler"), QStringLiteral("/usr/bin/vlc"));
    EXPECT_EQ(session->settings.speler, QStringLiteral("/usr/bin/vlc"));
    EXPECT_EQ(iniValue("FotoDir"), home() + QStringLiteral("Foto/"));
    EXPECT_EQ(iniValue("Database"), dbPath());
    EXPECT_EQ(iniValue("BackupDir"), home() + QStringLiteral("Backup/"));
    // The catalogue did not change, so the artist list is not read again.
    EXPECT_EQ(databaseSpy.count(), 0);
    EXPECT_EQ(main->menuEntry("mnuWizard", 1)->text(), german(33));
}

TEST_F(SettingsWindowTest, AnotherCatalogueAsksForTheArtistListAgain)
{
    TestCatalogue other;
    openWindow();
    QSignalSpy databaseSpy(window.get(), &InstellingenWindow::databaseChanged);
    prompts.chosenFiles = { other.path() };
    click("cmdParam_0");
    EXPECT_EQ(field(0)->text(), other.path());
    click("cmdSluiten");
    EXPECT_EQ(databaseSpy.count(), 1);
    EXPECT_EQ(session->settings.database, other.path());
    EXPECT_EQ(iniValue("Database"), other.path());
}

TEST_F(SettingsWindowTest, CancelledOpenDialogLeavesTheField)
{
    openWindow();
    click("cmdParam_0");
    EXPECT_EQ(field(0)->text(), dbPath());
    prompts.chosenFiles = { QStringLiteral("/opt/player/bin/player") };
    click("cmdParam_1");
    EXPECT_EQ(field(1)->text(), QStringLiteral("/opt/player/bin/player"));
    EXPECT_EQ(prompts.fileDialogTitles, QStringList({ "Database", "Player" }));
}

TEST_F(SettingsWindowTest, FolderChooserFillsTheBackupFieldWithATrailingSeparator)
{
    const QString target = home() + QStringLiteral("Elsewhere");
    ASSERT_TRUE(QDir().mkpath(target));
    openWindow();

    QString caption;
    onNextModal(QStringLiteral("Locatie"), [&](QWidget* modal) {
        auto* chooser = qobject_cast<Locatie*>(modal);
        ASSERT_NE(chooser, nullptr);
        caption = chooser->windowTitle();
        EXPECT_TRUE(chooser->setCurrentFolder(target));
        chooser->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    click("cmdDir_4");
    EXPECT_EQ(caption, QStringLiteral("Directory: Backup"));
    EXPECT_EQ(field(4)->text(), target + QLatin1Char('/'));

    // Cancelling the chooser leaves the field as it was.
    onNextModal(QStringLiteral("Locatie"), [&](QWidget* modal) {
        auto* chooser = qobject_cast<Locatie*>(modal);
        ASSERT_NE(chooser, nullptr);
        caption = chooser->windowTitle();
        chooser->setCurrentFolder(home());
        chooser->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click();
    });
    click("cmdDir_2");
    EXPECT_EQ(caption, QStringLiteral("Directory: Covers"));
    EXPECT_EQ(field(2)->text(), home() + QStringLiteral("Covers/"));
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
}

TEST(SettingsWriter, LanguagePositionsAndFolderSeparators)
{
    EXPECT_EQ(languagePosition(QStringLiteral("100")), 0);
    EXPECT_EQ(languagePosition(QStringLiteral("400")), 3);
    // A hand-edited value runs in English, so the list shows English.
    EXPECT_EQ(languagePosition(QStringLiteral("250")), 1);
    EXPECT_EQ(languageAtPosition(2), LanguageBase::French);
    EXPECT_EQ(languageAtPosition(-1), LanguageBase::English);

    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("Melotheek.ini")));
    Settings settings;
    const QStringList failures
        = saveSettings(ini, settings, { "/data/Muziek.db", "", "/data/Covers", "", "/data/Backup/", "/" },
            LanguageBase::Dutch, QStringLiteral("/help/"));
    EXPECT_TRUE(failures.isEmpty()) << failures.join("\n").toStdString();
    EXPECT_EQ(settings.coverDir, QStringLiteral("/data/Covers/"));
    EXPECT_EQ(settings.muziekDir, QString());
    EXPECT_EQ(settings.backupDir, QStringLiteral("/data/Backup/"));
    EXPECT_EQ(settings.fotoDir, QStringLiteral("/"));
    EXPECT_EQ(settings.taal, QStringLiteral("100"));
    EXPECT_EQ(settings.help, QStringLiteral("/help/Dutch.html"));
    EXPECT_EQ(ini.read(QStringLiteral("Instellingen"), QStringLiteral("CoverDir"), {}),
        QStringLiteral("/data/Covers/"));
    EXPECT_EQ(ini.read(QStringLiteral("Instellingen"), QStringLiteral("MuziekDir"), QStringLiteral("<none>")),
        QString());
}

} // namespace
