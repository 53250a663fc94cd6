#include "shell/homefolder.h"

#include "shell/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString resolveHomeFolder(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--home") && i + 1 < arguments.size())
            return withSeparator(QDir(arguments.at(i + 1)).absolutePath());
        if (arg.startsWith(QLatin1String("--home=")))
            return withSeparator(QDir(arg.mid(7)).absolutePath());
    }
    const QString fromEnvironment = qEnvironmentVariable("MELOTHEEK_HOME");
    if (!fromEnvironment.isEmpty())
        return withSeparator(QDir(fromEnvironment).absolutePath());
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSeparator(dataHome + QStringLiteral("/Melotheek"));
}

QString resolveHelpFolder(const QString& applicationDir)
{
    const QString installed = applicationDir + QStringLiteral("/../share/melotheek/help");
    if (QFileInfo(installed + QStringLiteral("/English.html")).exists())
        return withSeparator(QDir(installed).canonicalPath());
    return withSeparator(QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
}
