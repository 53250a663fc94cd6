#include "db/textsearch.h"

#include "db/recordsetreader.h"
#include "db/sqlitehandles.h"

#include <QStringMatcher>
#include <algorithm>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace {

const char* const containsFunction = "contains_term";

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The term contains_term looks for. Most terms and most names are plain ASCII; for those a
// byte comparison gives the same answer as Unicode case folding, without decoding the name.
struct SearchTerm {
    explicit SearchTerm(const QString& term)
        : matcher(term, Qt::CaseInsensitive)
    {
        const QByteArray utf8 = term.toUtf8();
        if (isAscii(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))) {
            asciiLowered.resize(static_cast<std::size_t>(utf8.size()));
            std::transform(utf8.begin(), utf8.end(), asciiLowered.begin(), asciiLower);
            ascii = true;
        }
    }

    bool foundIn(std::string_view name) const
    {
        if (ascii && isAscii(name))
            return std::search(name.begin(), name.end(), asciiLowered.begin(), asciiLowered.end(),
                       [](char a, char b) { return asciiLower(a) == b; })
                != name.end();
        // Any other letter: compare in Unicode case folding ("É" and "é", "ſ" and "s").
        return matcher.indexIn(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))) >= 0;
    }

    QStringMatcher matcher;
    std::string asciiLowered;
    bool ascii = false;
};

// contains_term(text): 1 when `text` contains the term the function was registered with,
// letter case aside; 0 for Null.
void containsTerm(sqlite3_context* context, int, sqlite3_value** argv)
{
    const auto* term = static_cast<const SearchTerm*>(sqlite3_user_data(context));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    if (text == nullptr) {
        sqlite3_result_int(context, 0);
        return;
    }
    const std::string_view name(text, static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
    sqlite3_result_int(context, term->foundIn(name) ? 1 : 0);
}

// Runs `sql`, which filters with contains_term(...), on its own connection with the function
// bound to `term`.
DbResult<Recordset> runSearch(const Catalogue& catalogue, const QString& sql, const QString& term)
{
    // Declared before the connection: the function's data must outlive it.
    SearchTerm searchTerm(term);
    auto connection = SqliteConnection::open(catalogue.path());
    if (!connection)
        return connection.error();
    const int rc = sqlite3_create_function_v2(connection.value().handle(), containsFunction, 1,
        SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY, &searchTerm, containsTerm, nullptr, nullptr,
        nullptr);
    if (rc != SQLITE_OK)
        return connection.value().lastError(rc);

    auto prepared = connection.value().prepare(sql);
    if (!prepared)
        return prepared.error();
    SqliteStatement& statement = prepared.value();

    return readRecordset(statement);
}

} // namespace

DbResult<Recordset> findTracks(const Catalogue& catalogue, const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& titleCaption)
{
    return runSearch(catalogue,
        QStringLiteral("SELECT Artiest.Artiest AS %1, Titel.Titel AS Album, Titel.Jaar AS %2, "
                       "Tracks.Naam AS %3 FROM Artiest, Titel, Tracks "
                       "WHERE Artiest.Id = Titel.ArtiestId AND Titel.Id = Tracks.Titelid "
                       "AND contains_term(Tracks.Naam) ORDER BY Titel.Jaar")
            .arg(Catalogue::quoteIdentifier(artistCaption), Catalogue::quoteIdentifier(yearCaption),
                Catalogue::quoteIdentifier(titleCaption)),
        term);
}

DbResult<Recordset> findAlbums(const Catalogue& catalogue, const QString& term, const QString& artistCaption,
    const QString& yearCaption, const QString& formatCaption)
{
    return runSearch(catalogue,
        QStringLiteral("SELECT Artiest.Artiest AS %1, Titel.Titel AS Album, Titel.Jaar AS %2, "
                       "Titel.Drager AS %3 FROM Artiest, Titel "
                       "WHERE Artiest.Id = Titel.ArtiestId AND contains_term(Titel.Titel) "
                       "ORDER BY Artiest.Artiest")
            .arg(Catalogue::quoteIdentifier(artistCaption), Catalogue::quoteIdentifier(yearCaption),
                Catalogue::quoteIdentifier(formatCaption)),
        term);
}
