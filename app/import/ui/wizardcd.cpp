#include "import/ui/wizardcd.h"

#include "db/albumimport.h"
#include "db/catalogue.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/widgets/discovantwidget.h"
#include "editing/coverfile.h"
#include "extras/picturefiles.h"
#include "import/disclookup.h"
#include "import/fetchedalbum.h"
#include "import/ui/cdlookupdialog.h"
#include "import/ui/disclookupflow.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"
#include "shell/ui/wizardlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("WizardCD");
const QString stepCollect = QStringLiteral("1");
const QString stepImport = QStringLiteral("2");
const QString stepFinish = QStringLiteral("9");
constexpr int pictureSide = 48;
constexpr int coverSide = 160;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

WizardCD::WizardCD(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , store_(session.ini())
{
    setObjectName(QStringLiteral("WizardCD"));
    addHelpKey(this, session_, prompts_, QStringLiteral("importcd"));
    buildWidgets();

    cmdAnnuleren_->setText(session_.message(37));
    setWindowTitle(session_.message(32));
    fillDrives();
    discovant1_->core().setUseFirstMatch(true);
    discovant1_->core().setAllowSubmission(false);
    lblStatus_->setText(session_.message(43));
    lblToelichting_->setText(session_.message(44));
    cmdOK_->setProperty("tag", stepCollect);
    cmdOK_->setText(QStringLiteral("&Start>>"));
    fraImport_->setVisible(false);
    imgBericht_->setPixmap(style()->standardIcon(QStyle::SP_DriveCDIcon).pixmap(pictureSide));
    fillArtists();
}

WizardCD::~WizardCD()
{
    // The control writes its properties into the store, a member that would otherwise go
    // before the control (children are deleted after the members).
    delete discovant1_;
}

void WizardCD::buildWidgets()
{
    discovant1_ = new DiscovantWidget(store_, this);
    discovant1_->setObjectName(QStringLiteral("Discovant1"));
    discovant1_->core().setCDDBLanguage(componentLanguage(Language::fromTaal(session_.settings.taal).base()));

    cboDrive_ = new QComboBox(this);
    cboDrive_->setObjectName(QStringLiteral("cboDrive"));
    // A disc image may be typed in as well as a drive chosen.
    cboDrive_->setEditable(true);
    cboDrive_->setInsertPolicy(QComboBox::NoInsert);
    cboDrive_->setMinimumContentsLength(24);
    cmdBladeren_ = new QToolButton(this);
    cmdBladeren_->setObjectName(QStringLiteral("cmdBladeren"));
    cmdBladeren_->setText(QStringLiteral("..."));
    cmdBladeren_->setAccessibleName(tr("Disc image"));
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(cboDrive_, 1);
    driveRow->addWidget(cmdBladeren_);

    lblStatus_ = newHeadingLabel(this, "lblStatus");
    lblToelichting_ = newExplanationLabel(this, "lblToelichting");

    fraImport_ = new QGroupBox(QStringLiteral("Compact Disc"), this);
    fraImport_->setObjectName(QStringLiteral("fraImport"));
    lblAlbum_ = new QLabel(fraImport_);
    lblAlbum_->setObjectName(QStringLiteral("lblAlbum"));
    lblAlbum_->setWordWrap(true);
    lblTracks_ = new QLabel(fraImport_);
    lblTracks_->setObjectName(QStringLiteral("lblTracks"));
    cboArtiest_ = new QComboBox(fraImport_);
    cboArtiest_->setObjectName(QStringLiteral("cboArtiest"));
    cboArtiest_->setEditable(true);
    cboArtiest_->setInsertPolicy(QComboBox::NoInsert);
    cboArtiest_->setAccessibleName(session_.message(20));
    lblBron_ = new QLabel(fraImport_);
    lblBron_->setObjectName(QStringLiteral("lblBron"));
    imgCover_ = new QLabel(fraImport_);
    imgCover_->setObjectName(QStringLiteral("imgCover"));
    imgCover_->setAccessibleName(tr("Cover"));
    imgCover_->setAlignment(Qt::AlignCenter);
    lblCover_ = new QLabel(fraImport_);
    lblCover_->setObjectName(QStringLiteral("lblCover"));
    lblCover_->setWordWrap(true);
    chkCover_ = new QCheckBox(tr("&Use this cover"), fraImport_);
    chkCover_->setObjectName(QStringLiteral("chkCover"));
    auto* fetchedTexts = new QVBoxLayout;
    fetchedTexts->addWidget(cboArtiest_);
    fetchedTexts->addWidget(lblAlbum_);
    fetchedTexts->addWidget(lblTracks_);
    fetchedTexts->addWidget(lblBron_);
    fetchedTexts->addWidget(lblCover_);
    fetchedTexts->addStretch(1);
    auto* coverColumn = new QVBoxLayout;
    coverColumn->addWidget(imgCover_);
    coverColumn->addWidget(chkCover_);
    coverColumn->addStretch(1);
    auto* frameLayout = new QHBoxLayout(fraImport_);
    frameLayout->addLayout(fetchedTexts, 1);
    frameLayout->addLayout(coverColumn);

    lblExtra_ = new QLabel(this);
    lblExtra_->setObjectName(QStringLiteral("lblExtra"));
    imgBericht_ = new QLabel(this);
    imgBericht_->setObjectName(QStringLiteral("imgBericht"));
    imgBericht_->setAccessibleName(tr("Result"));
    imgBericht_->setFixedSize(pictureSide, pictureSide);

    cmdOK_ = new QPushButton(this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdAnnuleren_ = new QPushButton(this);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdInstellingen_ = new QPushButton(tr("CD &lookup..."), this);
    cmdInstellingen_->setObjectName(QStringLiteral("cmdInstellingen"));

    auto* top = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblStatus_);
    texts->addWidget(lblToelichting_);
    top->addLayout(texts, 1);
    top->addWidget(imgBericht_, 0, Qt::AlignTop);
    top->addWidget(discovant1_, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdInstellingen_);
    buttons->addStretch(1);
    buttons->addWidget(cmdAnnuleren_);
    buttons->addWidget(cmdOK_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(driveRow);
    layout->addWidget(fraImport_);
    layout->addWidget(lblExtra_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    // The buttons are made in another order than they stand; Tab goes left to right.
    setTabOrder(cboArtiest_, chkCover_);
    setTabOrder(chkCover_, cmdInstellingen_);
    setTabOrder(cmdInstellingen_, cmdAnnuleren_);
    setTabOrder(cmdAnnuleren_, cmdOK_);

    connect(cmdOK_, &QPushButton::clicked, this, &WizardCD::step);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdBladeren_, &QToolButton::clicked, this, &WizardCD::browseImage);
    connect(cmdInstellingen_, &QPushButton::clicked, this, [this] {
        CdLookupDialog dialog(discovant1_->core(), prompts_, this);
        dialog.offerSites(*discovant1_);
        addHelpKey(&dialog, session_, prompts_, QStringLiteral("cdlookup"));
        dialog.exec();
    });
}

void WizardCD::fillDrives()
{
    // "/dev/sr0|/dev/sr1|": every piece before the last "|".
    QStringList drives = text(discovant1_->core().GetCdRoms()).split(QLatin1Char('|'));
    drives.removeLast();
    cboDrive_->addItems(drives);
    if (cboDrive_->count() > 0)
        cboDrive_->setCurrentIndex(0);
}

void WizardCD::fillArtists()
{
    auto artists = Catalogue(session_.settings.database).FillArtistList(session_.languageLocale());
    if (!artists) {
        ShowError(this, session_, prompts_,
            { artists.error().code, artists.error().text, source + QStringLiteral(".Form_Load") });
        return;
    }
    cboArtiest_->clear();
    for (const ArtistRow& artist : artists.value())
        cboArtiest_->addItem(artist.name, artist.id);
    cboArtiest_->setCurrentIndex(-1);
}

void WizardCD::browseImage()
{
    const QString image = prompts_.openFileName(
        this, session_.message(32), QString(), tr("Disc images (*.cue *.toc *.nrg);;All files (*)"));
    if (!image.isEmpty())
        cboDrive_->setEditText(image);
}

void WizardCD::step()
{
    const QString tag = cmdOK_->property("tag").toString();
    if (tag == stepCollect)
        collect();
    else if (tag == stepImport)
        importDisc();
    else
        accept();
}

void WizardCD::collect()
{
    const DiscLookupResult result = readAndLookUpDisc(this, *discovant1_, prompts_, cboDrive_->currentText());
    if (result.outcome != DiscLookupOutcome::Found) {
        reportFailedLookup(this, session_, prompts_, result);
        return;
    }
    const discovant::Discovant& core = discovant1_->core();
    cboArtiest_->setCurrentIndex(-1);
    cboArtiest_->setEditText(text(core.GetArtistName()));
    cboArtiest_->setToolTip(text(core.GetArtistName()));
    lblAlbum_->setText(session_.message(17) + QStringLiteral(": ") + text(core.GetAlbumName()));
    lblTracks_->setText(QStringLiteral("Tracks: ") + QString::number(core.GetAlbumTracks()));
    showSource();
    fetchCover();

    lblStatus_->setText(session_.message(45));
    lblToelichting_->setText(session_.message(46));
    cmdOK_->setProperty("tag", stepImport);
    cmdOK_->setText(session_.message(32));
    fraImport_->setVisible(true);
    imgBericht_->setVisible(false);
    growToContent();
}

void WizardCD::showSource()
{
    switch (discovant1_->core().GetAnsweredSource()) {
    case discovant::uCDDBSource::MUSICBRAINZ:
        lblBron_->setText(tr("Found on MusicBrainz"));
        return;
    case discovant::uCDDBSource::LOCAL_DATABASE:
        lblBron_->setText(tr("Found in the local CDDB database"));
        return;
    case discovant::uCDDBSource::CDDB:
    case discovant::uCDDBSource::MUSICBRAINZ_THEN_CDDB:
        break;
    }
    lblBron_->setText(tr("Found in the CDDB database"));
}

void WizardCD::fetchCover()
{
    coverBytes_.clear();
    imgCover_->clear();
    imgCover_->setVisible(false);
    chkCover_->setVisible(false);
    lblCover_->clear();
    lblCover_->setVisible(false);
    if (discovant1_->core().GetReleaseID().empty())
        return;
    const CoverFetchResult fetched = fetchReleaseCover(this, *discovant1_, coverSide);
    if (fetched.cancelled)
        return;
    if (fetched.usable) {
        coverBytes_ = fetched.bytes;
        imgCover_->setPixmap(QPixmap::fromImage(fetched.shown));
        imgCover_->setVisible(true);
        chkCover_->setChecked(true);
        chkCover_->setVisible(true);
        return;
    }
    if (fetched.failureNumber == discovant::kErrorNoCover)
        lblCover_->setText(tr("No cover found"));
    else if (fetched.bytes.isEmpty())
        lblCover_->setText(tr("The cover could not be fetched: %1").arg(fetched.failure));
    else
        lblCover_->setText(tr("The cover that arrived is not a picture this program can use."));
    lblCover_->setVisible(true);
}

void WizardCD::storeFetchedCover()
{
    if (coverBytes_.isEmpty() || !chkCover_->isChecked())
        return;
    // The album is stored already; a cover that cannot be written is reported and the album
    // stays.
    if (auto failed = storeCover(coverBytes_, coverPath(session_.settings.coverDir, importedTitleId_),
            tr("The cover from MusicBrainz"), source + QStringLiteral(".cmdOK_Click")))
        ShowError(this, session_, prompts_, *failed);
}

void WizardCD::growToContent()
{
    // The import frame appears in step 2 and the wrapped explanation takes more lines in some
    // languages; the window's minimum height does not follow a wrapped text's height, so the
    // window grows here rather than squeezing the artist field under the text.
    growToLayoutHeight(this);
}

qint64 WizardCD::chosenArtistId() const
{
    const int index = cboArtiest_->currentIndex();
    if (index < 0 || cboArtiest_->itemText(index) != cboArtiest_->currentText())
        return 0;
    return cboArtiest_->itemData(index).toLongLong();
}

void WizardCD::importDisc()
{
    cboDrive_->setVisible(false);
    cmdBladeren_->setVisible(false);
    const Catalogue catalogue(session_.settings.database);
    const FetchedAlbum fetched = readFetchedAlbum(discovant1_->core());

    qint64 foundArtist = 0;
    if (catalogue.CdIdExists(fetched.cdId, foundArtist)) {
        lblStatus_->setText(session_.message(47));
        lblToelichting_->setText(lblAlbum_->text());
        lblExtra_->setText(session_.message(48));
        showClosingDisplay();
        return;
    }

    AlbumImport album;
    album.artistId = chosenArtistId();
    if (album.artistId == 0)
        album.artistId = catalogue.ArtistIdByName(fetched.artist);
    // A new artist takes the name as the user left it; an emptied field keeps the entry's.
    album.newArtistName
        = cboArtiest_->currentText().trimmed().isEmpty() ? fetched.artist : cboArtiest_->currentText();
    album.titel = cutToNameField(fetched.album);
    album.cdId = fetched.cdId;
    album.jaar = fetched.year;
    album.lengte = fetched.length;
    album.tracks = fetched.tracks;

    const DbResult<ImportedIds> stored = importAlbum(catalogue, album);
    if (!stored) {
        // Nothing was stored; the user may try again or cancel.
        ShowError(this, session_, prompts_,
            { stored.error().code, stored.error().text, source + QStringLiteral(".cmdOK_Click") });
        return;
    }
    importedTitleId_ = stored.value().titleId;
    storeFetchedCover();
    emit imported();
    lblStatus_->setText(session_.message(49));
    lblToelichting_->clear();
    showClosingDisplay();
}

void WizardCD::showClosingDisplay()
{
    cmdOK_->setText(session_.message(12));
    cmdOK_->setProperty("tag", stepFinish);
    cmdAnnuleren_->setVisible(false);
    cmdInstellingen_->setVisible(false);
    fraImport_->setVisible(false);
    imgBericht_->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(pictureSide));
    imgBericht_->setVisible(true);
    growToContent();
}
