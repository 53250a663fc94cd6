#include "editing/ui/locatie.h"

#include "editing/ui/playlistbuilder.h"
#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "shell/startfolder.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Locatie");

// The message naming the folder a tag asks for: covers, playlists, backups, photos.
int folderMessage(const QString& tag)
{
    if (tag == QLatin1String("2"))
        return 6;
    if (tag == QLatin1String("3"))
        return 7;
    if (tag == QLatin1String("4"))
        return 8;
    if (tag == QLatin1String("5"))
        return 9;
    return 0;
}

} // namespace

Locatie::Locatie(Session& session, UserPrompts& prompts, const QString& tag, qint64 titleId, QWidget* parent,
    const QString& startAt)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , tag_(tag)
    , titleId_(titleId)
    , model_(new QFileSystemModel(this))
    , dir1_(new QTreeView(this))
    , cmdOK_(new QPushButton(QStringLiteral("OK"), this))
    , cmdAnnuleren_(new QPushButton(this))
{
    setObjectName(QStringLiteral("Locatie"));
    addHelpKey(this, session_, prompts_, QStringLiteral("folders"));
    setModal(true);

    // Folders only: the chooser picks a folder, files would only be in the way.
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setReadOnly(true);
    model_->setRootPath(QStringLiteral("/"));

    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setModel(model_);
    dir1_->setRootIndex(model_->index(QStringLiteral("/")));
    for (int column = 1; column < model_->columnCount(); ++column)
        dir1_->hideColumn(column);
    dir1_->setHeaderHidden(true);
    dir1_->setAccessibleName(tr("Folders"));

    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdAnnuleren_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dir1_);
    layout->addLayout(buttons);
    resize(380, 440);

    connect(cmdOK_, &QPushButton::clicked, this, &Locatie::accept);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &Locatie::reject);
    connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this] { cmdOK_->setEnabled(!currentFolder().isEmpty()); });

    applyCaptions();

    cmdOK_->setEnabled(false);
    const bool pictures = tag_ == QLatin1String("2") || tag_ == QLatin1String("5");
    const QString start
        = startFolder(startAt, pictures ? QStandardPaths::PicturesLocation : QStandardPaths::MusicLocation);
    if (!setCurrentFolder(start))
        ShowError(parent, session_, prompts_,
            { ErrorNumbers::pathNotFound, QStringLiteral("The folder %1 does not exist").arg(start),
                source + QStringLiteral(".Form_Load") });
}

void Locatie::applyCaptions()
{
    const int k = folderMessage(tag_);
    if (k != 0)
        setWindowTitle(tr("Directory: %1").arg(session_.message(k)));
    else
        setWindowTitle(tr("Directory: %1").arg(QStringLiteral("mp3-") + session_.message(41)));
    cmdAnnuleren_->setText(session_.message(37));
}

QString Locatie::currentFolder() const
{
    const QModelIndex current = dir1_->currentIndex();
    if (!current.isValid())
        return {};
    return withSeparator(model_->filePath(current));
}

bool Locatie::setCurrentFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const QModelIndex index = model_->index(info.absoluteFilePath());
    if (!index.isValid())
        return false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        dir1_->expand(parent);
    dir1_->setCurrentIndex(index);
    dir1_->scrollTo(index);
    return true;
}

void Locatie::accept()
{
    const QString folder = currentFolder();
    if (folder.isEmpty())
        return;
    chosenFolder_ = folder;
    if (tag_ == QLatin1String("0")) {
        // The chooser stays open underneath the builder, as the place the folder came from.
        PlaylistBuilder builder(session_, prompts_, folder, titleId_, this);
        builder.exec();
    }
    QDialog::accept();
}
