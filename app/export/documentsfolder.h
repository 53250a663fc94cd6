#pragma once

#include "shell/errorreport.h"

#include <QString>
#include <optional>

// The folder the exports are written to: the user's documents folder as the desktop names it,
// or `homeFolder` (the program's own folder) when the desktop names none. Always ends in "/".
QString exportFolder(const QString& homeFolder);

// Creates `folder` (with its parents) when it does not exist yet. A failure is described for
// the error window, naming the folder; `source` names the procedure in the report.
std::optional<AppError> ensureExportFolder(const QString& folder, const QString& source);
