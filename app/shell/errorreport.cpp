#include "shell/errorreport.h"

#include <QLocale>

QString buildErrorReport(const AppError& error, const QDateTime& when)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Date and time: \t") + QLocale::system().toString(when, QLocale::ShortFormat)
        + crlf + QStringLiteral("Error number:\t") + QString::number(error.number) + crlf
        + QStringLiteral("Description:\t") + error.description + crlf
        + QStringLiteral("Source:\t\t") + error.source;
}
