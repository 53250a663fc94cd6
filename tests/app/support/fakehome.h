#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points the user's home folder (and with it the documents folder the exports write to) at a
// fresh temporary folder for as long as it lives, so tests never touch the real one. Qt's
// test mode moves the data and settings folders but not the documents folder.
class FakeHome {
public:
    FakeHome();
    ~FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    QString path() const { return m_dir.path(); }
    // The documents folder the desktop now names (it does not exist until created).
    QString documents() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedHome;
    bool m_hadHome = false;
};

// The names of every file and folder below `folder`, relative to it, sorted.
QStringList treeOf(const QString& folder);
