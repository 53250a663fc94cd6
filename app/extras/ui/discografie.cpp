#include "extras/ui/discografie.h"

#include "db/albumimport.h"
#include "discovant/widgets/discovantwidget.h"
#include "extras/musicbrainzdiscography.h"
#include "extras/ui/albumdialog.h"
#include "extras/ui/musicbrainzchoosers.h"
#include "import/disclookup.h"
#include "import/fetchedalbum.h"
#include "import/recordsetmodel.h"
#include "import/ui/disclookupflow.h"
#include "import/ui/musicbrainzjob.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString source = QStringLiteral("Discografie");
// Below this width of its columns the list keeps the window's design size (5280 twips).
constexpr int narrowListWidth = 352;

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

Discografie::Discografie(
    Session& session, UserPrompts& prompts, const DiscographySubject& subject, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , subject_(subject)
    , kind_(listKindOf(session.listMode))
    , store_(session.ini())
{
    setObjectName(QStringLiteral("Discografie"));
    addHelpKey(this, session_, prompts_, [this] { return kind_ == ListKind::Tracks ? QStringLiteral("123") : QStringLiteral("122"); });
    buildWidgets();
    LoadList();
    if (kind_ == ListKind::Tracks) {
        discovant::Discovant& core = discovant1_->core();
        core.setUseFirstMatch(true);
        core.setAllowSubmission(false);
        QStringList drives = QString::fromStdString(core.GetCdRoms()).split(QLatin1Char('|'));
        drives.removeLast();
        cboDrive_->addItems(drives);
        if (cboDrive_->count() > 0)
            cboDrive_->setCurrentIndex(0);
    }
    cmdToevoegen_->setText(session_.message(13));
    cmdWijzigen_->setText(session_.message(15));
    cmdVerwijderen_->setText(session_.message(14));
    cmdSluiten_->setText(session_.message(12));
    fitWidth();
}

Discografie::~Discografie()
{
    // The control writes into the store, a member that goes before the children.
    delete discovant1_;
}

void Discografie::buildWidgets()
{
    fgDisco_ = named(new QTableView(this), "fgDisco");
    model_ = new RecordsetModel(this);
    fgDisco_->setModel(model_);
    fgDisco_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgDisco_->setSelectionMode(QAbstractItemView::SingleSelection);
    fgDisco_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgDisco_->verticalHeader()->setVisible(false);
    fgDisco_->setMinimumSize(narrowListWidth, 240);

    cmdToevoegen_ = named(new QPushButton(this), "cmdToevoegen");
    cmdWijzigen_ = named(new QPushButton(this), "cmdWijzigen");
    cmdVerwijderen_ = named(new QPushButton(this), "cmdVerwijderen");
    cmdSluiten_ = named(new QPushButton(this), "cmdSluiten");
    cboDrive_ = named(new QComboBox(this), "cboDrive");
    // A disc image path may be typed in as well as a drive chosen.
    cboDrive_->setEditable(true);
    cboDrive_->setInsertPolicy(QComboBox::NoInsert);
    cmdFreedb_ = named(new QToolButton(this), "cmdFreedb");
    cmdFreedb_->setIcon(style()->standardIcon(QStyle::SP_DriveCDIcon));
    cmdFreedb_->setAccessibleName(tr("Tracks from CD"));
    cmdFreedb_->setToolTip(tr("Tracks from CD"));
    cmdFreedb_->setVisible(false);
    cmdMusicBrainz_ = named(new QPushButton(tr("MusicBrainz..."), this), "cmdMusicBrainz");
    cmdMusicBrainz_->setToolTip(tr("Add the artist's albums as MusicBrainz lists them"));
    cmdMusicBrainz_->setVisible(kind_ == ListKind::Discography);
    discovant1_ = new DiscovantWidget(store_, this);
    discovant1_->setObjectName(QStringLiteral("Discovant1"));
    discovant1_->core().setCDDBLanguage(componentLanguage(Language::fromTaal(session_.settings.taal).base()));
    discovant1_->setVisible(kind_ == ListKind::Tracks);

    auto* cdRow = new QHBoxLayout;
    cdRow->addWidget(cboDrive_, 1);
    cdRow->addWidget(cmdFreedb_);
    cdRow->addWidget(discovant1_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdToevoegen_);
    buttons->addWidget(cmdMusicBrainz_);
    buttons->addStretch(1);
    buttons->addWidget(cmdWijzigen_);
    buttons->addWidget(cmdVerwijderen_);
    buttons->addWidget(cmdSluiten_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fgDisco_, 1);
    layout->addLayout(cdRow);
    layout->addLayout(buttons);
    // The drive row is made after the buttons but shows above them; Tab goes top to bottom.
    setTabOrder(fgDisco_, cboDrive_);
    setTabOrder(cboDrive_, cmdFreedb_);
    setTabOrder(cmdFreedb_, cmdToevoegen_);

    connect(cmdToevoegen_, &QPushButton::clicked, this, &Discografie::addEntry);
    connect(cmdWijzigen_, &QPushButton::clicked, this, &Discografie::EditEntry);
    connect(fgDisco_, &QTableView::doubleClicked, this, &Discografie::EditEntry);
    connect(cmdVerwijderen_, &QPushButton::clicked, this, &Discografie::removeEntry);
    connect(cmdSluiten_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdFreedb_, &QToolButton::clicked, this, &Discografie::fetchFromCd);
    connect(cmdMusicBrainz_, &QPushButton::clicked, this, &Discografie::fillFromMusicBrainz);
}

void Discografie::reportDb(const DbError& error, const QString& where)
{
    ShowError(this, session_, prompts_, { error.code, error.text, source + QLatin1Char('.') + where });
}

void Discografie::LoadList()
{
    const Catalogue catalogue(session_.settings.database);
    const bool discography = kind_ == ListKind::Discography;
    auto rows = discography
        ? catalogue.discographyGrid(subject_.artistId, session_.message(18), session_.message(17))
        : catalogue.trackGrid(subject_.titleId, session_.message(17), session_.message(36));
    if (rows)
        model_->setRecordset(std::move(rows).value());
    else
        reportDb(rows.error(), QStringLiteral("LoadList"));

    if (discography) {
        setWindowTitle(QStringLiteral("%1 - %2 (%3)")
                           .arg(subject_.artistName, session_.message(28))
                           .arg(model_->rowCount()));
        cboDrive_->setVisible(false);
    } else {
        QString caption = QStringLiteral("Tracks:  ") + subject_.albumTitle;
        if (!subject_.albumLength.isEmpty())
            caption += QStringLiteral(" (") + subject_.albumLength + QLatin1Char(')');
        setWindowTitle(caption);
        cmdFreedb_->setVisible(true);
    }
}

void Discografie::fitWidth()
{
    fgDisco_->resizeColumnsToContents();
    int sum = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        sum += fgDisco_->columnWidth(c);
    if (sum < narrowListWidth)
        return;
    // A wide list widens the window, which stays centred over its owner.
    const int margins = width() - fgDisco_->width();
    resize(sum + 40 + std::max(margins, 0), height());
    if (parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center().x() - width() / 2, y());
    }
}

int Discografie::currentRow() const
{
    const QModelIndex current = fgDisco_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString Discografie::cell(int row, int column) const
{
    return model_->data(model_->index(row, column)).toString();
}

void Discografie::addEntry()
{
    session_.editMode = false;
    ListEntry entry;
    entry.kind = kind_;
    entry.ownerId = kind_ == ListKind::Tracks ? subject_.titleId : subject_.artistId;
    // A new track is suggested the number after the listed ones.
    if (kind_ == ListKind::Tracks)
        entry.jaar = QString::number(model_->rowCount() + 1);
    AlbumDialog album(session_, prompts_, entry, this);
    album.exec();
    LoadList();
}

void Discografie::EditEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    session_.editMode = true;
    ListEntry entry;
    entry.kind = kind_;
    entry.rowId = cell(row, 0).toLongLong();
    entry.jaar = cell(row, 1);
    entry.titel = cell(row, 2);
    entry.lengte = kind_ == ListKind::Tracks ? cell(row, 3) : QString();
    AlbumDialog album(session_, prompts_, entry, this);
    album.exec();
    LoadList();
}

void Discografie::removeEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString prompt = session_.message(14) + QLatin1Char(' ') + cell(row, 2) + QLatin1Char('?');
    if (prompts_.messageBox(this, prompt, MsgBox::yesNoQuestionDefaultNo, session_.message(52))
        != MsgBox::yes)
        return;
    const DbStatus removed
        = removeListRow(Catalogue(session_.settings.database), kind_, cell(row, 0).toLongLong());
    if (!removed) {
        reportDb(removed.error(), QStringLiteral("cmdVerwijderen_Click"));
        return;
    }
    // The row leaves the grid; the list is not read again, so the other tracks keep their
    // numbers.
    Recordset rows = model_->recordset();
    rows.rows.removeAt(row);
    model_->setRecordset(std::move(rows));
}

void Discografie::fetchFromCd()
{
    const qint64 oldTrackCount = model_->rowCount();
    const qint64 titleId = subject_.titleId;
    const DiscLookupResult result = readAndLookUpDisc(this, *discovant1_, prompts_, cboDrive_->currentText());
    if (result.outcome != DiscLookupOutcome::Found) {
        reportFailedLookup(this, session_, prompts_, result);
        return;
    }

    const Catalogue catalogue(session_.settings.database);
    const FetchedAlbum fetched = readFetchedAlbum(discovant1_->core());
    if (const DbStatus filled = fillFreedb(catalogue, titleId, fetched.tracks); !filled) {
        reportDb(filled.error(), QStringLiteral("cmdFreedb_Click"));
        return;
    }
    auto preview = freedbGrid(catalogue, titleId, session_.message(17), session_.message(36));
    if (!preview) {
        reportDb(preview.error(), QStringLiteral("cmdFreedb_Click"));
        return;
    }
    model_->setRecordset(std::move(preview).value());

    if (prompts_.messageBox(this, session_.message(60), MsgBox::yesNoQuestion, session_.message(52))
        != MsgBox::yes) {
        reject();
        return;
    }
    bool replaceOld = false;
    if (oldTrackCount > 0) {
        replaceOld = prompts_.messageBox(
                         this, session_.message(61), MsgBox::yesNoQuestionDefaultNo, session_.message(52))
            == MsgBox::yes;
    }
    const DbStatus stored
        = storeFreedbTracks(catalogue, titleId, replaceOld, oldTrackCount, fetched.cdId, fetched.length);
    if (!stored) {
        // Nothing of it was stored: the window shows the album's tracks again and stays.
        reportDb(stored.error(), QStringLiteral("cmdFreedb_Click"));
        LoadList();
        return;
    }
    tracksStored_ = true;
    accept();
}

void Discografie::fillFromMusicBrainz()
{
    namespace mb = discovant::musicbrainz;
    const discovant::Discovant& core = discovant1_->core();
    const mb::ServiceOptions options = core.musicBrainzOptions();
    const discovant::uCDDBLang language = core.CDDBLanguage();
    auto tellFailure = [&](const mb::Failure& failure) {
        prompts_.messageBox(this,
            tr("MusicBrainz did not answer: %1")
                .arg(QString::fromStdString(mb::failureText(failure, language))),
            MsgBox::okWarning, session_.message(52));
    };

    const std::string name = subject_.artistName.toStdString();
    bool cancelled = false;
    const mb::Answer<std::vector<mb::Artist>> artists = runMusicBrainzJob(
        this, windowTitle(), options, cancelled, [&](mb::MusicBrainzClient& client, ProgressReport& report) {
            report.setStep(tr("Looking for %1 on MusicBrainz…").arg(subject_.artistName));
            return client.searchArtists(name);
        });
    if (cancelled)
        return;
    if (!artists) {
        tellFailure(artists.failure);
        return;
    }
    const std::vector<mb::Artist> candidates = artistsNamed(*artists.value, name);
    if (candidates.empty()) {
        prompts_.messageBox(this, tr("MusicBrainz knows no artist named %1.").arg(subject_.artistName),
            MsgBox::okInformation, session_.message(52));
        return;
    }
    std::size_t chosen = 0;
    if (candidates.size() > 1) {
        ArtistChooser chooser(session_, prompts_, candidates, this);
        if (chooser.exec() != QDialog::Accepted || chooser.chosen() < 0)
            return;
        chosen = static_cast<std::size_t>(chooser.chosen());
    }
    const std::string artistId = candidates[chosen].id;

    const mb::Answer<std::vector<mb::ReleaseGroup>> groups = runMusicBrainzJob(
        this, windowTitle(), options, cancelled, [&](mb::MusicBrainzClient& client, ProgressReport& report) {
            report.setStep(tr("Fetching the albums of %1 from MusicBrainz…").arg(subject_.artistName));
            return client.releaseGroups(artistId, discographyTypes());
        });
    if (cancelled)
        return;
    if (!groups) {
        tellFailure(groups.failure);
        return;
    }
    if (groups.value->empty()) {
        prompts_.messageBox(this, tr("MusicBrainz lists no albums of %1.").arg(subject_.artistName),
            MsgBox::okInformation, session_.message(52));
        return;
    }
    ReleaseGroupChooser chooser(session_, prompts_, *groups.value, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const std::vector<mb::ReleaseGroup> ticked = chooser.ticked();
    if (ticked.empty())
        return;
    const DbResult<qint64> added
        = addToDiscography(Catalogue(session_.settings.database), subject_.artistId, ticked);
    LoadList();
    if (!added) {
        reportDb(added.error(), QStringLiteral("cmdMusicBrainz_Click"));
        return;
    }
    // The skipped ones are counted, so that fewer new rows than ticked ones is no riddle.
    const qint64 skipped = static_cast<qint64>(ticked.size()) - added.value();
    prompts_.messageBox(this,
        tr("Albums added: %1. Already in the discography: %2.").arg(added.value()).arg(skipped),
        MsgBox::okInformation, session_.message(52));
}
