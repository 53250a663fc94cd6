#include "shell/settings.h"

#include <QDir>

QString withSeparator(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString resolvedFolder(const QString& value, const QString& homeFolder)
{
    const QString absolute = QDir::isAbsolutePath(value) ? value : QDir(homeFolder).filePath(value);
    return withSeparator(QDir::cleanPath(absolute));
}

void resolveRelativePaths(Settings& settings, const QString& homeFolder)
{
    for (QString* folder : { &settings.coverDir, &settings.muziekDir, &settings.backupDir, &settings.fotoDir }) {
        if (folder->isEmpty() || QDir::isRelativePath(*folder))
            *folder = resolvedFolder(*folder, homeFolder);
    }
    if (!settings.database.isEmpty() && QDir::isRelativePath(settings.database))
        settings.database = QDir::cleanPath(QDir(homeFolder).filePath(settings.database));
}
