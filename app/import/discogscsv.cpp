#include "import/discogscsv.h"

#include "editing/titlestore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cstdlib>
#include <csv.h>
#include <memory>

namespace {

// Longest field taken: a Discogs field is a few hundred bytes; a stray quote in a damaged file
// must not turn the rest of the file into one field held in memory.
constexpr size_t maxFieldBytes = 1024 * 1024;

void* cappedRealloc(void* block, size_t size)
{
    return size > maxFieldBytes + 64 * 1024 ? nullptr : std::realloc(block, size);
}

struct ParserFree {
    void operator()(csv_parser* parser) const
    {
        csv_free(parser);
        delete parser;
    }
};

// The state the parser's callbacks share.
struct Reading {
    const std::function<bool(const DiscogsRow&)>& sink;
    DiscogsColumns columns;
    QList<QByteArray> fields;
    bool haveHeader = false;
    bool stopped = false;
    qint64 rowLine = 0;
    bool rowPending = true; // the next non-blank line starts a row
    QString error;
};

void onField(void* data, size_t size, void* context)
{
    auto* reading = static_cast<Reading*>(context);
    reading->fields.append(QByteArray(static_cast<const char*>(data), qsizetype(size)));
}

void onRow(int, void* context)
{
    auto* reading = static_cast<Reading*>(context);
    reading->rowPending = true;
    QList<QByteArray> fields;
    fields.swap(reading->fields);
    if (reading->stopped)
        return;
    if (!reading->haveHeader) {
        reading->haveHeader = true;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QByteArray name = fields[i].trimmed();
            if (i == 0 && name.startsWith("\xef\xbb\xbf"))
                name.remove(0, 3);
            reading->columns.insert(QString::fromUtf8(name), i);
        }
        QStringList missing;
        for (const QString& needed : { QStringLiteral("Artist"), QStringLiteral("Title") }) {
            if (!reading->columns.contains(needed))
                missing << needed;
        }
        if (!missing.isEmpty()) {
            reading->error = QCoreApplication::translate(
                "DiscogsImport", "The file is no Discogs collection list: it has no column %1.")
                                 .arg(missing.join(QStringLiteral(", ")));
            reading->stopped = true;
        }
        return;
    }
    if (!reading->sink(mapDiscogsRow(reading->columns, fields, reading->rowLine)))
        reading->stopped = true;
}

QString field(const DiscogsColumns& columns, const QList<QString>& texts, const char* name)
{
    const qsizetype index = columns.value(QLatin1String(name), -1);
    return index >= 0 && index < texts.size() ? texts[index].trimmed() : QString();
}

// Whether libcsv sees no row in the line: it holds only its blanks (space, tab) and line ends.
bool isBlankLine(QByteArrayView line)
{
    return std::all_of(
        line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n') && c != QLatin1Char('\r')
            && c != QLatin1Char('\t'))
            return true;
    }
    return false;
}

} // namespace

QString discogsArtist(const QString& name)
{
    // Discogs tells artists of the same name apart by a number: "Nirvana (2)".
    static const QRegularExpression suffix(QStringLiteral(" \\(\\d+\\)(?=$|,| )"));
    return QString(name).remove(suffix).simplified();
}

QString discogsCarrier(const QString& format)
{
    // "2xLP, Album, RE": the first kind, without its count, tells the carrier.
    static const QRegularExpression count(QStringLiteral("^\\d+\\s*[x×]\\s*"));
    struct Kind {
        const char* discogs;
        const char* carrier;
    };
    static const Kind kinds[] = { { "cd", "CD" }, { "cdr", "CD" }, { "hdcd", "CD" }, { "minimax cd", "CD" },
        { "cdv", "CD" }, { "sacd", "SAC" }, { "vinyl", "LP" }, { "lp", "LP" }, { "lathe cut", "LP" },
        { "flexi-disc", "LP" }, { "shellac", "LP" }, { "acetate", "LP" }, { "cassette", "MC" },
        { "cass", "MC" }, { "microcassette", "MC" }, { "dvd", "DVD" }, { "dvdr", "DVD" }, { "blu-ray", "BD" },
        { "blu-ray-r", "BD" }, { "minidisc", "MD" }, { "dat", "DAT" }, { "8-track cartridge", "8TR" },
        { "reel-to-reel", "RTR" } };
    QStringList parts = format.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = part.trimmed().remove(count).trimmed();
    // "File, MP3" and "Box Set, CD": the part after tells what it is.
    while (!parts.isEmpty()
        && (parts.first().compare(QLatin1String("Box Set"), Qt::CaseInsensitive) == 0
            || parts.first().compare(QLatin1String("All Media"), Qt::CaseInsensitive) == 0))
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    if (parts.first().compare(QLatin1String("File"), Qt::CaseInsensitive) == 0)
        return parts.size() > 1 ? parts[1].left(3).toUpper() : QStringLiteral("MP3");
    const QString kind = parts.first().toLower();
    for (const Kind& known : kinds) {
        if (kind == QLatin1String(known.discogs))
            return QLatin1String(known.carrier);
    }
    QString letters;
    for (const QChar c : parts.first()) {
        if (c.isLetterOrNumber())
            letters += c;
    }
    return letters.left(3).toUpper();
}

QString discogsYear(const QString& released)
{
    // "1991", "1991-09-24", "1991-00-00"; "0" or "" when Discogs does not know.
    static const QRegularExpression year(QStringLiteral("^\\s*(\\d{4})"));
    const QRegularExpressionMatch match = year.match(released);
    return match.hasMatch() && match.captured(1).toInt() > 0 ? match.captured(1) : QString();
}

QString cutToLetters(const QString& text, qsizetype limit)
{
    const QString line = text.simplified();
    if (line.size() <= limit)
        return line;
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, line);
    letters.setPosition(int(limit));
    if (!letters.isAtBoundary())
        letters.toPreviousBoundary();
    return line.left(qMax(0, letters.position())).trimmed();
}

DiscogsRow mapDiscogsRow(const DiscogsColumns& columns, const QList<QByteArray>& fields, qint64 line)
{
    DiscogsRow row;
    row.line = line;
    QList<QString> texts;
    texts.reserve(fields.size());
    for (const QByteArray& bytes : fields) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (utf8.hasError() || hasControlCharacters(text)) {
            row.refusal
                = QCoreApplication::translate("DiscogsImport", "the row holds bytes that are no text");
            return row;
        }
        texts.append(std::move(text));
    }
    DiscogsAlbum album;
    album.artist = discogsArtist(field(columns, texts, "Artist"));
    album.titel = field(columns, texts, "Title").simplified();
    if (album.artist.isEmpty() || album.titel.isEmpty()) {
        row.refusal = QCoreApplication::translate("DiscogsImport", "the row has no artist or no title");
        return row;
    }
    album.jaar = discogsYear(field(columns, texts, "Released"));
    album.drager = discogsCarrier(field(columns, texts, "Format")).left(TitleLimits::drager);
    album.gekocht = QDate::fromString(field(columns, texts, "Date Added").left(10), Qt::ISODate);
    album.bijzonderheden
        = cutToLetters(field(columns, texts, "Collection Notes"), TitleLimits::bijzonderheden);
    row.album = std::move(album);
    return row;
}

QString readDiscogsCsv(QIODevice& input, const std::function<bool(const DiscogsRow&)>& sink)
{
    std::unique_ptr<csv_parser, ParserFree> parser(new csv_parser);
    if (csv_init(parser.get(), 0) != 0)
        return QCoreApplication::translate("DiscogsImport", "The CSV reader cannot start.");
    csv_set_realloc_func(parser.get(), cappedRealloc);
    Reading reading { sink, {}, {}, false, false, 0, true, {} };

    // Fed line by line, so each row knows the line it starts on.
    qint64 lineNumber = 0;
    while (!reading.stopped && !input.atEnd()) {
        const QByteArray line = input.readLine(qint64(maxFieldBytes));
        if (line.isEmpty())
            break;
        if (!line.endsWith('\n') && line.size() >= qsizetype(maxFieldBytes) - 1) {
            reading.error = QCoreApplication::translate(
                "DiscogsImport", "Line %1 is longer than any collection list has.")
                                .arg(lineNumber + 1);
            break;
        }
        // A carriage return alone ends a line too (files from old Macs): the line is fed in
        // pieces, one per physical line.
        for (qsizetype start = 0; start < line.size() && !reading.stopped && reading.error.isEmpty();) {
            qsizetype end = line.indexOf('\r', start);
            while (end >= 0 && end + 1 < line.size() && line[end + 1] == '\n')
                end = line.indexOf('\r', end + 1);
            end = end < 0 ? line.size() : end + 1;
            const QByteArrayView piece(line.constData() + start, end - start);
            start = end;
            ++lineNumber;
            if (reading.rowPending && !isBlankLine(piece)) {
                reading.rowLine = lineNumber;
                reading.rowPending = false;
            }
            if (csv_parse(parser.get(), piece.data(), size_t(piece.size()), onField, onRow, &reading)
                != size_t(piece.size())) {
                reading.error
                    = QCoreApplication::translate("DiscogsImport", "The row at line %1 cannot be read: %2")
                          .arg(reading.rowLine)
                          .arg(QString::fromUtf8(csv_strerror(csv_error(parser.get()))));
            }
        }
        if (!reading.error.isEmpty())
            break;
    }
    if (reading.error.isEmpty() && !reading.stopped)
        csv_fini(parser.get(), onField, onRow, &reading);
    if (reading.error.isEmpty() && !reading.haveHeader)
        reading.error
            = QCoreApplication::translate("DiscogsImport", "The file is empty: it has no header row.");
    return reading.error;
}
