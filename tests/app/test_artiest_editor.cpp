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
        QStringList names;
        const auto rows
            = db.catalogue().OpenRecordset(QStringLiteral("SELECT Artiest FROM Artiest ORDER BY Id"));
        EXPECT_TRUE(rows.ok());
        for (const QVariantList& row : rows.valueOr({}).rows)
            names << row.value(0).toString();
        return names;
    }
};

TEST_F(ArtistEditorTest, AddingStoresTheTrimmedNameAndAllowsDuplicates)
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
}

TEST_F(ArtistEditorTest, RenamingKeepsTheIdAndCutsTypedNamesAtTheLimit)
{
    const qint64 abba = db.addArtist("Abba");
    db.addArtist("Queen");
    // Renaming to another artist's name is allowed; both keep their ids.
    auto editor = open(abba, QStringLiteral("Abba"));
    EXPECT_EQ(nameField(editor)->text(), QStringLiteral("Abba"));
    store(editor, QStringLiteral(" Queen "));
    EXPECT_EQ(editor->storedArtistId(), abba);
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
