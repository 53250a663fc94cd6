// The library and Discogs wizards as the user drives them: what the walk found and its ticks,
// the import of the ticked albums (whole, also when cancelled), a second walk over the same
// tree, and the Discogs report with its refused lines.
#include "import/ui/discogsrapport.h"
#include "import/ui/wizardbibliotheek.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/ui/mainwindow.h"
#include "support/fakeprompts.h"
#include "support/musicfiles.h"
#include "support/testhome.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// Chooses `root` in the wizard and gives its found list sorted, a row as "caption kind tick":
// kind N(ew), P(resent), U(ntagged), X (no music), R (unreadable); tick x, o, or - for none.
std::string walk(WizardBibliotheek& wizard, FakePrompts& prompts, const QString& root)
{
    prompts.chosenFolders = { root };
    qtkit::clickButton(&wizard, "cmdBladeren");
    const auto* model
        = qobject_cast<const QStandardItemModel*>(qtkit::childOf<QTreeView>(&wizard, "lvGevonden")->model());
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem* item = model->item(row);
        const char tick = !(item->flags() & Qt::ItemIsUserCheckable) ? '-'
            : item->checkState() == Qt::Checked                      ? 'x'
                                                                     : 'o';
        rows << QStringLiteral("%1 %2%3")
                    .arg(item->text())
                    .arg("NPUXR"[item->data(WizardBibliotheek::kindRole).toInt()])
                    .arg(tick);
    }
    rows.sort();
    return rows.join(QStringLiteral("; ")).toStdString();
}

// "artist/title/tracks" of every album in the catalogue.
std::string catalogued(const TestHome& home)
{
    auto rows = home.catalogue().OpenRecordset(
        QStringLiteral("SELECT a.Artiest || '/' || t.Titel || '/' || (SELECT COUNT(*) FROM Tracks r WHERE "
                       "r.Titelid = t.Id) FROM Titel t JOIN Artiest a ON a.Id = t.ArtiestId ORDER BY 1"));
    QStringList albums;
    for (const QVariantList& r : rows ? rows.value().rows : QList<QVariantList>())
        albums << r[0].toString();
    return albums.join(QStringLiteral("; ")).toStdString();
}

TEST(LibraryWizard, ListsWhatTheWalkFoundImportsTheTickedAlbumsWholeAndStoresNothingTwice)
{
    const struct {
        bool cancel;
        const char* catalogue; // afterwards, with the album catalogued before
        const char* secondWalk;
        int unchanged; // files the second walk leaves unread
    } cases[] = {
        { false, "Alpha/First/2; Delta/Known/0; Gamma/Third/1", "Beta – Second Nx", 6 },
        { true, "Delta/Known/0", "Alpha – First Nx; Beta – Second Nx; Gamma – Third Nx", 3 },
    };
    for (const auto& c : cases) {
        TestHome home;
        home.db().addAlbum(home.db().addArtist(QStringLiteral("Delta")), QStringLiteral("Known"), 2000);
        const QString root = home.filePath(QStringLiteral("Library/"));
        const struct {
            const char* path;
            AudioKind kind;
            const char* artist;
            const char* album;
        } files[] = { { "A/First/1.mp3", AudioKind::Mp3, "Alpha", "First" },
            { "A/First/2.mp3", AudioKind::Mp3, "Alpha", "First" },
            { "B/2.flac", AudioKind::Flac, "Beta", "Second" },
            { "C/x.ogg", AudioKind::OggVorbis, "Gamma", "Third" },
            { "D/k.mp3", AudioKind::Mp3, "Delta", "Known" }, { "loose.mp3", AudioKind::Mp3, "", "" } };
        for (const auto& file : files) {
            TagValues tags;
            tags.title = QString::fromLatin1(file.path);
            tags.artist = QString::fromLatin1(file.artist);
            tags.album = QString::fromLatin1(file.album);
            QDir().mkpath(QFileInfo(root + QLatin1String(file.path)).path());
            ASSERT_TRUE(writeMusicFile(root + QLatin1String(file.path), file.kind, 2, tags)) << file.path;
        }
        qtkit::writeFile(root + QStringLiteral("junk.mp3"), "no music at all");

        FakePrompts prompts;
        {
            WizardBibliotheek wizard(home.session(), prompts);
            wizard.show();
            EXPECT_EQ(walk(wizard, prompts, root),
                "Alpha – First Nx; Beta – Second Nx; Delta – Known P-; Gamma – Third Nx; junk.mp3 X-; "
                "loose.mp3 U-");
            auto* model = qobject_cast<QStandardItemModel*>(
                qtkit::childOf<QTreeView>(&wizard, "lvGevonden")->model());
            model->findItems(QStringLiteral("Beta – Second")).value(0)->setCheckState(Qt::Unchecked);

            bool imported = false;
            QObject::connect(&wizard, &WizardBibliotheek::imported, [&] { imported = true; });
            // Another program holds the catalogue until the progress window stands, so a Cancel
            // there comes before the import has stored anything.
            RawConnection other(home.db().path());
            ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            qtkit::onNextModal(QStringLiteral("Voortgang"), [&](QWidget* progress) {
                if (c.cancel)
                    qtkit::clickButton(progress, "cmdAnnuleren");
                EXPECT_TRUE(other.exec(QStringLiteral("COMMIT")));
            });
            qtkit::clickButton(&wizard, "cmdImporteren");
            EXPECT_EQ(catalogued(home), c.catalogue);
            EXPECT_EQ(imported, !c.cancel);
            const QString summary = qtkit::childOf<QPlainTextEdit>(&wizard, "txtSamenvatting")->toPlainText();
            EXPECT_TRUE(summary.contains(c.cancel ? "0" : "2")) << summary.toStdString();
        }
        // A second walk reads only the files not stored and offers what is still missing.
        WizardBibliotheek again(home.session(), prompts);
        again.show();
        EXPECT_EQ(walk(again, prompts, root), c.secondWalk);
        EXPECT_TRUE(qtkit::childOf<QLabel>(&again, "lblToelichting")
                        ->text()
                        .endsWith(QStringLiteral(": %1.").arg(c.unchanged)));
    }
}

TEST(DiscogsWizard, ReportsAddedSkippedAndRefusedRowsWithTheirLines)
{
    TestHome home;
    home.db().addAlbum(home.db().addArtist(QStringLiteral("Nirvana")), QStringLiteral("Bleach"), 1989);
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
    MainWindow window(home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
    window.start();
    window.findChild<QAction*>(QStringLiteral("mnuDiscogs"))->trigger();
    EXPECT_EQ(catalogued(home), "Nirvana/Bleach/0; Nirvana/Nevermind/0");
    EXPECT_EQ(qtkit::childOf<QTreeView>(&window, "lvTitels")->model()->rowCount(), 2)
        << "the lists refreshed";
    // Added, skipped and refused one each, and the refused row by its line number.
    EXPECT_EQ(report.count(QStringLiteral(": 1\n")), 3) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral(" 4: "))) << report.toStdString();
}

} // namespace
