
#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>
#include <QWidget>
#include <utility>

void openHelpTopic(QWidget* window, Session& session, UserPrompts& prompts, const QString& anchor)
{
    const QString page = session.settings.help;
    const QString where = window->objectName() + QStringLiteral(".Help");
    if (!QFileInfo(page).isFile()) {
        ShowError(window, session, prompts,
            { ErrorNumbers::fileNotFound, QStringLiteral("Help page not found: %1").arg(page), where });
        return;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    if (!prompts.openUrl(url))
        ShowError(window, session, prompts,
            { ErrorNumbers::openUrl, QStringLiteral("Cannot open the help page %1").arg(page), where });
}

void addHelpKey(QWidget* window, Session& session, UserPrompts& prompts, std::function<QString()> anchor)
{
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(
        key, &QShortcut::activated, window, [window, &session, &prompts, anchor = std::move(anchor)] {
            openHelpTopic(window, session, prompts, anchor());
        });
}

void addHelpKey(QWidget* window, Session& session, UserPrompts& prompts, const QString& anchor)
{
    addHelpKey(window, session, prompts, [anchor] { return anchor; });
}
