// Compacting the catalogue: the saving in whole percent, the rewritten file taking the old
// one's place, and a catalogue left byte for byte as it was when anything fails.
#include "db/catalogue.h"
#include "export/compaction.h"
#include "export/ui/maintenancecommands.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SavingPercent, RoundsToWholePercentWithHalvesToEven)
{
    EXPECT_EQ(savingPercent(2000 * 1024, 1540 * 1024), 23);
    EXPECT_EQ(savingPercent(1000, 1000), 0);
    EXPECT_EQ(savingPercent(200, 199), 0); // 0.5
    EXPECT_EQ(savingPercent(200, 197), 2); // 1.5
    EXPECT_EQ(savingPercent(200, 195), 2); // 2.5
    EXPECT_EQ(savingPercent(8, 7), 12); // 12.5
    EXPECT_EQ(savingPercent(8, 5), 38); // 37.5
    EXPECT_EQ(savingPercent(3, 2), 33); // 33.33
    EXPECT_EQ(savingPercent(3, 1), 67); // 66.67
    EXPECT_EQ(savingPercent(100, 150), -50); // grew
    EXPECT_EQ(savingPercent(200, 201), 0); // -0.5
    EXPECT_EQ(savingPercent(200, 203), -2); // -1.5
    EXPECT_EQ(savingPercent(4096, 0), 100);
    EXPECT_EQ(savingPercent(0, 4096), 0);
    // Large files: exact halves stay halves.
    EXPECT_EQ(savingPercent(qint64(1) << 40, (qint64(1) << 40) - (qint64(1) << 33)), 1); // 0.78125
    EXPECT_EQ(savingPercent(qint64(2) << 40, (qint64(2) << 40) - (qint64(2) << 40) / 200 * 5), 2); // 2.5
}

class CompactionTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MaintenanceCommands> commands;

    QString dbPath() const { return home.filePath("Database/Muziek.db"); }
    QString tempPath() const { return home.filePath("CompDb.db"); }

    void SetUp() override
    {
        ASSERT_TRUE(QDir(home.path()).mkpath("Database"));
        ASSERT_TRUE(Catalogue::createEmpty(dbPath()).ok());
        session = std::make_unique<Session>(home.path());
        session->settings.database = dbPath();
        session->settings.taal = "200";
        commands = std::make_unique<MaintenanceCommands>(*session, prompts, nullptr);
    }

    // Fills the catalogue with long album rows and deletes most of them again, leaving the
    // file with free pages.
    void fillAndDelete()
    {
        const Catalogue catalogue(dbPath());
        const qint64 artist
            = catalogue.addRow("Artiest", { { "Artiest", QStringLiteral("Keeper") } }).valueOr(0);
        ASSERT_GT(artist, 0);
        QList<SqlStatement> inserts;
        for (int i = 0; i < 400; ++i)
            inserts << SqlStatement { "INSERT INTO Titel (ArtiestId, Titel, Bijzonderheden) VALUES (?, ?, ?)",
                { artist, QStringLiteral("Album %1").arg(i), QString(2000, QChar('x' + i % 3)) } };
        ASSERT_TRUE(catalogue.executeInTransaction(inserts).ok());
        ASSERT_TRUE(catalogue.ExecuteSql("DELETE FROM Titel WHERE Id % 10 <> 0").ok());
    }
};

TEST_F(CompactionTest, AsksCompactsInPlaceAndTellsTheSaving)
{
    fillAndDelete();
    const qint64 before = QFileInfo(dbPath()).size();
    ASSERT_GT(scalarRaw(dbPath(), "PRAGMA freelist_count"), 0);

    prompts.answers = { MsgBox::yes };
    commands->compact();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, "Compact Database?");
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::yesNoQuestion);
    EXPECT_EQ(prompts.boxes[0].title, "Attention!");

    const qint64 after = QFileInfo(dbPath()).size();
    EXPECT_LT(after, before / 2);
    EXPECT_EQ(prompts.boxes[1].prompt, QStringLiteral("Compact: %1%.").arg(savingPercent(before, after)));
    EXPECT_EQ(prompts.boxes[1].buttons, MsgBox::okOnly);
    EXPECT_EQ(prompts.boxes[1].title, "Attention!");

    EXPECT_EQ(scalarRaw(dbPath(), "PRAGMA freelist_count"), 0);
    EXPECT_EQ(scalarRaw(dbPath(), "SELECT COUNT(*) FROM Titel"), 40);
    EXPECT_EQ(scalarRaw(dbPath(), "PRAGMA user_version"), Catalogue::schemaVersion);
    EXPECT_TRUE(Catalogue(dbPath()).checkCatalogue().ok());
    EXPECT_FALSE(QFileInfo::exists(tempPath()));
    EXPECT_EQ(
        QDir(home.filePath("Database")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { "Muziek.db" });

    // Compacting again saves nothing.
    prompts.boxes.clear();
    prompts.answers = { MsgBox::yes };
    commands->compact();
    EXPECT_EQ(prompts.boxes.value(1).prompt, "Compact: 0%.");
}

TEST_F(CompactionTest, NoChangesNothing)
{
    fillAndDelete();
    const QByteArray before = fileBytes(dbPath());
    prompts.answers = { MsgBox::no };
    commands->compact();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(fileBytes(dbPath()), before);
    EXPECT_FALSE(QFileInfo::exists(tempPath()));
}

TEST_F(CompactionTest, FailureLeavesTheCatalogueByteIdentical)
{
    fillAndDelete();
    const QByteArray before = fileBytes(dbPath());

    // The temporary name is taken by a folder of the user's: the rewrite cannot be made.
    ASSERT_TRUE(QDir(home.path()).mkpath("CompDb.db"));
    QFile keep(tempPath() + "/keep.txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("mine");
    keep.close();
    prompts.answers = { MsgBox::yes };
    commands->compact();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("CompDb.db")) << prompts.reports[0].toStdString();
    EXPECT_TRUE(prompts.reports[0].contains("Muziek.mnuOnderhoud_Click"));
    EXPECT_EQ(prompts.boxes.size(), 1) << "no \"Compact: ...\" after a failure";
    EXPECT_EQ(fileBytes(dbPath()), before);
    EXPECT_EQ(fileBytes(tempPath() + "/keep.txt"), "mine");

    // A file that is no catalogue is not compacted either.
    ASSERT_TRUE(QDir(tempPath()).removeRecursively());
    QFile damaged(dbPath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a database at all");
    damaged.close();
    const FileResult<CompactionOutcome> outcome = compactCatalogue(dbPath(), tempPath());
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(fileBytes(dbPath()), "not a database at all");
    EXPECT_FALSE(QFileInfo::exists(tempPath()));

    // Nor a missing one.
    const FileResult<CompactionOutcome> missing = compactCatalogue(home.filePath("None.db"), tempPath());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, 53);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("None.db")));
}

TEST_F(CompactionTest, LeftoverTempFileIsReplacedAndPermissionsAreKept)
{
    fillAndDelete();
    QFile stale(tempPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("left behind by an interrupted run");
    stale.close();
    const QFileDevice::Permissions readOnly
        = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(dbPath(), readOnly));

    const FileResult<CompactionOutcome> outcome = compactCatalogue(dbPath(), tempPath());
    ASSERT_TRUE(outcome.ok()) << outcome.error().text.toStdString();
    EXPECT_GT(outcome.value().saving, 50);
    EXPECT_EQ(outcome.value().sizeAfter, QFileInfo(dbPath()).size());
    // Owner, group and others bits only: the "user" flags say what the test (root) may do.
    EXPECT_EQ(QFileInfo(dbPath()).permissions() & 0x7077, readOnly & 0x7077);
    EXPECT_EQ(scalarRaw(dbPath(), "SELECT COUNT(*) FROM Titel"), 40);
    EXPECT_FALSE(QFileInfo::exists(tempPath()));
}

} // namespace
