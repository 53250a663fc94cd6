#include "support/fakehome.h"

#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

FakeHome::FakeHome()
    : m_savedHome(qgetenv("HOME"))
    , m_hadHome(qEnvironmentVariableIsSet("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    if (!documents().startsWith(m_dir.path()))
        ADD_FAILURE() << "the documents folder is not below the fake home: " << documents().toStdString();
}

FakeHome::~FakeHome()
{
    if (m_hadHome)
        qputenv("HOME", m_savedHome);
    else
        qunsetenv("HOME");
}

QString FakeHome::documents() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QStringList treeOf(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext())
        names << base.relativeFilePath(it.next());
    names.sort();
    return names;
}
