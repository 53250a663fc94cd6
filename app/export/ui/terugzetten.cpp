#include "export/ui/terugzetten.h"

#include "export/backup.h"
#include "export/ui/offthread.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Terugzetten::Terugzetten(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("Terugzetten"));
    addHelpKey(this, session_, prompts_, QStringLiteral("restore"));
    auto* layout = new QVBoxLayout(this);
    cboBackup_ = new QComboBox(this);
    cboBackup_->setObjectName(QStringLiteral("cboBackup"));
    cboBackup_->setAccessibleName(session_.message(8));
    cboBackup_->setMinimumWidth(220);
    lblMelding_ = new QLabel(this);
    lblMelding_->setObjectName(QStringLiteral("lblMelding"));
    lblMelding_->hide();
    cmdKeuze0_ = new QPushButton(QStringLiteral("Ok"), this);
    cmdKeuze0_->setObjectName(QStringLiteral("cmdKeuze_0"));
    cmdKeuze0_->setDefault(true);
    cmdKeuze1_ = new QPushButton(this);
    cmdKeuze1_->setObjectName(QStringLiteral("cmdKeuze_1"));
    cmdKeuze1_->setAutoDefault(false);
    layout->addWidget(cboBackup_);
    layout->addWidget(lblMelding_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdKeuze0_);
    buttons->addWidget(cmdKeuze1_);
    layout->addLayout(buttons);

    setWindowTitle(session_.message(39) + QLatin1Char(' ') + session_.message(8));
    cmdKeuze1_->setText(session_.message(37));
    fillBackups();

    connect(cmdKeuze0_, &QPushButton::clicked, this, &Terugzetten::restoreChosen);
    connect(cmdKeuze1_, &QPushButton::clicked, this, &Terugzetten::reject);
}

void Terugzetten::fillBackups()
{
    cboBackup_->clear();
    cboBackup_->addItems(catalogueBackups(session_.settings.backupDir));
    if (cboBackup_->count() > 0)
        cboBackup_->setCurrentIndex(cboBackup_->count() - 1);
}

void Terugzetten::restoreChosen()
{
    if (busy_ || cboBackup_->count() == 0 || cboBackup_->currentIndex() < 0)
        return;
    const QString backup = QDir(session_.settings.backupDir).filePath(cboBackup_->currentText());
    const QString database = session_.settings.database;
    busy_ = true;
    const FileStatus status
        = runOffUiThread([backup, database] { return restoreCatalogue(backup, database); });
    busy_ = false;
    if (!status) {
        ShowError(this, session_, prompts_,
            { status.error().number, status.error().text, QStringLiteral("Terugzetten.cmdKeuze_Click") });
        return;
    }
    restored_ = true;
    showDone();
    emit catalogueRestored();
}

void Terugzetten::showDone()
{
    cmdKeuze0_->hide();
    cboBackup_->hide();
    cmdKeuze1_->setText(QStringLiteral("Ok"));
    cmdKeuze1_->setDefault(true);
    setWindowTitle(session_.message(52));
    lblMelding_->setText(session_.message(63));
    lblMelding_->show();
}

void Terugzetten::reject()
{
    // The window stays until the catalogue copy it started has ended.
    if (!busy_)
        QDialog::reject();
}
