// The title editor `Titel` on its own: adding and editing albums, the field rules, covers,
// the disc id and the list button.
#include "editing/coverfile.h"
#include "editing/titlestore.h"
#include "editing/ui/locatie.h"
#include "editing/ui/titleeditor.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

class TitleEditorTest : public ::testing::Test {
protected:
    TestCatalogue db;
    FakePrompts prompts;
    Session session { db.folder() };
    qint64 artist = 0;

    void SetUp() override
    {
        session.settings.database = db.path();
        session.settings.coverDir = db.folder() + QStringLiteral("/Covers/");
        session.settings.muziekDir = db.folder() + QStringLiteral("/Playlist/");
        session.settings.taal = QStringLiteral("200");
        QDir().mkpath(session.settings.coverDir);
        QDir().mkpath(session.settings.muziekDir);
        artist = db.addArtist(QStringLiteral("ABBA"));
    }

    // An editor as the main window opens it: adding to `artist`, or editing album `titleId`.
    std::unique_ptr<TitleEditor> open(qint64 titleId = 0)
    {
        session.editMode = titleId != 0;
        auto editor = std::make_unique<TitleEditor>(session, prompts);
        editor->setArtiestId(artist);
        editor->setTitelId(titleId);
        editor->setArtistName(QStringLiteral("ABBA"));
        if (titleId != 0) {
            const QList<TitleRow> listed = db.catalogue().FillTitleList(artist).valueOr({});
            for (const TitleRow& row : listed)
                if (row.id == titleId)
                    editor->setSelectedAlbum(row);
        }
        editor->show();
        return editor;
    }

    template <typename T> T* field(const std::unique_ptr<TitleEditor>& editor, const char* name)
    {
        return childOf<T>(editor.get(), name);
    }

    // Every column of an album, with the storage class of the year.
    QVariantList stored(qint64 id) const
    {
        const auto rows = db.catalogue().OpenRecordset(
            QStringLiteral("SELECT Titel, Jaar, typeof(Jaar), Drager, Gekocht, Playlist, Bijzonderheden, "
                           "Lengte, CDid, datum_lamu, ArtiestId FROM Titel WHERE Id = ?"),
            { id });
        EXPECT_TRUE(rows.ok());
        return rows.ok() && !rows.value().rows.isEmpty() ? rows.value().rows.first() : QVariantList();
    }
    qint64 albumCount() const { return scalarRaw(db.path(), QStringLiteral("SELECT count(*) FROM Titel")); }

    QString picture(const QString& name, Qt::GlobalColor colour = Qt::blue) const
    {
        const QString path = db.folder() + QLatin1Char('/') + name;
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }
    QString cover(qint64 id) const
    {
        return session.settings.coverDir + QString::number(id) + QStringLiteral(".jpg");
    }
};

TEST_F(TitleEditorTest, AddingStoresEveryFieldAndNullsWhereEmpty)
{
    auto editor = open();
    EXPECT_EQ(field<QLabel>(editor, "lblKop")->text(), QStringLiteral("Album Add"));
    EXPECT_EQ(field<QLabel>(editor, "lblArtiest")->text(), QStringLiteral("ABBA"));
    EXPECT_EQ(field<QLabel>(editor, "lblGekocht")->text(), QStringLiteral("Purchased"));
    EXPECT_EQ(field<QPushButton>(editor, "cmdAnnuleer")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(field<QComboBox>(editor, "cboDrager")->currentText(), QStringLiteral("CD"));
    EXPECT_EQ(field<QDateEdit>(editor, "dtpGekocht")->date(), QDate::currentDate());
    EXPECT_FALSE(field<QCheckBox>(editor, "chkPlaylist")->isChecked());

    // Surrounding blanks are kept; letters typed into the year go nowhere; a carrier of
    // more than three characters is cut; a purchase date far in the future is taken.
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("  Gold  "));
    QTest::keyClicks(field<QLineEdit>(editor, "txtJaar"), QStringLiteral("19a9x2-7"));
    EXPECT_EQ(field<QLineEdit>(editor, "txtJaar")->text(), QStringLiteral("1992"));
    field<QComboBox>(editor, "cboDrager")->setEditText(QStringLiteral("Vinyl"));
    field<QDateEdit>(editor, "dtpGekocht")->setDate(QDate(2099, 12, 31));
    EXPECT_EQ(field<QDateEdit>(editor, "dtpGekocht")->date(), QDate(2099, 12, 31));
    EXPECT_GE(field<QDateEdit>(editor, "dtpGekocht")->maximumDate(), QDate(2100, 12, 31));
    field<QCheckBox>(editor, "chkPlaylist")->setChecked(true);
    // Typing stops at the comment field's 50 characters.
    QTest::keyClicks(field<QLineEdit>(editor, "txtBijzonderheden"), QString(60, QLatin1Char('c')));
    field<QLineEdit>(editor, "txtDuur")->setText(QStringLiteral("75:42"));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->userCancelled());
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    ASSERT_EQ(albumCount(), 1);
    const qint64 id = titleIdFromKey(session.currentTitleKey);
    const QVariantList row = stored(id);
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row[0].toString(), QStringLiteral("  Gold  "));
    EXPECT_EQ(row[1].toLongLong(), 1992);
    EXPECT_EQ(row[2].toString(), QStringLiteral("integer"));
    EXPECT_EQ(row[3].toString(), QStringLiteral("Vin"));
    EXPECT_EQ(row[4].toString(), QStringLiteral("2099-12-31"));
    EXPECT_EQ(row[5].toLongLong(), 1);
    EXPECT_EQ(row[6].toString(), QString(50, QLatin1Char('c')));
    EXPECT_EQ(row[7].toString(), QStringLiteral("75:42"));
    EXPECT_FALSE(row[8].isValid()); // no disc id
    const QDateTime changed = QDateTime::fromString(row[9].toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_GE(changed, before);
    EXPECT_LE(changed, QDateTime::currentDateTime());
    EXPECT_EQ(row[10].toLongLong(), artist);

    // Empty year, comments and length are stored as Null.
    auto second = open();
    field<QLineEdit>(second, "txtTitel")->setText(QStringLiteral("Arrival"));
    field<QPushButton>(second, "cmdOk")->click();
    const QVariantList empty = stored(titleIdFromKey(session.currentTitleKey));
    ASSERT_EQ(empty.size(), 11);
    EXPECT_EQ(empty[2].toString(), QStringLiteral("null"));
    EXPECT_EQ(empty[3].toString(), QStringLiteral("CD"));
    EXPECT_EQ(empty[4].toString(), QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(empty[5].toLongLong(), 0);
    EXPECT_FALSE(empty[6].isValid());
    EXPECT_FALSE(empty[7].isValid());
}

TEST_F(TitleEditorTest, BlankTitleIsRefusedAndCancelStoresNothing)
{
    auto editor = open();
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("   "));
    field<QPushButton>(editor, "cmdOk")->click();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Album must be entered."));
    EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(albumCount(), 0);

    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Gold"));
    field<QPushButton>(editor, "cmdAnnuleer")->click();
    EXPECT_TRUE(editor->userCancelled());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(albumCount(), 0);
    EXPECT_TRUE(session.currentTitleKey.isEmpty());

    // Escape cancels too.
    auto other = open();
    QTest::keyClick(other.get(), Qt::Key_Escape);
    EXPECT_TRUE(other->userCancelled());
}

TEST_F(TitleEditorTest, EditingFillsFromTheListRowAndUpdatesThatAlbum)
{
    const QString longTitle = QString(60, QLatin1Char('t'));
    const qint64 id = db.addAlbum(artist, longTitle, 1976,
        { { QStringLiteral("Drager"), QStringLiteral("LP") },
            { QStringLiteral("Gekocht"), QStringLiteral("2001-02-03") }, { QStringLiteral("Playlist"), 1 },
            { QStringLiteral("Lengte"), QStringLiteral("41:10") },
            { QStringLiteral("CDid"), QStringLiteral("7a0b1c2d") } });
    auto editor = open(id);
    EXPECT_EQ(field<QLabel>(editor, "lblKop")->text(), QStringLiteral("Album Edit"));
    // A title longer than the typing limit (as a CD import may store) is shown whole.
    EXPECT_EQ(field<QLineEdit>(editor, "txtTitel")->text(), longTitle);
    EXPECT_EQ(field<QLineEdit>(editor, "txtJaar")->text(), QStringLiteral("1976"));
    EXPECT_EQ(field<QComboBox>(editor, "cboDrager")->currentText(), QStringLiteral("LP"));
    EXPECT_EQ(field<QDateEdit>(editor, "dtpGekocht")->date(), QDate(2001, 2, 3));
    EXPECT_TRUE(field<QCheckBox>(editor, "chkPlaylist")->isChecked());
    EXPECT_TRUE(field<QLineEdit>(editor, "txtBijzonderheden")->text().isEmpty());
    EXPECT_EQ(field<QLineEdit>(editor, "txtDuur")->text(), QStringLiteral("41:10"));

    field<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1977"));
    field<QCheckBox>(editor, "chkPlaylist")->setChecked(false);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(session.currentTitleKey, titleKey(id));
    EXPECT_EQ(albumCount(), 1);
    const QVariantList row = stored(id);
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row[0].toString(), longTitle);
    EXPECT_EQ(row[1].toLongLong(), 1977);
    EXPECT_EQ(row[3].toString(), QStringLiteral("LP"));
    EXPECT_EQ(row[4].toString(), QStringLiteral("2001-02-03"));
    EXPECT_EQ(row[5].toLongLong(), 0);
    EXPECT_EQ(row[8].toString(), QStringLiteral("7a0b1c2d")); // editing never touches the disc id
    EXPECT_TRUE(row[9].isValid());

    // The disc id is shown on request; an album without one (and a new album) shows "no cdid".
    QTest::mouseClick(field<QLabel>(editor, "lblCdid"), Qt::LeftButton);
    EXPECT_EQ(field<QLabel>(editor, "lblCdid")->text(), QStringLiteral("7a0b1c2d"));
    for (const qint64 without : { db.addAlbum(artist, QStringLiteral("Plain"), 1980), qint64(0) }) {
        auto other = open(without);
        QTest::mouseClick(field<QLabel>(other, "lblCdid"), Qt::LeftButton);
        EXPECT_EQ(field<QLabel>(other, "lblCdid")->text(), QStringLiteral("no cdid")) << without;
    }
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A purchase date that is no date is reported; the form still fills, the picker shows today.
    const qint64 odd = db.addAlbum(artist, QStringLiteral("Odd"), 1981,
        { { QStringLiteral("Gekocht"), QStringLiteral("last summer") },
            { QStringLiteral("Lengte"), QStringLiteral("39:00") } });
    auto oddEditor = open(odd);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.Form_Load")));
    EXPECT_EQ(field<QDateEdit>(oddEditor, "dtpGekocht")->date(), QDate::currentDate());
    EXPECT_EQ(field<QLineEdit>(oddEditor, "txtDuur")->text(), QStringLiteral("39:00"));

    // F1 opens the help page at the editor's topic.
    session.settings.help = db.folder() + QStringLiteral("/English.html");
    writeBytes(session.settings.help, {});
    oddEditor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(oddEditor.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].fragment(), QStringLiteral("105"));
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), session.settings.help);
}

TEST_F(TitleEditorTest, StoreFailuresAreReportedAndTheWindowStaysOpen)
{
    // A year that is no number (it can only be pasted around the field's rules) is refused.
    auto editor = open();
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Gold"));
    TitleInput input;
    input.titel = QStringLiteral("Gold");
    input.jaar = QStringLiteral("19x2");
    input.gekocht = QDate(2000, 1, 1);
    EXPECT_FALSE(storeTitle(db.catalogue(), input, 0, artist, QDateTime::currentDateTime()).ok());

    // An album deleted behind the editor's back is not silently re-created.
    const qint64 gone = db.addAlbum(artist, QStringLiteral("Gone"), 1990);
    auto stale = open(gone);
    ASSERT_TRUE(db.catalogue().deleteAlbum(gone).ok());
    field<QPushButton>(stale, "cmdOk")->click();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.cmdOk_Click")));
    EXPECT_TRUE(stale->isVisible());
    EXPECT_EQ(albumCount(), 0);

    // A catalogue that cannot be written: reported, nothing stored, still open.
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(session.currentTitleKey.isEmpty());
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(TitleEditorTest, EnterWalksDownTheFields)
{
    auto editor = open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    const char* order[] = { "txtTitel", "txtJaar", "cboDrager", "dtpGekocht", "txtBijzonderheden", "cmdOk" };
    field<QWidget>(editor, order[0])->setFocus();
    for (int i = 1; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field<QWidget>(editor, order[i])) << order[i];
    }
    // Enter moved the focus only: nothing was stored, no question asked.
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_EQ(albumCount(), 0);
}

TEST_F(TitleEditorTest, CoverIsCopiedAtOnceWhenEditing)
{
    const qint64 id = db.addAlbum(artist, QStringLiteral("Gold"), 1992);
    auto editor = open(id);
    QSignalSpy shown(editor.get(), &TitleEditor::coverShown);
    const QString red = picture(QStringLiteral("red.jpg"), Qt::red);
    prompts.chosenFiles = { red };
    field<QPushButton>(editor, "cmdHoesje")->click();
    EXPECT_EQ(prompts.fileDialogTitles, QStringList { QStringLiteral("Covers") });
    EXPECT_EQ(fileBytes(cover(id)), fileBytes(red));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0][0].toString(), cover(id));
    EXPECT_TRUE(shown[0][1].toBool());

    // The album's own cover again: "Same file.", nothing copied.
    prompts.chosenFiles = { cover(id) };
    field<QPushButton>(editor, "cmdHoesje")->click();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Same file."));
    EXPECT_EQ(shown.size(), 1);

    // A file that is no picture, and one that does not exist: reported, the cover stays.
    const QString notes = db.folder() + QStringLiteral("/notes.jpg");
    writeBytes(notes, "these are liner notes, not a picture");
    prompts.chosenFiles = { notes, db.folder() + QStringLiteral("/missing.jpg") };
    field<QPushButton>(editor, "cmdHoesje")->click();
    field<QPushButton>(editor, "cmdHoesje")->click();
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t481")));
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.cmdHoesje_Click")));
    EXPECT_TRUE(prompts.reports[1].contains(QStringLiteral("Error number:\t53")));
    EXPECT_EQ(fileBytes(cover(id)), fileBytes(red));

    // Dialog cancelled: nothing happens. The copy stays even when the editor is cancelled.
    field<QPushButton>(editor, "cmdHoesje")->click();
    field<QPushButton>(editor, "cmdAnnuleer")->click();
    EXPECT_EQ(fileBytes(cover(id)), fileBytes(red));
    EXPECT_EQ(prompts.reports.size(), 2);

    // No cover folder: reported as a missing path.
    session.settings.coverDir = db.folder() + QStringLiteral("/NoSuchFolder/");
    auto again = open(id);
    prompts.chosenFiles = { red };
    field<QPushButton>(again, "cmdHoesje")->click();
    ASSERT_EQ(prompts.reports.size(), 3);
    EXPECT_TRUE(prompts.reports[2].contains(QStringLiteral("Error number:\t76")));
}

TEST_F(TitleEditorTest, CoverIsCopiedOnlyOnOkWhenAdding)
{
    const QString green = picture(QStringLiteral("green.jpg"), Qt::green);
    auto cancelled = open();
    prompts.chosenFiles = { green };
    field<QPushButton>(cancelled, "cmdHoesje")->click();
    EXPECT_EQ(cancelled->chosenCover(), green);
    EXPECT_TRUE(QDir(session.settings.coverDir).isEmpty());
    field<QPushButton>(cancelled, "cmdAnnuleer")->click();
    EXPECT_TRUE(QDir(session.settings.coverDir).isEmpty());

    auto editor = open();
    QSignalSpy shown(editor.get(), &TitleEditor::coverShown);
    prompts.chosenFiles = { green };
    field<QPushButton>(editor, "cmdHoesje")->click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0][0].toString(), green);
    EXPECT_FALSE(shown[0][1].toBool());
    EXPECT_TRUE(QDir(session.settings.coverDir).isEmpty());
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Voulez-Vous"));
    field<QPushButton>(editor, "cmdOk")->click();
    const qint64 id = titleIdFromKey(session.currentTitleKey);
    ASSERT_NE(id, 0);
    EXPECT_EQ(fileBytes(cover(id)), fileBytes(green));
    // Only the cover itself is left in the folder: the copy went through a temporary file.
    EXPECT_EQ(QDir(session.settings.coverDir).entryList(QDir::Files),
        QStringList { QStringLiteral("%1.jpg").arg(id) });
}

TEST(CoverPicture, RefusesWhatIsNoUsablePicture)
{
    QTemporaryDir dir;
    const QString source = QStringLiteral("test");
    // A PNG under a ".jpg" name is a picture all the same.
    const QString png = dir.filePath(QStringLiteral("png.jpg"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    ASSERT_TRUE(image.save(png, "PNG"));
    EXPECT_FALSE(checkCoverPicture(png, source).has_value());

    // Far too large a file is refused before anything is read from it.
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(maxCoverBytes + 1));
    file.close();
    const auto tooLarge = checkCoverPicture(huge, source);
    ASSERT_TRUE(tooLarge.has_value());
    EXPECT_EQ(tooLarge->number, CoverErrors::invalidPicture);
    EXPECT_TRUE(tooLarge->description.contains(QStringLiteral("too large")));

    // Empty files, folders and truncated headers.
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    writeBytes(empty, {});
    EXPECT_EQ(checkCoverPicture(empty, source)->number, CoverErrors::invalidPicture);
    EXPECT_EQ(checkCoverPicture(dir.path(), source)->number, ErrorNumbers::fileAccess);
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    writeBytes(cut, fileBytes(png).left(12));
    EXPECT_EQ(checkCoverPicture(cut, source)->number, CoverErrors::invalidPicture);

    // A failed copy leaves the existing cover as it was.
    const QString target = dir.filePath(QStringLiteral("7.jpg"));
    ASSERT_TRUE(QFile::copy(png, target));
    EXPECT_TRUE(copyCover(empty, target, source).has_value());
    EXPECT_EQ(fileBytes(target), fileBytes(png));
}

TEST_F(TitleEditorTest, ListButtonTicksTheFlagAndOpensTheMusicFolderChooser)
{
    const qint64 id = db.addAlbum(artist, QStringLiteral("Gold"), 1992);
    auto editor = open(id);
    QString tag;
    onNextModal(QStringLiteral("Locatie"), [&tag](QWidget* chooser) {
        auto* locatie = qobject_cast<Locatie*>(chooser);
        ASSERT_NE(locatie, nullptr);
        tag = locatie->tag();
        chooser->close();
    });
    field<QPushButton>(editor, "cmdList")->click();
    EXPECT_EQ(tag, QStringLiteral("0"));
    EXPECT_TRUE(field<QCheckBox>(editor, "chkPlaylist")->isChecked());
    // The tick is stored only by OK.
    EXPECT_EQ(stored(id).value(5).toLongLong(), 0);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_EQ(stored(id).value(5).toLongLong(), 1);

    // A new album has no playlist name yet: the button waits until it is stored.
    auto adding = open();
    EXPECT_FALSE(field<QPushButton>(adding, "cmdList")->isEnabled());
}

} // namespace
