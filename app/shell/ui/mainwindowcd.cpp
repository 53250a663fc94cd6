// The main window's ways into the import wizards (a CD, an album from a folder) and the
// discography window (an artist's discography, or the selected album's track editor).
#include "extras/ui/discografie.h"
#include "import/ui/folderimportwizard.h"
#include "import/ui/wizardcd.h"
#include "shell/session.h"
#include "shell/ui/mainwindow.h"

#include <QComboBox>

void MainWindow::showImportWizard()
{
    WizardCD wizard(session_, prompts_, this);
    // After an import the artist list is read again and its first artist selected.
    connect(&wizard, &WizardCD::imported, this, &MainWindow::reloadCatalogue);
    wizard.exec();
}

void MainWindow::showFolderImport()
{
    FolderImportWizard wizard(session_, prompts_, this);
    connect(&wizard, &FolderImportWizard::imported, this, [this](qint64 artistId, qint64 titleId) {
        // The album may have joined an artist whose name differs from the tags in letter case.
        const auto named = catalogue().OpenRecordset(
            QStringLiteral("SELECT Artiest FROM Artiest WHERE Id = ?"), { artistId });
        const QString name = named && !named.value().rows.isEmpty()
            ? named.value().rows.first().value(0).toString()
            : QString();
        reloadArtistsAndSelect(artistId, name);
        reloadTitlesAndSelect(titleKey(titleId));
    });
    wizard.exec();
}

void MainWindow::showDiscography()
{
    const qint64 artistId = selectedArtistId();
    if (artistId == 0)
        return;
    session_.listMode = QStringLiteral("Discografie");
    DiscographySubject subject;
    subject.artistId = artistId;
    subject.artistName = cboArtiest_->currentText();
    Discografie window(session_, prompts_, subject, this);
    window.exec();
}

void MainWindow::showTrackEditor()
{
    const TitleRow* row = selectedTitleRow();
    if (!row)
        return;
    session_.listMode = QStringLiteral("Tracks");
    DiscographySubject subject;
    subject.artistId = selectedArtistId();
    subject.artistName = cboArtiest_->currentText();
    subject.titleId = row->id;
    subject.albumTitle = row->titel;
    subject.albumLength = row->lengte;
    const QString key = row->key();
    Discografie window(session_, prompts_, subject, this);
    window.exec();
    // Tracks from a CD also give the album its length.
    if (window.tracksStored())
        reloadTitlesAndSelect(key);
}
