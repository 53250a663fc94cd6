#include "shell/startfolder.h"

#include <QDir>
#include <QFileInfo>

QString startFolder(const QString& value, QStandardPaths::StandardLocation fallback)
{
    const QString trimmed = value.trimmed();
    if (!trimmed.isEmpty()) {
        const QFileInfo info(trimmed);
        if (info.isDir())
            return info.absoluteFilePath();
        if (info.absoluteDir().exists())
            return info.absolutePath();
    }
    const QString users = QStandardPaths::writableLocation(fallback);
    // Without a Music or Pictures folder of its own the desktop answers with the home folder.
    if (!users.isEmpty() && QFileInfo(users).isDir())
        return users;
    return QDir::homePath();
}
