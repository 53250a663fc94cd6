#include "export/documentsfolder.h"

#include "shell/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString exportFolder(const QString& homeFolder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withSeparator(documents.isEmpty() ? homeFolder : documents);
}

std::optional<AppError> ensureExportFolder(const QString& folder, const QString& source)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return std::nullopt;
    if (info.exists()) {
        return AppError { ErrorNumbers::pathNotFound,
            QStringLiteral("%1 is not a folder; the export cannot be written there.")
                .arg(QDir::toNativeSeparators(folder)),
            source };
    }
    if (!QDir().mkpath(folder)) {
        return AppError { ErrorNumbers::pathNotFound,
            QStringLiteral("The folder %1 cannot be created; the export cannot be written.")
                .arg(QDir::toNativeSeparators(folder)),
            source };
    }
    return std::nullopt;
}
