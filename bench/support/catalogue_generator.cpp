#include "support/catalogue_generator.h"

#include "db/catalogue.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

// mt19937's sequence is fixed by the standard; the distributions are not, so draws are
// taken from it directly to give the same catalogue with every standard library.
class Draw {
public:
    explicit Draw(std::uint32_t seed)
        : m_engine(seed)
    {
    }
    int below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(below(N))];
    }

private:
    std::mt19937 m_engine;
};

constexpr std::array<const char*, 24> firstNames = { "John", "Paul", "Anna", "Marie", "Kate", "David", "Joni",
    "Bruce", "Nina", "Tom", "Ella", "Miles", "Bob", "Herman", "Ramses", "Liesbeth", "Boudewijn", "Jacques",
    "Edith", "Udo", "Nena", "Frank", "Björk", "Sinéad" };
constexpr std::array<const char*, 24> lastNames = { "Mitchell", "Springsteen", "Simone", "Waits",
    "Fitzgerald", "Davis", "Dylan", "Brood", "Shaffy", "List", "de Groot", "Brel", "Piaf", "Lindenberg",
    "Zappa", "Bush", "Bowie", "O'Connor", "Young", "Cohen", "Harris", "Lennon", "Reed", "Smith" };
constexpr std::array<const char*, 28> words
    = { "Blue", "Night", "River", "Golden", "Heart", "Stone", "Highway", "Rain", "Silver", "Moon", "Fire",
          "Dancing", "Lonely", "Summer", "Winter", "Dream", "Street", "Shadow", "Wild", "Crazy", "Love",
          "Train", "Sky", "Ocean", "Electric", "Rock 'n' Roll", "Zomer", "Liefde" };
constexpr std::array<const char*, 8> bandPrefixes = { "The ", "The ", "", "", "De ", "Les ", "", "Die " };
constexpr std::array<const char*, 6> carriers = { "CD", "CD", "CD", "LP", "MC", "DVD" };

std::string phrase(Draw& draw, int minWords, int maxWords)
{
    std::string text;
    const int count = draw.between(minWords, maxWords);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += draw.pick(words);
    }
    return text;
}

// A person or a band; a number now and then, as in "Volume 2" artists and tribute bands.
std::string artistName(Draw& draw)
{
    std::string name = draw.percent(55) ? std::string(draw.pick(firstNames)) + ' ' + draw.pick(lastNames)
                                        : std::string(draw.pick(bandPrefixes)) + phrase(draw, 1, 2) + 's';
    return draw.percent(10) ? name + ' ' + std::to_string(draw.between(2, 99)) : name;
}

std::string minutesSeconds(int seconds)
{
    const int s = seconds % 60;
    return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

std::string hex8(std::uint32_t value)
{
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xf];
    return text;
}

// Spreads `total` over `buckets` so that every bucket gets at least `minimum`; deterministic.
std::vector<int> spread(Draw& draw, int buckets, int total, int minimum, int maximum)
{
    std::vector<int> counts(static_cast<std::size_t>(buckets));
    int sum = 0;
    for (int& c : counts) {
        c = draw.between(minimum, maximum);
        sum += c;
    }
    while (sum != total) {
        int& c = counts[static_cast<std::size_t>(draw.below(buckets))];
        if (sum < total && c < maximum * 4) {
            ++c;
            ++sum;
        } else if (sum > total && c > minimum) {
            --c;
            --sum;
        }
    }
    return counts;
}

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

class Writer {
public:
    explicit Writer(sqlite3* db)
        : m_db(db)
    {
    }

    Statement prepare(const char* sql)
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &raw, nullptr) != SQLITE_OK)
            fail();
        return Statement(raw);
    }
    void text(sqlite3_stmt* s, int i, const std::string& value)
    {
        sqlite3_bind_text(s, i, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    qint64 insert(sqlite3_stmt* s)
    {
        if (sqlite3_step(s) != SQLITE_DONE)
            fail();
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
        return sqlite3_last_insert_rowid(m_db);
    }
    void exec(const char* sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail();
    }
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

private:
    void fail()
    {
        if (m_error.isEmpty())
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    sqlite3* m_db;
    QString m_error;
};

} // namespace

GeneratedCatalogue generateCatalogue(const QString& path, const CatalogueSize& size)
{
    GeneratedCatalogue result;
    if (size.heavyArtists * size.heavyAlbums > size.albums || size.heavyArtists >= size.artists) {
        result.error = QStringLiteral("the heavy artists need more albums than the catalogue has");
        return result;
    }
    if (DbStatus created = Catalogue::createEmpty(path); !created) {
        result.error = created.error().text;
        return result;
    }
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    Writer writer(raw);
    // A generated file can simply be made again, so no journal and no syncs while filling it.
    writer.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");

    Statement artist = writer.prepare("INSERT INTO Artiest (Artiest, datum_init, Info) VALUES (?, ?, ?)");
    Statement album = writer.prepare(
        "INSERT INTO Titel (ArtiestId, Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, "
        "Lengte, CDid, datum_lamu) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Statement track
        = writer.prepare("INSERT INTO Tracks (Titelid, Nummer, Naam, Lengte) VALUES (?, ?, ?, ?)");
    Statement disco = writer.prepare("INSERT INTO Discografie (ArtiestId, Titel, Jaar) VALUES (?, ?, ?)");
    if (writer.failed()) {
        result.error = writer.error();
        return result;
    }

    Draw draw(20240611);
    const int ordinaryArtists = size.artists - size.heavyArtists;
    std::vector<int> albumsPerArtist(static_cast<std::size_t>(size.heavyArtists), size.heavyAlbums);
    const std::vector<int> ordinary
        = spread(draw, ordinaryArtists, size.albums - size.heavyArtists * size.heavyAlbums, 1, 14);
    albumsPerArtist.insert(albumsPerArtist.end(), ordinary.begin(), ordinary.end());
    // Some albums were never given a track list; the rest share the tracks.
    std::vector<int> tracksPerAlbum(static_cast<std::size_t>(size.albums), 0);
    std::vector<std::size_t> withTracks;
    for (std::size_t a = 0; a < tracksPerAlbum.size(); ++a) {
        if (!draw.percent(4))
            withTracks.push_back(a);
    }
    const std::vector<int> trackCounts
        = spread(draw, static_cast<int>(withTracks.size()), size.tracks, 6, 17);
    for (std::size_t i = 0; i < withTracks.size(); ++i)
        tracksPerAlbum[withTracks[i]] = trackCounts[i];

    std::size_t albumIndex = 0;
    for (int a = 0; a < size.artists && !writer.failed(); ++a) {
        const int year0 = draw.between(1955, 2010);
        writer.text(artist.get(), 1, artistName(draw));
        writer.text(artist.get(), 2,
            "2005-0" + std::to_string(draw.between(1, 9)) + "-1" + std::to_string(draw.between(0, 9))
                + " 20:15:00");
        if (draw.percent(20))
            writer.text(artist.get(), 3, "Biography: " + phrase(draw, 20, 60));
        const qint64 artistId = writer.insert(artist.get());
        const int albums = albumsPerArtist[static_cast<std::size_t>(a)];
        if (a == 0)
            result.heavyArtistId = artistId;
        if (result.typicalArtistId == 0 && albums >= 8 && albums <= 10) {
            result.typicalArtistId = artistId;
            result.typicalArtistAlbums = albums;
        }

        for (int b = 0; b < albums && !writer.failed(); ++b, ++albumIndex) {
            sqlite3_stmt* s = album.get();
            sqlite3_bind_int64(s, 1, artistId);
            writer.text(s, 2, phrase(draw, 1, 4));
            if (!draw.percent(3))
                sqlite3_bind_int(s, 3, std::min(2023, year0 + b / 2 + draw.below(3)));
            if (!draw.percent(5))
                writer.text(s, 4, draw.pick(carriers));
            if (!draw.percent(30)) {
                writer.text(s, 5,
                    std::to_string(draw.between(1990, 2023)) + "-0" + std::to_string(draw.between(1, 9))
                        + "-2" + std::to_string(draw.between(0, 8)));
            }
            sqlite3_bind_int(s, 6, draw.percent(25) ? 1 : 0);
            if (draw.percent(15))
                writer.text(s, 7, phrase(draw, 3, 12));
            const int tracks = tracksPerAlbum[albumIndex];
            writer.text(s, 8, minutesSeconds(tracks * draw.between(150, 330)));
            if (tracks > 0 && draw.percent(60)) {
                const std::uint32_t id = (static_cast<std::uint32_t>(albumIndex) * 2654435761u)
                    ^ static_cast<std::uint32_t>(tracks);
                writer.text(s, 9, hex8(id));
            }
            writer.text(s, 10, "2015-11-0" + std::to_string(draw.between(1, 9)) + " 21:00:00");
            const qint64 titleId = writer.insert(s);

            for (int t = 1; t <= tracks && !writer.failed(); ++t) {
                sqlite3_bind_int64(track.get(), 1, titleId);
                sqlite3_bind_int(track.get(), 2, t);
                writer.text(track.get(), 3, phrase(draw, 1, 5));
                writer.text(track.get(), 4, minutesSeconds(draw.between(95, 540)));
                writer.insert(track.get());
            }
        }
        if (draw.percent(35)) {
            const int known = draw.between(3, 15);
            for (int d = 0; d < known; ++d) {
                sqlite3_bind_int64(disco.get(), 1, artistId);
                writer.text(disco.get(), 2, phrase(draw, 1, 4));
                sqlite3_bind_int(disco.get(), 3, std::min(2023, year0 + d));
                writer.insert(disco.get());
            }
        }
    }
    writer.exec("COMMIT");
    if (writer.failed()) {
        result.error = writer.error();
        return result;
    }
    result.ok = true;
    return result;
}
