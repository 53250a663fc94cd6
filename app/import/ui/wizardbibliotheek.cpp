#include "import/ui/wizardbibliotheek.h"

#include "import/musiclibrary.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"
#include "shell/ui/wizardlayout.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("WizardBibliotheek");

QString albumCaption(const FolderAlbum& album)
{
    return album.artist + QStringLiteral(" – ") + album.titel;
}

} // namespace

WizardBibliotheek::WizardBibliotheek(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("WizardBibliotheek"));
    setWindowTitle(tr("Import music library"));
    addHelpKey(this, session_, prompts_, QStringLiteral("importlibrary"));
    buildWidgets();
    lblStatus_->setText(tr("Step 1: Choose the library"));
    lblToelichting_->setText(tr("Choose the top folder of your music library with '...'. Files that share "
                                "album artist and album form one album, whatever the folders."));
    updateImportButton();
}

WizardBibliotheek::~WizardBibliotheek() = default;

void WizardBibliotheek::buildWidgets()
{
    lblStatus_ = newHeadingLabel(this, "lblStatus");
    lblToelichting_ = newExplanationLabel(this, "lblToelichting");

    txtMap_ = new QLineEdit(this);
    txtMap_->setObjectName(QStringLiteral("txtMap"));
    txtMap_->setReadOnly(true);
    txtMap_->setAccessibleName(tr("Library folder"));
    cmdBladeren_ = new QToolButton(this);
    cmdBladeren_->setObjectName(QStringLiteral("cmdBladeren"));
    cmdBladeren_->setText(QStringLiteral("..."));
    cmdBladeren_->setAccessibleName(tr("Choose the library folder"));
    connect(cmdBladeren_, &QToolButton::clicked, this, &WizardBibliotheek::chooseFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtMap_, 1);
    folderRow->addWidget(cmdBladeren_);

    found_ = new QStandardItemModel(0, 2, this);
    found_->setHorizontalHeaderLabels({ tr("Found"), tr("State") });
    lvGevonden_ = new QTreeView(this);
    lvGevonden_->setObjectName(QStringLiteral("lvGevonden"));
    lvGevonden_->setModel(found_);
    lvGevonden_->setRootIsDecorated(false);
    lvGevonden_->setUniformRowHeights(true);
    lvGevonden_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvGevonden_->header()->setStretchLastSection(false);
    lvGevonden_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvGevonden_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvGevonden_->setMinimumSize(520, 240);
    connect(found_, &QStandardItemModel::itemChanged, this, &WizardBibliotheek::updateImportButton);

    txtSamenvatting_ = new QPlainTextEdit(this);
    txtSamenvatting_->setObjectName(QStringLiteral("txtSamenvatting"));
    txtSamenvatting_->setReadOnly(true);
    txtSamenvatting_->setAccessibleName(tr("Summary"));
    txtSamenvatting_->setVisible(false);

    cmdImporteren_ = new QPushButton(tr("&Import"), this);
    cmdImporteren_->setObjectName(QStringLiteral("cmdImporteren"));
    cmdImporteren_->setDefault(true);
    connect(cmdImporteren_, &QPushButton::clicked, this, &WizardBibliotheek::importTicked);
    cmdSluiten_ = new QPushButton(tr("&Close"), this);
    cmdSluiten_->setObjectName(QStringLiteral("cmdSluiten"));
    connect(cmdSluiten_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImporteren_);
    buttons->addWidget(cmdSluiten_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus_);
    layout->addWidget(lblToelichting_);
    layout->addLayout(folderRow);
    layout->addWidget(lvGevonden_, 1);
    layout->addWidget(txtSamenvatting_, 1);
    layout->addLayout(buttons);
}

void WizardBibliotheek::chooseFolder()
{
    const QString start = txtMap_->text().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::MusicLocation)
        : txtMap_->text();
    const QString root
        = prompts_.existingFolder(this, tr("Choose the top folder of your music library"), start);
    if (!root.isEmpty())
        scan(root);
}

void WizardBibliotheek::scan(const QString& root)
{
    const Catalogue catalogue(session_.settings.database);
    ProgressWindow window(this, windowTitle(), ProgressWindow::Cancel::Offered);
    DbResult<LibraryScan> found = window.run([catalogue, root](ProgressReport& report) {
        return scanMusicLibrary(
            catalogue, root, [&report, &root](qint64 done, qint64 total, const QString& current) {
                if (total == 0) {
                    report.setStep(tr("Looking for music files in %1").arg(QDir::toNativeSeparators(root)));
                } else {
                    report.setStep(tr("Reading the tags in %1")
                                       .arg(QDir::toNativeSeparators(QFileInfo(current).path())));
                }
                report.setCount(done, total);
                return !report.cancelRequested();
            });
    });
    if (!found) {
        ShowError(this, session_, prompts_,
            { found.error().code, found.error().text, source + QStringLiteral(".Scan") });
        return;
    }
    if (found.value().cancelled) {
        lblToelichting_->setText(tr("The search was cancelled; nothing was stored."));
        return;
    }
    txtMap_->setText(QDir::toNativeSeparators(root));
    showFound(found.value(), root);
}

void WizardBibliotheek::showFound(const LibraryScan& found, const QString& root)
{
    found_->removeRows(0, found_->rowCount());
    newAlbums_ = found.newAlbums;
    const QDir top(root);
    // Rows are complete before they join the model, so no tick fires a change while filling.
    auto addRow = [this](const QString& caption, Found kind, const QString& state, const QString& tip,
                      qsizetype newAlbum = -1) {
        auto* item = new QStandardItem(caption);
        item->setData(static_cast<int>(kind), kindRole);
        item->setToolTip(tip);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (newAlbum >= 0) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
            item->setData(static_cast<qlonglong>(newAlbum), Qt::UserRole);
        }
        auto* stateItem = new QStandardItem(state);
        stateItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        found_->appendRow({ item, stateItem });
    };
    for (qsizetype i = 0; i < found.newAlbums.size(); ++i) {
        const FolderAlbum& album = found.newAlbums[i];
        addRow(albumCaption(album), Found::NewAlbum, tr("New, tracks: %1").arg(album.tracks.size()),
            QDir::toNativeSeparators(album.folder), i);
    }
    for (const FolderAlbum& album : found.presentAlbums)
        addRow(albumCaption(album), Found::PresentAlbum, tr("Already in the catalogue"),
            QDir::toNativeSeparators(album.folder));
    const std::pair<const QList<FoundMusicFile>*, Found> files[]
        = { { &found.untagged, Found::Untagged }, { &found.notMusic, Found::NotMusic } };
    for (const auto& [list, kind] : files) {
        const QString state = kind == Found::Untagged ? tr("No album or artist in its tags")
                                                      : tr("No music file, or damaged");
        for (const FoundMusicFile& file : *list)
            addRow(QDir::toNativeSeparators(top.relativeFilePath(file.path)), kind, state,
                QDir::toNativeSeparators(file.path));
    }
    for (const QString& path : found.unreadable)
        addRow(QDir::toNativeSeparators(path), Found::Unreadable, tr("Cannot be read"), QString());

    lblStatus_->setText(tr("Step 2: Choose the albums"));
    QString explanation
        = tr("New albums found: %1. Tick the ones to import and click 'Import'.").arg(found.newAlbums.size());
    if (found.filesKnown > 0)
        explanation += QLatin1Char(' ')
            + tr("Files left unread because they are unchanged since the last import: %1.")
                  .arg(found.filesKnown);
    lblToelichting_->setText(explanation);
    growToContent();
    updateImportButton();
}

void WizardBibliotheek::importTicked()
{
    QList<FolderAlbum> ticked;
    for (int row = 0; row < found_->rowCount(); ++row) {
        const QStandardItem* item = found_->item(row);
        if (item->data(kindRole).toInt() == static_cast<int>(Found::NewAlbum)
            && item->checkState() == Qt::Checked)
            ticked.append(newAlbums_.at(item->data(Qt::UserRole).toLongLong()));
    }
    if (ticked.isEmpty())
        return;
    const AlbumDestination destination { Catalogue(session_.settings.database), session_.settings.muziekDir,
        session_.settings.coverDir };
    ProgressWindow window(this, windowTitle(), ProgressWindow::Cancel::Offered);
    const LibraryImport done = window.run([destination, ticked](ProgressReport& report) {
        return importFolderAlbums(
            destination, ticked, [&report](qint64 done, qint64 total, const QString& current) {
                report.setStep(tr("Storing the album in %1").arg(QDir::toNativeSeparators(current)));
                report.setCount(done, total);
                return !report.cancelRequested();
            });
    });
    showSummary(done);
    if (!done.stored.isEmpty())
        emit imported();
}

void WizardBibliotheek::showSummary(const LibraryImport& done)
{
    QStringList lines;
    lines << tr("Albums stored: %1.").arg(done.stored.size());
    if (done.cancelled)
        lines << tr("Cancelled: the albums after these were not stored.");
    auto listProblems = [&lines](
                            const QString& heading, const QList<std::pair<QString, AppError>>& problems) {
        if (problems.isEmpty())
            return;
        lines << QString() << heading;
        for (const auto& [album, error] : problems)
            lines << (album.isEmpty() ? error.description : album + QStringLiteral(": ") + error.description);
    };
    listProblems(tr("Not stored:"), done.failed);
    listProblems(tr("Stored without a cover:"), done.coverProblems);
    txtSamenvatting_->setPlainText(lines.join(QLatin1Char('\n')));
    txtSamenvatting_->setVisible(true);
    // The list stays in view, scrollable, its ticks fixed: what was found beside what was stored.
    for (int row = 0; row < found_->rowCount(); ++row)
        found_->item(row)->setFlags(found_->item(row)->flags() & ~Qt::ItemIsUserCheckable);
    cmdBladeren_->setEnabled(false);
    cmdImporteren_->setVisible(false);
    cmdSluiten_->setDefault(true);
    lblStatus_->setText(done.cancelled ? tr("Import cancelled") : tr("Import finished"));
    lblToelichting_->setText(tr("Run the wizard again on the same folder to import the albums left out; "
                                "what is stored now will not be stored twice."));
    growToContent();
}

void WizardBibliotheek::updateImportButton()
{
    bool anyTicked = false;
    for (int row = 0; row < found_->rowCount() && !anyTicked; ++row)
        anyTicked = found_->item(row)->checkState() == Qt::Checked;
    cmdImporteren_->setEnabled(anyTicked);
}

void WizardBibliotheek::growToContent()
{
    // The window's minimum height does not follow a wrapped text's height: the window grows
    // here rather than letting the explanation overlap the folder field.
    growToLayoutHeight(this);
}
