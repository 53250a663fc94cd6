#pragma once

#include <QString>
#include <QStringList>

// The folder that holds Melotheek.ini and, by default, the catalogue, covers, playlists,
// backups and photos: `homeOption` (the value of --home) when given, else $MELOTHEEK_HOME,
// else $XDG_DATA_HOME/Melotheek (~/.local/share/Melotheek). Returned with a trailing "/".
QString homeFolderFor(const QString& homeOption);

// The same for a whole command line (the first argument is the program).
QString resolveHomeFolder(const QStringList& arguments);

// The folder of the shipped help pages, with a trailing "/": <data>/help, where <data> is the
// program's data folder found from the folder of the program (<prefix>/share/melotheek beside
// <prefix>/bin). The build tree lays its data out the same way, so a program run from its build
// folder finds the pages too, and no path of the build machine is compiled in.
QString resolveHelpFolder(const QString& applicationDir);
