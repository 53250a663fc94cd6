#pragma once

#include "export/exportscope.h"

#include <QtGlobal>

class QWidget;
class Session;
class UserPrompts;

// The Export menu's HTML entries (`mnuHtml` 0 "Current", 1 "All"): writes the overview of the
// selected artist or of all artists as "Melotheek.html" in the documents folder (created when
// missing) and opens it with the desktop's program for web pages. `selectedArtistId` is the
// artist selected in the main window, 0 when none is: then nothing happens, for "All" too.
// A failure is reported through the error window over `owner`; nothing is opened then and an
// earlier overview stays as it was. A written overview that no program opens is reported too.
void exportHtmlOverview(
    QWidget* owner, Session& session, UserPrompts& prompts, qint64 selectedArtistId, ExportScope scope);
