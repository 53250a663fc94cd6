#pragma once

// Whole-file helpers in Qt's terms, for the tests of the windows.

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>

namespace qtkit {

// Replaces `path` with `bytes`, creating missing folders; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// The file's bytes (empty when it cannot be read), to show that a failed operation left it
// exactly as it was.
QByteArray fileBytes(const QString& path);

// The names of every file and folder below `folder`, relative to it, sorted, hidden ones
// included.
QStringList treeOf(const QString& folder);

// Every file below `folder` (relative path -> bytes), hidden ones included.
std::map<QString, QByteArray> snapshot(const QString& folder);

// A real picture of one colour (which may be transparent), encoded as `format` ("JPG", "PNG", "BMP").
QByteArray pictureBytes(QSize size, QColor colour, const char* format = "JPG");

// `size` letters a-z drawn from `seed`: file contents that differ from file to file and that a
// test can make again.
QByteArray randomText(qsizetype size, quint32 seed);

} // namespace qtkit
