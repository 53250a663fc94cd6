// Compacting the catalogue: the saving in whole percent, the rewritten file taking the old
// one's place, and a catalogue left byte for byte as it was when anything fails.
#include "db/catalogue.h"
#include "export/compaction.h"
#include "export/ui/maintenancecommands.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(SavingPercent, RoundsToWholePercentWithHalvesToEven)
{
    constexpr qint64 tebibyte = qint64(1) << 40;
    const struct {
        qint64 before, after;
        int percent;
    } cases[] = {
        { 2000 * 1024, 1540 * 1024, 23 }, { 1000, 1000, 0 }, { 3, 1, 67 }, { 4096, 0, 100 }, { 0, 4096, 0 },
        // Halves: 0.5, 1.5, 2.5, 37.5; grown by 50, 0.5 and 1.5 percent.
        { 200, 199, 0 }, { 200, 197, 2 }, { 200, 195, 2 }, { 8, 5, 38 }, { 100, 150, -50 }, { 200, 201, 0 },
        { 200, 203, -2 },
        // Large files: exact halves stay halves.
        { tebibyte, tebibyte - (qint64(1) << 33), 1 }, // 0.78125
        { 2 * tebibyte, 2 * tebibyte - 2 * tebibyte / 200 * 5, 2 }, // 2.5
    };
    for (const auto& [before, after, percent] : cases)
        EXPECT_EQ(savingPercent(before, after), percent) << before << " -> " << after;
}

class CompactionTest : public ::testing::Test {
protected:
    TestHome home;
    FakePrompts prompts;
    MaintenanceCommands commands { home.session(), prompts, nullptr };
    const QString dbPath = home.db().path();

    // Fills the catalogue with long album rows and deletes most of them again, leaving the
    // file with free pages.
    void SetUp() override
    {
        const Catalogue catalogue(dbPath);
        const qint64 artist = home.db().addArtist(QStringLiteral("Keeper"));
        QList<SqlStatement> inserts;
        for (int i = 0; i < 400; ++i)
            inserts << SqlStatement { "INSERT INTO Titel (ArtiestId, Titel, Bijzonderheden) VALUES (?, ?, ?)",
                { artist, QStringLiteral("Album %1").arg(i), QString(2000, QChar('x' + i % 3)) } };
        ASSERT_TRUE(catalogue.executeInTransaction(inserts).ok());
        ASSERT_TRUE(catalogue.ExecuteSql("DELETE FROM Titel WHERE Id % 10 <> 0").ok());
        ASSERT_GT(scalarRaw(dbPath, "PRAGMA freelist_count"), 0);
    }

    // The catalogue is whole, holds the 40 albums kept and has no free pages or leftovers.
    void expectCompacted() const
    {
        EXPECT_EQ(scalarRaw(dbPath, "PRAGMA freelist_count"), 0);
        EXPECT_EQ(scalarRaw(dbPath, "SELECT COUNT(*) FROM Titel"), 40);
        EXPECT_EQ(scalarRaw(dbPath, "PRAGMA user_version"), Catalogue::schemaVersion);
        EXPECT_TRUE(Catalogue(dbPath).checkCatalogue().ok());
        EXPECT_EQ(qtkit::treeOf(home.filePath("Database")), QStringList { "Muziek.db" });
    }
};

TEST_F(CompactionTest, AsksCompactsInPlaceAndTellsTheSaving)
{
    // No changes nothing.
    const QByteArray untouched = qtkit::fileBytes(dbPath);
    commands.compact();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(qtkit::fileBytes(dbPath), untouched);

    prompts.boxes.clear();
    const qint64 before = QFileInfo(dbPath).size();
    prompts.answers = { MsgBox::yes };
    commands.compact();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    ASSERT_EQ(prompts.boxes.size(), 2);
    const qint64 after = QFileInfo(dbPath).size();
    EXPECT_LT(after, before / 2);
    EXPECT_TRUE(prompts.boxes[1].prompt.endsWith(QStringLiteral(": %1%.").arg(savingPercent(before, after))))
        << prompts.boxes[1].prompt.toStdString();
    expectCompacted();

    // Compacting again saves nothing.
    prompts.boxes.clear();
    prompts.answers = { MsgBox::yes };
    commands.compact();
    EXPECT_TRUE(prompts.boxes.value(1).prompt.endsWith(QStringLiteral(": 0%.")));
}

TEST_F(CompactionTest, FailureIsReportedAndLeavesTheCatalogueByteIdentical)
{
    const QFileDevice::Permissions readOnly
        = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup;
    const struct {
        const char* what;
        QByteArray content; // empty: the catalogue as set up
        QFileDevice::Permissions permissions;
        const char* reported;
    } cases[] = {
        { "marked read-only by the user", {}, readOnly, "read-only" },
        { "no catalogue at all", "not a database at all", readOnly | QFileDevice::WriteOwner,
            "not a catalogue" },
    };
    for (const auto& failure : cases) {
        if (!failure.content.isEmpty())
            qtkit::writeFile(dbPath, failure.content);
        ASSERT_TRUE(QFile::setPermissions(dbPath, failure.permissions));
        const QByteArray before = qtkit::fileBytes(dbPath);
        prompts.reports.clear();
        prompts.boxes.clear();
        prompts.answers = { MsgBox::yes };
        commands.compact();
        ASSERT_EQ(prompts.reports.size(), 1) << failure.what;
        EXPECT_TRUE(prompts.reports[0].contains(failure.reported)) << prompts.reports[0].toStdString();
        EXPECT_TRUE(prompts.reports[0].contains("Muziek.mnuOnderhoud_Click"));
        EXPECT_EQ(prompts.boxes.size(), 1) << "no saving told after a failure";
        EXPECT_EQ(qtkit::fileBytes(dbPath), before) << failure.what;
        EXPECT_EQ(qtkit::treeOf(home.filePath("Database")), QStringList { "Muziek.db" }) << failure.what;
    }
    const FileResult<CompactionOutcome> missing = compactCatalogue(home.filePath("None.db"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, 53);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("None.db")));
}

} // namespace
