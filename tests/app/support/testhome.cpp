#include "support/testhome.h"

#include "qtkit/qfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

TestHome::TestHome(LanguageBase language)
    : m_home(m_dir.path() + QStringLiteral("/Melotheek/"))
    , m_savedHome(qgetenv("HOME"))
    , m_hadHome(qEnvironmentVariableIsSet("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    if (!documents().startsWith(m_dir.path()))
        ADD_FAILURE() << "the documents folder is not below the fake home: " << documents().toStdString();
    for (const char* folder : { "Database", "Covers", "Playlist", "Backup", "Foto" })
        QDir().mkpath(m_home + QLatin1String(folder));
    m_db = std::make_unique<TestCatalogue>(filePath(QStringLiteral("Database/Muziek.db")));
    rewriteSettings({}, language);
}

TestHome::~TestHome()
{
    m_session.reset();
    if (m_hadHome)
        qputenv("HOME", m_savedHome);
    else
        qunsetenv("HOME");
}

QString TestHome::documents() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TestHome::rewriteSettings(const QByteArray& extraLines, LanguageBase language)
{
    const QString text = QStringLiteral("[Instellingen]\nSetup=1\nTaal=%1\nDatabase=%2\nCoverDir=%3Covers/\n"
                                        "MuziekDir=%3Playlist/\nBackupDir=%3Backup/\nFotoDir=%3Foto/\n")
                             .arg(taalOf(language), m_db->path(), m_home);
    qtkit::writeFile(iniPath(), text.toUtf8() + extraLines);
    startSession(language);
}

void TestHome::startSession(LanguageBase language)
{
    m_session = std::make_unique<Session>(m_home);
    Settings& settings = m_session->settings;
    settings.database = m_db->path();
    settings.coverDir = m_home + QStringLiteral("Covers/");
    settings.muziekDir = m_home + QStringLiteral("Playlist/");
    settings.backupDir = m_home + QStringLiteral("Backup/");
    settings.fotoDir = m_home + QStringLiteral("Foto/");
    settings.taal = taalOf(language);
}
