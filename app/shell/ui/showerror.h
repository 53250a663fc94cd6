#pragma once

#include "shell/errorreport.h"

class QWidget;
class Session;
class UserPrompts;

// Reports a trapped failure: builds the report, keeps it as the session's last error text
// and shows it in the error window over `owner`. Returns when the window was closed; the
// caller then goes on or ends its handler.
void ShowError(QWidget* owner, Session& session, UserPrompts& prompts, const AppError& error);
