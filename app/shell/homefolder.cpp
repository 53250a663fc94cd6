#include "shell/homefolder.h"

#include "shell/commandline.h"
#include "shell/settings.h"

#include <QDir>
#include <QStandardPaths>

QString homeFolderFor(const QString& homeOption)
{
    if (!homeOption.isEmpty())
        return withSeparator(QDir(homeOption).absolutePath());
    const QString fromEnvironment = qEnvironmentVariable("MELOTHEEK_HOME");
    if (!fromEnvironment.isEmpty())
        return withSeparator(QDir(fromEnvironment).absolutePath());
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSeparator(dataHome + QStringLiteral("/Melotheek"));
}

QString resolveHomeFolder(const QStringList& arguments)
{
    return homeFolderFor(parseCommandLine(arguments).home);
}

QString resolveHelpFolder(const QString& applicationDir)
{
    const QString folder = applicationDir + QStringLiteral("/" MELOTHEEK_DATA_FROM_BIN "/help");
    const QString canonical = QDir(folder).canonicalPath();
    // A missing folder is kept as it is, so the help request names the place it looked.
    return withSeparator(canonical.isEmpty() ? QDir::cleanPath(folder) : canonical);
}
