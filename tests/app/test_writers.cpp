// Every file the program writes, run through the same two trials: the file is a symbolic link
// (the file it points to gets the new version, the link stays), and the disk fills up half-way
// (a file-size limit: the old version stays whole, nothing is left behind, the writer says so).
#include "editing/coverfile.h"
#include "editing/playlistfile.h"
#include "export/backup.h"
#include "export/cabinet.h"
#include "export/compaction.h"
#include "export/htmloverview.h"
#include "export/workbookexport.h"
#include "extras/picturefiles.h"
#include "qtkit/qfiles.h"
#include "shell/settingswriter.h"
#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

namespace {

using qtkit::randomText;

// Files written in a trial of a full disk stop at this size.
constexpr qint64 diskLimit = 64 * 1024;

// A catalogue of one artist with albums whose comments fill it well past the disk limit.
void fillCatalogue(TestHome& home)
{
    const qint64 artist = home.db().addArtist(QStringLiteral("ABBA"));
    QList<SqlStatement> inserts;
    for (int i = 0; i < 300; ++i)
        inserts << SqlStatement { "INSERT INTO Titel (ArtiestId, Titel, Jaar, Bijzonderheden) VALUES (?, ?, ?, ?)",
            { artist, QStringLiteral("Album %1 ").arg(i) + QString::fromLatin1(randomText(200, i + 1000)), 1970 + i % 40, QString::fromLatin1(randomText(1500, i)) } };
    ASSERT_TRUE(home.catalogue().executeInTransaction(inserts).ok());
}

qint64 albumCount(const QString& db)
{
    return scalarRaw(db, "SELECT COUNT(*) FROM Titel");
}

template <typename Result> std::optional<QString> failureOf(const Result& result)
{
    return result ? std::nullopt : std::optional<QString>(result.error().text);
}
std::optional<QString> failureOf(const std::optional<AppError>& error)
{
    return error ? std::optional<QString>(error->description) : std::nullopt;
}
std::optional<QString> failureOf(bool ok, const QString& error)
{
    return ok ? std::nullopt : std::optional<QString>(error);
}

struct Writer {
    const char* name;
    // The file the writer replaces.
    std::function<QString(TestHome&)> target;
    // Puts the old, small version in place and whatever the writer reads (more than the limit).
    std::function<void(TestHome&)> arrange;
    // Writes the new version; why it could not, or nothing.
    std::function<std::optional<QString>(TestHome&)> write;
    // Whether the file at `path` is the new version.
    std::function<bool(TestHome&, const QString&)> isNew;
};

void PrintTo(const Writer& writer, std::ostream* out)
{
    *out << writer.name;
}

QString inBackup(TestHome& home, const char* name)
{
    return home.session().settings.backupDir + QLatin1String(name);
}

const Writer writers[] = {
    { "settings", [](TestHome& home) { return home.iniPath(); }, [](TestHome&) {},
        [](TestHome& home) {
            Settings& settings = home.session().settings;
            SettingsFields fields = settingsFields(settings);
            fields[1] = QString::fromLatin1(randomText(100000, 1)); // the player
            const QStringList failures = saveSettings(home.session().ini(), settings, fields,
                LanguageBase::Dutch, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
            return failures.isEmpty() ? std::nullopt : std::optional<QString>(failures.join('\n'));
        },
        [](TestHome&, const QString& path) { return qtkit::fileBytes(path).contains("Taal=100"); } },
    { "playlist", [](TestHome& home) { return playlistPath(home.session().settings.muziekDir, 8); },
        [](TestHome& home) {
            qtkit::writeFile(playlistPath(home.session().settings.muziekDir, 8), "/old.mp3\r\n");
        },
        [](TestHome& home) {
            QStringList names;
            for (int i = 0; i < 5000; ++i)
                names << QStringLiteral("Track %1.mp3").arg(i);
            QString error;
            const bool ok = writePlaylist(
                playlistPath(home.session().settings.muziekDir, 8), home.filePath("Music"), names, &error);
            return failureOf(ok, error);
        },
        [](TestHome&, const QString& path) { return qtkit::fileBytes(path).contains("Track 4999.mp3"); } },
    { "cover", [](TestHome& home) { return coverPath(home.session().settings.coverDir, 8); },
        [](TestHome& home) {
            qtkit::writeFile(coverPath(home.session().settings.coverDir, 8), "old cover");
            // A real JPEG (which is stored as it comes), larger than the disk limit: noise
            // does not compress.
            const QByteArray noise = randomText(4 * 300 * 300, 8);
            QDir().mkpath(home.filePath("Chosen"));
            QImage(reinterpret_cast<const uchar*>(noise.constData()), 300, 300, QImage::Format_RGB32)
                .save(home.filePath("Chosen/cover.jpg"), "JPG", 100);
        },
        [](TestHome& home) {
            return failureOf(copyCover(
                home.filePath("Chosen/cover.jpg"), coverPath(home.session().settings.coverDir, 8), "test"));
        },
        [](TestHome& home, const QString& path) {
            return qtkit::fileBytes(path) == qtkit::fileBytes(home.filePath("Chosen/cover.jpg"));
        } },
    { "photo", [](TestHome& home) { return photoPath(home.session().settings.fotoDir, 3); },
        [](TestHome& home) {
            qtkit::writeFile(photoPath(home.session().settings.fotoDir, 3), "old photo");
            qtkit::writeFile(home.filePath("Chosen/photo.jpg"), randomText(200000, 2));
        },
        [](TestHome& home) {
            QString error;
            const bool ok = copyPictureFile(
                home.filePath("Chosen/photo.jpg"), photoPath(home.session().settings.fotoDir, 3), &error);
            return failureOf(ok, error);
        },
        [](TestHome& home, const QString& path) {
            return qtkit::fileBytes(path) == qtkit::fileBytes(home.filePath("Chosen/photo.jpg"));
        } },
    { "overview", [](TestHome& home) { return home.filePath("Export/Melotheek.html"); },
        [](TestHome& home) {
            fillCatalogue(home);
            qtkit::writeFile(home.filePath("Export/Melotheek.html"), "old overview");
        },
        [](TestHome& home) {
            return failureOf(writeHtmlOverview(home.catalogue(), ExportScope::AllArtists, 1,
                { "Melotheek", "Overview", "Artist", "Title", "Year", "Format" },
                home.filePath("Export/Melotheek.html"), "test"));
        },
        [](TestHome&, const QString& path) { return qtkit::fileBytes(path).contains("Album 299"); } },
    { "workbook", [](TestHome& home) { return home.filePath("Export/Melotheek.xlsx"); },
        [](TestHome& home) {
            fillCatalogue(home);
            qtkit::writeFile(home.filePath("Export/Melotheek.xlsx"), "old workbook");
        },
        [](TestHome& home) {
            SheetFieldSelection fields {};
            fields.fill(true);
            return failureOf(writeWorkbook(home.catalogue(), ExportScope::AllArtists, 1, fields, {},
                home.filePath("Export/Melotheek.xlsx"), "test"));
        },
        [](TestHome&, const QString& path) {
            return qtkit::fileBytes(path).startsWith("PK") && QFileInfo(path).size() > diskLimit;
        } },
    { "dated copy", [](TestHome& home) { return inBackup(home, "20240101.db"); },
        [](TestHome& home) {
            fillCatalogue(home);
            ASSERT_TRUE(Catalogue::createEmpty(inBackup(home, "20240101.db")).ok());
        },
        [](TestHome& home) {
            return failureOf(backupCatalogue(home.db().path(), inBackup(home, "20240101.db")));
        },
        [](TestHome&, const QString& path) { return albumCount(path) == 300; } },
    { "cabinet", [](TestHome& home) { return inBackup(home, "Covers.cab"); },
        [](TestHome& home) {
            qtkit::writeFile(inBackup(home, "Covers.cab"), "old cabinet");
            for (int id = 1; id <= 3; ++id)
                qtkit::writeFile(coverPath(home.session().settings.coverDir, id), randomText(40000, id));
        },
        [](TestHome& home) {
            return failureOf(backupArchive(*archiveKind(1, home.session().settings), inBackup(home, "Covers.cab")));
        },
        [](TestHome&, const QString& path) {
            const FileResult<QStringList> names = cabinetFileNames(path);
            return names && names.value() == QStringList({ "1.jpg", "2.jpg", "3.jpg" });
        } },
    { "archive restore", [](TestHome& home) { return coverPath(home.session().settings.coverDir, 1); },
        [](TestHome& home) {
            const QString cover = coverPath(home.session().settings.coverDir, 1);
            qtkit::writeFile(cover, randomText(100000, 3));
            ASSERT_TRUE(backupArchive(*archiveKind(1, home.session().settings), inBackup(home, "Covers.cab")));
            qtkit::writeFile(cover, "old cover");
        },
        [](TestHome& home) {
            return failureOf(
                restoreArchive(*archiveKind(1, home.session().settings), inBackup(home, "Covers.cab")));
        },
        [](TestHome&, const QString& path) { return qtkit::fileBytes(path) == randomText(100000, 3); } },
    { "compaction", [](TestHome& home) { return home.db().path(); },
        [](TestHome& home) {
            fillCatalogue(home);
            ASSERT_TRUE(home.catalogue().ExecuteSql("DELETE FROM Titel WHERE Id > 150").ok());
        },
        [](TestHome& home) { return failureOf(compactCatalogue(home.db().path())); },
        [](TestHome&, const QString& path) {
            return scalarRaw(path, "PRAGMA freelist_count") == 0 && albumCount(path) == 150;
        } },
    { "restore", [](TestHome& home) { return home.db().path(); },
        [](TestHome& home) {
            fillCatalogue(home);
            ASSERT_TRUE(backupCatalogue(home.db().path(), inBackup(home, "20240101.db")));
            ASSERT_TRUE(home.catalogue().ExecuteSql("DELETE FROM Titel").ok());
            ASSERT_TRUE(home.catalogue().ExecuteSql("VACUUM").ok());
        },
        [](TestHome& home) {
            return failureOf(
                restoreCatalogue(inBackup(home, "20240101.db"), home.db().path(), inBackup(home, "kept.db")));
        },
        [](TestHome&, const QString& path) { return albumCount(path) == 300; } },
};

class WriterTest : public ::testing::TestWithParam<Writer> {
protected:
    TestHome home;
    const QString target = GetParam().target(home);

    void SetUp() override
    {
        GetParam().arrange(home);
        ASSERT_TRUE(QFileInfo::exists(target));
        ASSERT_FALSE(GetParam().isNew(home, target)) << "the old version is in place";
    }
};

TEST_P(WriterTest, ALinkStaysAndTheFileItPointsToGetsTheNewVersion)
{
    const QString real = home.filePath("Elsewhere/") + QFileInfo(target).fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(real).absolutePath()));
    ASSERT_TRUE(QFile::rename(target, real));
    ASSERT_TRUE(QFile::link(real, target));
    const QStringList beside = qtkit::treeOf(QFileInfo(target).absolutePath());

    const std::optional<QString> failure = GetParam().write(home);
    ASSERT_FALSE(failure) << failure->toStdString();
    EXPECT_TRUE(QFileInfo(target).isSymLink());
    EXPECT_EQ(QFileInfo(target).symLinkTarget(), real);
    EXPECT_TRUE(GetParam().isNew(home, real));
    QStringList now = qtkit::treeOf(QFileInfo(target).absolutePath());
    now.removeAll(QStringLiteral("kept.db")); // the restore keeps what it replaced
    EXPECT_EQ(now, beside) << "nothing left beside the link";
    EXPECT_EQ(qtkit::treeOf(home.filePath("Elsewhere")), QStringList { QFileInfo(real).fileName() });
}

TEST_P(WriterTest, ADiskThatFillsUpLeavesTheOldVersionWholeAndIsReported)
{
    const QString folder = QFileInfo(target).absolutePath();
    const std::map<QString, QByteArray> before = qtkit::snapshot(folder);

    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = diskLimit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> failure = GetParam().write(home);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(failure) << "the writer says it failed";
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_TRUE(qtkit::snapshot(folder) == before) << "the old version whole, nothing left behind";
    if (QFileInfo(target).suffix() == QLatin1String("db")) {
        EXPECT_EQ(integrityOf(target).toStdString(), "ok");
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterTest, ::testing::ValuesIn(writers),
    [](const ::testing::TestParamInfo<Writer>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

} // namespace
