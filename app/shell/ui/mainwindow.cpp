#include "shell/ui/mainwindow.h"

#include "export/exportscope.h"
#include "export/ui/maintenancecommands.h"
#include "extras/ui/vergroting.h"
#include "import/ui/folderimportwizard.h"
#include "import/ui/missingcoversflow.h"
#include "shell/artistlistmodel.h"
#include "shell/programs.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/titlelistmodel.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/captions.h"
#include "shell/ui/picturelabel.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"
#include "shell/windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int windowWidthTwips = 7050;
constexpr int windowHeightTwips = 5595;
constexpr int coverSide = 110;
constexpr int logoSide = 32;
const QString source = QStringLiteral("Muziek");
const QString playlistToolTip = QStringLiteral("Mp3 playlist");

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption = {})
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

MainWindow::MainWindow(Session& session, UserPrompts& prompts, QString helpFolder, QWidget* parent)
    : QMainWindow(parent)
    , session_(session)
    , prompts_(prompts)
    , helpFolder_(std::move(helpFolder))
    , artistModel_(new ArtistListModel(this))
    , titleModel_(new TitleListModel(this))
{
    setObjectName(QStringLiteral("Muziek"));
    buildWidgets();
    buildMenus();
    fitFixedSize();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

MainWindow::~MainWindow() = default;

QSize MainWindow::fixedWindowSize()
{
    return { windowWidthTwips / twipsPerPixel, windowHeightTwips / twipsPerPixel };
}

void MainWindow::buildWidgets()
{
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 1);

    cboArtiest_ = new QComboBox(central);
    cboArtiest_->setObjectName(QStringLiteral("cboArtiest"));
    cboArtiest_->setModel(artistModel_);
    cboArtiest_->setMaxVisibleItems(20);
    left->addWidget(cboArtiest_);

    lvTitels_ = new QTreeView(central);
    lvTitels_->setObjectName(QStringLiteral("lvTitels"));
    lvTitels_->setModel(titleModel_);
    lvTitels_->setRootIsDecorated(false);
    lvTitels_->setUniformRowHeights(true);
    lvTitels_->setAllColumnsShowFocus(true);
    lvTitels_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvTitels_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvTitels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvTitels_->header()->setSectionsClickable(true);
    lvTitels_->header()->setSortIndicatorShown(true);
    lvTitels_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    lvTitels_->setColumnWidth(TitleListModel::Titel, 190);
    lvTitels_->setColumnWidth(TitleListModel::Jaar, 45);
    lvTitels_->setColumnWidth(TitleListModel::Drager, 45);
    for (int c = TitleListModel::Gekocht; c < TitleListModel::ColumnCount; ++c)
        lvTitels_->setColumnHidden(c, true);
    lvTitels_->installEventFilter(this);
    left->addWidget(lvTitels_, 1);

    auto* pictures = new QHBoxLayout;
    imgCover_ = new PictureLabel(central);
    imgCover_->setObjectName(QStringLiteral("imgCover"));
    imgCover_->setFixedSize(coverSide, coverSide);
    imgCover_->setFrameShape(QFrame::StyledPanel);
    imgCover_->setAlignment(Qt::AlignCenter);
    pictures->addWidget(imgCover_);
    pictures->addStretch(1);
    imgLogo_ = new PictureLabel(central);
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    imgLogo_->setFixedSize(logoSide, logoSide);
    pictures->addWidget(imgLogo_, 0, Qt::AlignBottom);
    left->addLayout(pictures);

    frame1_ = new QFrame(central);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    auto* buttons = new QVBoxLayout(frame1_);
    cmdToevoegen_ = makeButton(frame1_, "cmdToevoegen");
    cmdWijzigen_ = makeButton(frame1_, "cmdWijzigen");
    cmdVerwijderen_ = makeButton(frame1_, "cmdVerwijderen");
    cmdTracks_ = makeButton(frame1_, "cmdTracks", QStringLiteral("Tracks"));
    cmdDiscografie_ = makeButton(frame1_, "cmdDiscografie", QStringLiteral("Discografie"));
    cmdInfo_ = makeButton(frame1_, "cmdInfo", QStringLiteral("Info"));
    cmdFoto_ = makeButton(frame1_, "cmdFoto", QStringLiteral("Foto"));
    cmdHelp_ = makeButton(frame1_, "cmdHelp", QStringLiteral("Help"));
    cmdEinde_ = makeButton(frame1_, "cmdEinde");
    for (QPushButton* b : { cmdToevoegen_, cmdWijzigen_, cmdVerwijderen_, cmdTracks_, cmdDiscografie_,
             cmdInfo_, cmdFoto_, cmdHelp_ })
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdEinde_);
    columns->addWidget(frame1_);
    setCentralWidget(central);

    connect(cboArtiest_, &QComboBox::activated, this, [this] { onArtistChosen(); });
    // Click and keyboard move the current row alike; the details, and everything Delete,
    // Space and the player act on, follow the current row.
    connect(lvTitels_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { onCurrentAlbumChanged(current); });
    lvTitels_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvTitels_, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { showAlbumMenu(lvTitels_->viewport()->mapToGlobal(at)); });
    buildAlbumMenu();
    connect(lvTitels_, &QTreeView::doubleClicked, this, &MainWindow::editAlbum);
    connect(cmdToevoegen_, &QPushButton::clicked, this, &MainWindow::addAlbum);
    connect(cmdWijzigen_, &QPushButton::clicked, this, &MainWindow::editAlbum);
    connect(cmdInfo_, &QPushButton::clicked, this, &MainWindow::showBiography);
    connect(cmdFoto_, &QPushButton::clicked, this, &MainWindow::showPhotos);
    connect(cmdDiscografie_, &QPushButton::clicked, this, &MainWindow::showDiscography);
    connect(cmdTracks_, &QPushButton::clicked, this, &MainWindow::showTrackEditor);
    connect(lvTitels_->header(), &QHeaderView::sectionClicked, this, &MainWindow::sortByColumn);
    connect(cmdVerwijderen_, &QPushButton::clicked, this, &MainWindow::deleteAlbum);
    connect(cmdHelp_, &QPushButton::clicked, this, &MainWindow::openHelp);
    connect(cmdEinde_, &QPushButton::clicked, this, [this] {
        if (confirmExit())
            exitProgram();
    });
    connect(imgCover_, &PictureLabel::pressed, this, [this](Qt::MouseButton button) {
        // A left click shows the album's number, handy when looking for its files.
        if (button == Qt::LeftButton && selectedAlbumId() != 0)
            imgCover_->setToolTip(QString::number(selectedAlbumId()));
        else if (button == Qt::RightButton)
            showEnlargement();
    });
    connect(imgCover_, &PictureLabel::released, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            closeEnlargement();
    });
    connect(imgLogo_, &PictureLabel::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton && imgLogo_->tag() == QLatin1String("1"))
            showTrackList();
    });
    connect(imgLogo_, &PictureLabel::doubleClicked, this, &MainWindow::startPlayer);
}

QAction* MainWindow::addEntry(QMenu* menu, const QString& array, int index, const QString& fixedCaption)
{
    QAction* action = menu->addAction(fixedCaption);
    action->setObjectName(QStringLiteral("%1_%2").arg(array).arg(index));
    menuArrays_[array][index] = action;
    return action;
}

void MainWindow::buildMenus()
{
    const char* const heads[] = { "Info", "", "Album", "", "", "" };
    for (int i = 0; i < 6; ++i) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(heads[i]));
        menu->setObjectName(QStringLiteral("mnuKop_%1").arg(i));
        menu->menuAction()->setObjectName(QStringLiteral("mnuKop_%1").arg(i));
        mnuKop_ << menu;
    }

    QAction* help = addEntry(mnuKop_[0], QStringLiteral("mnuInfo"), 0);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &MainWindow::openHelp);
    connect(addEntry(mnuKop_[0], QStringLiteral("mnuInfo"), 1), &QAction::triggered, this,
        &MainWindow::showStatistics);
    connect(addEntry(mnuKop_[0], QStringLiteral("mnuInfo"), 2), &QAction::triggered, this,
        &MainWindow::showAbout);

    const QString artiest = QStringLiteral("mnuArtiest");
    connect(addEntry(mnuKop_[1], artiest, 0), &QAction::triggered, this, &MainWindow::showBiography);
    connect(addEntry(mnuKop_[1], artiest, 1), &QAction::triggered, this, &MainWindow::showPhotos);
    connect(addEntry(mnuKop_[1], artiest, 2), &QAction::triggered, this, &MainWindow::showDiscography);
    connect(addEntry(mnuKop_[1], artiest, 3), &QAction::triggered, this, &MainWindow::addArtist);
    connect(addEntry(mnuKop_[1], artiest, 4), &QAction::triggered, this, &MainWindow::editArtist);
    connect(addEntry(mnuKop_[1], artiest, 5), &QAction::triggered, this, &MainWindow::deleteArtist);

    const QString album = QStringLiteral("mnuAlbum");
    connect(addEntry(mnuKop_[2], album, 0), &QAction::triggered, this, &MainWindow::addAlbum);
    connect(addEntry(mnuKop_[2], album, 1), &QAction::triggered, this, &MainWindow::editAlbum);
    connect(addEntry(mnuKop_[2], album, 2), &QAction::triggered, this, &MainWindow::deleteAlbum);
    connect(addEntry(mnuKop_[2], album, 3, QStringLiteral("Tracks")), &QAction::triggered, this,
        &MainWindow::showTrackEditor);
    connect(addEntry(mnuKop_[2], album, 4), &QAction::triggered, this, &MainWindow::moveAlbum);
    mnuCovers_ = mnuKop_[2]->addAction(QString(), this, [this] {
        findMissingCovers(this, session_, prompts_);
        refreshAlbumDetails(); // the selected album may have a cover now
    });
    mnuCovers_->setObjectName(QStringLiteral("mnuCovers"));

    QMenu* excel = mnuKop_[3]->addMenu(QStringLiteral("Excel"));
    excel->setObjectName(QStringLiteral("mnuAfdrukken_0"));
    excel->menuAction()->setObjectName(QStringLiteral("mnuAfdrukken_0"));
    menuArrays_[QStringLiteral("mnuAfdrukken")][0] = excel->menuAction();
    QMenu* html = mnuKop_[3]->addMenu(QStringLiteral("Html"));
    html->setObjectName(QStringLiteral("mnuAfdrukken_1"));
    html->menuAction()->setObjectName(QStringLiteral("mnuAfdrukken_1"));
    menuArrays_[QStringLiteral("mnuAfdrukken")][1] = html->menuAction();
    for (int i = 0; i < 2; ++i) {
        const ExportScope scope = i == 0 ? ExportScope::CurrentArtist : ExportScope::AllArtists;
        connect(addEntry(excel, QStringLiteral("mnuExcel"), i), &QAction::triggered, this,
            [this, scope] { exportWorkbook(scope); });
        connect(addEntry(html, QStringLiteral("mnuHtml"), i), &QAction::triggered, this,
            [this, scope] { exportHtml(scope); });
    }

    connect(addEntry(mnuKop_[4], QStringLiteral("mnuWizard"), 0), &QAction::triggered, this,
        &MainWindow::showImportWizard);
    connect(addEntry(mnuKop_[4], QStringLiteral("mnuWizard"), 1), &QAction::triggered, this,
        &MainWindow::showSearch);
    mnuMapImport_ = mnuKop_[4]->addAction(QString());
    mnuMapImport_->setObjectName(QStringLiteral("mnuMapImport"));
    connect(mnuMapImport_, &QAction::triggered, this, &MainWindow::showFolderImport);
    // Captions from Qt Linguist: the language table has no texts for these two.
    mnuBibliotheek_ = mnuKop_[4]->addAction(QString());
    mnuBibliotheek_->setObjectName(QStringLiteral("mnuBibliotheek"));
    connect(mnuBibliotheek_, &QAction::triggered, this, &MainWindow::showLibraryWizard);
    mnuDiscogs_ = mnuKop_[4]->addAction(QString());
    mnuDiscogs_->setObjectName(QStringLiteral("mnuDiscogs"));
    connect(mnuDiscogs_, &QAction::triggered, this, &MainWindow::importDiscogs);

    // Options: backup and restore submenus, then compact and settings (indexes 4 and 5; the
    // array has no 2 and 3).
    QMenu* backup = mnuKop_[5]->addMenu(QString());
    backup->setObjectName(QStringLiteral("mnuOnderhoud_0"));
    backup->menuAction()->setObjectName(QStringLiteral("mnuOnderhoud_0"));
    menuArrays_[QStringLiteral("mnuOnderhoud")][0] = backup->menuAction();
    QMenu* restore = mnuKop_[5]->addMenu(QString());
    restore->setObjectName(QStringLiteral("mnuOnderhoud_1"));
    restore->menuAction()->setObjectName(QStringLiteral("mnuOnderhoud_1"));
    menuArrays_[QStringLiteral("mnuOnderhoud")][1] = restore->menuAction();
    maintenance_ = new MaintenanceCommands(session_, prompts_, this);
    connect(maintenance_, &MaintenanceCommands::catalogueRestored, this, &MainWindow::reloadCatalogue);
    for (int i = 0; i < 4; ++i) {
        connect(addEntry(backup, QStringLiteral("mnuBackup"), i), &QAction::triggered, this,
            [this, i] { maintenance_->backup(i); });
        connect(addEntry(restore, QStringLiteral("mnuTerug"), i), &QAction::triggered, this, [this, i] {
            maintenance_->restore(i);
            if (i == 1) // a restored cover shows at once
                refreshAlbumDetails();
        });
    }
    connect(addEntry(mnuKop_[5], QStringLiteral("mnuOnderhoud"), 4), &QAction::triggered, maintenance_,
        &MaintenanceCommands::compact);
    connect(addEntry(mnuKop_[5], QStringLiteral("mnuOnderhoud"), 5), &QAction::triggered, this,
        &MainWindow::showSettings);
}

QAction* MainWindow::menuEntry(const QString& array, int index) const
{
    return menuArrays_.value(array).value(index, nullptr);
}

QMenu* MainWindow::topMenu(int index) const
{
    return mnuKop_.value(index, nullptr);
}

void MainWindow::ApplyMainLanguage()
{
    session_.applyLanguage();
    applyCaptions(this, kMainWindowCaptions, [this](int k) { return session_.message(k); });
    // The texts beyond the language table, from the catalogue just installed.
    imgCover_->setAccessibleName(tr("Cover"));
    imgLogo_->setAccessibleName(tr("Playlist"));
    mnuMapImport_->setText(FolderImportWizard::menuCaption());
    mnuCovers_->setText(tr("Find missing covers"));
    mnuBibliotheek_->setText(tr("Import music library..."));
    mnuDiscogs_->setText(tr("Import Discogs collection..."));
    if (imgLogo_->toolTip() != playlistToolTip)
        imgLogo_->setToolTip(tr("No playlist"));
    fitFixedSize();
}

void MainWindow::fitFixedSize()
{
    // The window keeps its size, unless a larger font or longer captions need more room.
    setFixedSize(fixedWindowSize().expandedTo(minimumSizeHint()));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitFixedSize();
    QMainWindow::changeEvent(event);
}

Catalogue MainWindow::catalogue() const
{
    return Catalogue(session_.settings.database);
}

void MainWindow::report(const AppError& error)
{
    ShowError(this, session_, prompts_, error);
}

void MainWindow::reportDb(const DbError& error, const QString& where)
{
    report({ error.code, error.text, source + QLatin1Char('.') + where });
}

void MainWindow::start()
{
    IniFile& ini = session_.ini();
    const QString home = session_.homeFolder();
    if (!QDir().mkpath(home))
        report({ ErrorNumbers::pathNotFound, QStringLiteral("Cannot create the folder %1").arg(home),
            source + QStringLiteral(".Form_Load") });
    helpPage_ = ini.read(IniKeys::instellingen, IniKeys::help, home);

    const QPoint saved(savedTwips(ini, IniKeys::muziekLeft, home) / twipsPerPixel,
                       savedTwips(ini, IniKeys::muziekTop, home) / twipsPerPixel);
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    move(placedOnScreens(saved, fixedWindowSize().expandedTo(minimumSizeHint()), screens));

    StartupSettings loaded = loadStartupSettings(ini, home, QLocale::system(), helpFolder_);
    session_.settings = loaded.settings;
    for (const QString& failure : loaded.failures)
        report({ ErrorNumbers::settingsWrite, failure, source + QStringLiteral(".Form_Load") });
    if (loaded.firstStart) {
        // Set the help page again now that the first start has written it, so F1 works at once.
        helpPage_ = session_.settings.help;
        QString error;
        if (!createDefaultFolders(session_.settings, &error))
            report({ ErrorNumbers::pathNotFound, error, source + QStringLiteral(".Form_Load") });
        else if (!QFileInfo::exists(session_.settings.database)) {
            const DbStatus created = Catalogue::createEmpty(session_.settings.database);
            if (!created)
                reportDb(created.error(), QStringLiteral("Form_Load"));
        }
    }

    ApplyMainLanguage();

    if (!fillArtistList() || artistModel_->rowCount() == 0)
        return;
    const LastSelection last = savedSelection(ini, home);
    if (last.artistPosition < 0 || last.artistPosition >= artistModel_->rowCount()) {
        selectArtist(0);
        return;
    }
    selectArtist(last.artistPosition);
    if (last.albumPosition >= 1 && last.albumPosition <= titleModel_->rowCount()) {
        selectAlbumRow(last.albumPosition - 1);
        showAlbumDetails();
    }
}

bool MainWindow::fillArtistList()
{
    DbResult<QList<ArtistRow>> artists = catalogue().FillArtistList(session_.languageLocale());
    if (!artists) {
        artistModel_->setArtists({});
        titleModel_->setTitles({});
        reportDb(artists.error(), QStringLiteral("FillArtistList"));
        return false;
    }
    artistModel_->setArtists(std::move(artists).value());
    return true;
}

void MainWindow::selectArtist(int position)
{
    cboArtiest_->setCurrentIndex(position);
    onArtistChosen();
}

void MainWindow::onArtistChosen()
{
    fillTitleList();
    if (titleModel_->rowCount() > 0)
        showAlbumDetails();
    else
        clearAlbumDetails();
}

void MainWindow::fillTitleList()
{
    sortColumn_ = -1;
    sortOrder_ = Qt::AscendingOrder;
    lvTitels_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    const qint64 artistId = selectedArtistId();
    if (artistId == 0) {
        titleModel_->setTitles({});
        return;
    }
    DbResult<QList<TitleRow>> titles = catalogue().FillTitleList(artistId);
    if (!titles) {
        titleModel_->setTitles({});
        reportDb(titles.error(), QStringLiteral("FillTitleList"));
        return;
    }
    titleModel_->setTitles(std::move(titles).value());
    if (titleModel_->rowCount() > 0)
        selectAlbumRow(0);
}

void MainWindow::selectAlbumRow(int row)
{
    // The callers show the details once the list is complete.
    const QScopedValueRollback quiet(selectingAlbum_, true);
    const QModelIndex index = titleModel_->index(row, 0);
    lvTitels_->setCurrentIndex(index);
    lvTitels_->scrollTo(index);
}

qint64 MainWindow::selectedArtistId() const
{
    const int row = cboArtiest_->currentIndex();
    if (row < 0 || row >= artistModel_->rowCount())
        return 0;
    return artistModel_->artists().at(row).id;
}

qint64 MainWindow::selectedAlbumId() const
{
    const QModelIndex index = lvTitels_->currentIndex();
    if (!index.isValid() || !lvTitels_->selectionModel()->isRowSelected(index.row(), {}))
        return 0;
    return titleModel_->titles().at(index.row()).id;
}

void MainWindow::showNoCover()
{
    imgCover_->setPixmap(
        BuiltinPictures::noCover(imgCover_->contentsRect().size(), imgCover_->devicePixelRatioF()));
    imgCover_->setTag(QStringLiteral("N"));
}

void MainWindow::showPlainLogo()
{
    imgLogo_->setPixmap(BuiltinPictures::plainLogo(logoSide, imgLogo_->devicePixelRatioF()));
    imgLogo_->setTag(QStringLiteral("0"));
    imgLogo_->setToolTip(tr("No playlist"));
}

void MainWindow::clearAlbumDetails()
{
    imgCover_->clear();
    imgCover_->setToolTip(QString());
    showPlainLogo();
}

void MainWindow::showAlbumDetails()
{
    const QModelIndex current = lvTitels_->currentIndex();
    if (!current.isValid())
        return;
    const TitleRow& row = titleModel_->titles().at(current.row());
    imgCover_->setToolTip(cboArtiest_->currentText() + QLatin1Char('*') + row.titel);
    imgCover_->setTag(QStringLiteral("J"));

    const QString coverPath = session_.settings.coverDir + QString::number(row.id) + QStringLiteral(".jpg");
    if (!QFileInfo::exists(coverPath))
        showNoCover();
    else
        showCoverFile(coverPath, source + QStringLiteral(".ShowDetails"));

    if (row.isPlaylist) {
        imgLogo_->setPixmap(BuiltinPictures::playlistIcon(logoSide, imgLogo_->devicePixelRatioF()));
        imgLogo_->setTag(QStringLiteral("1"));
        imgLogo_->setToolTip(playlistToolTip);
    } else {
        showPlainLogo();
    }
}

bool MainWindow::showCoverFile(const QString& path, const QString& where)
{
    // Read at the size it is shown, so a huge picture never costs its full size in memory.
    // Read for the screen's device pixels, so the cover is sharp at 200 % too.
    const qreal ratio = imgCover_->devicePixelRatioF();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (original.isValid())
        reader.setScaledSize(original.scaled(imgCover_->contentsRect().size() * ratio, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        showNoCover();
        report({ ErrorNumbers::fileAccess,
            QStringLiteral("Cannot show the cover %1: %2").arg(path, reader.errorString()), where });
        return false;
    }
    QPixmap cover = QPixmap::fromImage(image);
    cover.setDevicePixelRatio(ratio);
    imgCover_->setPixmap(cover);
    return true;
}

void MainWindow::sortByColumn(int column)
{
    // Every click reverses the order; the first click sorts ascending.
    sortOrder_
        = (sortColumn_ == -1 || sortOrder_ == Qt::DescendingOrder) ? Qt::AscendingOrder : Qt::DescendingOrder;
    sortColumn_ = column;
    titleModel_->setLanguage(session_.languageLocale());
    titleModel_->sort(column, sortOrder_);
    lvTitels_->header()->setSortIndicator(column, sortOrder_);
    if (lvTitels_->currentIndex().isValid())
        lvTitels_->scrollTo(lvTitels_->currentIndex());
}

void MainWindow::deleteAlbum()
{
    const qint64 id = selectedAlbumId();
    if (id == 0)
        return;
    const TitleRow& row = titleModel_->titles().at(lvTitels_->currentIndex().row());
    const QString prompt = QLatin1Char('\'') + row.titel + QStringLiteral("' ") + session_.message(14);
    if (prompts_.messageBox(this, prompt, MsgBox::yesNoQuestionDefaultNo, session_.message(52))
        != MsgBox::yes)
        return;
    const DbStatus deleted = catalogue().deleteAlbum(id);
    if (!deleted)
        reportDb(deleted.error(), QStringLiteral("DeleteAlbum"));
    onArtistChosen();
}

void MainWindow::deleteArtist()
{
    const qint64 id = selectedArtistId();
    if (id == 0)
        return;
    const QString prompt
        = session_.message(14) + QLatin1Char(' ') + cboArtiest_->currentText() + QStringLiteral(" ?");
    if (prompts_.messageBox(this, prompt, MsgBox::yesNoQuestionDefaultNo, session_.message(52))
        != MsgBox::yes)
        return;
    const DbStatus deleted = catalogue().deleteArtist(id);
    if (!deleted) {
        // Nothing was deleted: the lists stay as they are.
        reportDb(deleted.error(), QStringLiteral("DeleteArtist"));
        return;
    }
    fillArtistList();
    if (artistModel_->rowCount() > 0) {
        selectArtist(0);
    } else {
        titleModel_->setTitles({});
        showNoCover();
    }
}

void MainWindow::openHelp()
{
    const QString page = helpPage_.isEmpty() ? session_.settings.help : helpPage_;
    if (!QFileInfo(page).isFile()) {
        report({ ErrorNumbers::fileNotFound, QStringLiteral("Help page not found: %1").arg(page),
            source + QStringLiteral(".Help") });
        return;
    }
    QUrl url = QUrl::fromLocalFile(page);
    url.setFragment(QStringLiteral("main"));
    if (!prompts_.openUrl(url))
        report({ErrorNumbers::openUrl, QStringLiteral("Cannot open the help page %1").arg(page),
                source + QStringLiteral(".Help")});
}

void MainWindow::startPlayer()
{
    const qint64 id = selectedAlbumId();
    if (imgLogo_->tag() == QLatin1String("0") || id == 0)
        return;
    const QString playlist = session_.settings.muziekDir + QString::number(id) + QStringLiteral(".m3u");
    const QString player = session_.settings.speler.trimmed();
    if (player.isEmpty()) {
        if (!prompts_.openUrl(QUrl::fromLocalFile(playlist)))
            report({ ErrorNumbers::openUrl, QStringLiteral("No program opens the playlist %1").arg(playlist),
                source + QStringLiteral(".imgLogo_DblClick") });
        return;
    }
    QString error;
    if (::startPlayer(player, playlist, &error) < 0)
        report({ ErrorNumbers::processStart, error, source + QStringLiteral(".imgLogo_DblClick") });
}

void MainWindow::onCurrentAlbumChanged(const QModelIndex& current)
{
    if (selectingAlbum_ || !current.isValid())
        return;
    // Ctrl+arrow moves the current row without selecting it; the album acted on is always
    // the one whose details show, so the current row is selected too.
    QItemSelectionModel* selection = lvTitels_->selectionModel();
    if (!selection->isRowSelected(current.row(), {}))
        selection->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    closeEnlargement();
    showAlbumDetails();
}

void MainWindow::buildAlbumMenu()
{
    albumMenu_ = new QMenu(this);
    albumMenu_->setObjectName(QStringLiteral("mnuAlbumLijst"));
    actSpelen_ = albumMenu_->addAction(tr("&Play"), this, &MainWindow::startPlayer);
    actSpelen_->setObjectName(QStringLiteral("actSpelen"));
    actTracks_ = albumMenu_->addAction(tr("&Track list"), this, &MainWindow::showTrackList);
    actTracks_->setObjectName(QStringLiteral("actTracks"));
    actVergroting_ = albumMenu_->addAction(tr("&Enlarged cover"), this, &MainWindow::showEnlargement);
    actVergroting_->setObjectName(QStringLiteral("actVergroting"));
}

void MainWindow::showAlbumMenu(const QPoint& globalPosition)
{
    // The same conditions as the indicator's double click and right button and the cover's
    // right button.
    const bool album = selectedAlbumId() != 0;
    const bool playlist = album && imgLogo_->tag() == QLatin1String("1");
    actSpelen_->setEnabled(playlist);
    actTracks_->setEnabled(playlist);
    actVergroting_->setEnabled(album);
    albumMenu_->popup(globalPosition);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lvTitels_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // An enlargement opened from the menu stays until the next key.
            if (vergroting_) {
                closeEnlargement();
                if (key->key() == Qt::Key_Escape)
                    return true;
            }
            if (key->key() == Qt::Key_Menu
                || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                const QRect row = lvTitels_->visualRect(lvTitels_->currentIndex());
                const QPoint at = row.isValid() ? row.bottomLeft() : QPoint(0, 0);
                showAlbumMenu(lvTitels_->viewport()->mapToGlobal(at));
                return true;
            }
            switch (key->key()) {
            case Qt::Key_Delete:
                deleteAlbum();
                return true;
            case Qt::Key_Insert:
                addAlbum();
                return true;
            case Qt::Key_Space:
                editAlbum();
                return true;
            default:
                break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::confirmExit()
{
    const QString prompt = session_.message(16) + QLatin1Char(' ') + session_.message(1);
    if (prompts_.messageBox(this, prompt, MsgBox::yesNoQuestion, session_.message(52)) != MsgBox::yes)
        return false;

    QList<IniChange> keys;
    auto write = [&](const QString& key, int value) {
        keys << IniChange{IniKeys::beeld, key, QString::number(value)};
    };
    write(IniKeys::muziekTop, y() * twipsPerPixel);
    write(IniKeys::muziekLeft, x() * twipsPerPixel);
    if (cboArtiest_->currentIndex() >= 0)
        write(IniKeys::laatsteArtiest, cboArtiest_->currentIndex());
    if (titleModel_->rowCount() > 0 && lvTitels_->currentIndex().isValid())
        write(IniKeys::laatsteAlbum, lvTitels_->currentIndex().row() + 1);
    QString error;
    if (!session_.ini().update(keys, &error)) {
        for (const IniChange& key : keys)
            report({ErrorNumbers::settingsWrite, QStringLiteral("%1: %2").arg(key.key, error),
                    source + QStringLiteral(".cmdEinde_Click")});
    }
    return true;
}

void MainWindow::exitProgram()
{
    exiting_ = true;
    close();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks the same question as the exit button and saves the same way.
    if (exiting_ || confirmExit()) {
        exiting_ = true;
        event->accept();
        QApplication::closeAllWindows();
        return;
    }
    event->ignore();
}
