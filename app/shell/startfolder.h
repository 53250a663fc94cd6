#pragma once

#include <QStandardPaths>
#include <QString>

// The folder a file dialog or the folder chooser opens in: the folder `value` names, or the
// folder of the file it names (also of a file not made yet, when its folder exists); else the
// user's `fallback` folder (Music, Pictures) when it exists; else the home folder.
QString startFolder(const QString& value, QStandardPaths::StandardLocation fallback);
