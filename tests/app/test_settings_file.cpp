// The settings file as several writers share it: this run, a second running copy of the
// program and the user's editor. A write changes only its own keys and leaves everything
// else as the file holds it at that moment.
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/inifile.h"
#include "shell/startup.h"
#include "shell/ui/instellingenwindow.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

const QString instellingen = QStringLiteral("Instellingen");

TEST(SettingsFile, AWriteKeepsWhatOthersWroteSinceTheFileWasRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Melotheek.ini"));
    qtkit::writeFile(path, "[Instellingen]\nSetup=1\nTaal=200\nSpeler=\n");
    IniFile mine(path);
    IniFile secondCopy(path);

    ASSERT_TRUE(secondCopy.write(instellingen, QStringLiteral("Speler"), QStringLiteral("/usr/bin/vlc")));
    qtkit::writeFile(path, qtkit::fileBytes(path) + "; the user's note\n[Eigen]\nKleur=blauw\n");
    ASSERT_TRUE(mine.write(QStringLiteral("Beeld"), QStringLiteral("MuziekTop"), QStringLiteral("1800")));
    ASSERT_TRUE(mine.remove(instellingen, QStringLiteral("Setup")));

    const IniFile file(path);
    EXPECT_EQ(file.read(instellingen, QStringLiteral("Speler"), {}), "/usr/bin/vlc");
    EXPECT_EQ(file.read(QStringLiteral("Eigen"), QStringLiteral("Kleur"), {}), "blauw");
    EXPECT_EQ(file.read(QStringLiteral("Beeld"), QStringLiteral("MuziekTop"), {}), "1800");
    EXPECT_EQ(file.read(instellingen, QStringLiteral("Taal"), {}), "200");
    EXPECT_FALSE(file.contains(instellingen, QStringLiteral("Setup")));
    EXPECT_TRUE(qtkit::fileBytes(path).contains("; the user's note"));

    // Two copies writing at the same moment lose none of each other's keys.
    auto writeMany = [&](const QString& prefix) {
        IniFile copy(path);
        for (int i = 0; i < 25; ++i)
            EXPECT_TRUE(copy.write(QStringLiteral("Test"), prefix + QString::number(i), QStringLiteral("x")));
    };
    std::thread first(writeMany, QStringLiteral("A"));
    std::thread second(writeMany, QStringLiteral("B"));
    first.join();
    second.join();
    const IniFile after(path);
    for (int i = 0; i < 25; ++i)
        for (const char* prefix : { "A", "B" })
            EXPECT_TRUE(after.contains(QStringLiteral("Test"), QLatin1String(prefix) + QString::number(i)))
                << prefix << i;
    EXPECT_EQ(qtkit::treeOf(dir.path()), QStringList { "Melotheek.ini" }) << "no lock or staging file left";

    // A copy killed while it created its lock leaves an empty lock file, which names no process
    // to look for: a few seconds on, it no longer stands in the way.
    const QString lock = path + QStringLiteral(".lock");
    qtkit::writeFile(lock, "");
    QFile lockFile(lock);
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-8), QFileDevice::FileModificationTime));
    lockFile.close();
    QString error;
    EXPECT_TRUE(mine.write(instellingen, QStringLiteral("Speler"), QStringLiteral("mpv"), &error)) << error.toStdString();
}

TEST(SettingsFile, EmptyOrRelativeFoldersLieInsideTheHomeFolderNotTheWorkingFolder)
{
    TestHome home;
    const struct {
        QByteArray written;
        QString used;
    } folders[] = {
        { "", home.path() },
        { "Hoezen", home.filePath("Hoezen/") },
        { "./Oud/../Hoezen/", home.filePath("Hoezen/") },
        { "/srv/muziek/Hoezen/", "/srv/muziek/Hoezen/" },
    };
    for (const auto& folder : folders) {
        home.rewriteSettings("CoverDir=" + folder.written + "\nDatabase=Elders/Muziek.db\n");
        const StartupSettings loaded = loadStartupSettings(home.session().ini(), home.path(), QLocale::c(), {});
        EXPECT_EQ(loaded.settings.coverDir, folder.used) << folder.written.toStdString();
        EXPECT_EQ(loaded.settings.database, home.filePath("Elders/Muziek.db"));
    }

    // The settings window keeps what was typed in the file and says where such folders lie.
    FakePrompts prompts;
    InstellingenWindow window(home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
    EXPECT_TRUE(qtkit::childOf<QLabel>(&window, "lblMappen")->text().contains(home.path()));
    qtkit::childOf<QLineEdit>(&window, "txtParam_2")->clear();
    qtkit::childOf<QLineEdit>(&window, "txtParam_3")->setText(QStringLiteral("Lijsten"));
    qtkit::clickButton(&window, "cmdSluiten");
    EXPECT_EQ(home.session().settings.coverDir, home.path());
    EXPECT_EQ(home.session().settings.muziekDir, home.filePath("Lijsten/"));
    EXPECT_EQ(IniFile(home.iniPath()).read(instellingen, QStringLiteral("MuziekDir"), {}), "Lijsten/");
}

} // namespace
