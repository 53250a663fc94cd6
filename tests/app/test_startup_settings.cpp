// Start-up: the settings file on a first and a normal start, the settings file reader and
// writer on bad input, and where the home folder is.
#include "shell/homefolder.h"
#include "shell/inifile.h"
#include "shell/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class StartupTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString home() const { return withSeparator(dir.path()); }
    QString iniPath() const { return home() + QStringLiteral("Melotheek.ini"); }
    const QString helpFolder = QStringLiteral("/usr/share/melotheek/help/");
};

TEST_F(StartupTest, FirstStartDetectsLanguageAndWritesEveryKey)
{
    IniFile ini(iniPath());
    const StartupSettings s = loadStartupSettings(ini, home(), QLocale(QLocale::Dutch), helpFolder);
    EXPECT_TRUE(s.firstStart);
    EXPECT_TRUE(s.failures.isEmpty());
    EXPECT_EQ(s.settings.taal, QStringLiteral("100"));
    EXPECT_EQ(s.settings.help, helpFolder + QStringLiteral("Dutch.html"));
    EXPECT_EQ(s.settings.database, home() + QStringLiteral("Database/Muziek.db"));
    EXPECT_EQ(s.settings.coverDir, home() + QStringLiteral("Covers/"));
    EXPECT_EQ(s.settings.muziekDir, home() + QStringLiteral("Playlist/"));
    EXPECT_EQ(s.settings.backupDir, home() + QStringLiteral("Backup/"));
    EXPECT_EQ(s.settings.fotoDir, home() + QStringLiteral("Foto/"));

    IniFile reread(iniPath());
    EXPECT_EQ(reread.read("Instellingen", "Setup", ""), QStringLiteral("1"));
    EXPECT_EQ(reread.read("Instellingen", "Taal", ""), QStringLiteral("100"));
    EXPECT_EQ(reread.read("instellingen", "HELP", ""), helpFolder + QStringLiteral("Dutch.html"));
    EXPECT_EQ(reread.read("Instellingen", "FotoDir", ""), home() + QStringLiteral("Foto/"));
    EXPECT_FALSE(reread.contains("Instellingen", "Speler"));

    // The second start is a normal one and does not detect again.
    const StartupSettings second = loadStartupSettings(reread, home(), QLocale(QLocale::German), helpFolder);
    EXPECT_FALSE(second.firstStart);
    EXPECT_EQ(second.settings.taal, QStringLiteral("100"));
    EXPECT_EQ(second.settings.database, s.settings.database);
}

TEST_F(StartupTest, LanguageOfTheSystemPicksTheBase)
{
    const struct {
        QLocale::Language language;
        const char* taal;
        const char* page;
    } cases[] = {{QLocale::French, "300", "French.html"},
                 {QLocale::German, "400", "German.html"},
                 {QLocale::English, "200", "English.html"},
                 {QLocale::Spanish, "200", "English.html"}};
    for (const auto& c : cases) {
        QFile::remove(iniPath());
        IniFile ini(iniPath());
        const StartupSettings s = loadStartupSettings(ini, home(), QLocale(c.language), helpFolder);
        EXPECT_EQ(s.settings.taal, QLatin1String(c.taal));
        EXPECT_EQ(s.settings.help, helpFolder + QLatin1String(c.page));
    }
}

TEST_F(StartupTest, SetupZeroIsAFirstStartButAMissingSetupKeyIsNot)
{
    writeAll(iniPath(), "[Instellingen]\r\nSetup=0\r\nSpeler=/usr/bin/vlc\r\n");
    IniFile shipped(iniPath());
    const StartupSettings first = loadStartupSettings(shipped, home(), QLocale(QLocale::English), helpFolder);
    EXPECT_TRUE(first.firstStart);
    EXPECT_EQ(first.settings.speler, QStringLiteral("/usr/bin/vlc"));

    writeAll(iniPath(), "[Instellingen]\nTaal=300\n");
    IniFile noSetup(iniPath());
    const StartupSettings normal = loadStartupSettings(noSetup, home(), QLocale(QLocale::Dutch), helpFolder);
    EXPECT_FALSE(normal.firstStart);
    EXPECT_EQ(normal.settings.taal, QStringLiteral("300"));
    // Missing keys read as the home folder, as callers of the reader expect.
    EXPECT_EQ(normal.settings.database, home());
    EXPECT_EQ(normal.settings.coverDir, home());
    // ... except the player, where a folder would be no program at all.
    EXPECT_TRUE(normal.settings.speler.isEmpty());
    EXPECT_EQ(readAll(iniPath()), QByteArray("[Instellingen]\nTaal=300\n"));
}

TEST_F(StartupTest, BadLanguageRunsInEnglishAndStaysInTheFile)
{
    writeAll(iniPath(), "[Instellingen]\nSetup=1\nTaal=500\n");
    const QByteArray before = readAll(iniPath());
    IniFile ini(iniPath());
    const StartupSettings s = loadStartupSettings(ini, home(), QLocale(QLocale::Dutch), helpFolder);
    EXPECT_EQ(s.settings.taal, QStringLiteral("200"));
    EXPECT_EQ(readAll(iniPath()), before);
}

TEST_F(StartupTest, GarbageDuplicatesAndBinaryBytesNeverStopTheReader)
{
    QByteArray junk("no section here\nkey=value\n[Beeld\n\x01\x02\xff\xfe=\x80\n"
                    "[Instellingen]\nTaal=100\nTaal=400\n==\n[Beeld]\nMuziekTop=abc\n");
    junk.append('\0');
    junk.append("\n[Instellingen]\nSetup=1\n");
    writeAll(iniPath(), junk);
    IniFile ini(iniPath());
    const StartupSettings s = loadStartupSettings(ini, home(), QLocale(QLocale::English), helpFolder);
    EXPECT_FALSE(s.firstStart);
    EXPECT_TRUE(s.settings.taal == QStringLiteral("100") || s.settings.taal == QStringLiteral("400"));
    EXPECT_EQ(savedTwips(ini, "MuziekTop", home()), 1800);
}

TEST(IniFileTest, WritesKeepUnknownKeysAndCommentsAndReplaceTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Melotheek.ini"));
    writeAll(path, "; kept\n[Instellingen]\nTaal=200\nEigen=waarde\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.write("Beeld", "MuziekTop", "1800"));
    ASSERT_TRUE(ini.write("INSTELLINGEN", "taal", "300"));
    const QByteArray text = readAll(path);
    EXPECT_TRUE(text.contains("; kept"));
    EXPECT_TRUE(text.contains("Eigen=waarde"));
    EXPECT_TRUE(text.contains("MuziekTop=1800"));
    EXPECT_EQ(IniFile(path).read("Instellingen", "Taal", ""), QStringLiteral("300"));
    EXPECT_EQ(text.count("aal="), 1);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(IniFileTest, AFailedWriteLeavesTheFileAsItWas)
{
    // A name so long that the temporary file beside it cannot be created, which fails for
    // every user, root included.
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(250, QLatin1Char('m')) + QStringLiteral(".ini"));
    writeAll(path, "[Instellingen]\nTaal=200\n");
    IniFile ini(path);
    QString error;
    EXPECT_FALSE(ini.write("Instellingen", "Taal", "100", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("[Instellingen]\nTaal=200\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(IniFileTest, RemovedKeysAreGoneFromTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Melotheek.ini"));
    writeAll(path, "[Discovant]\nUserEmail=jan@example.org\nCDDBIfc=0\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.remove("discovant", "useremail"));
    ASSERT_TRUE(ini.remove("Discovant", "Missing"));
    const QByteArray text = readAll(path);
    EXPECT_FALSE(text.contains("UserEmail"));
    EXPECT_TRUE(text.contains("CDDBIfc=0"));
}

TEST(IniFileTest, ValuesAreUtf8AndSingleLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Melotheek.ini"));
    IniFile ini(path);
    ASSERT_TRUE(ini.write("Instellingen", "Database", QStringLiteral("/home/zoë/Muziek.db")));
    ASSERT_TRUE(ini.write("Instellingen", "Speler", QStringLiteral("a\nSetup=0")));
    IniFile reread(path);
    EXPECT_EQ(reread.read("Instellingen", "Database", ""), QStringLiteral("/home/zoë/Muziek.db"));
    EXPECT_FALSE(reread.contains("Instellingen", "Setup"));
}

TEST(StartupValues, NumbersPositionsAndSelection)
{
    EXPECT_EQ(numericSetting(" 42 "), 42);
    EXPECT_EQ(numericSetting("2.5"), 2);
    EXPECT_EQ(numericSetting("3.5"), 4);
    EXPECT_EQ(numericSetting("-15"), -15);
    EXPECT_FALSE(numericSetting("abc"));
    EXPECT_FALSE(numericSetting("/home/user/"));
    EXPECT_FALSE(numericSetting(""));
    EXPECT_FALSE(numericSetting("1e99"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Melotheek.ini"));
    writeAll(path, "[Beeld]\nMuziekTop=abc\nMuziekLeft=3000\nLaatsteArtiest=7\nLaatsteAlbum=x\n");
    IniFile ini(path);
    EXPECT_EQ(savedTwips(ini, "MuziekTop", "/h/"), 1800);
    EXPECT_EQ(savedTwips(ini, "MuziekLeft", "/h/"), 3000);
    const LastSelection last = savedSelection(ini, "/h/");
    EXPECT_EQ(last.artistPosition, 0);
    EXPECT_EQ(last.albumPosition, 1);
}

TEST(HomeFolder, CommandLineThenEnvironmentThenDataFolder)
{
    qputenv("MELOTHEEK_HOME", "/tmp/from-env");
    EXPECT_EQ(resolveHomeFolder({"melotheek", "--home", "/tmp/x"}), QStringLiteral("/tmp/x/"));
    EXPECT_EQ(resolveHomeFolder({"melotheek", "--home=/tmp/y/"}), QStringLiteral("/tmp/y/"));
    EXPECT_EQ(resolveHomeFolder({"melotheek"}), QStringLiteral("/tmp/from-env/"));
    qunsetenv("MELOTHEEK_HOME");
    EXPECT_TRUE(resolveHomeFolder({"melotheek"}).endsWith(QStringLiteral("/Melotheek/")));
    EXPECT_EQ(withSeparator("/a"), QStringLiteral("/a/"));
    EXPECT_EQ(withSeparator("/a/"), QStringLiteral("/a/"));
}

TEST_F(StartupTest, DefaultFoldersAreCreated)
{
    IniFile ini(iniPath());
    const StartupSettings s = loadStartupSettings(ini, home(), QLocale(QLocale::English), helpFolder);
    QString error;
    ASSERT_TRUE(createDefaultFolders(s.settings, &error)) << error.toStdString();
    for (const char* sub : {"Database", "Covers", "Playlist", "Backup", "Foto"})
        EXPECT_TRUE(QDir(home() + QLatin1String(sub)).exists()) << sub;
}

} // namespace
