#include "editing/ui/movealbumwindow.h"

#include "editing/movealbum.h"
#include "resources/captionbindings.h"
#include "shell/session.h"
#include "shell/ui/captions.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("VerplaatsTitel");

constexpr std::array<CaptionBinding, 2> kMoveAlbumCaptions { {
    { "lblSelecteer", 39 },
    { "cmdAnnuleren", 37 },
} };

} // namespace

MoveAlbumWindow::MoveAlbumWindow(Session& session, UserPrompts& prompts, qint64 currentArtistId,
    qint64 titleId, const QString& albumText, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , currentArtistId_(currentArtistId)
    , titleId_(titleId)
    , albumText_(albumText)
{
    setObjectName(QStringLiteral("VerplaatsTitel"));
    addHelpKey(this, session_, prompts_, QStringLiteral("move"));
    auto* layout = new QVBoxLayout(this);
    auto* lblSelecteer = new QLabel(this);
    lblSelecteer->setObjectName(QStringLiteral("lblSelecteer"));
    cboNewArtiest_ = new QComboBox(this);
    cboNewArtiest_->setObjectName(QStringLiteral("cboNewArtiest"));
    cboNewArtiest_->setMinimumWidth(240);
    cboNewArtiest_->setMaxVisibleItems(20);
    lblSelecteer->setBuddy(cboNewArtiest_);
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdAnnuleren_ = new QPushButton(this);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdAnnuleren_->setAutoDefault(false);
    layout->addWidget(lblSelecteer);
    layout->addWidget(cboNewArtiest_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdAnnuleren_);
    layout->addLayout(buttons);

    setWindowTitle(QStringLiteral("Album ") + session_.message(29));
    applyCaptions(this, kMoveAlbumCaptions, [this](int k) { return session_.message(k); });
    fillArtists();

    connect(cmdOK_, &QPushButton::clicked, this, &MoveAlbumWindow::move);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
}

void MoveAlbumWindow::fillArtists()
{
    cboNewArtiest_->clear();
    const DbResult<QList<ArtistRow>> artists = Catalogue(session_.settings.database).FillArtistList(session_.languageLocale());
    if (!artists) {
        ShowError(parentWidget(), session_, prompts_,
            { artists.error().code, artists.error().text, source + QStringLiteral(".Form_Load") });
        return;
    }
    for (const ArtistRow& artist : artists.value())
        cboNewArtiest_->addItem(artist.name, artist.id);
    // Nothing is chosen until the user chooses.
    cboNewArtiest_->setCurrentIndex(-1);
}

void MoveAlbumWindow::move()
{
    const int chosen = cboNewArtiest_->currentIndex();
    if (chosen < 0)
        return;
    const qint64 newArtistId = cboNewArtiest_->itemData(chosen).toLongLong();
    const QString attention = session_.message(52);
    if (newArtistId == currentArtistId_) {
        prompts_.messageBox(this, session_.message(65), MsgBox::okOnly, attention);
        return;
    }
    const QString question = QLatin1Char('\'') + albumText_ + QStringLiteral("' >> '")
        + cboNewArtiest_->itemText(chosen) + QStringLiteral("' ?");
    if (prompts_.messageBox(this, question, MsgBox::yesNoQuestionDefaultNo, attention) != MsgBox::yes)
        return;
    const DbStatus done = moveAlbum(
        Catalogue(session_.settings.database), titleId_, newArtistId, QDateTime::currentDateTime());
    if (!done) {
        ShowError(this, session_, prompts_,
            { done.error().code, done.error().text, source + QStringLiteral(".cmdOK_Click") });
        return;
    }
    moved_ = true;
    accept();
}
