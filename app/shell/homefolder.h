#pragma once

#include <QString>
#include <QStringList>

// The folder that holds Melotheek.ini and, by default, the catalogue, covers, playlists,
// backups and photos: `--home DIR` on the command line, else $MELOTHEEK_HOME, else
// $XDG_DATA_HOME/Melotheek (~/.local/share/Melotheek). Returned with a trailing "/".
QString resolveHomeFolder(const QStringList& arguments);

// The folder of the shipped help pages, with a trailing "/": next to the installed program
// (<prefix>/share/melotheek/help), else the source tree's help folder for a program run
// from its build folder.
QString resolveHelpFolder(const QString& applicationDir);
