#include "editing/ui/tracklistwindow.h"

#include "editing/musictags.h"
#include "editing/playlistfile.h"
#include "shell/errorreport.h"
#include "shell/programs.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Tracks");
const QColor highlightColour(0, 0, 255);

// The largest share of the screen the window takes before the list scrolls.
QSize screenLimit(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    return { available.width() * 9 / 10, available.height() * 8 / 10 };
}

} // namespace

TrackListWindow::TrackListWindow(Session& session, UserPrompts& prompts, qint64 titleId, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , lblGeenTracks_(new QLabel(QStringLiteral("Geen Tracks"), this))
    , lblTracks_(new QListWidget(this))
    , cmdSluiten_(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("Tracks"));
    addHelpKey(this, session_, prompts_, QStringLiteral("tracklist"));
    setWindowTitle(session_.message(1));
    setModal(true);

    lblGeenTracks_->setObjectName(QStringLiteral("lblTracks_0"));
    lblTracks_->setObjectName(QStringLiteral("lblTracks"));
    lblTracks_->setAccessibleName(tr("Tracks"));
    lblTracks_->setMouseTracking(true);
    lblTracks_->viewport()->setMouseTracking(true);
    lblTracks_->setSelectionMode(QAbstractItemView::SingleSelection);
    lblTracks_->setUniformItemSizes(true);
    lblTracks_->viewport()->installEventFilter(this);
    lblTracks_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGeenTracks_);
    layout->addWidget(lblTracks_, 1);
    const char* tagCaptions[tagLabelCount]
        = { "artiest", "titel", "album", "jaar", "datum", "commentaar", "genre", "lengte" };
    for (int i = 0; i < tagLabelCount; ++i) {
        lblTag_[i] = new QLabel(QLatin1String(tagCaptions[i]), this);
        lblTag_[i]->setObjectName(QStringLiteral("lblTag_%1").arg(i));
        // Tag texts come from the files: never let them be taken for markup.
        lblTag_[i]->setTextFormat(Qt::PlainText);
        lblTag_[i]->hide();
        layout->addWidget(lblTag_[i]);
    }
    cmdSluiten_->setObjectName(QStringLiteral("cmdSluiten"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdSluiten_);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);

    connect(cmdSluiten_, &QPushButton::clicked, this, &TrackListWindow::accept);
    connect(lblTracks_, &QListWidget::itemEntered, this, &TrackListWindow::highlight);

    load(titleId);
}

void TrackListWindow::load(qint64 titleId)
{
    const QString path = playlistPath(session_.settings.muziekDir, titleId);
    QString error;
    if (!readPlaylist(path, entries_, &error)) {
        const int number = QFileInfo::exists(path) ? ErrorNumbers::fileAccess : ErrorNumbers::fileNotFound;
        ShowError(
            parentWidget(), session_, prompts_, { number, error, source + QStringLiteral(".Form_Load") });
        lblTracks_->hide();
        resize(minimumSizeHint().expandedTo(QSize(240, 120)));
        return;
    }
    for (const QString& entry : entries_) {
        auto* item = new QListWidgetItem(trackCaption(entry), lblTracks_);
        item->setData(Qt::UserRole, entry);
        item->setToolTip(entry);
    }
    lblGeenTracks_->hide();

    // As large as the lines need, up to most of the screen; beyond that the list scrolls.
    const QSize limit = screenLimit(this);
    const int rows = qMax<qsizetype>(entries_.size(), 1);
    const int rowHeight = qMax(lblTracks_->sizeHintForRow(0), fontMetrics().height());
    const int frame = 2 * lblTracks_->frameWidth();
    const int listWidth = qMax(lblTracks_->sizeHintForColumn(0), 160) + frame
        + lblTracks_->verticalScrollBar()->sizeHint().width();
    const int listHeight = rows * rowHeight + frame;
    const QSize chrome = minimumSizeHint() - lblTracks_->minimumSizeHint();
    resize(QSize(listWidth, listHeight).boundedTo(limit - chrome) + chrome);
}

void TrackListWindow::highlight(QListWidgetItem* item)
{
    if (item == highlighted_)
        return;
    if (highlighted_)
        highlighted_->setData(Qt::ForegroundRole, QVariant());
    highlighted_ = item;
    if (highlighted_)
        highlighted_->setForeground(highlightColour);
}

void TrackListWindow::playEntry(int row)
{
    if (row < 0 || row >= entries_.size())
        return;
    const QString file = entries_.at(row);
    const QString where = source + QStringLiteral(".lblTracks_MouseDown");
    if (!QFileInfo(file).isFile()) {
        ShowError(this, session_, prompts_,
            { ErrorNumbers::fileNotFound, QStringLiteral("The file %1 does not exist").arg(file), where });
        return;
    }
    const QString player = session_.settings.speler.trimmed();
    if (player.isEmpty()) {
        if (!prompts_.openUrl(QUrl::fromLocalFile(file)))
            ShowError(this, session_, prompts_,
                { ErrorNumbers::openUrl, QStringLiteral("No program plays the file %1").arg(file), where });
        return;
    }
    QString error;
    if (startPlayer(player, file, &error) < 0)
        ShowError(this, session_, prompts_, { ErrorNumbers::processStart, error, where });
}

void TrackListWindow::showTagOf(int row)
{
    if (row < 0 || row >= entries_.size())
        return;
    const QString file = entries_.at(row);
    const QFileInfo info(file);
    if (!info.isFile())
        return; // the file is gone: nothing to show, nothing to report
    // A file without tags, or one that is no music TagLib knows, still shows its date.
    const MusicTags tag = readMusicTags(file).value_or(MusicTags());
    const bool firstTime = lblTag_[0]->isHidden();
    const QString texts[tagLabelCount] = { tag.artist, tag.title, tag.album, tag.year,
        info.lastModified().toString(QStringLiteral("dd-MM-yyyy hh:mm")), tag.comment, tag.genre,
        lengthText(tag.lengthSeconds) };
    for (int i = 0; i < tagLabelCount; ++i)
        lblTag_[i]->setText(texts[i]);
    if (firstTime) {
        for (QLabel* label : lblTag_)
            label->show();
    }
    // Grow to show the tag area and its widest line; never shrink what the user sees.
    const QSize wanted = size().expandedTo(minimumSizeHint()).boundedTo(screenLimit(this));
    if (wanted != size())
        resize(wanted.expandedTo(size()));
}

bool TrackListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblTracks_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QListWidgetItem* item = lblTracks_->itemAt(mouse->position().toPoint());
            if (!item)
                return false;
            const int row = lblTracks_->row(item);
            if (mouse->button() == Qt::LeftButton) {
                lblTracks_->setCurrentItem(item);
                playEntry(row);
                return true;
            }
            if (mouse->button() == Qt::RightButton) {
                showTagOf(row);
                return true;
            }
        }
        // The right button was handled on its press; the menu event that follows it is not
        // a second request.
        if (event->type() == QEvent::ContextMenu)
            return true;
    } else if (watched == lblTracks_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                playEntry(lblTracks_->currentRow());
                return true;
            }
        }
        if (event->type() == QEvent::ContextMenu) {
            showTagOf(lblTracks_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
