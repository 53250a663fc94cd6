// The main window's ways into the other windows: the album and artist editors, moving an
// album, the biography, photos, track list and cover enlargement, and how the lists are
// reloaded and reselected when they come back.
#include "editing/ui/artisteditor.h"
#include "editing/ui/movealbumwindow.h"
#include "editing/ui/titleeditor.h"
#include "editing/ui/tracklistwindow.h"
#include "extras/ui/fotowindow.h"
#include "extras/ui/infowindow.h"
#include "extras/ui/vergroting.h"
#include "shell/artistlistmodel.h"
#include "shell/session.h"
#include "shell/titlelistmodel.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/picturelabel.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeView>

const TitleRow* MainWindow::selectedTitleRow() const
{
    if (selectedAlbumId() == 0)
        return nullptr;
    return &titleModel_->titles().at(lvTitels_->currentIndex().row());
}

void MainWindow::reloadTitlesAndSelect(const QString& key)
{
    fillTitleList();
    if (const int row = titleModel_->rowOfKey(key); row >= 0)
        selectAlbumRow(row);
    refreshAlbumDetails();
}

void MainWindow::refreshAlbumDetails()
{
    if (selectedAlbumId() != 0) {
        showAlbumDetails();
        return;
    }
    showPlainLogo();
    showNoCover();
}

void MainWindow::reloadArtistsAndSelect(qint64 artistId, const QString& name)
{
    const qint64 before = selectedArtistId();
    if (!fillArtistList())
        return;
    const QList<ArtistRow>& artists = artistModel_->artists();
    // Names need not be unique, so the stored artist is found by id and name together; the
    // name alone (first of that name) and the previous selection are the fallbacks.
    auto find = [&artists](auto matches) -> int {
        for (qsizetype i = 0; i < artists.size(); ++i)
            if (matches(artists.at(i)))
                return static_cast<int>(i);
        return -1;
    };
    int row = find([&](const ArtistRow& a) { return a.id == artistId && a.name == name; });
    if (row < 0)
        row = find([&](const ArtistRow& a) { return a.name == name; });
    if (row < 0)
        row = find([&](const ArtistRow& a) { return a.id == before; });
    if (row < 0 && !artists.isEmpty())
        row = 0;
    if (row >= 0) {
        selectArtist(row);
    } else {
        cboArtiest_->setCurrentIndex(-1);
        titleModel_->setTitles({});
        refreshAlbumDetails();
    }
}

void MainWindow::addAlbum()
{
    const qint64 artistId = selectedArtistId();
    if (artistId == 0)
        return;
    session_.editMode = false;
    runTitleEditor(artistId, 0);
}

void MainWindow::editAlbum()
{
    const qint64 titleId = selectedAlbumId();
    if (titleId == 0)
        return;
    session_.editMode = true;
    runTitleEditor(selectedArtistId(), titleId);
}

void MainWindow::runTitleEditor(qint64 artistId, qint64 titleId)
{
    TitleEditor editor(session_, prompts_, this);
    editor.setArtiestId(artistId);
    editor.setTitelId(titleId);
    editor.setArtistName(cboArtiest_->currentText());
    if (const TitleRow* row = selectedTitleRow())
        editor.setSelectedAlbum(*row);
    connect(&editor, &TitleEditor::coverShown, this, [this](const QString& path, bool stored) {
        if (showCoverFile(path, QStringLiteral("Titel.cmdHoesje_Click")) && stored)
            imgCover_->setTag(QStringLiteral("J"));
    });
    editor.exec();
    if (editor.userCancelled()) {
        // The cover may show a picture chosen for an album that was not stored.
        refreshAlbumDetails();
        return;
    }
    reloadTitlesAndSelect(session_.currentTitleKey);
}

void MainWindow::addArtist()
{
    session_.currentArtistName.clear();
    runArtistEditor(0);
}

void MainWindow::editArtist()
{
    const qint64 artistId = selectedArtistId();
    if (artistId == 0)
        return;
    session_.currentArtistName = cboArtiest_->currentText();
    runArtistEditor(artistId);
}

void MainWindow::runArtistEditor(qint64 artistId)
{
    ArtistEditor editor(session_, prompts_, this);
    editor.setArtiestId(artistId);
    editor.exec();
    if (editor.userCancelled())
        return;
    reloadArtistsAndSelect(
        editor.storedArtistId() != 0 ? editor.storedArtistId() : artistId, session_.currentArtistName);
}

void MainWindow::moveAlbum()
{
    const TitleRow* row = selectedTitleRow();
    if (!row)
        return;
    MoveAlbumWindow window(session_, prompts_, selectedArtistId(), row->id, row->titel, this);
    window.exec();
    // The moved album now belongs to another artist and leaves this list.
    if (window.moved())
        fillTitleList();
    refreshAlbumDetails();
}

void MainWindow::showBiography()
{
    const qint64 artistId = selectedArtistId();
    if (artistId == 0)
        return;
    cmdInfo_->setProperty("tag", QString::number(artistId));
    if (!info_)
        info_ = new InfoWindow(session_, prompts_, this);
    info_->setArtist(artistId, cboArtiest_->currentText());
    info_->show();
    info_->raise();
    info_->activateWindow();
}

void MainWindow::showPhotos()
{
    const qint64 artistId = selectedArtistId();
    if (artistId == 0)
        return;
    FotoWindow window(session_, prompts_, artistId, cboArtiest_->currentText(), this);
    window.exec();
}

void MainWindow::showTrackList()
{
    const qint64 titleId = selectedAlbumId();
    if (titleId == 0)
        return;
    TrackListWindow window(session_, prompts_, titleId, this);
    window.exec();
}

void MainWindow::showEnlargement()
{
    const qint64 titleId = selectedAlbumId();
    if (titleId == 0)
        return;
    closeEnlargement();
    const QRect coverOnScreen(imgCover_->mapToGlobal(QPoint(0, 0)), imgCover_->size());
    vergroting_ = new Vergroting(session_, prompts_, titleId, coverOnScreen, this);
    vergroting_->show();
}

void MainWindow::closeEnlargement()
{
    // The enlargement deletes itself when closed; the guarded pointer then reads null.
    if (vergroting_)
        vergroting_->close();
}
