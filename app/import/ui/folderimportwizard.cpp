#include "import/ui/folderimportwizard.h"

#include "db/catalogue.h"
#include "editing/artiststore.h"
#include "editing/titlestore.h"
#include "import/fetchedalbum.h"
#include "import/folderalbumstore.h"
#include "import/foldercover.h"
#include "import/ui/foldertrackmodel.h"
#include "shell/session.h"
#include "shell/startfolder.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"
#include "shell/ui/wizardlayout.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>
#include <variant>

namespace {

const QString source = QStringLiteral("WizardMap");
constexpr int coverSide = 120;
// Left-out files named one by one in the window; the rest are counted.
constexpr qsizetype namedLeftOut = 8;

// What reading a folder gave: the albums with their covers and the files that make none.
struct FolderReading {
    AlbumGrouping grouping;
    QStringList unreadable;
    QList<FolderCover> covers; // one per album
    bool cancelled = false;
};

FolderReading readAlbums(const QString& folder, ProgressReport& report)
{
    FolderReading reading;
    report.setStep(QCoreApplication::translate("FolderImportWizard", "Looking for music files…"));
    const MusicFolderScan scan
        = scanMusicFolder(folder, true, [&report] { return report.cancelRequested(); });
    reading.unreadable = scan.unreadable;
    QList<ReadMusicFile> read;
    read.reserve(scan.files.size());
    for (const FoundMusicFile& file : scan.files) {
        if (scan.cancelled || report.cancelRequested()) {
            reading.cancelled = true;
            return reading;
        }
        report.setStep(QCoreApplication::translate("FolderImportWizard", "Reading %1")
                           .arg(QFileInfo(file.path).fileName()));
        report.setCount(read.size(), scan.files.size());
        read.append({ file, readMusicTags(file.path) });
    }
    reading.grouping = groupIntoAlbums(read);
    for (const FolderAlbum& album : reading.grouping.albums) {
        if (report.cancelRequested()) {
            reading.cancelled = true;
            return reading;
        }
        reading.covers.append(findFolderCover(album, QSize(coverSide, coverSide)));
    }
    return reading;
}

// Names below `folder` as the user knows them, the first few of them and a count of the rest.
QString someNames(const QString& folder, const QStringList& paths)
{
    const QDir base(folder);
    QStringList names;
    for (qsizetype i = 0; i < paths.size() && i < namedLeftOut; ++i) {
        // The chosen folder itself (one that cannot be listed) goes by its whole name.
        const QString relative = base.relativeFilePath(paths.at(i));
        names << QDir::toNativeSeparators(relative == QLatin1String(".") ? paths.at(i) : relative);
    }
    if (paths.size() > namedLeftOut)
        names << QStringLiteral("…");
    return names.join(QStringLiteral(", "));
}

QStringList pathsOf(const QList<FoundMusicFile>& files)
{
    QStringList paths;
    for (const FoundMusicFile& file : files)
        paths << file.path;
    return paths;
}

QString albumCaption(const FolderAlbum& album)
{
    return QStringLiteral("%1 - %2 (%3)")
        .arg(album.artist, album.titel, QString::number(album.tracks.size()));
}

} // namespace

FolderImportWizard::FolderImportWizard(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(source);
    addHelpKey(this, session_, prompts_, QStringLiteral("importfolder"));
    buildWidgets();
    setWindowTitle(tr("Import album from folder"));
    lblStatus_->setText(tr("Step 1: Choose the folder"));
    lblToelichting_->setText(tr("Choose the folder that holds the music files of an album."));
    fraAlbum_->setVisible(false);
    cmdImporteren_->setVisible(false);
    offerCataloguedArtists();
}

void FolderImportWizard::offerCataloguedArtists()
{
    // Typing in the artist field offers the catalogue's artists: the album joins the one
    // whose name it then carries.
    const auto artists = Catalogue(session_.settings.database).FillArtistList(session_.languageLocale());
    if (!artists) {
        ShowError(this, session_, prompts_,
            { artists.error().code, artists.error().text, source + QStringLiteral(".Form_Load") });
        return;
    }
    QStringList names;
    for (const ArtistRow& artist : artists.value())
        names << artist.name;
    auto* completer = new QCompleter(names, txtArtiest_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    txtArtiest_->setCompleter(completer);
}

FolderImportWizard::~FolderImportWizard() = default;

QString FolderImportWizard::menuCaption()
{
    return tr("Import album from folder...");
}

void FolderImportWizard::buildWidgets()
{
    lblStatus_ = newHeadingLabel(this, "lblStatus");
    lblToelichting_ = newExplanationLabel(this, "lblToelichting");

    txtMap_ = new QLineEdit(this);
    txtMap_->setObjectName(QStringLiteral("txtMap"));
    txtMap_->setReadOnly(true);
    txtMap_->setAccessibleName(tr("Folder"));
    cmdMap_ = new QPushButton(tr("&Folder..."), this);
    cmdMap_->setObjectName(QStringLiteral("cmdMap"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtMap_, 1);
    folderRow->addWidget(cmdMap_);

    lblOverslagen_ = new QLabel(this);
    lblOverslagen_->setObjectName(QStringLiteral("lblOverslagen"));
    lblOverslagen_->setWordWrap(true);
    lblOverslagen_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    fraAlbum_ = new QGroupBox(tr("Album"), this);
    fraAlbum_->setObjectName(QStringLiteral("fraAlbum"));
    cboAlbum_ = new QComboBox(fraAlbum_);
    cboAlbum_->setObjectName(QStringLiteral("cboAlbum"));
    cboAlbum_->setAccessibleName(tr("Albums in the folder"));
    auto field = [this](const char* name, int limit) {
        auto* edit = new QLineEdit(fraAlbum_);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(limit);
        return edit;
    };
    txtArtiest_ = field("txtArtiest", ArtistLimits::artiest);
    txtTitel_ = field("txtTitel", TitleLimits::titel);
    txtJaar_ = field("txtJaar", TitleLimits::jaar);
    txtJaar_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtJaar_));
    txtDrager_ = field("txtDrager", TitleLimits::drager);
    tracks_ = new FolderTrackModel(this);
    grdTracks_ = new QTableView(fraAlbum_);
    grdTracks_->setObjectName(QStringLiteral("grdTracks"));
    grdTracks_->setModel(tracks_);
    grdTracks_->verticalHeader()->setVisible(false);
    grdTracks_->horizontalHeader()->setSectionResizeMode(FolderTrackModel::Title, QHeaderView::Stretch);
    grdTracks_->setAccessibleName(tr("Tracks of the album"));
    imgCover_ = new QLabel(fraAlbum_);
    imgCover_->setObjectName(QStringLiteral("imgCover"));
    imgCover_->setFixedSize(coverSide, coverSide);
    imgCover_->setAlignment(Qt::AlignCenter);
    imgCover_->setWordWrap(true);
    imgCover_->setAccessibleName(tr("Cover of the album"));

    auto* fields = new QFormLayout;
    fields->addRow(session_.message(20), txtArtiest_);
    fields->addRow(session_.message(17), txtTitel_);
    fields->addRow(session_.message(18), txtJaar_);
    fields->addRow(session_.message(19), txtDrager_);
    auto* fieldsAndCover = new QHBoxLayout;
    fieldsAndCover->addLayout(fields, 1);
    fieldsAndCover->addWidget(imgCover_, 0, Qt::AlignTop);
    auto* albumLayout = new QVBoxLayout(fraAlbum_);
    albumLayout->addWidget(cboAlbum_);
    albumLayout->addLayout(fieldsAndCover);
    albumLayout->addWidget(grdTracks_, 1);

    cmdImporteren_ = new QPushButton(tr("&Import"), this);
    cmdImporteren_->setObjectName(QStringLiteral("cmdImporteren"));
    cmdImporteren_->setDefault(true);
    cmdAnnuleren_ = new QPushButton(session_.message(37), this);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAnnuleren_);
    buttons->addWidget(cmdImporteren_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus_);
    layout->addWidget(lblToelichting_);
    layout->addLayout(folderRow);
    layout->addWidget(lblOverslagen_);
    layout->addWidget(fraAlbum_, 1);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    connect(cmdMap_, &QPushButton::clicked, this, &FolderImportWizard::chooseFolder);
    connect(cboAlbum_, &QComboBox::currentIndexChanged, this, &FolderImportWizard::showCandidate);
    connect(cmdImporteren_, &QPushButton::clicked, this, &FolderImportWizard::store);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
}

void FolderImportWizard::chooseFolder()
{
    const QString start = txtMap_->text().isEmpty()
        ? startFolder({}, QStandardPaths::MusicLocation)
        : startFolder(txtMap_->text(), QStandardPaths::MusicLocation);
    const QString folder = prompts_.existingFolder(this, windowTitle(), start);
    if (!folder.isEmpty())
        readFolder(folder);
}

void FolderImportWizard::readFolder(const QString& folder)
{
    ProgressWindow window(this, windowTitle(), ProgressWindow::Cancel::Offered);
    FolderReading reading
        = window.run([folder](ProgressReport& report) { return readAlbums(folder, report); });
    if (reading.cancelled || window.cancelRequested())
        return; // nothing shown changes: the user may choose again

    txtMap_->setText(QDir::toNativeSeparators(folder));
    candidates_.clear();
    for (qsizetype i = 0; i < reading.grouping.albums.size(); ++i)
        candidates_.append(
            { reading.grouping.albums.at(i), reading.covers.at(i).image, reading.covers.at(i).origin });
    showLeftOut(folder, reading.grouping, reading.unreadable);

    const bool anyMusic = !reading.grouping.albums.isEmpty() || !reading.grouping.untagged.isEmpty()
        || !reading.grouping.notMusic.isEmpty();
    if (candidates_.isEmpty()) {
        lblStatus_->setText(tr("No album found"));
        lblToelichting_->setText(anyMusic
                ? tr("None of the music files in %1 names its album and artist in its tags.")
                      .arg(QDir::toNativeSeparators(folder))
                : tr("The folder %1 holds no music files.").arg(QDir::toNativeSeparators(folder)));
    } else {
        lblStatus_->setText(tr("Step 2: Check the album"));
        lblToelichting_->setText(candidates_.size() > 1
                ? tr("This folder holds %1 albums; choose the one to import, correct what the tags say and "
                     "click 'Import'.")
                      .arg(candidates_.size())
                : tr("Correct what the tags say and click 'Import'."));
    }
    fillAlbumChoice();
}

void FolderImportWizard::showLeftOut(
    const QString& folder, const AlbumGrouping& grouping, const QStringList& unreadable)
{
    QStringList lines;
    if (!grouping.untagged.isEmpty())
        lines << tr("Left out, no album or artist in their tags (%1): %2")
                     .arg(grouping.untagged.size())
                     .arg(someNames(folder, pathsOf(grouping.untagged)));
    if (!grouping.notMusic.isEmpty())
        lines << tr("Left out, not readable as music (%1): %2")
                     .arg(grouping.notMusic.size())
                     .arg(someNames(folder, pathsOf(grouping.notMusic)));
    if (!unreadable.isEmpty())
        lines << tr("Could not be read (%1): %2").arg(unreadable.size()).arg(someNames(folder, unreadable));
    lblOverslagen_->setText(lines.join(QLatin1Char('\n')));
    lblOverslagen_->setVisible(!lines.isEmpty());
}

void FolderImportWizard::fillAlbumChoice()
{
    shown_ = -1;
    const QSignalBlocker quiet(cboAlbum_);
    cboAlbum_->clear();
    for (const Candidate& candidate : candidates_)
        cboAlbum_->addItem(albumCaption(candidate.album));
    cboAlbum_->setVisible(candidates_.size() > 1);
    fraAlbum_->setVisible(!candidates_.isEmpty());
    cmdImporteren_->setVisible(!candidates_.isEmpty());
    if (!candidates_.isEmpty()) {
        cboAlbum_->setCurrentIndex(0);
        showCandidate(0);
    }
}

void FolderImportWizard::showCandidate(int index)
{
    keepCorrections();
    if (index < 0 || index >= candidates_.size())
        return;
    shown_ = index;
    const Candidate& candidate = candidates_.at(index);
    txtArtiest_->setText(candidate.album.artist.left(ArtistLimits::artiest));
    txtTitel_->setText(cutToNameField(candidate.album.titel));
    txtJaar_->setText(candidate.album.jaar.left(TitleLimits::jaar));
    txtDrager_->setText(candidate.album.drager.left(TitleLimits::drager));
    // The grid shows the names as they will be stored: no longer than the catalogue's field.
    QList<FolderTrack> tracks = candidate.album.tracks;
    for (FolderTrack& track : tracks)
        track.naam = cutToNameField(track.naam);
    tracks_->setTracks(tracks);
    grdTracks_->resizeColumnToContents(FolderTrackModel::Number);
    if (candidate.cover.isNull()) {
        imgCover_->setPixmap({});
        imgCover_->setText(
            candidate.coverOrigin.isEmpty() ? tr("No cover found") : tr("The cover cannot be shown"));
    } else {
        imgCover_->setPixmap(QPixmap::fromImage(candidate.cover));
    }
    imgCover_->setToolTip(QDir::toNativeSeparators(candidate.coverOrigin));
}

void FolderImportWizard::keepCorrections()
{
    if (shown_ < 0 || shown_ >= candidates_.size())
        return;
    FolderAlbum& album = candidates_[shown_].album;
    album.artist = txtArtiest_->text().trimmed();
    album.titel = txtTitel_->text().trimmed();
    album.jaar = txtJaar_->text().trimmed();
    album.drager = txtDrager_->text().trimmed();
    album.tracks = tracks_->tracks();
}

void FolderImportWizard::store()
{
    keepCorrections();
    if (shown_ < 0 || shown_ >= candidates_.size())
        return;
    const FolderAlbum album = candidates_.at(shown_).album;
    if (album.artist.isEmpty() || album.titel.isEmpty()) {
        prompts_.messageBox(this, session_.message(album.artist.isEmpty() ? 59 : 58), MsgBox::okWarning,
            session_.message(52));
        return;
    }
    const AlbumDestination destination { Catalogue(session_.settings.database), session_.settings.muziekDir,
        session_.settings.coverDir };
    const DbResult<qint64> present = cataloguedAlbumId(destination.catalogue, album.artist, album.titel);
    if (!present) {
        ShowError(this, session_, prompts_,
            { present.error().code, present.error().text, source + QStringLiteral(".cmdImporteren_Click") });
        return;
    }
    if (present.value() != 0
        && prompts_.messageBox(this,
               tr("The catalogue already holds \"%1\" by %2. Add it once more?")
                   .arg(album.titel, album.artist),
               MsgBox::yesNoQuestionDefaultNo, session_.message(52))
            != MsgBox::yes)
        return;

    // The store is whole or nothing and cannot stop halfway, so its window offers no Cancel.
    ProgressWindow window(this, windowTitle());
    const auto stored = window.run([destination, album](ProgressReport& report) {
        report.setStep(QCoreApplication::translate("FolderImportWizard", "Storing %1").arg(album.titel));
        return storeFolderAlbum(destination, album);
    });
    if (const auto* error = std::get_if<AppError>(&stored)) {
        ShowError(this, session_, prompts_, *error);
        return;
    }
    const StoredFolderAlbum& done = std::get<StoredFolderAlbum>(stored);
    importedTitleId_ = done.titleId;
    emit imported(done.artistId, done.titleId);
    if (done.coverProblem)
        ShowError(this, session_, prompts_, *done.coverProblem);

    // The stored album leaves the choice; the folder's other albums stay to be imported.
    candidates_.removeAt(shown_);
    shown_ = -1;
    fillAlbumChoice();
    lblStatus_->setText(tr("\"%1\" by %2 is stored in the catalogue.").arg(album.titel, album.artist));
    lblToelichting_->setText(
        candidates_.isEmpty() ? QString() : tr("Choose the next album of the folder, or close the window."));
    cmdAnnuleren_->setText(session_.message(12));
}
