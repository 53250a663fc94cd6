// The artist editor `Artiest` on its own: adding, renaming, trimming, limits and failures.
#include "editing/ui/artisteditor.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ArtistEditorTest : public ::testing::Test {
protected:
    TestCatalogue db;
    FakePrompts prompts;
    Session session { db.folder() };

    void SetUp() override
    {
        session.settings.database = db.path();
        session.settings.taal = QStringLiteral("200");
    }

    // An editor as the main window opens it: adding (id 0) or renaming `artistId` named `name`.
    std::unique_ptr<ArtistEditor> open(qint64 artistId = 0, const QString& name = {})
    {
        session.currentArtistName = name;
        auto editor = std::make_unique<ArtistEditor>(session, prompts);
        editor->setArtiestId(artistId);
        editor->show();
        return editor;
    }
    QLineEdit* nameField(const std::unique_ptr<ArtistEditor>& editor) const
    {
        return childOf<QLineEdit>(editor.get(), "txtArtiest");
    }
    void pressOk(const std::unique_ptr<ArtistEditor>& editor) const
    {
        childOf<QPushButton>(editor.get(), "cmdOk")->click();
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
    auto editor = open();
    EXPECT_EQ(editor->property("tag").toString(), QStringLiteral("1"));
    EXPECT_EQ(childOf<QLabel>(editor.get(), "lblKopregel")->text(), QStringLiteral("Add"));
    EXPECT_EQ(childOf<QLabel>(editor.get(), "lblArtiest")->text(), QStringLiteral("Artist"));
    EXPECT_EQ(childOf<QPushButton>(editor.get(), "cmdAnnuleer")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(nameField(editor)->text().isEmpty());

    nameField(editor)->setText(QStringLiteral("  ABBA \t"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    pressOk(editor);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->userCancelled());
    EXPECT_EQ(session.currentArtistName, QStringLiteral("ABBA"));
    EXPECT_EQ(storedNames(), QStringList { QStringLiteral("ABBA") });
    const auto init = db.catalogue().OpenRecordset(
        QStringLiteral("SELECT datum_init FROM Artiest WHERE Id = ?"), { editor->storedArtistId() });
    ASSERT_TRUE(init.ok());
    EXPECT_GE(
        QDateTime::fromString(init.value().rows[0][0].toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        before);

    // A second artist of the same name is a second row.
    auto twin = open();
    nameField(twin)->setText(QStringLiteral("ABBA"));
    pressOk(twin);
    EXPECT_EQ(storedNames(), (QStringList { QStringLiteral("ABBA"), QStringLiteral("ABBA") }));
    EXPECT_NE(twin->storedArtistId(), editor->storedArtistId());
}

TEST_F(ArtistEditorTest, BlankNameIsRefusedAndCancelStoresNothing)
{
    auto editor = open();
    nameField(editor)->setText(QStringLiteral("    "));
    pressOk(editor);
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Artist must be entered."));
    EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
    EXPECT_TRUE(nameField(editor)->text().isEmpty());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(storedNames().isEmpty());

    nameField(editor)->setText(QStringLiteral("Queen"));
    childOf<QPushButton>(editor.get(), "cmdAnnuleer")->click();
    EXPECT_TRUE(editor->userCancelled());
    EXPECT_TRUE(storedNames().isEmpty());

    auto escaped = open();
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_TRUE(escaped->userCancelled());
}

TEST_F(ArtistEditorTest, RenamingKeepsTheIdAndCutsTypedNamesAtTheLimit)
{
    const qint64 abba = db.addArtist(QStringLiteral("Abba"));
    const qint64 queen = db.addArtist(QStringLiteral("Queen"));
    auto editor = open(abba, QStringLiteral("Abba"));
    EXPECT_EQ(editor->property("tag").toString(), QStringLiteral("0"));
    EXPECT_EQ(childOf<QLabel>(editor.get(), "lblKopregel")->text(), QStringLiteral("Edit"));
    EXPECT_EQ(nameField(editor)->text(), QStringLiteral("Abba"));

    // Renaming to another artist's name is allowed; both keep their ids.
    nameField(editor)->setText(QStringLiteral(" Queen "));
    pressOk(editor);
    EXPECT_EQ(editor->storedArtistId(), abba);
    EXPECT_EQ(session.currentArtistName, QStringLiteral("Queen"));
    EXPECT_EQ(storedNames(), (QStringList { QStringLiteral("Queen"), QStringLiteral("Queen") }));
    EXPECT_EQ(db.catalogue().ArtistIdByName(QStringLiteral("Queen")), abba);
    EXPECT_NE(queen, abba);

    // Typing stops at 50 characters.
    auto typed = open(abba, QStringLiteral("Queen"));
    nameField(typed)->clear();
    QTest::keyClicks(nameField(typed), QString(60, QLatin1Char('x')));
    pressOk(typed);
    EXPECT_EQ(storedNames().value(0), QString(50, QLatin1Char('x')));

    // A longer name already stored (a CD import may write one) is shown and kept whole.
    const QString longName = QString(70, QLatin1Char('y'));
    const qint64 imported = db.addArtist(longName);
    auto kept = open(imported, longName);
    EXPECT_EQ(nameField(kept)->text(), longName);
    pressOk(kept);
    EXPECT_EQ(storedNames().value(2), longName);

    // An artist whose name is empty is renamed, not added a second time.
    const qint64 nameless = db.addArtist(QString());
    auto named = open(nameless, QString());
    EXPECT_EQ(named->property("tag").toString(), QStringLiteral("0"));
    nameField(named)->setText(QStringLiteral("Unknown"));
    pressOk(named);
    EXPECT_EQ(storedNames().size(), 4);
    EXPECT_EQ(storedNames().value(3), QStringLiteral("Unknown"));
}

TEST_F(ArtistEditorTest, StoreFailuresAreReportedAndTheWindowStaysOpen)
{
    const qint64 gone = db.addArtist(QStringLiteral("Gone"));
    auto editor = open(gone, QStringLiteral("Gone"));
    ASSERT_TRUE(db.catalogue().deleteArtist(gone).ok());
    nameField(editor)->setText(QStringLiteral("Back"));
    pressOk(editor);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tArtiest.cmdOk_Click")));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(storedNames().isEmpty());
    EXPECT_EQ(session.currentArtistName, QStringLiteral("Gone"));

    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    auto adding = open();
    nameField(adding)->setText(QStringLiteral("Queen"));
    pressOk(adding);
    EXPECT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(adding->isVisible());
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(storedNames().isEmpty());
}

} // namespace
