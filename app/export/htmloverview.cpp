#include "export/htmloverview.h"

#include "db/catalogue.h"
#include "db/sqlitehandles.h"
#include "export/rowstream.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

namespace {

// Artist name first, then newest year first; the ids keep equal names and equal years in one
// stable order, so each artist's albums form one run.
const QString selectList = QStringLiteral("SELECT Artiest.Artiest, Titel.Titel, Titel.Jaar, Titel.Drager "
                                          "FROM Titel INNER JOIN Artiest ON Titel.ArtiestId = Artiest.Id ");
const QString orderBy
    = QStringLiteral(" ORDER BY Artiest.Artiest, Artiest.Id, Titel.Jaar DESC, Titel.Titel, Titel.Id");

QString cell(const QString& escapedContent)
{
    return QStringLiteral("  <TD>") + escapedContent + QStringLiteral("</TD>");
}

// Collects the page as UTF-8 and hands it to the file in large pieces.
class PageWriter {
public:
    explicit PageWriter(QSaveFile& file)
        : file_(file)
    {
    }

    void line(const QString& text)
    {
        buffer_ += text.toUtf8();
        buffer_ += "\r\n";
        if (buffer_.size() >= flushSize)
            flush();
    }

    bool flush()
    {
        if (!buffer_.isEmpty() && file_.write(buffer_) != buffer_.size())
            failed_ = true;
        buffer_.clear();
        return !failed_;
    }

    bool failed() const { return failed_; }

private:
    static constexpr qsizetype flushSize = 64 * 1024;
    QSaveFile& file_;
    QByteArray buffer_;
    bool failed_ = false;
};

} // namespace

QString htmlEscaped(const QString& text)
{
    QString escaped = text.toHtmlEscaped(); // & < > "
    escaped.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return escaped;
}

std::optional<AppError> writeHtmlOverview(const Catalogue& catalogue, ExportScope scope, qint64 artistId,
    const HtmlOverviewTexts& texts, const QString& filePath, const QString& source)
{
    const QString shownPath = QDir::toNativeSeparators(filePath);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        return AppError { ErrorNumbers::fileAccess,
            QStringLiteral("The overview %1 cannot be written: %2").arg(shownPath, file.errorString()),
            source };
    }
    PageWriter page(file);
    page.line(QStringLiteral("<HTML>"));
    page.line(QStringLiteral("<HEAD>"));
    page.line(QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">"));
    page.line(QStringLiteral("<style type='text/css'>body{font-family: 'Arial';}</style>"));
    page.line(QStringLiteral("<TITLE>") + htmlEscaped(texts.programName) + QStringLiteral("</TITLE>"));
    page.line(QStringLiteral("</HEAD>"));
    page.line(QStringLiteral("<BODY TEXT=#000000 BGCOLOR=#6B86BD>"));
    page.line(QStringLiteral("<H1><U>") + htmlEscaped(texts.heading) + QStringLiteral("</U></H1>"));
    page.line(QStringLiteral("<BR><BR>"));
    page.line(QStringLiteral("<TABLE WIDTH=100% CELLPADDING=2 CELLSPACING=2 BGCOLOR=#DEDFEF BORDER=1>"));

    page.line(QStringLiteral("<TR>"));
    for (const QString& header : { texts.artist, texts.title, texts.year, texts.format })
        page.line(QStringLiteral("<TH align='Left'>") + htmlEscaped(header) + QStringLiteral("</TH>"));
    page.line(QStringLiteral("</TR>"));

    const bool all = scope == ExportScope::AllArtists;
    const QString sql = selectList + (all ? QString() : QStringLiteral("WHERE Artiest.Id = ?")) + orderBy;
    const QVariantList params = all ? QVariantList {} : QVariantList { artistId };

    // Unset before the first row, so that the first artist always shows, even without a name.
    std::optional<QString> previousArtist;
    const DbStatus read = streamRows(catalogue, sql, params, [&](const SqliteStatement& row) {
        const QString artist = row.text(0);
        QString line = QStringLiteral("<TR>");
        line += previousArtist == artist ? cell(QStringLiteral("&nbsp")) : cell(htmlEscaped(artist));
        for (int column = 1; column < 4; ++column)
            line += cell(htmlEscaped(row.text(column)));
        line += QStringLiteral("</TR>");
        page.line(line);
        previousArtist = artist;
        return !page.failed();
    });
    if (!read) {
        file.cancelWriting();
        return AppError { read.error().code, read.error().text, source };
    }

    for (const char* closing : { "</TABLE>", "<P>", "<BR>", "</BODY>", "</HTML>" })
        page.line(QLatin1String(closing));
    if (!page.flush() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return AppError { ErrorNumbers::fileAccess,
            QStringLiteral("The overview %1 could not be written completely (%2); an earlier "
                           "overview of that name is left as it was.")
                .arg(shownPath, reason),
            source };
    }
    return std::nullopt;
}
