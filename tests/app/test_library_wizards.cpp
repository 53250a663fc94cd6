// The library and Discogs wizards as the user drives them: what the walk found and its ticks,
// the import of the ticked albums (whole, also when cancelled), a second walk over the same
// tree, and the Discogs report with its refused lines.
#include "import/ui/discogsrapport.h"
#include "import/ui/wizardbibliotheek.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/musicfiles.h"
#include "support/testhome.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using Found = WizardBibliotheek::Found;

// "caption kind ticked" per row of the found list; ticked is '-' where the row has no tick box.
QStringList foundRows(const WizardBibliotheek& wizard)
{
    const auto* list = qtkit::childOf<QTreeView>(&wizard, "lvGevonden");
    const auto* model = qobject_cast<const QStandardItemModel*>(list->model());
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem* item = model->item(row);
        const QChar tick = !(item->flags() & Qt::ItemIsUserCheckable) ? QLatin1Char('-')
            : item->checkState() == Qt::Checked                       ? QLatin1Char('x')
                                                                      : QLatin1Char('o');
        rows << QStringLiteral("%1 %2 %3")
                    .arg(item->text())
                    .arg(item->data(WizardBibliotheek::kindRole).toInt())
                    .arg(tick);
    }
    rows.sort();
    return rows;
}

QString row(const char* caption, Found kind, char tick)
{
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromUtf8(caption))
        .arg(static_cast<int>(kind))
        .arg(QLatin1Char(tick));
}

// "artist/title/tracks" of every album in the catalogue.
std::string catalogued(const TestHome& home)
{
    auto rows = home.catalogue().OpenRecordset(
        QStringLiteral("SELECT a.Artiest, t.Titel, (SELECT COUNT(*) FROM Tracks r WHERE r.Titelid = t.Id) "
                       "FROM Titel t JOIN Artiest a ON a.Id = t.ArtiestId ORDER BY a.Artiest, t.Titel"));
    EXPECT_TRUE(rows.ok());
    QStringList albums;
    for (const QVariantList& r : rows ? rows.value().rows : QList<QVariantList>())
        albums << r[0].toString() + QLatin1Char('/') + r[1].toString() + QLatin1Char('/') + r[2].toString();
    return albums.join(QStringLiteral("; ")).toStdString();
}

TagValues tagged(const char* title, const char* artist = "", const char* album = "", int track = 0)
{
    TagValues tags;
    tags.title = QString::fromUtf8(title);
    tags.artist = QString::fromUtf8(artist);
    tags.album = QString::fromUtf8(album);
    tags.year = 2000;
    tags.track = track;
    return tags;
}

void walk(WizardBibliotheek& wizard, FakePrompts& prompts, const QString& root)
{
    prompts.chosenFolders = { root };
    qtkit::clickButton(&wizard, "cmdBladeren");
}

TEST(LibraryWizard, ListsWhatTheWalkFoundImportsTheTickedAlbumsWholeAndStoresNothingTwice)
{
    const struct {
        const char* what;
        bool cancel;
        const char* catalogue; // afterwards, with the album catalogued before
        int stored;
    } cases[] = {
        { "import", false, "Alpha/First/2; Delta/Known/0; Gamma/Third/1", 2 },
        { "cancelled before the first album", true, "Delta/Known/0", 0 },
    };
    for (const auto& c : cases) {
        TestHome home;
        const qint64 delta = home.db().addArtist(QStringLiteral("Delta"));
        home.db().addAlbum(delta, QStringLiteral("Known"), 2000);
        const QString root = home.filePath(QStringLiteral("Library/"));
        const std::pair<const char*, TagValues> files[] = {
            { "A/First/1.mp3", tagged("One", "Alpha", "First", 1) },
            { "A/First/2.mp3", tagged("Two", "Alpha", "First", 2) },
            { "B/2.flac", tagged("Only", "Beta", "Second", 1) },
            { "C/x.ogg", tagged("Solo", "Gamma", "Third", 1) },
            { "D/k.mp3", tagged("Old", "Delta", "Known", 1) },
            { "loose.mp3", tagged("Just a title") },
        };
        for (const auto& [path, tags] : files) {
            QDir().mkpath(QFileInfo(root + QLatin1String(path)).path());
            ASSERT_TRUE(writeMusicFile(root + QLatin1String(path),
                QString::fromLatin1(path).endsWith(".mp3")        ? AudioKind::Mp3
                    : QString::fromLatin1(path).endsWith(".flac") ? AudioKind::Flac
                                                                  : AudioKind::OggVorbis,
                2, tags));
        }
        qtkit::writeFile(root + QStringLiteral("junk.mp3"), "no music at all");

        FakePrompts prompts;
        Session& session = home.session();
        {
            WizardBibliotheek wizard(session, prompts);
            wizard.show();
            walk(wizard, prompts, root);
            EXPECT_EQ(foundRows(wizard),
                QStringList(
                    { row("Alpha – First", Found::NewAlbum, 'x'), row("Beta – Second", Found::NewAlbum, 'x'),
                        row("Delta – Known", Found::PresentAlbum, '-'),
                        row("Gamma – Third", Found::NewAlbum, 'x'), row("junk.mp3", Found::NotMusic, '-'),
                        row("loose.mp3", Found::Untagged, '-') }))
                << c.what;
            auto* model = qobject_cast<QStandardItemModel*>(
                qtkit::childOf<QTreeView>(&wizard, "lvGevonden")->model());
            model->findItems(QStringLiteral("Beta – Second")).value(0)->setCheckState(Qt::Unchecked);

            bool imported = false;
            QObject::connect(&wizard, &WizardBibliotheek::imported, [&] { imported = true; });
            // Another program holds the catalogue until the progress window stands, so the
            // Cancel is seen before the import has stored anything.
            RawConnection other(home.db().path());
            ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            qtkit::onNextModal(QStringLiteral("Voortgang"), [&](QWidget* progress) {
                if (c.cancel)
                    qtkit::clickButton(progress, "cmdAnnuleren");
                EXPECT_TRUE(other.exec(QStringLiteral("COMMIT")));
            });
            qtkit::clickButton(&wizard, "cmdImporteren");
            EXPECT_EQ(catalogued(home), c.catalogue) << c.what;
            EXPECT_EQ(imported, c.stored > 0) << c.what;
            const QString summary = qtkit::childOf<QPlainTextEdit>(&wizard, "txtSamenvatting")->toPlainText();
            EXPECT_TRUE(summary.contains(QString::number(c.stored))) << summary.toStdString();
        }

        // A second walk reads only the files not stored and offers what is still missing.
        WizardBibliotheek again(session, prompts);
        again.show();
        walk(again, prompts, root);
        QStringList missing = { row("Beta – Second", Found::NewAlbum, 'x') };
        if (c.cancel)
            missing << row("Alpha – First", Found::NewAlbum, 'x')
                    << row("Gamma – Third", Found::NewAlbum, 'x');
        missing.sort();
        EXPECT_EQ(foundRows(again), missing) << c.what;
    }
}

TEST(DiscogsWizard, ReportsAddedSkippedAndRefusedRowsWithTheirLines)
{
    TestHome home;
    const qint64 nirvana = home.db().addArtist(QStringLiteral("Nirvana"));
    home.db().addAlbum(nirvana, QStringLiteral("Bleach"), 1989);
    const QString csv = home.filePath(QStringLiteral("collection.csv"));
    qtkit::writeFile(csv,
        "Artist,Title,Format,Released\n"
        "Nirvana (2),Nevermind,\"CD, Album\",1991\n"
        "Nirvana,Bleach,LP,1989\n"
        "Nobody,,CD,2000\n");
    FakePrompts prompts;
    prompts.chosenFiles = { csv };
    QString report;
    qtkit::onNextModal(QStringLiteral("DiscogsRapport"), [&](QWidget* window) {
        report = qtkit::childOf<QPlainTextEdit>(window, "txtRapport")->toPlainText();
        window->close();
    });
    EXPECT_TRUE(importDiscogsFile(nullptr, home.session(), prompts));
    EXPECT_EQ(catalogued(home), "Nirvana/Bleach/0; Nirvana/Nevermind/0");
    // One line each for added, skipped and refused, and the refused row by its line number.
    EXPECT_EQ(report.count(QStringLiteral(": 1\n")), 3) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral(" 4: "))) << report.toStdString();
}

} // namespace
