#include "export/ui/maintenancecommands.h"

#include "export/backup.h"
#include "export/compaction.h"
#include "export/ui/terugzetten.h"
#include "shell/session.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QDate>
#include <QDir>

namespace {

const QString backupSource = QStringLiteral("Muziek.mnuBackup_Click");
const QString restoreSource = QStringLiteral("Muziek.mnuTerug_Click");
const QString maintenanceSource = QStringLiteral("Muziek.mnuOnderhoud_Click");

constexpr int msgDatabase = 3;
constexpr int msgBackup = 8;
constexpr int msgCompact = 34;
constexpr int msgRestore = 35;
constexpr int msgAttention = 52;
constexpr int msgRestored = 63;
constexpr int msgOverwriteBackup = 66;
constexpr int msgCreateBackup = 67;
constexpr int msgNothingToBackup = 68;
constexpr int msgFileNotFound = 69;

} // namespace

// Marks the commands busy for as long as one runs.
class MaintenanceCommands::BusyScope {
public:
    explicit BusyScope(MaintenanceCommands& commands)
        : m_commands(commands)
    {
        m_commands.busy_ = true;
        emit m_commands.busyChanged(true);
    }
    ~BusyScope()
    {
        m_commands.busy_ = false;
        emit m_commands.busyChanged(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MaintenanceCommands& m_commands;
};

MaintenanceCommands::MaintenanceCommands(Session& session, UserPrompts& prompts, QWidget* owner)
    : QObject(owner)
    , session_(session)
    , prompts_(prompts)
    , owner_(owner)
{
}

void MaintenanceCommands::report(const FileError& error, const QString& source)
{
    // A job the user cancelled left everything as it was: nothing to report.
    if (error.number != FileErrorNumbers::cancelled)
        ShowError(owner_, session_, prompts_, { error.number, error.text, source });
}

void MaintenanceCommands::backup(int index)
{
    if (busy_ || index < 0 || index > 3)
        return;
    BusyScope scope(*this);
    if (index == 0)
        backupCatalogueFile();
    else
        backupArchiveOf(index);
}

void MaintenanceCommands::restore(int index)
{
    if (busy_ || index < 0 || index > 3)
        return;
    BusyScope scope(*this);
    if (index == 0)
        restoreCatalogueFile();
    else
        restoreArchiveOf(index);
}

void MaintenanceCommands::backupCatalogueFile()
{
    const QString folder = session_.settings.backupDir;
    if (FileStatus present = checkBackupFolder(folder); !present)
        return report(present.error(), backupSource);
    const QString name = datedBackupName(QDate::currentDate());
    const int question = backupFileExists(folder, name) ? msgOverwriteBackup : msgCreateBackup;
    if (prompts_.messageBox(
            owner_, session_.message(question), MsgBox::yesNoQuestion, session_.message(msgAttention))
        != MsgBox::yes)
        return;
    const QString database = session_.settings.database;
    const QString target = QDir(folder).filePath(name);
    ProgressWindow window(owner_, session_.message(msgBackup), ProgressWindow::Cancel::Offered);
    const QString step = tr("Copying the catalogue to %1").arg(name);
    const FileStatus copied = window.run([database, target, step](ProgressReport& progress) {
        progress.setStep(step);
        return backupCatalogue(database, target, &progress);
    });
    if (!copied)
        return report(copied.error(), backupSource);
    prompts_.messageBox(
        owner_, QStringLiteral("Backup: ") + name, MsgBox::okInformation, session_.message(msgAttention));
}

void MaintenanceCommands::backupArchiveOf(int index)
{
    const std::optional<ArchiveKind> kind = archiveKind(index, session_.settings);
    if (!kind)
        return;
    if (filesToArchive(*kind).isEmpty()) {
        prompts_.messageBox(
            owner_, session_.message(msgNothingToBackup), MsgBox::okOnly, session_.message(msgAttention));
        return;
    }
    const QString folder = session_.settings.backupDir;
    if (FileStatus present = checkBackupFolder(folder); !present)
        return report(present.error(), backupSource);
    const QString name = session_.message(kind->nameMessage) + QStringLiteral(".cab");
    const QString cabPath = QDir(folder).filePath(name);
    const ArchiveKind what = *kind;
    ProgressWindow window(owner_, session_.message(msgBackup), ProgressWindow::Cancel::Offered);
    const QString step = tr("Writing %1").arg(name);
    const FileStatus written = window.run([what, cabPath, step](ProgressReport& progress) {
        progress.setStep(step);
        return backupArchive(what, cabPath, &progress);
    });
    if (!written)
        return report(written.error(), backupSource);
    prompts_.messageBox(
        owner_, QStringLiteral("Backup: ") + name, MsgBox::okInformation, session_.message(msgAttention));
}

void MaintenanceCommands::restoreArchiveOf(int index)
{
    const std::optional<ArchiveKind> kind = archiveKind(index, session_.settings);
    if (!kind)
        return;
    const QString folder = session_.settings.backupDir;
    if (FileStatus present = checkBackupFolder(folder); !present)
        return report(present.error(), restoreSource);
    const QString name = session_.message(kind->nameMessage) + QStringLiteral(".cab");
    if (!backupFileExists(folder, name)) {
        prompts_.messageBox(owner_, session_.message(msgFileNotFound), MsgBox::okInformation, name);
        return;
    }
    if (prompts_.messageBox(
            owner_, session_.message(msgRestore) + QLatin1Char('?'), MsgBox::yesNoQuestionDefaultNo, name)
        != MsgBox::yes)
        return;
    const QString cabPath = QDir(folder).filePath(name);
    const ArchiveKind what = *kind;
    ProgressWindow window(owner_, session_.message(msgRestore), ProgressWindow::Cancel::Offered);
    const QString step = tr("Restoring the files of %1").arg(name);
    const FileResult<int> restored = window.run([what, cabPath, step](ProgressReport& progress) {
        progress.setStep(step);
        return restoreArchive(what, cabPath, &progress);
    });
    if (!restored)
        return report(restored.error(), restoreSource);
    prompts_.messageBox(owner_, session_.message(msgRestored), MsgBox::okInformation, name);
}

void MaintenanceCommands::restoreCatalogueFile()
{
    if (FileStatus present = checkBackupFolder(session_.settings.backupDir); !present)
        return report(present.error(), restoreSource);
    Terugzetten window(session_, prompts_, owner_);
    connect(&window, &Terugzetten::catalogueRestored, this, &MaintenanceCommands::catalogueRestored);
    window.exec();
}

void MaintenanceCommands::compact()
{
    if (busy_)
        return;
    BusyScope scope(*this);
    const QString question
        = session_.message(msgCompact) + QLatin1Char(' ') + session_.message(msgDatabase) + QLatin1Char('?');
    if (prompts_.messageBox(owner_, question, MsgBox::yesNoQuestion, session_.message(msgAttention))
        != MsgBox::yes)
        return;
    const QString database = session_.settings.database;
    ProgressWindow window(owner_, session_.message(msgCompact), ProgressWindow::Cancel::Offered);
    const QString step = tr("Compacting the catalogue");
    const FileResult<CompactionOutcome> outcome = window.run([database, step](ProgressReport& progress) {
        progress.setStep(step);
        return compactCatalogue(database, &progress);
    });
    if (!outcome)
        return report(outcome.error(), maintenanceSource);
    prompts_.messageBox(owner_,
        session_.message(msgCompact) + QStringLiteral(": ") + QString::number(outcome.value().saving)
            + QStringLiteral("%."),
        MsgBox::okOnly, session_.message(msgAttention));
}
