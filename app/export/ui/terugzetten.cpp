#include "export/ui/terugzetten.h"

#include "export/backup.h"
#include "shell/session.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
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
    const QString folder = session_.settings.backupDir;
    const QString chosen = cboBackup_->currentText();
    const QString backup = QDir(folder).filePath(chosen);
    const QString database = session_.settings.database;
    const QString kept = keptCatalogueName(folder, QDateTime::currentDateTime());
    const QString keptPath = QDir(folder).filePath(kept);
    busy_ = true;
    ProgressWindow window(this, session_.message(35), ProgressWindow::Cancel::Offered);
    const QString step = tr("Restoring the catalogue from %1").arg(chosen);
    const FileStatus status = window.run([backup, database, keptPath, step](ProgressReport& progress) {
        progress.setStep(step);
        return restoreCatalogue(backup, database, keptPath, &progress);
    });
    busy_ = false;
    if (!status) {
        if (status.error().number != FileErrorNumbers::cancelled)
            ShowError(this, session_, prompts_,
                { status.error().number, status.error().text, QStringLiteral("Terugzetten.cmdKeuze_Click") });
        return;
    }
    restored_ = true;
    showDone(QFileInfo::exists(keptPath) ? kept : QString());
    emit catalogueRestored();
}

void Terugzetten::showDone(const QString& kept)
{
    cmdKeuze0_->hide();
    cboBackup_->hide();
    cmdKeuze1_->setText(QStringLiteral("Ok"));
    cmdKeuze1_->setDefault(true);
    setWindowTitle(session_.message(52));
    QString text = session_.message(63);
    if (!kept.isEmpty())
        text += QLatin1Char('\n')
            + tr("The catalogue as it was before is kept as %1; choose it here to undo the restore.").arg(kept);
    lblMelding_->setText(text);
    lblMelding_->show();
}

void Terugzetten::reject()
{
    // The window stays until the catalogue copy it started has ended.
    if (!busy_)
        QDialog::reject();
}
