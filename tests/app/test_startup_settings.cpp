// Start-up: the settings file on a first and a normal start, the settings file reader and
// writer on bad input, and where the home folder is.
#include "qtkit/qfiles.h"
#include "shell/homefolder.h"
#include "shell/inifile.h"
#include "shell/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString home() const { return withSeparator(dir.path()); }
    QString iniPath() const { return home() + QStringLiteral("Melotheek.ini"); }
    const QString helpFolder = QStringLiteral("/usr/share/melotheek/help/");

    StartupSettings load(const QLocale& system)
    {
        IniFile ini(iniPath());
        return loadStartupSettings(ini, home(), system, helpFolder);
    }
};

TEST_F(StartupTest, FirstStartTakesTheSystemsLanguageAndWritesEveryKey)
{
    const std::tuple<QLocale::Language, const char*, const char*> cases[]
        = { { QLocale::Dutch, "100", "Dutch.html" }, { QLocale::French, "300", "French.html" },
              { QLocale::German, "400", "German.html" }, { QLocale::Spanish, "200", "English.html" } };
    for (const auto& [language, taal, page] : cases) {
        QFile::remove(iniPath());
        const StartupSettings s = load(QLocale(language));
        EXPECT_TRUE(s.firstStart && s.failures.isEmpty()) << taal;
        EXPECT_EQ(s.settings.taal, QLatin1String(taal));
        EXPECT_EQ(s.settings.help, helpFolder + QLatin1String(page));
        EXPECT_EQ(IniFile(iniPath()).read("Instellingen", "Taal", ""), QLatin1String(taal));
    }
    const Settings s = load(QLocale(QLocale::German)).settings; // a normal start: no detection again
    EXPECT_EQ(s.taal, QStringLiteral("200"));
    EXPECT_EQ((QStringList { s.database, s.coverDir, s.muziekDir, s.backupDir, s.fotoDir }),
        (QStringList { home() + "Database/Muziek.db", home() + "Covers/", home() + "Playlist/",
            home() + "Backup/", home() + "Foto/" }));
    IniFile reread(iniPath());
    EXPECT_EQ(reread.read("Instellingen", "Setup", ""), QStringLiteral("1"));
    EXPECT_EQ(reread.read("instellingen", "HELP", ""), s.help);
    EXPECT_EQ(reread.read("Instellingen", "FotoDir", ""), s.fotoDir);
    EXPECT_FALSE(reread.contains("Instellingen", "Speler"));
}

TEST_F(StartupTest, SetupZeroIsAFirstStartButAMissingSetupKeyIsNot)
{
    qtkit::writeFile(iniPath(), "[Instellingen]\r\nSetup=0\r\nSpeler=/usr/bin/vlc\r\n");
    const StartupSettings first = load(QLocale(QLocale::French));
    EXPECT_TRUE(first.firstStart);
    EXPECT_EQ(first.settings.taal, QStringLiteral("300"));
    EXPECT_EQ(first.settings.speler, QStringLiteral("/usr/bin/vlc"));

    qtkit::writeFile(iniPath(), "[Instellingen]\nTaal=300\n");
    const StartupSettings normal = load(QLocale(QLocale::Dutch));
    EXPECT_FALSE(normal.firstStart);
    EXPECT_EQ(normal.settings.taal, QStringLiteral("300"));
    // Missing keys read as the home folder, as callers of the reader expect.
    EXPECT_EQ(normal.settings.database, home());
    EXPECT_EQ(normal.settings.coverDir, home());
    // ... except the player, where a folder would be no program at all.
    EXPECT_TRUE(normal.settings.speler.isEmpty());
    EXPECT_EQ(qtkit::fileBytes(iniPath()), QByteArray("[Instellingen]\nTaal=300\n"));
}

TEST_F(StartupTest, BadLanguageRunsInEnglishAndStaysInTheFile)
{
    qtkit::writeFile(iniPath(), "[Instellingen]\nSetup=1\nTaal=500\n");
    EXPECT_EQ(load(QLocale(QLocale::Dutch)).settings.taal, QStringLiteral("200"));
    EXPECT_EQ(qtkit::fileBytes(iniPath()), QByteArray("[Instellingen]\nSetup=1\nTaal=500\n"));
}

TEST_F(StartupTest, GarbageDuplicatesAndBinaryBytesNeverStopTheReader)
{
    QByteArray junk("no section here\nkey=value\n[Beeld\n\x01\x02\xff\xfe=\x80\n"
                    "[Instellingen]\nTaal=100\nTaal=400\n==\n[Beeld]\nMuziekTop=abc\n");
    junk.append('\0');
    junk.append("\n[Instellingen]\nSetup=1\n");
    qtkit::writeFile(iniPath(), junk);
    IniFile ini(iniPath());
    // A French system: a start wrongly taken for a first one would show as "300".
    const StartupSettings s = loadStartupSettings(ini, home(), QLocale(QLocale::French), helpFolder);
    EXPECT_FALSE(s.firstStart);
    // The later of two duplicates counts.
    EXPECT_EQ(s.settings.taal, QStringLiteral("400"));
    EXPECT_EQ(savedTwips(ini, "MuziekTop", home()), 1800);
}

// What a write keeps of others' keys and comments is SettingsFile.AWriteKeepsWhatOthersWrote-
// SinceTheFileWasRead; here: sections and keys are found whatever their letter case.
TEST_F(StartupTest, WritesAndRemovalsFindSectionsAndKeysInAnyLetterCase)
{
    qtkit::writeFile(iniPath(), "[Instellingen]\nTaal=200\n[Discovant]\nUserEmail=jan@example.org\n");
    IniFile ini(iniPath());
    ASSERT_TRUE(ini.write("INSTELLINGEN", "taal", "300"));
    ASSERT_TRUE(ini.remove("discovant", "useremail"));
    ASSERT_TRUE(ini.remove("Discovant", "Missing"));
    const QByteArray text = qtkit::fileBytes(iniPath());
    EXPECT_FALSE(text.contains("UserEmail"));
    EXPECT_EQ(IniFile(iniPath()).read("Instellingen", "Taal", ""), QStringLiteral("300"));
    EXPECT_EQ(text.count("aal="), 1);
}

TEST_F(StartupTest, AFailedWriteLeavesTheFileAsItWas)
{
    // A name so long that the temporary file beside it cannot be created, which fails for
    // every user, root included.
    const QString path = dir.filePath(QString(250, QLatin1Char('m')) + QStringLiteral(".ini"));
    qtkit::writeFile(path, "[Instellingen]\nTaal=200\n");
    IniFile ini(path);
    QString error;
    EXPECT_FALSE(ini.write("Instellingen", "Taal", "100", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(qtkit::fileBytes(path), QByteArray("[Instellingen]\nTaal=200\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(StartupTest, ValuesAreUtf8AndSingleLine)
{
    IniFile ini(iniPath());
    ASSERT_TRUE(ini.write("Instellingen", "Database", QStringLiteral("/home/zoë/Muziek.db")));
    ASSERT_TRUE(ini.write("Instellingen", "Speler", QStringLiteral("a\nSetup=0")));
    IniFile reread(iniPath());
    EXPECT_EQ(reread.read("Instellingen", "Database", ""), QStringLiteral("/home/zoë/Muziek.db"));
    EXPECT_FALSE(reread.contains("Instellingen", "Setup"));
}

TEST_F(StartupTest, NumbersPositionsAndSelection)
{
    const std::pair<const char*, std::optional<int>> numbers[] = { { " 42 ", 42 }, { "2.5", 2 }, { "3.5", 4 },
        { "-15", -15 }, { "abc", {} }, { "/home/user/", {} }, { "", {} }, { "1e99", {} } };
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(numericSetting(QLatin1String(text)), number) << text;

    qtkit::writeFile(
        iniPath(), "[Beeld]\nMuziekTop=abc\nMuziekLeft=3000\nLaatsteArtiest=7\nLaatsteAlbum=x\n");
    IniFile ini(iniPath());
    EXPECT_EQ(savedTwips(ini, "MuziekTop", "/h/"), 1800);
    EXPECT_EQ(savedTwips(ini, "MuziekLeft", "/h/"), 3000);
    const LastSelection last = savedSelection(ini, "/h/");
    EXPECT_EQ(last.artistPosition, 0);
    EXPECT_EQ(last.albumPosition, 1);
}

TEST(HomeFolder, CommandLineThenEnvironmentThenDataFolder)
{
    qputenv("MELOTHEEK_HOME", "/tmp/from-env");
    EXPECT_EQ(resolveHomeFolder({ "melotheek", "--home", "/tmp/x" }), QStringLiteral("/tmp/x/"));
    EXPECT_EQ(resolveHomeFolder({ "melotheek", "--home=/tmp/y/" }), QStringLiteral("/tmp/y/"));
    EXPECT_EQ(resolveHomeFolder({ "melotheek" }), QStringLiteral("/tmp/from-env/"));
    qunsetenv("MELOTHEEK_HOME");
    EXPECT_TRUE(resolveHomeFolder({ "melotheek" }).endsWith(QStringLiteral("/Melotheek/")));
    EXPECT_EQ(withSeparator("/a"), QStringLiteral("/a/"));
    EXPECT_EQ(withSeparator("/a/"), QStringLiteral("/a/"));
}

} // namespace
