#include "import/missingcovers.h"

#include "discovant/cddb/protocoltexts.h"
#include "discovant/musicbrainz/client.h"
#include "editing/coverfile.h"
#include "extras/picturefiles.h"
#include "shell/progressreport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <curl/curl.h>

namespace mb = discovant::musicbrainz;

namespace {

// Candidates of one album whose cover is asked for: the best releases are tried in turn,
// since not every release of an album has its front cover in the archive.
constexpr std::size_t kReleasesTried = 3;

// A search that failed this way would fail for every album after it.
bool stopsTheRun(const mb::Failure& failure)
{
    constexpr int32_t lastLibcurlNumber = 99; // the component's own numbers start at 8880
    return failure.number == discovant::kErrorServiceBusy
        || (failure.number <= lastLibcurlNumber && failure.number != CURLE_FILESIZE_EXCEEDED);
}

QString albumName(const CoverlessAlbum& album)
{
    return album.artist + QStringLiteral(" - ") + album.title;
}

} // namespace

DbResult<QList<CoverlessAlbum>> albumsWithoutCover(const Catalogue& catalogue, const QString& coverDir)
{
    auto rows = catalogue.OpenRecordset(QStringLiteral(
        "SELECT t.Id, a.Artiest, t.Titel, t.Jaar FROM Titel t JOIN Artiest a ON a.Id = t.ArtiestId "
        "ORDER BY a.Artiest, t.Titel, t.Id"));
    if (!rows)
        return DbResult<QList<CoverlessAlbum>>(rows.error());
    QList<CoverlessAlbum> albums;
    for (const QVariantList& row : rows.value().rows) {
        CoverlessAlbum album { row[0].toLongLong(), row[1].toString(), row[2].toString(),
            row[3].toLongLong() > 0 ? row[3].toString() : QString() };
        // Without an artist or a title there is nothing to search by.
        if (album.artist.trimmed().isEmpty() || album.title.trimmed().isEmpty())
            continue;
        if (!QFileInfo::exists(coverPath(coverDir, album.id)))
            albums.append(std::move(album));
    }
    return albums;
}

CoverSearchReport findMissingCovers(const QList<CoverlessAlbum>& albums, const QString& coverDir,
    mb::MusicBrainzClient& client, discovant::uCDDBLang language, ProgressReport& progress)
{
    CoverSearchReport report;
    report.total = albums.size();
    auto failed = [language](const mb::Failure& failure) {
        return QString::fromStdString(mb::failureText(failure, language));
    };
    for (qsizetype i = 0; i < albums.size(); ++i) {
        if (progress.cancelRequested()) {
            report.cancelled = true;
            break;
        }
        const CoverlessAlbum& album = albums[i];
        progress.setCount(i + 1, albums.size());
        progress.setStep(albumName(album));

        CoverOutcome outcome { album, CoverOutcome::Kind::NotFound, {} };
        const mb::Answer<std::vector<mb::Release>> releases = client.searchReleases(
            album.artist.toStdString(), album.title.toStdString(), album.year.toStdString());
        if (!releases && stopsTheRun(releases.failure)) {
            report.stoppedBy = failed(releases.failure);
            break;
        }
        if (!releases) {
            outcome.kind = CoverOutcome::Kind::Failed;
            outcome.reason = failed(releases.failure);
        } else if (releases.value->empty()) {
            outcome.reason = QCoreApplication::translate(
                "MissingCovers", "No release of this artist, title and year on MusicBrainz.");
        } else {
            outcome.reason
                = QCoreApplication::translate("MissingCovers", "No front cover in the Cover Art Archive.");
            const std::size_t tried = std::min(releases.value->size(), kReleasesTried);
            for (std::size_t r = 0; r < tried; ++r) {
                const mb::Answer<mb::Cover> cover = client.frontCover((*releases.value)[r].id);
                if (!cover && cover.failure.number == discovant::kErrorNoCover)
                    continue;
                if (!cover) {
                    outcome.kind = CoverOutcome::Kind::Failed;
                    outcome.reason = failed(cover.failure);
                } else if (const auto refused = storeCover(QByteArray::fromStdString(cover.value->bytes),
                               coverPath(coverDir, album.id), QStringLiteral("The cover from MusicBrainz"),
                               QStringLiteral("findMissingCovers"))) {
                    outcome.kind = CoverOutcome::Kind::Failed;
                    outcome.reason = refused->number == CoverErrors::invalidPicture
                        ? QCoreApplication::translate(
                            "MissingCovers", "The answer is not a picture this program can show.")
                        : QCoreApplication::translate("MissingCovers", "The cover %1 cannot be written: %2")
                              .arg(coverPath(coverDir, album.id), refused->description);
                } else {
                    outcome.kind = CoverOutcome::Kind::Found;
                    outcome.reason.clear();
                }
                break;
            }
        }
        // A request the cancel cut off says nothing about the album: it is searched next time.
        if (progress.cancelRequested() && outcome.kind == CoverOutcome::Kind::Failed) {
            report.cancelled = true;
            break;
        }
        report.outcomes.append(std::move(outcome));
    }
    return report;
}

QString coverReportText(const CoverSearchReport& report)
{
    qsizetype counts[3] = {};
    for (const CoverOutcome& outcome : report.outcomes)
        ++counts[static_cast<int>(outcome.kind)];
    const auto line = [](const char* text, qsizetype count) {
        return QCoreApplication::translate("MissingCovers", text).arg(count) + QLatin1Char('\n');
    };
    QString text = line(QT_TRANSLATE_NOOP("MissingCovers", "Covers found: %1"), counts[0])
        + line(QT_TRANSLATE_NOOP("MissingCovers", "Not found: %1"), counts[1])
        + line(QT_TRANSLATE_NOOP("MissingCovers", "Failed: %1"), counts[2]);
    if (!report.stoppedBy.isEmpty())
        text += QCoreApplication::translate("MissingCovers", "Stopped after %1 of %2 albums: %3")
                    .arg(report.outcomes.size())
                    .arg(report.total)
                    .arg(report.stoppedBy)
            + QLatin1Char('\n');
    if (report.cancelled)
        text += QCoreApplication::translate(
                    "MissingCovers", "Stopped after %1 of %2 albums; the next run goes on with the rest.")
                    .arg(report.outcomes.size())
                    .arg(report.total)
            + QLatin1Char('\n');
    const std::pair<CoverOutcome::Kind, const char*> sections[]
        = { { CoverOutcome::Kind::Failed, QT_TRANSLATE_NOOP("MissingCovers", "Failed:") },
              { CoverOutcome::Kind::NotFound, QT_TRANSLATE_NOOP("MissingCovers", "Not found:") } };
    for (const auto& [kind, heading] : sections) {
        if (counts[static_cast<int>(kind)] == 0)
            continue;
        text += QLatin1Char('\n') + QCoreApplication::translate("MissingCovers", heading) + QLatin1Char('\n');
        for (const CoverOutcome& outcome : report.outcomes)
            if (outcome.kind == kind)
                text += QStringLiteral("  %1: %2\n").arg(albumName(outcome.album), outcome.reason);
    }
    return text;
}

