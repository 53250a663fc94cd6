#pragma once

#include "resources/languagetable.h"
#include "shell/session.h"
#include "support/testcatalogue.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A Melotheek home folder in a fresh temporary folder, as an installed program has it after
// its first start: the settings file (`Setup`, the language, the catalogue and the four
// folders), the folders and an empty catalogue, and a `Session` on it with those settings.
// $HOME points into it as well for as long as it lives, so the documents folder the exports
// write to is private too.
class TestHome {
public:
    explicit TestHome(LanguageBase language = LanguageBase::English);
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    // The program's home folder, ending in "/".
    QString path() const { return m_home; }
    QString filePath(const QString& name) const { return m_home + name; }
    // The desktop's documents folder (below the fake $HOME; not created until used).
    QString documents() const;
    QString iniPath() const { return filePath(QStringLiteral("Melotheek.ini")); }

    TestCatalogue& db() { return *m_db; }
    const Catalogue& catalogue() const { return m_db->catalogue(); }
    Session& session() { return *m_session; }

    // Writes the settings file again in `language` with `extraLines` appended to section
    // `Instellingen` and starts a fresh session on it, for tests of start-up.
    void rewriteSettings(const QByteArray& extraLines = {}, LanguageBase language = LanguageBase::English);

private:
    void startSession(LanguageBase language);

    QTemporaryDir m_dir;
    QString m_home;
    QByteArray m_savedHome;
    bool m_hadHome = false;
    std::unique_ptr<TestCatalogue> m_db;
    std::unique_ptr<Session> m_session;
};
