#include "import/ui/discogsrapport.h"

#include "import/discogsimport.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/userprompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QString reportText(const DiscogsReport& report)
{
    QStringList lines;
    lines << DiscogsRapport::tr("Added: %1").arg(report.added)
          << DiscogsRapport::tr("Skipped, already in the catalogue: %1").arg(report.skipped)
          << DiscogsRapport::tr("Refused: %1").arg(report.refused);
    if (!report.failure.isEmpty())
        lines << QString() << DiscogsRapport::tr("The import stopped early: %1").arg(report.failure);
    if (report.cancelled)
        lines << QString() << DiscogsRapport::tr("Cancelled: the rows after these were not read.");
    if (!report.refusals.isEmpty()) {
        lines << QString();
        for (const DiscogsRefusal& refusal : report.refusals)
            lines << DiscogsRapport::tr("Line %1: %2").arg(refusal.line).arg(refusal.reason);
        if (report.refused > report.refusals.size())
            lines << DiscogsRapport::tr("Further refused rows not listed: %1")
                         .arg(report.refused - report.refusals.size());
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

DiscogsRapport::DiscogsRapport(
    Session& session, UserPrompts& prompts, const DiscogsReport& report, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DiscogsRapport"));
    setWindowTitle(tr("Import Discogs collection"));
    addHelpKey(this, session, prompts, QStringLiteral("importdiscogs"));
    txtRapport_ = new QPlainTextEdit(this);
    txtRapport_->setObjectName(QStringLiteral("txtRapport"));
    txtRapport_->setReadOnly(true);
    txtRapport_->setAccessibleName(tr("Report"));
    txtRapport_->setPlainText(reportText(report));
    txtRapport_->setMinimumSize(480, 260);
    // Qt's own Close button follows the interface language with Qt's translations.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdSluiten"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtRapport_, 1);
    layout->addWidget(buttons);
}

bool importDiscogsFile(QWidget* owner, Session& session, UserPrompts& prompts)
{
    const QString title = DiscogsRapport::tr("Import Discogs collection");
    const QString csv = prompts.openFileName(owner, title,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        DiscogsRapport::tr("Discogs collection (*.csv)"));
    if (csv.isEmpty())
        return false;
    const Catalogue catalogue(session.settings.database);
    ProgressWindow window(owner, title, ProgressWindow::Cancel::Offered);
    const DiscogsReport report = window.run([catalogue, csv](ProgressReport& progress) {
        const QString step = DiscogsRapport::tr("Reading %1").arg(QFileInfo(csv).fileName());
        progress.setStep(step);
        return importDiscogsCollection(catalogue, csv, [&progress](qint64 done, qint64 total) {
            // Bytes are shown as a share of the file: a count in bytes says little.
            progress.setCount(total > 0 ? done * 100 / total : 0, total > 0 ? 100 : 0);
            return !progress.cancelRequested();
        });
    });
    DiscogsRapport shown(session, prompts, report, owner);
    shown.exec();
    return report.added > 0;
}
