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
#include "export/ui/offthread.h"
#include "export/ui/terugzetten.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <map>

namespace {

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = static_cast<char>(generator.bounded(256));
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Every file below `folder` (relative path -> bytes), hidden ones included, to show that an
// operation changed nothing or exactly what it should.
std::map<QString, QByteArray> snapshot(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = fileBytes(path);
    }
    return files;
}

// Extracts an archive with cabextract, an independent reader, and returns its files.
std::map<QString, QByteArray> cabextractFiles(const QString& cab)
{
    QTemporaryDir out;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(
        QStringLiteral("cabextract"), { QStringLiteral("-q"), QStringLiteral("-d"), out.path(), cab });
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
    return snapshot(out.path());
}

// The compression type of the archive's first folder, read from the file format itself:
// 0 none, 1 MSZIP.
int cabCompressionType(const QString& cab)
{
    const QByteArray bytes = fileBytes(cab);
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
    QTemporaryDir home;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MaintenanceCommands> commands;

    QString path(const QString& relative) const { return home.filePath(relative); }
    QString dbPath() const { return path(QStringLiteral("Database/Muziek.db")); }
    QString coverDir() const { return path(QStringLiteral("Covers/")); }
    QString fotoDir() const { return path(QStringLiteral("Foto/")); }
    QString playlistDir() const { return path(QStringLiteral("Playlist/")); }
    QString backupDir() const { return path(QStringLiteral("Backup/")); }
    QString todaysBackup() const { return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".db"; }

    void SetUp() override
    {
        for (const char* folder : { "Database", "Covers", "Foto", "Playlist", "Backup" })
            ASSERT_TRUE(QDir(home.path()).mkpath(QString::fromLatin1(folder)));
        ASSERT_TRUE(Catalogue::createEmpty(dbPath()).ok());
        addArtist(QStringLiteral("Current Artist"));
        session = std::make_unique<Session>(home.path());
        session->settings.database = dbPath();
        session->settings.coverDir = coverDir();
        session->settings.fotoDir = fotoDir();
        session->settings.muziekDir = playlistDir();
        session->settings.backupDir = backupDir();
        session->settings.taal = QStringLiteral("200");
        commands = std::make_unique<MaintenanceCommands>(*session, prompts, nullptr);
    }

    void addArtist(const QString& name, const QString& db = {})
    {
        ASSERT_TRUE(Catalogue(db.isEmpty() ? dbPath() : db)
                        .addRow(QStringLiteral("Artiest"), { { QStringLiteral("Artiest"), name } })
                        .ok());
    }

    QStringList artists(const QString& db) const
    {
        QStringList names;
        for (const ArtistRow& row : Catalogue(db).FillArtistList().valueOr({}))
            names << row.name;
        return names;
    }

    static QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Answers the restore question with yes, after forgetting earlier messages.
    void restoreConfirmed(int index)
    {
        prompts.reports.clear();
        prompts.boxes.clear();
        prompts.answers = { MsgBox::yes };
        commands->restore(index);
    }

    QStringList boxPrompts() const
    {
        QStringList texts;
        for (const FakePrompts::Box& box : prompts.boxes)
            texts << box.prompt;
        return texts;
    }
};

// ---- the dated catalogue copy ----

TEST_F(BackupRestoreTest, DatedCopyAsksToCreateThenToOverwriteAndKeepsOneFilePerDay)
{
    prompts.answers = { MsgBox::yes };
    commands->backup(0);
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, "Do you want to create the backup?");
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::yesNoQuestion);
    EXPECT_EQ(prompts.boxes[0].title, "Attention!");
    EXPECT_EQ(prompts.boxes[1].prompt, "Backup: " + todaysBackup());
    EXPECT_EQ(prompts.boxes[1].buttons, MsgBox::okInformation);
    EXPECT_EQ(fileBytes(backupDir() + todaysBackup()), fileBytes(dbPath()));
    EXPECT_TRUE(prompts.reports.isEmpty());

    addArtist(QStringLiteral("Later Artist"));
    prompts.boxes.clear();
    prompts.answers = { MsgBox::yes };
    commands->backup(0);
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, "Do you want to overwrite the backup?");
    EXPECT_EQ(fileBytes(backupDir() + todaysBackup()), fileBytes(dbPath()));
    EXPECT_EQ(QDir(backupDir()).entryList(QDir::Files | QDir::Hidden), QStringList { todaysBackup() });

    // No: the day's copy stays as it was.
    const QByteArray kept = fileBytes(backupDir() + todaysBackup());
    addArtist(QStringLiteral("Unsaved Artist"));
    prompts.boxes.clear();
    prompts.answers = { MsgBox::no };
    commands->backup(0);
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(fileBytes(backupDir() + todaysBackup()), kept);
}

TEST_F(BackupRestoreTest, FailedCopyIsReportedNotAnnouncedAndKeepsTheOlderBackup)
{
    writeFile(backupDir() + todaysBackup(), "an older backup of today");
    session->settings.database = path(QStringLiteral("Database/Missing.db"));
    prompts.answers = { MsgBox::yes };
    commands->backup(0);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("Missing.db")) << prompts.reports[0].toStdString();
    EXPECT_TRUE(prompts.reports[0].contains("Error number:\t53"));
    EXPECT_FALSE(boxPrompts().join('|').contains("Backup:"));
    EXPECT_EQ(fileBytes(backupDir() + todaysBackup()), "an older backup of today");
    EXPECT_EQ(entriesOf(backupDir()), QStringList { todaysBackup() });

    // A folder in the way of the copy: reported, the folder and what it holds untouched.
    prompts.reports.clear();
    QFile::remove(backupDir() + todaysBackup());
    ASSERT_TRUE(QDir(backupDir()).mkpath(todaysBackup()));
    writeFile(backupDir() + todaysBackup() + "/keep.txt", "mine");
    session->settings.database = dbPath();
    prompts.answers = { MsgBox::yes };
    commands->backup(0);
    EXPECT_EQ(prompts.reports.size(), 1);
    EXPECT_EQ(fileBytes(backupDir() + todaysBackup() + "/keep.txt"), "mine");
    EXPECT_EQ(snapshot(backupDir()).size(), 1u);
}

TEST_F(BackupRestoreTest, MissingBackupFolderIsReportedByEveryCommandWithoutCreatingIt)
{
    writeFile(coverDir() + "1.jpg", randomBytes(100, 1));
    session->settings.backupDir = path(QStringLiteral("Elsewhere/"));
    for (int index = 0; index < 4; ++index) {
        prompts.answers = { MsgBox::yes };
        commands->backup(index);
    }
    for (int index = 0; index < 4; ++index) {
        prompts.answers = { MsgBox::yes };
        commands->restore(index);
    }
    ASSERT_EQ(prompts.reports.size(), 6) << "backup 2 and 3 have nothing to back up";
    for (const QString& report : prompts.reports) {
        EXPECT_TRUE(report.contains("Elsewhere")) << report.toStdString();
        EXPECT_TRUE(report.contains("Error number:\t76"));
    }
    EXPECT_EQ(boxPrompts(), QStringList({ "Nothing to backup.", "Nothing to backup." }));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Elsewhere"))));
}

// ---- the three archives ----

TEST_F(BackupRestoreTest, CoverArchiveIsStoredAndReadsBackWithCabextract)
{
    std::map<QString, QByteArray> covers;
    for (int id = 1; id <= 5; ++id)
        covers[QString::number(id) + ".jpg"] = randomBytes(20000 * id, id);
    covers["Upper.JPG"] = randomBytes(700, 42); // the old archiver's searches ignored letter case
    for (const auto& [name, bytes] : covers)
        writeFile(coverDir() + name, bytes);
    writeFile(coverDir() + "notes.txt", "not a cover");
    ASSERT_TRUE(QDir(coverDir()).mkpath("folder.jpg"));

    commands->backup(1);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    ASSERT_EQ(prompts.boxes.size(), 1) << "no question before an archive backup";
    EXPECT_EQ(prompts.boxes[0].prompt, "Backup: Covers.cab");
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::okInformation);

    const QString cab = backupDir() + "Covers.cab";
    EXPECT_EQ(cabextractFiles(cab), covers);
    EXPECT_EQ(cabCompressionType(cab), 0);
    EXPECT_EQ(entriesOf(backupDir()), QStringList { "Covers.cab" });

    // A second backup replaces the archive.
    QFile::remove(coverDir() + "5.jpg");
    covers.erase("5.jpg");
    commands->backup(1);
    EXPECT_EQ(cabextractFiles(cab), covers);
}

TEST_F(BackupRestoreTest, PlaylistArchiveIsCompressedAndPhotoArchiveFollowsTheLanguage)
{
    std::map<QString, QByteArray> playlists;
    for (int id = 1; id <= 3; ++id) {
        QByteArray text;
        for (int track = 1; track <= 200; ++track)
            text += "/home/music/Artist " + QByteArray::number(id) + "/Album/" + QByteArray::number(track)
                + " - Track.mp3\n";
        playlists[QString::number(id) + ".m3u"] = text;
        writeFile(playlistDir() + QString::number(id) + ".m3u", text);
    }
    writeFile(playlistDir() + "cover.jpg", randomBytes(50, 7));
    commands->backup(3);
    const QString cab = backupDir() + "Playlist.cab";
    EXPECT_EQ(prompts.boxes.value(0).prompt, "Backup: Playlist.cab");
    EXPECT_EQ(cabextractFiles(cab), playlists);
    EXPECT_EQ(cabCompressionType(cab), 1);
    qint64 plain = 0;
    for (const auto& entry : playlists)
        plain += entry.second.size();
    EXPECT_LT(QFileInfo(cab).size(), plain / 4);

    const std::map<QString, QByteArray> photos { { "Beyoncé.jpg", randomBytes(3000, 9) } };
    writeFile(fotoDir() + "Beyoncé.jpg", photos.begin()->second);
    const std::map<QString, QString> photoArchives { { "100", "Foto.cab" }, { "200", "Image.cab" },
        { "300", "Image.cab" }, { "400", "Bild.cab" } };
    for (const auto& [taal, name] : photoArchives) {
        session->settings.taal = taal;
        QFile::remove(backupDir() + name);
        commands->backup(2);
        EXPECT_EQ(cabextractFiles(backupDir() + name), photos) << name.toStdString();
    }
    session->settings.taal = "300";
    commands->backup(1);
    EXPECT_EQ(prompts.boxes.last().prompt, QString::fromUtf8("Rien à sauvegarder."));
}

TEST_F(BackupRestoreTest, NothingToBackUpStartsNoArchive)
{
    writeFile(playlistDir() + "readme.txt", "no playlists here");
    for (int index = 1; index <= 3; ++index)
        commands->backup(index);
    ASSERT_EQ(prompts.boxes.size(), 3);
    for (const FakePrompts::Box& box : prompts.boxes) {
        EXPECT_EQ(box.prompt, "Nothing to backup.");
        EXPECT_EQ(box.buttons, MsgBox::okOnly);
        EXPECT_EQ(box.title, "Attention!");
    }
    EXPECT_TRUE(QDir(backupDir()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(BackupRestoreTest, FailedArchiveIsReportedAndLeavesWhatWasThere)
{
    writeFile(coverDir() + "1.jpg", randomBytes(1000, 1));
    // Covers.cab is a folder of the user's: the new archive cannot take its place.
    ASSERT_TRUE(QDir(backupDir()).mkpath("Covers.cab"));
    writeFile(backupDir() + "Covers.cab/mine.txt", "mine");
    commands->backup(1);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("Covers.cab"));
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "no \"Backup: Covers.cab\" after a failure";
    EXPECT_EQ(snapshot(backupDir()), (std::map<QString, QByteArray> { { "Covers.cab/mine.txt", "mine" } }));

    // A name the cabinet format would read as a path is refused before anything is written.
    prompts.reports.clear();
    writeFile(fotoDir() + "a\\b.jpg", "odd name");
    commands->backup(2);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("Error number:\t52"));
    EXPECT_FALSE(QFileInfo::exists(backupDir() + "Image.cab"));
}

TEST_F(BackupRestoreTest, ArchiveRestoreAsksAndRestoresOnlyMatchingFiles)
{
    const QByteArray cover1 = randomBytes(5000, 1), cover2 = randomBytes(6000, 2);
    writeFile(coverDir() + "1.jpg", cover1);
    writeFile(coverDir() + "2.jpg", cover2);
    commands->backup(1);
    writeRawCabinet(backupDir() + "Playlist.cab",
        { { "7.m3u", "/music/a.mp3\n" }, { "notes.txt", "skip me" }, { "8.M3U", "/music/b.mp3\n" } });

    // Changed and new files after the backup: matching ones come back, others stay.
    writeFile(coverDir() + "1.jpg", "damaged by the user");
    writeFile(coverDir() + "3.jpg", "made after the backup");
    writeFile(playlistDir() + "7.m3u", "old list");
    prompts.boxes.clear();

    prompts.answers = { MsgBox::no };
    commands->restore(1);
    EXPECT_EQ(fileBytes(coverDir() + "1.jpg"), "damaged by the user");

    prompts.boxes.clear();
    prompts.answers = { MsgBox::yes, MsgBox::ok, MsgBox::yes };
    commands->restore(1);
    commands->restore(3);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    ASSERT_EQ(prompts.boxes.size(), 4);
    EXPECT_EQ(prompts.boxes[0].prompt, "Restore?");
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::yesNoQuestionDefaultNo);
    EXPECT_EQ(prompts.boxes[0].title, "Covers.cab");
    EXPECT_EQ(prompts.boxes[1].prompt, "Data has been restored.");
    EXPECT_EQ(prompts.boxes[1].buttons, MsgBox::okInformation);
    EXPECT_EQ(prompts.boxes[3].title, "Playlist.cab");

    EXPECT_EQ(snapshot(coverDir()),
        (std::map<QString, QByteArray> {
            { "1.jpg", cover1 }, { "2.jpg", cover2 }, { "3.jpg", "made after the backup" } }));
    EXPECT_EQ(snapshot(playlistDir()),
        (std::map<QString, QByteArray> { { "7.m3u", "/music/a.mp3\n" }, { "8.M3U", "/music/b.mp3\n" } }));
}

TEST_F(BackupRestoreTest, MissingArchiveIsNotFoundUnderTheLanguagesName)
{
    writeFile(coverDir() + "1.jpg", randomBytes(100, 1));
    commands->backup(1); // Covers.cab, made in English
    session->settings.taal = "400";
    prompts.boxes.clear();
    commands->restore(1);
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, "Datei nicht gefunden.");
    EXPECT_EQ(prompts.boxes[0].title, "Decken.cab");
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::okInformation);
}

TEST_F(BackupRestoreTest, ArchiveWithPathNamesIsRefusedAndWritesNothing)
{
    writeFile(coverDir() + "1.jpg", "the user's cover");
    const QString absolute = path("absolute.jpg");
    const std::vector<std::vector<std::pair<QByteArray, QByteArray>>> hostile {
        { { "good.jpg", "fine" }, { "../escaped.jpg", "evil" } },
        { { QFile::encodeName(absolute), "evil" }, { "good.jpg", "fine" } },
        { { "..\\escaped.jpg", "evil" } },
        { { "sub\\1.jpg", "evil" } },
        { { "..", "evil" } },
    };
    for (const auto& entries : hostile) {
        writeRawCabinet(backupDir() + "Covers.cab", entries);
        const auto withCab = snapshot(home.path()); // nothing may appear anywhere below home
        restoreConfirmed(1);
        ASSERT_EQ(prompts.reports.size(), 1) << entries.front().first.toStdString();
        EXPECT_TRUE(prompts.reports[0].contains("not a plain file name")) << prompts.reports[0].toStdString();
        EXPECT_EQ(prompts.boxes.size(), 1) << "only the question, no \"Data has been restored.\"";
        EXPECT_EQ(snapshot(home.path()), withCab);
    }
}

TEST_F(BackupRestoreTest, DamagedArchiveIsReportedAndNoFileIsTouched)
{
    for (int id = 1; id <= 3; ++id)
        writeFile(coverDir() + QString::number(id) + ".jpg", randomBytes(40000, id));
    commands->backup(1);
    const QByteArray good = fileBytes(backupDir() + "Covers.cab");
    writeFile(coverDir() + "1.jpg", "changed since");
    const auto covers = snapshot(coverDir());

    const QByteArray notACab = "This is no cabinet at all, just text.";
    QByteArray flipped = good;
    flipped[good.size() - 100] = static_cast<char>(flipped[good.size() - 100] ^ 0x55);
    for (const QByteArray& damaged : { good.left(good.size() / 2), flipped, notACab, QByteArray() }) {
        writeFile(backupDir() + "Covers.cab", damaged);
        restoreConfirmed(1);
        ASSERT_EQ(prompts.reports.size(), 1);
        EXPECT_TRUE(prompts.reports[0].contains("Error number:\t321")) << prompts.reports[0].toStdString();
        EXPECT_EQ(prompts.boxes.size(), 1);
        EXPECT_EQ(snapshot(coverDir()), covers);
    }
}

TEST_F(BackupRestoreTest, RestoreIntoAMissingFolderIsReported)
{
    writeFile(coverDir() + "1.jpg", randomBytes(100, 1));
    commands->backup(1);
    session->settings.coverDir = path("Gone/");
    prompts.answers = { MsgBox::yes };
    commands->restore(1);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("Gone"));
    EXPECT_FALSE(QFileInfo::exists(path("Gone")));
}

// ---- the window `Terugzetten` ----

TEST_F(BackupRestoreTest, RestoreWindowListsCatalogueBackupsAndPreselectsTheLast)
{
    Terugzetten empty(*session, prompts);
    EXPECT_EQ(empty.windowTitle(), "Select Backup");
    auto* list = childOf<QComboBox>(&empty, "cboBackup");
    auto* ok = childOf<QPushButton>(&empty, "cmdKeuze_0");
    auto* close = childOf<QPushButton>(&empty, "cmdKeuze_1");
    ASSERT_TRUE(list && ok && close);
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_EQ(close->text(), "Cancel");
    EXPECT_EQ(list->count(), 0);
    const QByteArray before = fileBytes(dbPath());
    ok->click();
    EXPECT_EQ(fileBytes(dbPath()), before);
    EXPECT_FALSE(empty.restored());

    for (const char* name : { "20240131.db", "20231224.db", "notes.txt", "Covers.cab", "20240101.db.bak" })
        writeFile(backupDir() + name, "x");
    Terugzetten window(*session, prompts);
    list = childOf<QComboBox>(&window, "cboBackup");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    EXPECT_EQ(names, QStringList({ "20231224.db", "20240131.db" }));
    EXPECT_EQ(list->currentText(), "20240131.db");
    EXPECT_TRUE(childOf<QLabel>(&window, "lblMelding")->isHidden());
}

TEST_F(BackupRestoreTest, RestoreWindowPutsTheBackupInPlaceAndShowsItsDoneState)
{
    const QString backup = backupDir() + "20240101.db";
    ASSERT_TRUE(Catalogue::createEmpty(backup).ok());
    addArtist("Backed Up Artist", backup);
    const QByteArray backupBytes = fileBytes(backup);

    Terugzetten window(*session, prompts);
    window.show();
    QSignalSpy restored(&window, &Terugzetten::catalogueRestored);
    childOf<QPushButton>(&window, "cmdKeuze_0")->click();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    EXPECT_EQ(restored.count(), 1);
    EXPECT_TRUE(window.restored());
    EXPECT_EQ(fileBytes(dbPath()), backupBytes);
    EXPECT_EQ(artists(dbPath()), QStringList { "Backed Up Artist" });
    EXPECT_EQ(entriesOf(path("Database")), QStringList { "Muziek.db" });

    EXPECT_EQ(window.windowTitle(), "Attention!");
    EXPECT_FALSE(childOf<QPushButton>(&window, "cmdKeuze_0")->isVisible());
    EXPECT_FALSE(childOf<QComboBox>(&window, "cboBackup")->isVisible());
    EXPECT_EQ(childOf<QPushButton>(&window, "cmdKeuze_1")->text(), "Ok");
    auto* label = childOf<QLabel>(&window, "lblMelding");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "Data has been restored.");
    childOf<QPushButton>(&window, "cmdKeuze_1")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BackupRestoreTest, BackupThatIsNoCatalogueIsRefusedAndTheCatalogueStays)
{
    writeFile(backupDir() + "20240101.db", "just some text, no database");
    const QString newer = backupDir() + "20240102.db";
    ASSERT_TRUE(Catalogue::createEmpty(newer).ok());
    ASSERT_TRUE(execRaw(newer, "PRAGMA user_version = 99"));
    const QByteArray before = fileBytes(dbPath());

    Terugzetten window(*session, prompts);
    window.show();
    QSignalSpy restored(&window, &Terugzetten::catalogueRestored);
    auto* list = childOf<QComboBox>(&window, "cboBackup");
    for (int index : { 0, 1 }) {
        prompts.reports.clear();
        list->setCurrentIndex(index);
        childOf<QPushButton>(&window, "cmdKeuze_0")->click();
        ASSERT_EQ(prompts.reports.size(), 1);
        EXPECT_TRUE(prompts.reports[0].contains("is not a catalogue")) << prompts.reports[0].toStdString();
        EXPECT_TRUE(prompts.reports[0].contains("Terugzetten.cmdKeuze_Click"));
    }
    EXPECT_EQ(restored.count(), 0);
    EXPECT_FALSE(window.restored());
    EXPECT_TRUE(childOf<QComboBox>(&window, "cboBackup")->isVisible()) << "still choosing";
    EXPECT_TRUE(childOf<QLabel>(&window, "lblMelding")->isHidden());
    EXPECT_EQ(fileBytes(dbPath()), before);
    EXPECT_EQ(entriesOf(path("Database")), QStringList { "Muziek.db" });
}

TEST_F(BackupRestoreTest, DatabaseRestoreMenuShowsTheWindowAndSignalsTheReplacedCatalogue)
{
    prompts.answers = { MsgBox::yes };
    commands->backup(0); // today's copy holds "Current Artist" only
    addArtist("Added Later");
    ASSERT_EQ(artists(dbPath()), QStringList({ "Added Later", "Current Artist" }));

    QSignalSpy restored(commands.get(), &MaintenanceCommands::catalogueRestored);
    QStringList artistsWhenSignalled;
    QObject::connect(commands.get(), &MaintenanceCommands::catalogueRestored,
        [&] { artistsWhenSignalled = artists(session->settings.database); });
    bool windowSeen = false;
    onNextModal("Terugzetten", [&](QWidget* window) {
        windowSeen = true;
        EXPECT_EQ(childOf<QComboBox>(window, "cboBackup")->currentText(), todaysBackup());
        childOf<QPushButton>(window, "cmdKeuze_0")->click();
        childOf<QPushButton>(window, "cmdKeuze_1")->click();
    });
    commands->restore(0);
    EXPECT_TRUE(windowSeen);
    EXPECT_EQ(restored.count(), 1);
    EXPECT_EQ(artistsWhenSignalled, QStringList { "Current Artist" });
    EXPECT_FALSE(commands->isBusy());
}

// ---- file work off the user-interface thread ----

TEST(OffUiThread, WorkRunsElsewhereWhileEventsAreHandledUnderTheBusyPointer)
{
    std::atomic<bool> timerFired { false };
    Qt::CursorShape shapeDuringWork = Qt::ArrowCursor;
    QTimer::singleShot(10, [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            shapeDuringWork = cursor->shape();
        timerFired = true;
    });
    QThread* const uiThread = QThread::currentThread();
    // The work waits for the timer: it can only fire when the event loop runs meanwhile.
    const auto [ranElsewhere, sawTimer] = runOffUiThread([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!timerFired && std::chrono::steady_clock::now() < deadline)
            QThread::msleep(5);
        return std::pair<bool, bool>(QThread::currentThread() != uiThread, timerFired.load());
    });
    EXPECT_TRUE(ranElsewhere);
    EXPECT_TRUE(sawTimer);
    EXPECT_EQ(shapeDuringWork, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(BackupRestoreTest, CommandAskedForWhileAnotherRunsIsIgnored)
{
    writeFile(coverDir() + "1.jpg", randomBytes(100, 1));
    QList<bool> busyStates;
    QObject::connect(commands.get(), &MaintenanceCommands::busyChanged, [&](bool busy) {
        busyStates << busy;
        if (busy) {
            commands->restore(1);
            commands->backup(0);
            commands->compact();
        }
    });
    commands->backup(1);
    EXPECT_EQ(busyStates, QList<bool>({ true, false }));
    EXPECT_EQ(boxPrompts(), QStringList { "Backup: Covers.cab" });
    EXPECT_FALSE(commands->isBusy());
}

// ---- the cabinet layer on its own ----

TEST(Cabinet, PlainNamesAndMasks)
{
    for (const char* name : { "1.jpg", "Beyoncé.jpg", "a b.m3u", "..x.jpg" })
        EXPECT_TRUE(isPlainFileName(QString::fromUtf8(name))) << name;
    for (const char* name : { "", ".", "..", "../x", "/etc/x", "a\\b", "C:\\x", "sub/x.jpg" })
        EXPECT_FALSE(isPlainFileName(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(matchesFileMask("12.JPG", "*.jpg"));
    EXPECT_TRUE(matchesFileMask("12.jpg", "*.jpg"));
    EXPECT_FALSE(matchesFileMask("12.jpg.txt", "*.jpg"));
    EXPECT_FALSE(matchesFileMask("12.jpeg", "*.jpg"));
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
    EXPECT_EQ(fileBytes(dir.filePath(QString::fromUtf8("out/Beyoncé.jpg"))), "bytes");
}

} // namespace
