#include "export/ui/htmlexportcommand.h"

#include "db/catalogue.h"
#include "export/documentsfolder.h"
#include "export/htmloverview.h"
#include "shell/session.h"
#include "shell/ui/busycursor.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QDir>
#include <QUrl>

namespace {

const QString source = QStringLiteral("Muziek.mnuHtml_Click");

} // namespace

void exportHtmlOverview(
    QWidget* owner, Session& session, UserPrompts& prompts, qint64 selectedArtistId, ExportScope scope)
{
    if (selectedArtistId == 0)
        return;

    const QString folder = exportFolder(session.homeFolder());
    const QString filePath = folder + htmlOverviewFileName;
    const HtmlOverviewTexts texts { session.message(1), session.message(55), session.message(20),
        session.message(17), session.message(18), session.message(19) };
    std::optional<AppError> failure;
    {
        BusyCursor busy;
        failure = ensureExportFolder(folder, source);
        if (!failure)
            failure = writeHtmlOverview(
                Catalogue(session.settings.database), scope, selectedArtistId, texts, filePath, source);
    }
    // A desktop without a program for web pages would leave the written page unopened and
    // the user without a word of where it is: that is reported like any other failure.
    if (!failure && !prompts.openUrl(QUrl::fromLocalFile(filePath))) {
        failure = AppError { ErrorNumbers::openUrl,
            QStringLiteral("The overview %1 was written, but no program opens it.")
                .arg(QDir::toNativeSeparators(filePath)),
            source };
    }
    if (failure)
        ShowError(owner, session, prompts, *failure);
}
