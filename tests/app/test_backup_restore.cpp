// Backup and restore of the catalogue, covers, photos and playlists: the dated copy and its
// questions, the cabinets read back with cabextract, restores of each kind, and archives or
// backups that must be refused without touching the user's files.

// libgcab's GLib headers come before Qt's (Qt defines `signals` as a keyword).
// clang-format off
#include <libgcab.h>
// clang-format on

#include "db/catalogue.h"
#include "export/backup.h"
#include "export/cabinet.h"
#include "export/ui/maintenancecommands.h"
#include "export/ui/terugzetten.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/progressreport.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/program.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

using qtkit::childOf;
using qtkit::randomText;
using qtkit::snapshot;
using qtkit::writeFile;
using Files = std::map<QString, QByteArray>;

// Extracts an archive with cabextract, an independent reader, and returns its files.
Files cabextractFiles(const QString& cab)
{
    QTemporaryDir out;
    const testkit::ProgramResult run
        = testkit::runProgram({ QStandardPaths::findExecutable("cabextract").toStdString(), "-q", "-d",
            out.path().toStdString(), cab.toStdString() });
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    return snapshot(out.path());
}

// The compression type of the archive's first folder, read from the file format itself:
// 0 none, 1 MSZIP.
int cabCompressionType(const QString& cab)
{
    const QByteArray bytes = qtkit::fileBytes(cab);
    if (bytes.size() < 44 || !bytes.startsWith("MSCF"))
        return -1;
    // CFHEADER is 36 bytes without reserve; CFFOLDER: coffCabStart (4), cCFData (2), typeCompress.
    return static_cast<unsigned char>(bytes[42]) | (static_cast<unsigned char>(bytes[43]) << 8);
}

// A cabinet written straight with libgcab, names taken as they are: the archives an old or a
// hostile program might leave in the backup folder.
void writeRawCabinet(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    GCabFolder* folder = gcab_folder_new(GCAB_COMPRESSION_NONE);
    for (const auto& [name, bytes] : entries) {
        GBytes* data = g_bytes_new(bytes.constData(), bytes.size());
        GCabFile* file = gcab_file_new_with_bytes(name.constData(), data);
        ASSERT_TRUE(gcab_folder_add_file(folder, file, FALSE, nullptr, nullptr));
        g_object_unref(file);
        g_bytes_unref(data);
    }
    GCabCabinet* cabinet = gcab_cabinet_new();
    ASSERT_TRUE(gcab_cabinet_add_folder(cabinet, folder, nullptr));
    GFile* gfile = g_file_new_for_path(QFile::encodeName(path).constData());
    GFileOutputStream* stream = g_file_replace(gfile, nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, nullptr);
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(
        gcab_cabinet_write_simple(cabinet, G_OUTPUT_STREAM(stream), nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(g_output_stream_close(G_OUTPUT_STREAM(stream), nullptr, nullptr));
    g_object_unref(stream);
    g_object_unref(gfile);
    g_object_unref(cabinet);
    g_object_unref(folder);
}

class BackupRestoreTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    MaintenanceCommands commands { session, prompts, nullptr };
    const QString dbPath = home.db().path();
    const QString coverDir = session.settings.coverDir;
    const QString fotoDir = session.settings.fotoDir;
    const QString playlistDir = session.settings.muziekDir;
    const QString backupDir = session.settings.backupDir;
    const QString todaysBackup = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".db";

    void SetUp() override { addArtist(QStringLiteral("Current Artist")); }

    void addArtist(const QString& name, const QString& db = {}) const
    {
        ASSERT_TRUE(Catalogue(db.isEmpty() ? dbPath : db)
                        .addRow(QStringLiteral("Artiest"), { { QStringLiteral("Artiest"), name } })
                        .ok());
    }
    // Forgets earlier messages and runs backup or restore `index` answering the questions.
    void run(void (MaintenanceCommands::*command)(int), int index, QList<int> answers = { MsgBox::yes })
    {
        prompts.reports.clear();
        prompts.boxes.clear();
        prompts.answers = answers;
        (commands.*command)(index);
    }
    void backup(int index, QList<int> answers = { MsgBox::yes })
    {
        run(&MaintenanceCommands::backup, index, answers);
    }
    void restore(int index, QList<int> answers = { MsgBox::yes })
    {
        run(&MaintenanceCommands::restore, index, answers);
    }
    QStringList boxPrompts() const
    {
        QStringList texts;
        for (const FakePrompts::Box& box : prompts.boxes)
            texts << box.prompt;
        return texts;
    }
    // The archive the command of `index` (1 covers, 2 photos, 3 playlists) uses in the current
    // language: it is named after the folder's caption.
    QString archiveName(int index) const
    {
        const int message[] = { 0, 6, 9, 7 };
        return session.message(message[index]) + QStringLiteral(".cab");
    }
};

// ---- the dated catalogue copy ----

TEST_F(BackupRestoreTest, DatedCopyAsksToCreateThenToOverwriteAndKeepsOneFilePerDay)
{
    backup(0);
    EXPECT_EQ(boxPrompts(), QStringList({ session.message(67), "Backup: " + todaysBackup }));
    EXPECT_EQ(artistNamesIn(backupDir + todaysBackup), QStringList { "Current Artist" });
    EXPECT_TRUE(prompts.reports.isEmpty());

    addArtist(QStringLiteral("Later Artist"));
    backup(0);
    EXPECT_EQ(boxPrompts().value(0), session.message(66));
    EXPECT_EQ(artistNamesIn(backupDir + todaysBackup), QStringList({ "Current Artist", "Later Artist" }));
    EXPECT_EQ(qtkit::treeOf(backupDir), QStringList { todaysBackup });

    // No: the day's copy stays as it was.
    const QByteArray kept = qtkit::fileBytes(backupDir + todaysBackup);
    addArtist(QStringLiteral("Unsaved Artist"));
    backup(0, { MsgBox::no });
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(qtkit::fileBytes(backupDir + todaysBackup), kept);
}

TEST_F(BackupRestoreTest, FailuresAreReportedNotAnnouncedAndChangeNoFile)
{
    writeFile(coverDir + "1.jpg", randomText(1000, 1));
    backup(1, {}); // an archive to restore
    writeFile(backupDir + todaysBackup, "an older backup of today");
    struct Case {
        const char* what;
        std::function<void()> arrange;
        void (MaintenanceCommands::*command)(int);
        int index;
        QStringList reported; // parts of the report
    };
    std::vector<Case> cases {
        { "no cover folder to restore into", [&] { session.settings.coverDir = home.filePath("Gone/"); },
            &MaintenanceCommands::restore, 1, { "Gone" } },
        { "no catalogue to copy", [&] { session.settings.database = home.filePath("Database/Missing.db"); },
            &MaintenanceCommands::backup, 0, { "Missing.db", "Error number:\t53" } },
        // The day's copy and the cover archive cannot take the place of a folder of the user's.
        { "a folder in the day's copy's way",
            [&] {
                QFile::remove(backupDir + todaysBackup);
                writeFile(backupDir + todaysBackup + "/mine.txt", "mine");
            },
            &MaintenanceCommands::backup, 0, { todaysBackup } },
        { "a folder in the archive's way",
            [&] {
                QFile::remove(backupDir + archiveName(1));
                writeFile(backupDir + archiveName(1) + "/mine.txt", "mine");
            },
            &MaintenanceCommands::backup, 1, { archiveName(1) } },
        { "a name the cabinet reads as a path", [&] { writeFile(fotoDir + "a\\b.jpg", "odd name"); },
            &MaintenanceCommands::backup, 2, { "Error number:\t52" } },
    };
    // Without the backup folder every command that has something to do reports it.
    for (const auto& [command, index] :
        { std::pair { &MaintenanceCommands::backup, 0 }, { &MaintenanceCommands::backup, 1 },
            { &MaintenanceCommands::restore, 0 }, { &MaintenanceCommands::restore, 1 },
            { &MaintenanceCommands::restore, 2 }, { &MaintenanceCommands::restore, 3 } })
        cases.push_back(
            { "no backup folder", [&] { session.settings.backupDir = home.filePath("Elsewhere/"); }, command,
                index, { "Elsewhere", "Error number:\t76" } });
    const Settings settings = session.settings;
    for (const Case& failure : cases) {
        session.settings = settings;
        failure.arrange();
        const Files before = snapshot(home.path());
        run(failure.command, failure.index);
        ASSERT_EQ(prompts.reports.size(), 1) << failure.what;
        for (const QString& part : failure.reported)
            EXPECT_TRUE(prompts.reports[0].contains(part)) << prompts.reports[0].toStdString();
        EXPECT_LE(prompts.boxes.size(), 1) << failure.what << ": only the question, no announcement";
        EXPECT_EQ(snapshot(home.path()), before) << failure.what;
        for (const char* created : { "Gone", "Elsewhere" })
            EXPECT_FALSE(QFileInfo::exists(home.filePath(created))) << failure.what;
    }
}

// ---- the three archives ----

TEST_F(BackupRestoreTest, ArchivesHoldTheirFoldersFilesOfTheirKindAndReadBackWithCabextract)
{
    Files covers, playlists;
    for (int id = 1; id <= 5; ++id)
        covers[QString::number(id) + ".jpg"] = randomText(20000 * id, id);
    covers["Upper.JPG"] = randomText(700, 42); // the old archiver's searches ignored letter case
    for (int id = 1; id <= 3; ++id)
        for (int track = 1; track <= 200; ++track)
            playlists[QString::number(id) + ".m3u"] += "/home/music/Artist " + QByteArray::number(id)
                + "/Album/" + QByteArray::number(track) + " - Track.mp3\n";
    ASSERT_TRUE(QDir(coverDir).mkpath("folder.jpg"));
    // Covers are stored as they are; playlists, plain text, are compressed.
    const std::tuple<int, QString, const Files&, const char*, int> archives[]
        = { { 1, coverDir, covers, "notes.jpg.txt", 0 }, { 3, playlistDir, playlists, "cover.jpg", 1 } };
    for (const auto& [index, folder, files, otherKind, compression] : archives) {
        for (const auto& [name, bytes] : files)
            writeFile(folder + name, bytes);
        writeFile(folder + otherKind, "not of the archive's kind");
        backup(index, {});
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
        EXPECT_EQ(boxPrompts(), QStringList { "Backup: " + archiveName(index) })
            << "no question before an archive";
        EXPECT_EQ(cabextractFiles(backupDir + archiveName(index)), files);
        EXPECT_EQ(cabCompressionType(backupDir + archiveName(index)), compression);
    }
    EXPECT_LT(QFileInfo(backupDir + archiveName(3)).size(), 3 * playlists["1.m3u"].size() / 4);
    EXPECT_EQ(qtkit::treeOf(backupDir), QStringList({ archiveName(1), archiveName(3) }));

    // A second backup replaces the archive.
    QFile::remove(coverDir + "5.jpg");
    covers.erase("5.jpg");
    backup(1, {});
    EXPECT_EQ(cabextractFiles(backupDir + archiveName(1)), covers);

    // The photo archive is named in the language of the moment.
    const Files photos { { "Beyoncé.jpg", randomText(3000, 9) } };
    writeFile(fotoDir + "Beyoncé.jpg", photos.begin()->second);
    for (const LanguageBase language : kLanguageBases) {
        session.settings.taal = taalOf(language);
        QFile::remove(backupDir + archiveName(2));
        backup(2, {});
        EXPECT_EQ(cabextractFiles(backupDir + archiveName(2)), photos) << archiveName(2).toStdString();
    }
}

TEST_F(BackupRestoreTest, NothingToBackUpOrRestoreIsSaidAndStartsNoArchive)
{
    writeFile(playlistDir + "readme.txt", "no playlists here");
    for (int index = 1; index <= 3; ++index) {
        backup(index, {});
        EXPECT_EQ(boxPrompts(), QStringList { session.message(68) }) << index;
    }
    EXPECT_TRUE(qtkit::treeOf(backupDir).isEmpty());

    // An archive is named after its folder's caption: one made in another language is not found.
    writeFile(coverDir + "1.jpg", randomText(100, 1));
    backup(1, {});
    session.settings.taal = taalOf(LanguageBase::German);
    ASSERT_NE(archiveName(1), QStringLiteral("Covers.cab"));
    restore(1);
    EXPECT_EQ(boxPrompts(), QStringList { session.message(69) });
    EXPECT_EQ(prompts.boxes.value(0).title, archiveName(1));
}

TEST_F(BackupRestoreTest, ArchiveRestoreAsksAndRestoresOnlyMatchingFiles)
{
    const QByteArray cover1 = randomText(5000, 1), cover2 = qtkit::randomText(6000, 2);
    writeFile(coverDir + "1.jpg", cover1);
    writeFile(coverDir + "2.jpg", cover2);
    backup(1, {});
    writeRawCabinet(backupDir + archiveName(3),
        { { "7.m3u", "/music/a.mp3\n" }, { "notes.txt", "skip me" }, { "8.M3U", "/music/b.mp3\n" } });

    // Changed and new files after the backup: matching ones come back, others stay.
    writeFile(coverDir + "1.jpg", "damaged by the user");
    writeFile(coverDir + "3.jpg", "made after the backup");
    writeFile(playlistDir + "7.m3u", "old list");

    restore(1, { MsgBox::no });
    EXPECT_EQ(qtkit::fileBytes(coverDir + "1.jpg"), "damaged by the user");

    for (const int index : { 1, 3 }) {
        restore(index, { MsgBox::yes });
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
        ASSERT_EQ(prompts.boxes.size(), 2);
        // Restoring overwrites the user's files: the question defaults to No.
        EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::yesNoQuestionDefaultNo);
        EXPECT_EQ(prompts.boxes[0].title, archiveName(index));
        EXPECT_EQ(prompts.boxes[1].prompt, session.message(63));
    }
    EXPECT_EQ(snapshot(coverDir),
        (Files { { "1.jpg", cover1 }, { "2.jpg", cover2 }, { "3.jpg", "made after the backup" } }));
    EXPECT_EQ(
        snapshot(playlistDir), (Files { { "7.m3u", "/music/a.mp3\n" }, { "8.M3U", "/music/b.mp3\n" } }));
}

TEST_F(BackupRestoreTest, FilesOneCabinetCannotHoldMakeANumberedSetRestoredAsOne)
{
    // Small limits stand in for the format's, so the splitting is tried in a blink.
    Files covers;
    QStringList paths;
    for (int id = 1; id <= 7; ++id) {
        covers[QString::number(id) + ".jpg"] = randomText(1000 + id, id);
        writeFile(coverDir + QString::number(id) + ".jpg", covers[QString::number(id) + ".jpg"]);
        paths << coverDir + QString::number(id) + ".jpg";
    }
    const QString cab = backupDir + archiveName(1);
    const struct {
        CabinetLimits limits;
        int members;
    } cases[] = {
        { { 3, kCabinetMaxBytes }, 3 }, // by file count: 3 + 3 + 1
        { { 100, 2100 }, 4 }, // by size: two files of about 1000 bytes each
        { {}, 1 }, // all in one again: the set's further members go
    };
    // What the progress window is told: files done of all files, over the whole set.
    struct Counted : ProgressReport {
        std::pair<qint64, qint64> last;
        void setCount(qint64 done, qint64 total) override { last = { done, total }; }
    };
    for (const auto& c : cases) {
        Counted written, restoredCount;
        ASSERT_TRUE(writeCabinet(cab, paths, CabinetCompression::Stored, c.limits, &written));
        EXPECT_EQ(written.last, std::make_pair(qint64(7), qint64(7)));
        const QStringList members = QDir(backupDir).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(members.size(), c.members) << members.join(' ').toStdString();
        Files together;
        for (const QString& member : members)
            together.merge(cabextractFiles(backupDir + member)); // each a cabinet of its own
        EXPECT_EQ(together, covers);
        for (const QString& path : paths)
            writeFile(path, "changed");
        const FileResult<int> restored
            = restoreArchive(*archiveKind(1, session.settings), cab, &restoredCount);
        ASSERT_TRUE(restored) << restored.error().text.toStdString();
        EXPECT_EQ(restoredCount.last, std::make_pair(qint64(7), qint64(7)));
        EXPECT_EQ(restored.value(), 7);
        EXPECT_EQ(snapshot(coverDir), covers);
    }

    // A set with a member missing restores nothing; a file no cabinet holds is refused and
    // the set in place stays whole.
    ASSERT_TRUE(writeCabinet(cab, paths, CabinetCompression::Stored, { 3, kCabinetMaxBytes }));
    const Files set = snapshot(backupDir);
    EXPECT_FALSE(writeCabinet(cab, paths, CabinetCompression::Stored, { 100, 1003 }));
    EXPECT_EQ(snapshot(backupDir), set);
    writeFile(coverDir + "1.jpg", "changed");
    QFile::remove(backupDir + QDir(backupDir).entryList({ "*-2of3.cab" }).value(0));
    EXPECT_FALSE(restoreArchive(*archiveKind(1, session.settings), cab));
    EXPECT_EQ(qtkit::fileBytes(coverDir + "1.jpg"), "changed");
}

TEST_F(BackupRestoreTest, HostileOrDamagedArchiveIsRefusedAndNoFileIsTouched)
{
    for (int id = 1; id <= 3; ++id)
        writeFile(coverDir + QString::number(id) + ".jpg", randomText(40000, id));
    backup(1, {});
    const QString cab = backupDir + archiveName(1);
    const QByteArray good = qtkit::fileBytes(cab);
    writeFile(coverDir + "1.jpg", "changed since");
    QByteArray flipped = good;
    flipped[good.size() - 100] = static_cast<char>(flipped[good.size() - 100] ^ 0x55);
    // Names that reach outside the cover folder, then archives cut, altered or no cabinet.
    const std::vector<std::vector<std::pair<QByteArray, QByteArray>>> hostile {
        { { "good.jpg", "fine" }, { "../escaped.jpg", "evil" } },
        { { QFile::encodeName(home.filePath("absolute.jpg")), "evil" }, { "good.jpg", "fine" } },
        { { "..\\escaped.jpg", "evil" } },
        { { "sub\\1.jpg", "evil" } },
        { { "..", "evil" } },
    };
    std::vector<std::pair<std::function<void()>, const char*>> cases;
    for (const auto& entries : hostile)
        cases.emplace_back([&, entries] { writeRawCabinet(cab, entries); }, "not a plain file name");
    for (const QByteArray& damaged : { good.left(good.size() / 2), flipped,
             QByteArray("This is no cabinet at all, just text."), QByteArray() })
        cases.emplace_back([&, damaged] { writeFile(cab, damaged); }, "Error number:\t321");
    for (const auto& [arrange, reported] : cases) {
        arrange();
        const Files before = snapshot(home.path()); // nothing may appear anywhere below home
        restore(1);
        ASSERT_EQ(prompts.reports.size(), 1) << reported;
        EXPECT_TRUE(prompts.reports[0].contains(reported)) << prompts.reports[0].toStdString();
        EXPECT_EQ(prompts.boxes.size(), 1) << "only the question, no success message";
        EXPECT_EQ(snapshot(home.path()), before);
    }
}

// ---- the window `Terugzetten` ----

TEST_F(BackupRestoreTest, RestoreWindowListsCatalogueBackupsAndPreselectsTheLast)
{
    Terugzetten empty(session, prompts);
    EXPECT_EQ(childOf<QComboBox>(&empty, "cboBackup")->count(), 0);
    const QByteArray before = qtkit::fileBytes(dbPath);
    qtkit::clickButton(&empty, "cmdKeuze_0");
    EXPECT_EQ(qtkit::fileBytes(dbPath), before);
    EXPECT_FALSE(empty.restored());

    for (const char* name : { "20240131.db", "20231224.db", "notes.txt", "Covers.cab", "20240101.db.bak" })
        writeFile(backupDir + name, "x");
    Terugzetten window(session, prompts);
    auto* list = childOf<QComboBox>(&window, "cboBackup");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    EXPECT_EQ(names, QStringList({ "20231224.db", "20240131.db" }));
    EXPECT_EQ(list->currentText(), "20240131.db");
}

TEST_F(BackupRestoreTest, CommandAskedForWhileAnotherRunsIsIgnored)
{
    writeFile(coverDir + "1.jpg", randomText(100, 1));
    QList<bool> busyStates;
    QObject::connect(&commands, &MaintenanceCommands::busyChanged, [&](bool busy) {
        busyStates << busy;
        if (busy) {
            commands.restore(1);
            commands.backup(0);
            commands.compact();
        }
    });
    backup(1);
    EXPECT_EQ(busyStates, QList<bool>({ true, false }));
    EXPECT_EQ(boxPrompts(), QStringList { "Backup: " + archiveName(1) });
}

// ---- the cabinet layer on its own ----

TEST(Cabinet, PlainNames)
{
    for (const char* name : { "1.jpg", "Beyoncé.jpg", "a b.m3u", "..x.jpg" })
        EXPECT_TRUE(isPlainFileName(QString::fromUtf8(name))) << name;
    for (const char* name : { "", ".", "..", "../x", "/etc/x", "a\\b", "C:\\x", "sub/x.jpg" })
        EXPECT_FALSE(isPlainFileName(QString::fromUtf8(name))) << name;
}

TEST(Cabinet, NamesInTheOldCodePageAreRestoredAsUnicode)
{
    QTemporaryDir dir;
    const QString cab = dir.filePath("Covers.cab");
    writeRawCabinet(cab, { { "Beyonc\xe9.jpg", "bytes" } });
    const FileResult<QStringList> names = cabinetFileNames(cab);
    ASSERT_TRUE(names.ok()) << names.error().text.toStdString();
    EXPECT_EQ(names.value(), QStringList { QString::fromUtf8("Beyoncé.jpg") });
    ASSERT_TRUE(QDir(dir.path()).mkpath("out"));
    const FileResult<int> restored = extractCabinet(cab, dir.filePath("out"), "*.jpg");
    ASSERT_TRUE(restored.ok()) << restored.error().text.toStdString();
    EXPECT_EQ(restored.value(), 1);
    EXPECT_EQ(qtkit::fileBytes(dir.filePath(QString::fromUtf8("out/Beyoncé.jpg"))), "bytes");
}

} // namespace
