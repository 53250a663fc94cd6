#include "editing/ui/artisteditor.h"

#include "editing/artiststore.h"
#include "resources/captionbindings.h"
#include "shell/session.h"
#include "shell/ui/captions.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr std::array<CaptionBinding, 3> kArtistEditorCaptions { {
    { "Artiest", 20 },
    { "lblArtiest", 20 },
    { "cmdAnnuleer", 37 },
} };

} // namespace

ArtistEditor::ArtistEditor(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("Artiest"));
    addHelpKey(this, session_, prompts_, QStringLiteral("artist"));
    auto* layout = new QGridLayout(this);
    lblKopregel_ = new QLabel(this);
    lblKopregel_->setObjectName(QStringLiteral("lblKopregel"));
    QFont heading = lblKopregel_->font();
    heading.setBold(true);
    lblKopregel_->setFont(heading);
    auto* lblArtiest = new QLabel(this);
    lblArtiest->setObjectName(QStringLiteral("lblArtiest"));
    txtArtiest_ = new QLineEdit(this);
    txtArtiest_->setObjectName(QStringLiteral("txtArtiest"));
    txtArtiest_->setMaxLength(ArtistLimits::artiest);
    txtArtiest_->setMinimumWidth(240);
    lblArtiest->setBuddy(txtArtiest_);
    cmdOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdAnnuleer_ = new QPushButton(this);
    cmdAnnuleer_->setObjectName(QStringLiteral("cmdAnnuleer"));
    cmdAnnuleer_->setAutoDefault(false);

    layout->addWidget(lblKopregel_, 0, 0, 1, 2);
    layout->addWidget(lblArtiest, 1, 0);
    layout->addWidget(txtArtiest_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdAnnuleer_);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(cmdOk_, &QPushButton::clicked, this, &ArtistEditor::store);
    connect(cmdAnnuleer_, &QPushButton::clicked, this, &ArtistEditor::cancel);
}

void ArtistEditor::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        load();
    }
    QDialog::showEvent(event);
}

void ArtistEditor::load()
{
    if (artiestId_ != 0) {
        // The limit is for typing: a longer stored name is shown whole, not cut on opening.
        const QString& name = session_.currentArtistName;
        txtArtiest_->setMaxLength(std::max<int>(ArtistLimits::artiest, static_cast<int>(name.size())));
        txtArtiest_->setText(name);
        lblKopregel_->setText(session_.message(15));
        setProperty("tag", QStringLiteral("0"));
    } else {
        setProperty("tag", QStringLiteral("1"));
        lblKopregel_->setText(session_.message(13));
    }
    applyCaptions(this, kArtistEditorCaptions, [this](int k) { return session_.message(k); });
    txtArtiest_->setFocus();
}

void ArtistEditor::store()
{
    const QString name = txtArtiest_->text().trimmed();
    if (name.isEmpty()) {
        prompts_.messageBox(this, session_.message(59), MsgBox::okOnly, session_.message(52));
        txtArtiest_->clear();
        txtArtiest_->setFocus();
        return;
    }
    const DbResult<qint64> stored
        = storeArtist(Catalogue(session_.settings.database), artiestId_, name, QDateTime::currentDateTime());
    if (!stored) {
        ShowError(this, session_, prompts_,
            { stored.error().code, stored.error().text, QStringLiteral("Artiest.cmdOk_Click") });
        return;
    }
    storedId_ = stored.value();
    session_.currentArtistName = name;
    accept();
}

void ArtistEditor::cancel()
{
    userCancelled_ = true;
    reject();
}

void ArtistEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}
