// The artist editor `Artiest`: adding, renaming, trimming and the name's length. A blank name,
// Cancel, Escape and failing stores are checked with the title editor's, in one table.
#include "editing/ui/artisteditor.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ArtistEditorTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;

    // An editor as the main window opens it: adding (id 0) or renaming `artistId` named `name`.
    std::unique_ptr<ArtistEditor> open(qint64 artistId = 0, const QString& name = {})
    {
        session.currentArtistName = name;
        auto editor = std::make_unique<ArtistEditor>(session, prompts);
        editor->setArtiestId(artistId);
        editor->show();
        return editor;
    }
    static QLineEdit* nameField(const std::unique_ptr<ArtistEditor>& editor)
    {
        return qtkit::childOf<QLineEdit>(editor.get(), "txtArtiest");
    }
    // Types `name` over the field's text and presses OK.
    static void store(const std::unique_ptr<ArtistEditor>& editor, const QString& name)
    {
        nameField(editor)->setText(name);
        qtkit::clickButton(editor.get(), "cmdOk");
    }
    QStringList storedNames() const
    {
        return db
            .firstRow(QStringLiteral(
                "SELECT group_concat(Artiest, '|') FROM (SELECT Artiest FROM Artiest ORDER BY Id)"))
            .value(0)
            .toString()
            .split(QLatin1Char('|'));
    }
};

TEST_F(ArtistEditorTest, AddingTrimsAllowsDuplicatesAndRenamingKeepsTheId)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    auto editor = open();
    store(editor, QStringLiteral("  ABBA \t"));
    EXPECT_FALSE(editor->isVisible() || editor->userCancelled());
    EXPECT_EQ(session.currentArtistName, QStringLiteral("ABBA"));
    const QString init = db.firstRow(QStringLiteral("SELECT datum_init FROM Artiest WHERE Id = ?"),
                               { editor->storedArtistId() })
                             .value(0)
                             .toString();
    EXPECT_GE(QDateTime::fromString(init, QStringLiteral("yyyy-MM-dd HH:mm:ss")), before)
        << init.toStdString();
    // A second artist of the same name is a second row.
    auto twin = open();
    store(twin, QStringLiteral("ABBA"));
    EXPECT_EQ(storedNames(), (QStringList { "ABBA", "ABBA" }));
    EXPECT_NE(twin->storedArtistId(), editor->storedArtistId());

    // Renaming, also to another artist's name, keeps the ids and adds no row.
    const qint64 first = editor->storedArtistId();
    auto renaming = open(first, QStringLiteral("ABBA"));
    EXPECT_EQ(nameField(renaming)->text(), QStringLiteral("ABBA"));
    store(renaming, QStringLiteral(" Queen "));
    EXPECT_EQ(renaming->storedArtistId(), first);
    store(open(twin->storedArtistId(), QStringLiteral("ABBA")), QStringLiteral("Queen"));
    EXPECT_EQ(storedNames(), (QStringList { "Queen", "Queen" }));

    // A name longer than typing allows (a CD import may write one) is shown and kept whole;
    // an artist whose name is empty is renamed, not added.
    const QString longName = QString(70, QLatin1Char('y'));
    auto kept = open(db.addArtist(longName), longName);
    qtkit::clickButton(kept.get(), "cmdOk");
    store(open(db.addArtist(QString()), QString()), "Unknown");
    EXPECT_EQ(storedNames(), (QStringList { "Queen", "Queen", longName, "Unknown" }));
}

} // namespace
