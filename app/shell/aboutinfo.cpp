#include "shell/aboutinfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrlQuery>

QString yearLine(const QDate& today)
{
    return QStringLiteral("Copyright \u00a9 ")
        + QString::number(today.year()).rightJustified(4, QLatin1Char('0'));
}

QString buildIdentification(const QString& version, const QDateTime& programFileDate)
{
    QString text = QStringLiteral("Version: ") + version;
    if (programFileDate.isValid())
        text
            += QStringLiteral(" (") + programFileDate.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char(')');
    return text;
}

QDateTime programFileDate()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        return {};
    const QFileInfo info(program);
    return info.exists() ? info.lastModified() : QDateTime();
}

QUrl mailLink(const QString& address, const QString& buildIdentification)
{
    QUrl link;
    link.setScheme(QStringLiteral("mailto"));
    link.setPath(address);
    QUrlQuery query;
    // Percent-encoded in full, so blanks, brackets and "&" survive every mail program.
    query.addQueryItem(QStringLiteral("subject"),
        QString::fromLatin1(QUrl::toPercentEncoding(
            QStringLiteral("Melotheek (compilation ") + buildIdentification + QStringLiteral(" )"))));
    link.setQuery(query);
    return link;
}
