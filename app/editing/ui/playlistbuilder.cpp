#include "editing/ui/playlistbuilder.h"

#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Playlist");

QPushButton* pictureButton(
    QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& accessibleName)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(accessibleName);
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PlaylistBuilder::PlaylistBuilder(
    Session& session, UserPrompts& prompts, const QString& folder, qint64 titleId, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , folder_(withSeparator(folder))
    , titleId_(titleId)
    , lvBestanden_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("Playlist"));
    addHelpKey(this, session_, prompts_, QStringLiteral("playlist"));
    setWindowTitle(session_.message(1));
    setModal(true);

    const char* names[] = { "optCodec_0", "optCodec_1", "optCodec_2" };
    const QString captions[]
        = { QStringLiteral("mp3"), QStringLiteral("wma"), QStringLiteral("flac, ogg, opus, m4a") };
    auto* codecs = new QButtonGroup(this);
    auto* codecRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        optCodec_[i] = new QRadioButton(captions[i], this);
        optCodec_[i]->setObjectName(QLatin1String(names[i]));
        codecs->addButton(optCodec_[i], i);
        codecRow->addWidget(optCodec_[i]);
    }
    codecRow->addStretch();
    optCodec_[1]->setChecked(true);
    // The list is made first but shows under the codec choice; Tab goes top to bottom.
    setTabOrder(optCodec_[2], lvBestanden_);

    lvBestanden_->setObjectName(QStringLiteral("lvBestanden"));
    lvBestanden_->setHeaderLabels({ QStringLiteral("Track") });
    lvBestanden_->setRootIsDecorated(false);
    lvBestanden_->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdHoog_ = pictureButton(this, "cmdHoog", QStyle::SP_ArrowUp, PlaylistBuilder::tr("Up"));
    cmdLaag_ = pictureButton(this, "cmdLaag", QStyle::SP_ArrowDown, PlaylistBuilder::tr("Down"));
    cmdWeg_ = pictureButton(this, "cmdWeg", QStyle::SP_TrashIcon, PlaylistBuilder::tr("Remove"));
    cmdMaak_
        = pictureButton(this, "cmdMaak", QStyle::SP_DialogSaveButton, PlaylistBuilder::tr("Make playlist"));
    cmdStop_ = pictureButton(this, "cmdStop", QStyle::SP_DialogCancelButton, PlaylistBuilder::tr("Close"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : { cmdHoog_, cmdLaag_, cmdWeg_ })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdMaak_);
    buttons->addWidget(cmdStop_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(lvBestanden_, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(codecRow);
    layout->addLayout(middle);
    resize(420, 460);

    connect(codecs, &QButtonGroup::idClicked, this, [this] { fill(); });
    connect(cmdHoog_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(cmdLaag_, &QPushButton::clicked, this, [this] { moveSelected(+1); });
    connect(cmdWeg_, &QPushButton::clicked, this, &PlaylistBuilder::removeSelected);
    connect(cmdMaak_, &QPushButton::clicked, this, &PlaylistBuilder::make);
    connect(cmdStop_, &QPushButton::clicked, this, &PlaylistBuilder::reject);

    fill();
}

QStringList PlaylistBuilder::entries() const
{
    QStringList names;
    for (int row = 0; row < lvBestanden_->topLevelItemCount(); ++row)
        names << lvBestanden_->topLevelItem(row)->text(0);
    return names;
}

MusicKind PlaylistBuilder::chosenKind() const
{
    if (optCodec_[0]->isChecked())
        return MusicKind::Mp3;
    if (optCodec_[2]->isChecked())
        return MusicKind::Other;
    return MusicKind::Wma;
}

void PlaylistBuilder::report(int number, const QString& text, const QString& where)
{
    ShowError(this, session_, prompts_, { number, text, source + QLatin1Char('.') + where });
}

void PlaylistBuilder::fill()
{
    lvBestanden_->clear();
    QStringList names;
    QString error;
    if (!listMusicFiles(folder_, chosenKind(), names, &error)) {
        report(ErrorNumbers::pathNotFound, error, QStringLiteral("Fill"));
        return;
    }
    for (const QString& name : names)
        new QTreeWidgetItem(lvBestanden_, QStringList { name });
    if (!names.isEmpty())
        selectRow(0);
}

void PlaylistBuilder::selectRow(int row)
{
    QTreeWidgetItem* item = lvBestanden_->topLevelItem(row);
    if (!item)
        return;
    lvBestanden_->setCurrentItem(item);
    item->setSelected(true);
    lvBestanden_->scrollToItem(item);
}

void PlaylistBuilder::moveSelected(int step)
{
    QTreeWidgetItem* item = lvBestanden_->currentItem();
    if (!item)
        return;
    const int row = lvBestanden_->indexOfTopLevelItem(item);
    const int target = row + step;
    QTreeWidgetItem* other = lvBestanden_->topLevelItem(target);
    if (!other)
        return;
    const QString text = item->text(0);
    item->setText(0, other->text(0));
    other->setText(0, text);
    selectRow(target);
}

void PlaylistBuilder::removeSelected()
{
    QTreeWidgetItem* item = lvBestanden_->currentItem();
    if (!item)
        return;
    const int row = lvBestanden_->indexOfTopLevelItem(item);
    delete lvBestanden_->takeTopLevelItem(row);
    const int count = lvBestanden_->topLevelItemCount();
    if (count > 0)
        selectRow(row < count ? row : count - 1);
}

void PlaylistBuilder::make()
{
    if (titleId_ <= 0) {
        report(ErrorNumbers::fileAccess, QStringLiteral("No album is selected for the playlist"),
            QStringLiteral("cmdMaak_Click"));
        return;
    }
    const QString path = playlistPath(session_.settings.muziekDir, titleId_);
    QString error;
    if (!writePlaylist(path, folder_, entries(), &error)) {
        // The window stays open with the list as it is, so the user can try again.
        report(ErrorNumbers::fileAccess, error, QStringLiteral("cmdMaak_Click"));
        return;
    }
    accept();
}
