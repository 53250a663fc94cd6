#include "editing/playlistfile.h"

#include "editing/legacytext.h"
#include "shell/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QStringList musicFilePatterns(MusicKind kind)
{
    switch (kind) {
    case MusicKind::Mp3:
        return {QStringLiteral("*.mp3")};
    case MusicKind::Wma:
        return {QStringLiteral("*.wma")};
    case MusicKind::Other:
        break;
    }
    return {QStringLiteral("*.flac"), QStringLiteral("*.ogg"), QStringLiteral("*.opus"),
            QStringLiteral("*.m4a")};
}

bool listMusicFiles(const QString& folder, MusicKind kind, QStringList& names, QString* error)
{
    names.clear();
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        if (error)
            *error = info.exists() && info.isDir()
                ? QStringLiteral("Cannot read the folder %1").arg(folder)
                : QStringLiteral("The folder %1 does not exist").arg(folder);
        return false;
    }
    // QDir matches name filters without regard to letter case unless told otherwise.
    const QDir dir(folder, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files);
    for (const QString& name : dir.entryList(musicFilePatterns(kind))) {
        if (!name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')))
            names << name;
    }
    return true;
}

QString playlistPath(const QString& muziekDir, qint64 titleId)
{
    return muziekDir + QString::number(titleId) + QStringLiteral(".m3u");
}

QByteArray playlistBytes(const QString& folder, const QStringList& names)
{
    const QString prefix = withSeparator(folder);
    QByteArray bytes;
    for (const QString& name : names)
        bytes += (prefix + name).toUtf8() + "\r\n";
    return bytes;
}

bool writePlaylist(const QString& path, const QString& folder, const QStringList& names,
                   QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write the playlist %1: %2").arg(path, file.errorString());
        return false;
    }
    // A write the disc takes only in part (full, or over the size limit) is a failure too.
    const QByteArray bytes = playlistBytes(folder, names);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write the playlist %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QStringList parsePlaylist(const QByteArray& bytes)
{
    QStringList entries;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        entries << decodeUtf8OrWindows1252(line);
    }
    return entries;
}

bool readPlaylist(const QString& path, QStringList& entries, QString* error)
{
    entries.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open the playlist %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > maxPlaylistBytes) {
        if (error)
            *error = QStringLiteral("The playlist %1 is too large (%2 bytes)")
                         .arg(path).arg(file.size());
        return false;
    }
    const QByteArray bytes = file.read(maxPlaylistBytes + 1);
    if (bytes.size() > maxPlaylistBytes || file.error() != QFileDevice::NoError) {
        if (error)
            *error = bytes.size() > maxPlaylistBytes
                ? QStringLiteral("The playlist %1 is too large").arg(path)
                : QStringLiteral("Cannot read the playlist %1: %2").arg(path, file.errorString());
        return false;
    }
    entries = parsePlaylist(bytes);
    return true;
}

QString trackCaption(const QString& entry)
{
    const QString name = entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}
