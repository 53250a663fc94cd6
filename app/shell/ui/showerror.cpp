#include "shell/ui/showerror.h"

#include "shell/session.h"
#include "shell/ui/userprompts.h"

void ShowError(QWidget* owner, Session& session, UserPrompts& prompts, const AppError& error)
{
    session.errorText = buildErrorReport(error, QDateTime::currentDateTime());
    prompts.errorReport(owner, session.errorText, session.message(1), session.message(54));
}
