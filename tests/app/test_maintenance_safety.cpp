// Backup, restore and compaction while the catalogue is in use: the program is held still
// behind a modal progress window, the dated copy is a consistent state of the catalogue, no
// change another program commits is lost, a damaged backup is refused and a restore can be
// undone from the restore window.
#include "db/catalogue.h"
#include "export/backup.h"
#include "export/compaction.h"
#include "export/ui/maintenancecommands.h"
#include "export/ui/terugzetten.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QWidget>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

class MaintenanceSafetyTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    QWidget owner;
    MaintenanceCommands commands { session, prompts, &owner };
    const QString dbPath = home.db().path();
    const QString backupDir = session.settings.backupDir;

    void SetUp() override
    {
        owner.show();
        home.db().addArtist(QStringLiteral("First"));
    }
    // Fills the catalogue past a few dozen pages, so that a cut file loses rows, not only its end.
    void addManyAlbums(int count, const QString& db) const
    {
        QList<SqlStatement> inserts;
        for (int i = 0; i < count; ++i)
            inserts << SqlStatement { "INSERT INTO Titel (ArtiestId, Titel, Bijzonderheden) VALUES (1, ?, ?)",
                { QStringLiteral("Album %1").arg(i), QString(1500, QChar('a' + i % 26)) } };
        ASSERT_TRUE(Catalogue(db).executeInTransaction(inserts).ok());
    }
    // Restores `name` from the backup folder through the `Terugzetten` window.
    void restoreThroughWindow(const QString& name)
    {
        prompts.reports.clear();
        qtkit::onNextModal("Terugzetten", [&](QWidget* window) {
            auto* list = qtkit::childOf<QComboBox>(window, "cboBackup");
            list->setCurrentIndex(list->findText(name));
            qtkit::clickButton(window, "cmdKeuze_0");
            // Done: no choice left, the message says so; the other button closes.
            EXPECT_FALSE(list->isVisible());
            EXPECT_TRUE(qtkit::childOf<QLabel>(window, "lblMelding")->text().startsWith(session.message(63)));
            qtkit::clickButton(window, "cmdKeuze_1");
        });
        commands.restore(0);
    }
};

TEST_F(MaintenanceSafetyTest, AModalProgressWindowHoldsTheProgramWhileMaintenanceWaitsAndRuns)
{
    prompts.answers = { MsgBox::yes };
    commands.backup(0);
    const QString todays = datedBackupName(QDate::currentDate());
    ASSERT_TRUE(QFile::exists(backupDir + todays));

    const struct {
        const char* what;
        std::function<void()> run;
    } commandsToRun[] = {
        { "dated copy", [&] { commands.backup(0); } },
        { "compaction", [&] { commands.compact(); } },
        { "restore", [&] { restoreThroughWindow(todays); } },
    };
    for (const auto& command : commandsToRun) {
        // Another program holds the catalogue: the command waits for it behind its window.
        RawConnection other(dbPath);
        ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
        bool held = false;
        qtkit::onNextModal("Voortgang", [&](QWidget* window) {
            held = true;
            EXPECT_EQ(window->windowModality(), Qt::ApplicationModal) << command.what;
            EXPECT_FALSE(window->windowTitle().isEmpty()) << command.what;
            EXPECT_TRUE(other.exec("COMMIT"));
        });
        prompts.reports.clear();
        prompts.answers = { MsgBox::yes, MsgBox::yes };
        command.run();
        EXPECT_TRUE(held) << command.what;
        EXPECT_TRUE(prompts.reports.isEmpty())
            << command.what << ": " << prompts.reports.join('\n').toStdString();
        EXPECT_FALSE(commands.isBusy());
    }
}

TEST_F(MaintenanceSafetyTest, TheDatedCopyOfACatalogueCaughtMidCommitHoldsTheCommittedState)
{
    addManyAlbums(40, dbPath);
    // Another program was stopped in the middle of a large commit: some pages of the file are
    // already new, the old ones wait in its rollback journal. (Copied while it holds the lock.)
    const QString crashed = home.filePath("Crashed/Muziek.db");
    {
        RawConnection writer(dbPath);
        ASSERT_TRUE(writer.exec("PRAGMA cache_size = 2"));
        ASSERT_TRUE(
            writer.exec("BEGIN; DELETE FROM Titel; INSERT INTO Artiest (Artiest) VALUES ('Uncommitted');"));
        ASSERT_TRUE(QFile::exists(dbPath + "-journal")) << "the writer has spilled into the file";
        qtkit::writeFile(crashed, qtkit::fileBytes(dbPath));
        qtkit::writeFile(crashed + "-journal", qtkit::fileBytes(dbPath + "-journal"));
        ASSERT_TRUE(writer.exec("ROLLBACK"));
    }
    const QString copy = backupDir + "20240101.db";
    const FileStatus made = backupCatalogue(crashed, copy);
    ASSERT_TRUE(made.ok()) << made.error().text.toStdString();
    EXPECT_EQ(integrityOf(copy).toStdString(), "ok");
    EXPECT_EQ(artistNamesIn(copy), QStringList { "First" });
    EXPECT_EQ(scalarRaw(copy, "SELECT COUNT(*) FROM Titel"), 40);
}

TEST_F(MaintenanceSafetyTest, CompactionKeepsEveryChangeAnotherProgramCommitsWhileItRuns)
{
    addManyAlbums(200, dbPath);
    ASSERT_TRUE(Catalogue(dbPath).ExecuteSql("DELETE FROM Titel WHERE Id % 4 <> 0").ok());

    // One program opened the catalogue before the compaction and stores after it.
    RawConnection other(dbPath);
    ASSERT_TRUE(other.exec("SELECT COUNT(*) FROM Artiest"));
    const FileResult<CompactionOutcome> compacted = compactCatalogue(dbPath);
    ASSERT_TRUE(compacted.ok()) << compacted.error().text.toStdString();
    EXPECT_GT(compacted.value().saving, 0);
    QString error;
    EXPECT_TRUE(other.exec("INSERT INTO Artiest (Artiest) VALUES ('Stored after')", &error))
        << error.toStdString();

    // Another one stores album after album while the catalogue is compacted again and again:
    // every store it was told succeeded is there afterwards, and none fails.
    std::atomic<bool> compacting { true };
    QList<qint64> stored;
    int failures = 0;
    std::thread writer([&] {
        const Catalogue catalogue(dbPath);
        for (int i = 0; compacting || i < 5; ++i) {
            const auto id = catalogue.addRow(QStringLiteral("Titel"),
                { { QStringLiteral("ArtiestId"), 1 },
                    { QStringLiteral("Titel"), QStringLiteral("During %1").arg(i) } });
            if (id)
                stored << id.value();
            else
                ++failures;
        }
    });
    for (int round = 0; round < 3; ++round)
        EXPECT_TRUE(compactCatalogue(dbPath).ok()) << round;
    compacting = false;
    writer.join();
    EXPECT_EQ(failures, 0);
    QList<qint64> present;
    for (const QVariantList& row :
        Catalogue(dbPath)
            .OpenRecordset(QStringLiteral("SELECT Id FROM Titel WHERE Titel LIKE 'During %' ORDER BY Id"))
            .valueOr({})
            .rows)
        present << row.value(0).toLongLong();
    EXPECT_EQ(present, stored);
    EXPECT_TRUE(artistNamesIn(dbPath).contains("Stored after"));
    EXPECT_EQ(integrityOf(dbPath).toStdString(), "ok");
}

TEST_F(MaintenanceSafetyTest, ABackupThatIsNoSoundCatalogueIsRefusedAndTheCatalogueStays)
{
    addManyAlbums(80, dbPath);
    ASSERT_TRUE(backupCatalogue(dbPath, backupDir + "20240101.db").ok());
    const QByteArray bytes = qtkit::fileBytes(backupDir + "20240101.db");
    const struct {
        const char* what;
        std::function<void(const QString&)> damage;
        bool schemaLooksFine; // only SQLite's own checks find the fault
    } damages[] = {
        { "no database at all", [](const QString& path) { qtkit::writeFile(path, "just some text"); },
            false },
        { "a later program's catalogue",
            [](const QString& path) {
                ASSERT_TRUE(Catalogue::createEmpty(path).ok());
                ASSERT_TRUE(execRaw(path, "PRAGMA user_version = 99"));
            },
            false },
        // A block of the file lost, as in a copy taken while a commit was under way: it still
        // opens and names every table.
        { "a page in the middle zeroed",
            [&](const QString& path) {
                QByteArray torn = bytes;
                const qsizetype page = 4096;
                torn.replace(torn.size() / 2 / page * page, page, QByteArray(page, '\0'));
                qtkit::writeFile(path, torn);
            },
            true },
        { "an album of no artist",
            [&](const QString& path) {
                qtkit::writeFile(path, bytes);
                ASSERT_TRUE(execRaw(
                    path, "PRAGMA foreign_keys = OFF; UPDATE Titel SET ArtiestId = 999 WHERE Id = 3"));
            },
            true },
    };
    QStringList names { "20240101.db" };
    for (const auto& damaged : damages) {
        names << QStringLiteral("2024010%1.db").arg(names.size() + 1);
        damaged.damage(backupDir + names.last());
        EXPECT_EQ(Catalogue(backupDir + names.last()).checkCatalogue().ok(), damaged.schemaLooksFine)
            << damaged.what;
    }
    home.db().addArtist(QStringLiteral("Since the backup"));
    const QByteArray current = qtkit::fileBytes(dbPath);

    Terugzetten window(session, prompts);
    window.show();
    QSignalSpy restored(&window, &Terugzetten::catalogueRestored);
    auto* list = qtkit::childOf<QComboBox>(&window, "cboBackup");
    for (int i = 1; i < names.size(); ++i) {
        prompts.reports.clear();
        list->setCurrentIndex(list->findText(names[i]));
        qtkit::clickButton(&window, "cmdKeuze_0");
        ASSERT_EQ(prompts.reports.size(), 1) << damages[i - 1].what;
        EXPECT_TRUE(prompts.reports[0].contains("is not a catalogue")) << prompts.reports[0].toStdString();
        EXPECT_TRUE(prompts.reports[0].contains("Terugzetten.cmdKeuze_Click"));
    }
    EXPECT_EQ(restored.count(), 0);
    EXPECT_FALSE(window.restored());
    EXPECT_TRUE(list->isVisible()) << "still choosing";
    EXPECT_TRUE(qtkit::childOf<QLabel>(&window, "lblMelding")->isHidden());
    EXPECT_TRUE(qtkit::fileBytes(dbPath) == current);
    EXPECT_EQ(qtkit::treeOf(home.filePath("Database")), QStringList { "Muziek.db" });
    EXPECT_EQ(qtkit::treeOf(backupDir), names) << "nothing kept of a restore that did not happen";
}

TEST_F(MaintenanceSafetyTest, TheReplacedCatalogueIsKeptAndTheRestoreCanBeUndoneFromTheSameWindow)
{
    prompts.answers = { MsgBox::yes };
    commands.backup(0);
    const QString todays = datedBackupName(QDate::currentDate());
    home.db().addArtist(QStringLiteral("Added after the backup"));
    QStringList whenSignalled;
    QObject::connect(
        &commands, &MaintenanceCommands::catalogueRestored, [&] { whenSignalled << artistNamesIn(dbPath); });

    restoreThroughWindow(todays);
    ASSERT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    EXPECT_EQ(artistNamesIn(dbPath), QStringList { "First" });
    EXPECT_EQ(whenSignalled, QStringList { "First" }) << "the main window is told once, after the restore";
    EXPECT_EQ(qtkit::treeOf(home.filePath("Database")), QStringList { "Muziek.db" });

    // The replaced catalogue is kept beside the dated copies, where the window offers it.
    QStringList copies = QDir(backupDir).entryList({ "*.db" });
    ASSERT_EQ(copies.size(), 2) << copies.join(' ').toStdString();
    copies.removeAll(todays);
    const QString kept = copies.value(0);
    EXPECT_EQ(artistNamesIn(backupDir + kept), QStringList({ "Added after the backup", "First" }));

    restoreThroughWindow(kept);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    EXPECT_EQ(artistNamesIn(dbPath), QStringList({ "Added after the backup", "First" }));
}

} // namespace
