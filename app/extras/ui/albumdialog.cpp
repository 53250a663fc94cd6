#include "extras/ui/albumdialog.h"

#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

AlbumDialog::AlbumDialog(Session& session, UserPrompts& prompts, const ListEntry& entry, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , entry_(entry)
    , lblKop_(named(new QLabel(this), "lblKop"))
    , lblJaar_(named(new QLabel(this), "lblJaar"))
    , lblTitel_(named(new QLabel(this), "lblTitel"))
    , lblLengte_(named(new QLabel(this), "lblLengte"))
    , txtJaar_(named(new QLineEdit(entry.jaar, this), "txtJaar"))
    , txtTitel_(named(new QLineEdit(entry.titel, this), "txtTitel"))
    , txtLengte_(named(new QLineEdit(entry.lengte, this), "txtLengte"))
    , cmdSluiten_(named(new QPushButton(this), "cmdSluiten"))
    , cmdAnnuleren_(named(new QPushButton(this), "cmdAnnuleren"))
{
    setObjectName(QStringLiteral("Album"));
    addHelpKey(this, session_, prompts_, QStringLiteral("album"));
    setWindowTitle(session_.message(1));
    const bool tracks = entry_.kind == ListKind::Tracks;
    const bool adding = entry_.rowId == 0;
    const QString word = session_.message(adding ? 13 : 15);
    lblKop_->setText((tracks ? QStringLiteral("Track ") : QStringLiteral("Album ")) + word);
    QFont heading = lblKop_->font();
    heading.setBold(true);
    lblKop_->setFont(heading);
    lblJaar_->setText(tracks ? QStringLiteral("Track") : session_.message(18));
    lblTitel_->setText(session_.message(17));
    lblLengte_->setText(session_.message(36));
    lblJaar_->setBuddy(txtJaar_);
    lblTitel_->setBuddy(txtTitel_);
    lblLengte_->setBuddy(txtLengte_);
    lblLengte_->setVisible(tracks);
    txtLengte_->setVisible(tracks);
    cmdAnnuleren_->setText(session_.message(37));
    cmdSluiten_->setText(session_.message(12));
    // In the fields Enter moves on (their key filter takes it) until it reaches the save
    // button, which takes it as the dialog's default; on Cancel it cancels.
    cmdSluiten_->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(lblJaar_, 0, 0);
    fields->addWidget(txtJaar_, 0, 1);
    fields->addWidget(lblTitel_, 1, 0);
    fields->addWidget(txtTitel_, 1, 1);
    fields->addWidget(lblLengte_, 2, 0);
    fields->addWidget(txtLengte_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSluiten_);
    buttons->addWidget(cmdAnnuleren_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblKop_);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    for (QLineEdit* field : { txtJaar_, txtTitel_, txtLengte_ })
        field->installEventFilter(this);
    // A new track starts at its name: the number is already suggested.
    if (tracks && adding)
        txtTitel_->setFocus();
    else
        txtJaar_->setFocus();

    connect(cmdSluiten_, &QPushButton::clicked, this, &AlbumDialog::save);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
}

bool AlbumDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tracks = entry_.kind == ListKind::Tracks;
    if (watched == txtJaar_) {
        if (isEnter(key)) {
            txtTitel_->setFocus();
            return true;
        }
        const QString typed = key->text();
        // Only characters are filtered: Tab, Escape and the cursor keys keep working.
        if (typed.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
            || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Backspace)
            return false;
        const bool digit
            = typed.size() == 1 && typed.at(0) >= QLatin1Char('0') && typed.at(0) <= QLatin1Char('9');
        return !digit;
    }
    if (watched == txtTitel_ && isEnter(key)) {
        if (tracks)
            txtLengte_->setFocus();
        else
            cmdSluiten_->setFocus();
        return true;
    }
    if (watched == txtLengte_ && isEnter(key)) {
        cmdSluiten_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AlbumDialog::refuse(int k, QLineEdit* field)
{
    prompts_.messageBox(this, session_.message(k), MsgBox::okOnly, session_.message(52));
    field->clear();
    field->setFocus();
}

void AlbumDialog::save()
{
    const bool tracks = entry_.kind == ListKind::Tracks;
    // The key filter keeps letters out, but a pasted text may still hold some; the year or
    // number is a whole number or it is not entered.
    bool isNumber = false;
    txtJaar_->text().trimmed().toLongLong(&isNumber);
    if (!isNumber) {
        refuse(tracks ? 57 : 56, txtJaar_);
        return;
    }
    if (txtTitel_->text().trimmed().isEmpty()) {
        refuse(tracks ? 57 : 58, txtTitel_);
        return;
    }
    ListEntry entry = entry_;
    entry.jaar = txtJaar_->text();
    entry.titel = txtTitel_->text();
    entry.lengte = tracks ? txtLengte_->text() : QString();
    const DbStatus status = saveListEntry(Catalogue(session_.settings.database), entry);
    if (!status) {
        ShowError(this, session_, prompts_,
            { status.error().code, status.error().text, QStringLiteral("Album.cmdSluiten_Click") });
        return;
    }
    saved_ = true;
    accept();
}
