// Killed at any moment: a child process (this test program, running Stress.Child) works on a
// Melotheek home with the program's own operations, chosen at random, and journals each one
// before it starts ("begin") and once it returned success ("ok"), synced to disk. The parent
// kills it with SIGKILL at random moments and then checks the home: the catalogue opens,
// passes SQLite's checks and holds exactly what the journal's successes say (the operation
// under way may or may not have happened, but wholly); settings file, playlist, covers,
// dated copies and cabinet are each an old or a new version, whole.
//
// MELOTHEEK_STRESS_KILLS sets the number of kills (a handful by default), MELOTHEEK_STRESS_SEED
// replays a run; scripts/stress runs many.
#include "db/albumimport.h"
#include "editing/artiststore.h"
#include "editing/coverfile.h"
#include "editing/movealbum.h"
#include "editing/playlistfile.h"
#include "editing/titlestore.h"
#include "export/backup.h"
#include "export/cabinet.h"
#include "export/compaction.h"
#include "extras/picturefiles.h"
#include "qtkit/qfiles.h"
#include "shell/settingswriter.h"
#include "support/testhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace {

const char* const childHomeVariable = "MELOTHEEK_STRESS_CHILD";

// The catalogue as the journal describes it: artist -> album title -> year, comment, tracks.
using Model = std::map<QString, std::map<QString, QString>>;

// Everything the checks compare besides the catalogue.
struct Expected {
    Model catalogue;
    std::map<QString, Model> copies; // dated copy file name -> the catalogue it holds
    QString player; // the value last saved in the settings file
    std::map<QString, QString> playlists; // file name -> prefix of its names
    std::map<QString, int> covers; // file name -> picture number
};

constexpr int playlistLength = 200;
constexpr int pictureCount = 3;

QString journalPath(const QString& home)
{
    return home + QStringLiteral("journal.txt");
}
QString picturePath(const QString& home, int picture)
{
    return home + QStringLiteral("Pictures/%1.jpg").arg(picture);
}

Model readCatalogue(const QString& database)
{
    const auto rows = Catalogue(database).OpenRecordset(
        QStringLiteral("SELECT a.Artiest, t.Titel, t.Jaar, t.Bijzonderheden, "
                       "(SELECT group_concat(Naam, '|') FROM (SELECT Naam FROM Tracks WHERE Titelid = t.Id "
                       "ORDER BY Nummer)) "
                       "FROM Artiest a LEFT JOIN Titel t ON t.ArtiestId = a.Id"));
    Model model;
    EXPECT_TRUE(rows.ok()) << rows.error().text.toStdString();
    for (const QVariantList& row : rows.valueOr({}).rows) {
        auto& albums = model[row[0].toString()];
        if (row[1].isValid())
            albums[row[1].toString()]
                = QStringLiteral("%1;%2;%3").arg(row[2].toString(), row[3].toString(), row[4].toString());
    }
    return model;
}

// What a journalled operation does to the expectation. The fields are tab-separated.
void apply(Expected& e, const QStringList& op)
{
    const QString& kind = op[0];
    Model& m = e.catalogue;
    if (kind == u"artist")
        m[op[1]];
    else if (kind == u"dropartist")
        m.erase(op[1]);
    else if (kind == u"album" || kind == u"edit" || kind == u"cd")
        m[op[1]][op[2]] = op[3];
    else if (kind == u"move") {
        m[op[3]][op[2]] = m[op[1]][op[2]];
        m[op[1]].erase(op[2]);
    } else if (kind == u"dropalbum")
        m[op[1]].erase(op[2]);
    else if (kind == u"backup")
        e.copies[op[1]] = m;
    else if (kind == u"restore") {
        if (e.copies.count(op[1]))
            m = e.copies.at(op[1]);
        else
            ADD_FAILURE() << "restored a copy no backup wrote: " << op[1].toStdString();
    } else if (kind == u"settings")
        e.player = op[1];
    else if (kind == u"playlist")
        e.playlists[op[1]] = op[2];
    else if (kind == u"cover")
        e.covers[op[1]] = op[2].toInt();
}

QStringList playlistNames(const QString& prefix)
{
    QStringList names;
    for (int i = 0; i < playlistLength; ++i)
        names << QStringLiteral("%1 %2.mp3").arg(prefix).arg(i);
    return names;
}

// ---- the child ----

// Appends `text` as a line to the journal, on disk before the work goes on.
void journalLine(QFile& journal, const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    if (journal.write(bytes) != bytes.size() || !journal.flush() || ::fsync(journal.handle()) != 0)
        std::abort();
}

// The child's loop: an operation picked at random on the home as it is, journalled before it
// starts and once it returned success.
class Child {
public:
    explicit Child(const QString& home)
        : home_(home)
        , session_(home)
    {
        Settings& s = session_.settings;
        s.database = home + QStringLiteral("Database/Muziek.db");
        s.coverDir = home + QStringLiteral("Covers/");
        s.muziekDir = home + QStringLiteral("Playlist/");
        s.backupDir = home + QStringLiteral("Backup/");
        s.fotoDir = home + QStringLiteral("Foto/");
    }

    void run(quint32 seed, QFile& journal)
    {
        QRandomGenerator rng(seed);
        for (int n = 0;; ++n) {
            const QString tag = QStringLiteral("%1-%2").arg(seed).arg(n);
            std::function<bool()> work;
            const QStringList op = pick(rng, tag, work);
            if (op.isEmpty())
                continue;
            journalLine(journal, QStringLiteral("begin\t") + op.join(QLatin1Char('\t')));
            if (!work()) { // a fault of its own: the parent sees the child end by itself
                std::cerr << "stress child: failed: " << op.join(QLatin1Char(' ')).toStdString() << std::endl;
                std::_Exit(3);
            }
            journalLine(journal, QStringLiteral("ok"));
        }
    }

private:
    // The journal line of an operation on the home as it is, with its work; empty when the
    // operation picked does not apply.
    QStringList pick(QRandomGenerator& rng, const QString& tag, std::function<bool()>& work)
    {
        const Catalogue cat(session_.settings.database);
        const QDateTime now = QDateTime::currentDateTime();
        const auto artists = cat.FillArtistList(QLocale(QLocale::English)).valueOr({});
        const auto anyArtist = [&] { return artists.at(rng.bounded(artists.size())); };
        const int kind = static_cast<int>(rng.bounded(12));
        if (kind == 0 || artists.size() < 3) {
            const QString name = QStringLiteral("Artist ") + tag;
            work = [=] { return storeArtist(cat, 0, name, now).ok(); };
            return { QStringLiteral("artist"), name };
        }
        const ArtistRow artist = anyArtist();
        const auto albums = cat.FillTitleList(artist.id).valueOr({});
        const auto described = [](const QString& year, const QString& comment, const QString& tracks) {
            return QStringLiteral("%1;%2;%3").arg(year, comment, tracks);
        };
        if (kind == 1 && artists.size() > 4) {
            work = [=] { return cat.deleteArtist(artist.id).ok(); };
            return { QStringLiteral("dropartist"), artist.name };
        }
        if (kind == 2 || albums.isEmpty()) {
            TitleInput input { QStringLiteral("Album ") + tag, QString::number(1950 + rng.bounded(70)), {},
                {}, false, QStringLiteral("note ") + tag, {} };
            work = [=] { return storeTitle(cat, input, 0, artist.id, now).ok(); };
            return { QStringLiteral("album"), artist.name, input.titel,
                described(input.jaar, input.bijzonderheden, {}) };
        }
        const TitleRow album = albums.at(rng.bounded(albums.size()));
        switch (kind) {
        case 3: {
            const ArtistRow to = anyArtist();
            if (to.id == artist.id)
                return {};
            work = [=] { return moveAlbum(cat, album.id, to.id, now).ok(); };
            return { QStringLiteral("move"), artist.name, album.titel, to.name };
        }
        case 4:
            work = [=] { return cat.deleteAlbum(album.id).ok(); };
            return { QStringLiteral("dropalbum"), artist.name, album.titel };
        case 5: {
            QList<FetchedTrack> list;
            QStringList names;
            for (int i = 1; i <= 1 + static_cast<int>(rng.bounded(12)); ++i) {
                list << FetchedTrack { i, QStringLiteral("Track %1 %2").arg(i).arg(tag),
                    QStringLiteral("3:00") };
                names << list.last().naam;
            }
            work = [=] {
                return fillFreedb(cat, album.id, list).ok()
                    && storeFreedbTracks(
                        cat, album.id, true, 0, QStringLiteral("0badf00d"), QStringLiteral("40:00"))
                           .ok();
            };
            return { QStringLiteral("edit"), artist.name, album.titel,
                described(album.jaar, album.bijzonderheden, names.join(QLatin1Char('|'))) };
        }
        case 6: {
            // The import's one transaction; the lookup before it writes nothing.
            const AlbumImport disc { 0, QStringLiteral("CD artist ") + tag, QStringLiteral("Disc ") + tag,
                QStringLiteral("0badf00d"), QStringLiteral("1999"), QStringLiteral("40:00"),
                { { 1, QStringLiteral("One"), {} }, { 2, QStringLiteral("Two"), {} } } };
            work = [=] { return importAlbum(cat, disc).ok(); };
            return { QStringLiteral("cd"), disc.newArtistName, disc.titel,
                described(disc.jaar, {}, QStringLiteral("One|Two")) };
        }
        case 7:
            work = [=] { return bool(compactCatalogue(cat.path())); };
            return { QStringLiteral("compact") };
        case 8: {
            const QString name = QStringLiteral("S%1.db").arg(rng.bounded(3));
            work
                = [=, this] { return bool(backupCatalogue(cat.path(), session_.settings.backupDir + name)); };
            return { QStringLiteral("backup"), name };
        }
        case 9: {
            const QStringList copies
                = QDir(session_.settings.backupDir).entryList({ QStringLiteral("S*.db") });
            if (copies.isEmpty())
                return {};
            const QString name = copies.at(rng.bounded(copies.size()));
            const QString kept
                = session_.settings.backupDir + QStringLiteral("K") + tag + QStringLiteral(".db");
            work = [=, this] {
                return bool(restoreCatalogue(session_.settings.backupDir + name, cat.path(), kept));
            };
            return { QStringLiteral("restore"), name };
        }
        case 10: {
            const QString player = QStringLiteral("player-") + tag;
            work = [=, this] {
                SettingsFields fields = settingsFields(session_.settings);
                fields[1] = player;
                const QStringList failures = saveSettings(session_.ini(), session_.settings, fields,
                    LanguageBase::English, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
                for (const QString& failure : failures)
                    std::cerr << "stress child: " << failure.toStdString() << std::endl;
                return failures.isEmpty();
            };
            return { QStringLiteral("settings"), player };
        }
        default: {
            const qint64 slot = 1 + rng.bounded(2);
            if (rng.bounded(2)) {
                const QString path = playlistPath(session_.settings.muziekDir, slot);
                work = [=, this] {
                    return writePlaylist(path, home_ + QStringLiteral("Music"), playlistNames(tag), nullptr);
                };
                return { QStringLiteral("playlist"), QFileInfo(path).fileName(), tag };
            }
            const int picture = static_cast<int>(rng.bounded(pictureCount));
            const QString path = coverPath(session_.settings.coverDir, slot);
            if (rng.bounded(4) == 0 && !filesToArchive(*archiveKind(1, session_.settings)).isEmpty()) {
                work = [=, this] {
                    return bool(backupArchive(*archiveKind(1, session_.settings),
                        session_.settings.backupDir + QStringLiteral("Covers.cab")));
                };
                return { QStringLiteral("cabinet") };
            }
            work = [=, this] {
                return !copyCover(picturePath(home_, picture), path, QStringLiteral("stress"));
            };
            return { QStringLiteral("cover"), QFileInfo(path).fileName(), QString::number(picture) };
        }
        }
    }

    QString home_;
    Session session_;
};

TEST(Stress, Child)
{
    const QString home = qEnvironmentVariable(childHomeVariable);
    if (home.isEmpty())
        GTEST_SKIP() << "run by Stress.KilledAtAnyMomentLosesNothing";
    QFile journal(journalPath(home));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly | QIODevice::Append));
    Child(home).run(qEnvironmentVariable("MELOTHEEK_STRESS_RUN").toUInt(), journal);
}

// ---- the parent ----

QByteArray picture(int number)
{
    return qtkit::pictureBytes({ 64, 64 }, QColor::fromHsv(number * 100, 200, 200));
}

// Whether the settings file `ini` holds a line ending in "=" + `value`.
bool holdsValue(const QByteArray& ini, const QString& value)
{
    const QByteArray line = "=" + value.toUtf8();
    return ini.contains(line + "\r\n") || ini.contains(line + "\n");
}

// Checks the home after a kill against `e`, taking the operation under way (`pending`) as done
// when the files show it.
void checkHome(TestHome& home, Expected& e, const QStringList& pending, const std::string& where)
{
    const Settings& s = home.session().settings;
    ASSERT_EQ(integrityOf(s.database).toStdString(), "ok") << where;
    const Model found = readCatalogue(s.database);
    if (!pending.isEmpty()) {
        Expected done = e;
        apply(done, pending);
        // Which files the operation under way wrote shows in the files themselves.
        if (pending[0] == u"backup" && QFileInfo::exists(s.backupDir + pending[1])
            && readCatalogue(s.backupDir + pending[1]) == done.copies[pending[1]])
            e.copies = done.copies;
        if (found == done.catalogue)
            e.catalogue = done.catalogue;
        if (pending[0] == u"settings" && holdsValue(qtkit::fileBytes(home.iniPath()), pending[1]))
            e.player = done.player;
        if (pending[0] == u"playlist" || pending[0] == u"cover") {
            const QByteArray now
                = qtkit::fileBytes((pending[0] == u"cover" ? s.coverDir : s.muziekDir) + pending[1]);
            const bool isNew = pending[0] == u"cover"
                ? now == picture(pending[2].toInt())
                : now.endsWith(
                    QStringLiteral(" %1.mp3\r\n").arg(playlistLength - 1).prepend(pending[2]).toUtf8());
            if (isNew) {
                e.playlists = done.playlists;
                e.covers = done.covers;
            }
        }
    }
    EXPECT_EQ(found, e.catalogue) << where << ": the catalogue holds every change reported done";
    for (const auto& [name, copy] : e.copies) {
        EXPECT_EQ(integrityOf(s.backupDir + name).toStdString(), "ok") << where << name.toStdString();
        EXPECT_EQ(readCatalogue(s.backupDir + name), copy) << where << " " << name.toStdString();
    }
    for (const QString& kept : QDir(s.backupDir).entryList({ QStringLiteral("K*.db") }))
        EXPECT_EQ(integrityOf(s.backupDir + kept).toStdString(), "ok") << where << kept.toStdString();
    const QByteArray ini = qtkit::fileBytes(home.iniPath());
    EXPECT_TRUE(ini.contains("Setup=1") && (e.player.isEmpty() || holdsValue(ini, e.player)))
        << where << ini.toStdString();
    for (const auto& [name, prefix] : e.playlists) {
        QString text;
        for (const QString& track : playlistNames(prefix))
            text += home.path() + QStringLiteral("Music/") + track + QStringLiteral("\r\n");
        EXPECT_TRUE(qtkit::fileBytes(s.muziekDir + name) == text.toUtf8()) << where << name.toStdString();
    }
    for (const auto& [name, number] : e.covers)
        EXPECT_TRUE(qtkit::fileBytes(s.coverDir + name) == picture(number)) << where << name.toStdString();
    if (QFileInfo::exists(s.backupDir + QStringLiteral("Covers.cab"))) {
        EXPECT_TRUE(cabinetFileNames(s.backupDir + QStringLiteral("Covers.cab"))) << where;
    }
}

TEST(Stress, KilledAtAnyMomentLosesNothing)
{
    const int asked = qEnvironmentVariableIntValue("MELOTHEEK_STRESS_KILLS");
    const int kills = asked > 0 ? asked : 6;
    const quint32 seed = qEnvironmentVariableIsSet("MELOTHEEK_STRESS_SEED")
        ? qEnvironmentVariable("MELOTHEEK_STRESS_SEED").toUInt()
        : QRandomGenerator::global()->generate();
    std::cout << "stress seed " << seed << " (MELOTHEEK_STRESS_SEED replays it)" << std::endl;
    QRandomGenerator rng(seed);

    TestHome home;
    for (int number = 0; number < pictureCount; ++number)
        qtkit::writeFile(picturePath(home.path(), number), picture(number));
    Expected e;
    e.player = settingsFields(home.session().settings)[1];
    const QString journal = journalPath(home.path());
    int operations = 0;
    int midOperation = 0;
    std::map<QString, int> done; // operations reported done, by kind
    for (int kill = 0; kill < kills && !HasFailure(); ++kill) {
        const qint64 from = qtkit::fileBytes(journal).size();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(childHomeVariable), home.path());
        env.insert(QStringLiteral("MELOTHEEK_STRESS_RUN"), QString::number(rng.generate()));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--gtest_filter=Stress.Child") });
        ASSERT_TRUE(child.waitForStarted());
        // Kill once the child has journalled a random number of lines: mid-operation, as a
        // line is written after each step.
        const int lines = 1 + static_cast<int>(rng.bounded(24));
        (void)QTest::qWaitFor(
            [&] {
                return qtkit::fileBytes(journal).mid(from).count('\n') >= lines
                    || child.state() != QProcess::Running;
            },
            60000);
        ASSERT_EQ(child.state(), QProcess::Running) << "the child stopped by itself";
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished());

        // Only whole lines count: a half-written "begin" is an operation not yet begun, a
        // half-written "ok" leaves it under way.
        QByteArray written = qtkit::fileBytes(journal).mid(from);
        written.truncate(written.lastIndexOf('\n') + 1);
        QStringList pending;
        for (const QByteArray& line : written.split('\n')) {
            if (line == "ok") {
                apply(e, pending);
                ++done[pending.value(0)];
                pending.clear();
                ++operations;
            } else if (line.startsWith("begin\t")) {
                pending = QString::fromUtf8(line).split(QLatin1Char('\t')).mid(1);
            }
        }
        midOperation += pending.isEmpty() ? 0 : 1;
        checkHome(home, e, pending,
            "after kill " + std::to_string(kill + 1) + " (seed " + std::to_string(seed) + ")");
        // The journal ends with a whole line for the next child.
        if (!qtkit::fileBytes(journal).endsWith('\n'))
            qtkit::writeFile(journal, qtkit::fileBytes(journal) + '\n');
    }
    std::cout << "stress: " << kills << " kills (" << midOperation << " during an operation), " << operations
              << " operations reported done, seed " << seed << "\n ";
    for (const auto& [kind, count] : done)
        std::cout << " " << kind.toStdString() << " " << count;
    std::cout << std::endl;
}

} // namespace
