// The title editor `Titel`: adding and editing albums, the field rules, covers, the disc id and
// the list button; and, in one table, what it shares with the artist editor `Artiest` (a blank
// name, Cancel and Escape, a store that fails).
#include "editing/coverfile.h"
#include "editing/titlestore.h"
#include "editing/ui/artisteditor.h"
#include "editing/ui/locatie.h"
#include "editing/ui/titleeditor.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtkit::childOf;

class TitleEditorTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    qint64 artist = db.addArtist("ABBA");

    // An editor as the main window opens it: adding to `artist`, or editing album `titleId`.
    std::unique_ptr<TitleEditor> open(qint64 titleId = 0)
    {
        session.editMode = titleId != 0;
        auto editor = std::make_unique<TitleEditor>(session, prompts);
        editor->setArtiestId(artist);
        editor->setTitelId(titleId);
        editor->setArtistName(QStringLiteral("ABBA"));
        for (const TitleRow& row : db.catalogue().FillTitleList(artist).valueOr({}))
            if (row.id == titleId)
                editor->setSelectedAlbum(row);
        editor->show();
        return editor;
    }

    template <typename T> static T* field(const std::unique_ptr<TitleEditor>& e, const char* name)
    {
        return childOf<T>(e.get(), name);
    }

    // The form as the user sees it: title, year, carrier, purchase date, list tick, comments
    // and length.
    static QStringList formOf(const std::unique_ptr<TitleEditor>& editor)
    {
        return { field<QLineEdit>(editor, "txtTitel")->text(), field<QLineEdit>(editor, "txtJaar")->text(),
            field<QComboBox>(editor, "cboDrager")->currentText(),
            field<QDateEdit>(editor, "dtpGekocht")->date().toString(Qt::ISODate),
            field<QCheckBox>(editor, "chkPlaylist")->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
            field<QLineEdit>(editor, "txtBijzonderheden")->text(),
            field<QLineEdit>(editor, "txtDuur")->text() };
    }
    static QString today() { return QDate::currentDate().toString(Qt::ISODate); }

    // Every column of an album, with the storage class of the year.
    QVariantList stored(qint64 id) const
    {
        return db.firstRow(
            QStringLiteral("SELECT Titel, Jaar, typeof(Jaar), Drager, Gekocht, Playlist, "
                           "Bijzonderheden, Lengte, CDid, datum_lamu, ArtiestId FROM Titel WHERE Id = ?"),
            { id });
    }
    qint64 count(const char* table) const
    {
        return scalarRaw(db.path(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
    }

    QString cover(qint64 id) const
    {
        return session.settings.coverDir + QString::number(id) + QStringLiteral(".jpg");
    }
};

TEST_F(TitleEditorTest, AddingStoresEveryFieldAndNullsWhereEmpty)
{
    auto editor = open();
    EXPECT_EQ(formOf(editor), QStringList({ "", "", "CD", today(), "0", "", "" }));
    // Surrounding blanks are kept; letters typed into the year go nowhere; a carrier of
    // more than three characters is cut; a purchase date far in the future is taken.
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("  Gold  "));
    QTest::keyClicks(field<QLineEdit>(editor, "txtJaar"), QStringLiteral("19a9x2-7"));
    field<QComboBox>(editor, "cboDrager")->setEditText(QStringLiteral("Vinyl"));
    field<QDateEdit>(editor, "dtpGekocht")->setDate(QDate(2099, 12, 31));
    field<QCheckBox>(editor, "chkPlaylist")->setChecked(true);
    field<QLineEdit>(editor, "txtBijzonderheden")->setText(QStringLiteral("first press"));
    field<QLineEdit>(editor, "txtDuur")->setText(QStringLiteral("75:42"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_FALSE(editor->isVisible() || editor->userCancelled());
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    ASSERT_EQ(count("Titel"), 1);
    const QVariantList row = stored(titleIdFromKey(session.currentTitleKey));
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row.mid(0, 9),
        (QVariantList {
            "  Gold  ", 1992, "integer", "Vin", "2099-12-31", 1, "first press", "75:42", QVariant() }));
    const QDateTime changed = QDateTime::fromString(row[9].toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_TRUE(changed >= before && changed <= QDateTime::currentDateTime())
        << row[9].toString().toStdString();
    EXPECT_EQ(row[10].toLongLong(), artist);

    // Empty year, comments and length are stored as Null.
    auto second = open();
    field<QLineEdit>(second, "txtTitel")->setText(QStringLiteral("Arrival"));
    field<QPushButton>(second, "cmdOk")->click();
    EXPECT_EQ(stored(titleIdFromKey(session.currentTitleKey)).mid(2, 6),
        (QVariantList { "null", "CD", today(), 0, QVariant(), QVariant() }));

    // A year that is no number (it can only be pasted around the field's rules) is refused.
    const TitleInput pasted { QStringLiteral("Gold"), QStringLiteral("19x2"), {}, QDate(2000, 1, 1), false,
        {}, {} };
    EXPECT_FALSE(storeTitle(db.catalogue(), pasted, 0, artist, QDateTime::currentDateTime()).ok());
}

TEST_F(TitleEditorTest, EditingFillsFromTheListRowAndUpdatesThatAlbum)
{
    const QString longTitle = QString(60, QLatin1Char('t'));
    const qint64 id = db.addAlbum(artist, longTitle, 1976,
        { { "Drager", "LP" }, { "Gekocht", "2001-02-03" }, { "Playlist", 1 }, { "Lengte", "41:10" },
            { "CDid", "7a0b1c2d" } });
    auto editor = open(id);
    // A title longer than the typing limit (as a CD import may store) is shown whole.
    EXPECT_EQ(formOf(editor), QStringList({ longTitle, "1976", "LP", "2001-02-03", "1", "", "41:10" }));
    field<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1977"));
    field<QCheckBox>(editor, "chkPlaylist")->setChecked(false);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(session.currentTitleKey, titleKey(id));
    EXPECT_EQ(count("Titel"), 1);
    // Editing never touches the disc id.
    EXPECT_EQ(stored(id).mid(0, 9),
        (QVariantList {
            longTitle, 1977, "integer", "LP", "2001-02-03", 0, QVariant(), "41:10", "7a0b1c2d" }));
    // The disc id is shown on request.
    QTest::mouseClick(field<QLabel>(editor, "lblCdid"), Qt::LeftButton);
    EXPECT_EQ(field<QLabel>(editor, "lblCdid")->text(), QStringLiteral("7a0b1c2d"));

    // A purchase date that is no date is reported; the form still fills, the picker shows today.
    const qint64 odd
        = db.addAlbum(artist, "Odd", 1981, { { "Gekocht", "last summer" }, { "Lengte", "39:00" } });
    auto oddEditor = open(odd);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.Form_Load")));
    EXPECT_EQ(formOf(oddEditor), QStringList({ "Odd", "1981", "CD", today(), "0", "", "39:00" }));

    // F1 opens the help page at the editor's topic; Enter walks down the fields and stores nothing.
    session.settings.help = home.filePath(QStringLiteral("English.html"));
    qtkit::writeFile(session.settings.help, {});
    oddEditor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(oddEditor.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile() + "#" + prompts.openedUrls[0].fragment(),
        session.settings.help + "#105");
    const char* order[] = { "txtTitel", "txtJaar", "cboDrager", "dtpGekocht", "txtBijzonderheden", "cmdOk" };
    field<QWidget>(oddEditor, order[0])->setFocus();
    for (int i = 1; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field<QWidget>(oddEditor, order[i])) << order[i];
    }
    EXPECT_TRUE(oddEditor->isVisible());
    EXPECT_EQ(stored(odd).value(1), 1981);
}

TEST_F(TitleEditorTest, CoverIsCopiedAtOnceWhenEditingAndOnlyOnOkWhenAdding)
{
    const qint64 id = db.addAlbum(artist, "Gold", 1992);
    const QString coverFile = cover(id);
    auto editor = open(id);
    QSignalSpy shown(editor.get(), &TitleEditor::coverShown);
    const QString red = home.filePath(QStringLiteral("red.jpg"));
    qtkit::writeFile(red, qtkit::pictureBytes({ 24, 16 }, Qt::red));
    // A picture, then the album's own cover ("Same file.", nothing copied), then cancelled.
    prompts.chosenFiles = { red, coverFile, QString() };
    for (int click = 0; click < 3; ++click)
        qtkit::clickButton(editor.get(), "cmdHoesje");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], (QVariantList { coverFile, true }));
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(64));
    // The copy stays even when the editor is cancelled.
    qtkit::clickButton(editor.get(), "cmdAnnuleer");
    EXPECT_EQ(qtkit::fileBytes(coverFile), qtkit::fileBytes(red));
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A file that does not exist and no cover folder: reported by number, the cover stays.
    // (What is no picture is refused by the same check, see CoverPicture.)
    const QString folder = session.settings.coverDir;
    const std::tuple<QString, QString, int> failures[]
        = { { home.filePath(QStringLiteral("missing.jpg")), folder, 53 },
              { red, home.filePath(QStringLiteral("NoSuchFolder/")), 76 } };
    for (const auto& [chosen, coverDir, number] : failures) {
        session.settings.coverDir = coverDir;
        auto again = open(id);
        prompts.reports.clear();
        prompts.chosenFiles = { chosen };
        qtkit::clickButton(again.get(), "cmdHoesje");
        ASSERT_EQ(prompts.reports.size(), 1) << number;
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t%1").arg(number)));
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.cmdHoesje_Click")));
        EXPECT_EQ(qtkit::fileBytes(coverFile), qtkit::fileBytes(red));
    }
    session.settings.coverDir = folder;
    QFile::remove(coverFile);

    // Adding: the chosen picture is shown, copied only by OK, through a temporary file.
    for (const bool ok : { false, true }) {
        auto adding = open();
        QSignalSpy shownWhileAdding(adding.get(), &TitleEditor::coverShown);
        prompts.chosenFiles = { red };
        qtkit::clickButton(adding.get(), "cmdHoesje");
        EXPECT_EQ(shownWhileAdding.value(0), (QVariantList { red, false }));
        EXPECT_TRUE(QDir(folder).isEmpty());
        field<QLineEdit>(adding, "txtTitel")->setText(QStringLiteral("Voulez-Vous"));
        qtkit::clickButton(adding.get(), ok ? "cmdOk" : "cmdAnnuleer");
    }
    const qint64 added = titleIdFromKey(session.currentTitleKey);
    EXPECT_EQ(qtkit::fileBytes(cover(added)), qtkit::fileBytes(red));
    EXPECT_EQ(qtkit::treeOf(folder), QStringList { QStringLiteral("%1.jpg").arg(added) });
}

TEST(CoverPicture, RefusesWhatIsNoUsablePicture)
{
    QTemporaryDir dir;
    // A PNG under a ".jpg" name is a picture all the same.
    const QString png = dir.filePath(QStringLiteral("png.jpg"));
    qtkit::writeFile(png, qtkit::pictureBytes({ 8, 8 }, Qt::yellow, "PNG"));
    EXPECT_FALSE(checkCoverPicture(png, "test").has_value());

    // Far too large a file is refused before anything is read from it; so are an empty
    // file, one cut in its header, and a folder.
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    qtkit::writeFile(huge, {});
    ASSERT_TRUE(QFile::resize(huge, maxCoverBytes + 1));
    qtkit::writeFile(empty, {});
    qtkit::writeFile(cut, qtkit::fileBytes(png).left(12));
    const std::pair<QString, int> refused[]
        = { { huge, CoverErrors::invalidPicture }, { empty, CoverErrors::invalidPicture },
              { cut, CoverErrors::invalidPicture }, { dir.path(), ErrorNumbers::fileAccess } };
    for (const auto& [path, number] : refused)
        EXPECT_EQ(checkCoverPicture(path, "test").value_or(AppError {}).number, number) << path.toStdString();
}

TEST(CoverPicture, StoresPictureBytesAsAJpegOrLeavesTheOldCover)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("7.jpg"));
    // Transparent blue, which a JPEG shows white.
    const QByteArray jpeg = qtkit::pictureBytes({ 16, 8 }, QColor(0, 0, 255, 0), "JPG");
    const QByteArray png = qtkit::pictureBytes({ 16, 8 }, QColor(0, 0, 255, 0), "PNG");
    const std::pair<QByteArray, bool> cases[]
        = { { jpeg, true }, { png, true }, { QByteArray(maxCoverBytes + 1, '\xFF'), false },
              { "<html>Not found</html>", false }, { jpeg.chopped(40), false }, { png.chopped(20), false } };
    for (const auto& [bytes, stored] : cases) {
        qtkit::writeFile(target, "old");
        const std::optional<AppError> failed = storeCover(bytes, target, QStringLiteral("Cover"), "test");
        EXPECT_EQ(failed.value_or(AppError {}).number, stored ? 0 : CoverErrors::invalidPicture)
            << bytes.size();
        EXPECT_EQ(qtkit::treeOf(dir.path()), QStringList { QStringLiteral("7.jpg") });
        QImageReader reader(target);
        EXPECT_EQ(reader.format(), stored ? "jpeg" : "");
        const QImage image = reader.read();
        if (bytes == jpeg) {
            EXPECT_EQ(qtkit::fileBytes(target), jpeg); // kept as it came
        } else if (bytes == png) {
            EXPECT_GT(qGray(image.pixel(3, 3)), 240);
        }
    }
}

TEST_F(TitleEditorTest, ListButtonTicksTheFlagAndOpensTheMusicFolderChooser)
{
    const qint64 id = db.addAlbum(artist, "Gold", 1992);
    auto editor = open(id);
    QString tag;
    qtkit::onNextModal(QStringLiteral("Locatie"), [&tag](QWidget* chooser) {
        tag = qobject_cast<Locatie*>(chooser)->tag();
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
    EXPECT_FALSE(field<QPushButton>(open(), "cmdList")->isEnabled());
}

// ---- what both editors share ----

struct EditorCase {
    bool album;
    const char* nameField;
    int blankNameMessage; // the prompt for a name of blanks
    const char* table;
};

class BothEditorsTest : public TitleEditorTest, public ::testing::WithParamInterface<EditorCase> {
protected:
    // Adding (id 0) or editing row `id` (an album of `artist`, or an artist named "Old").
    std::unique_ptr<QDialog> openEditor(qint64 id = 0)
    {
        if (GetParam().album)
            return open(id);
        session.currentArtistName = id != 0 ? QStringLiteral("Old") : QString();
        auto editor = std::make_unique<ArtistEditor>(session, prompts);
        editor->setArtiestId(id);
        editor->show();
        return editor;
    }
    // The rows of the editor's table and what the editor hands back to the main window.
    QString state() const
    {
        return QString::number(count(GetParam().table)) + '|' + session.currentTitleKey + '|'
            + session.currentArtistName;
    }
    static bool cancelled(const QDialog* editor)
    {
        if (const auto* title = qobject_cast<const TitleEditor*>(editor))
            return title->userCancelled();
        return qobject_cast<const ArtistEditor*>(editor)->userCancelled();
    }
};

TEST_P(BothEditorsTest, BlankNamesCancelAndEscapeStoreNothing)
{
    for (const int way : { 0, 1, 2 }) { // OK on a name of blanks, Cancel, Escape
        auto editor = openEditor();
        const QString before = state();
        childOf<QLineEdit>(editor.get(), GetParam().nameField)->setText(way == 0 ? "   " : "Queen");
        if (way == 2)
            QTest::keyClick(editor.get(), Qt::Key_Escape);
        else
            qtkit::clickButton(editor.get(), way == 0 ? "cmdOk" : "cmdAnnuleer");
        EXPECT_EQ(editor->isVisible(), way == 0) << way;
        EXPECT_EQ(cancelled(editor.get()), way != 0) << way;
        EXPECT_EQ(state(), before) << way;
    }
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(GetParam().blankNameMessage));
}

TEST_P(BothEditorsTest, StoreFailuresAreReportedAndTheWindowStaysOpen)
{
    // A row deleted behind the editor's back is not silently re-created; a catalogue that
    // cannot be written takes nothing.
    const bool album = GetParam().album;
    const qint64 gone = album ? db.addAlbum(artist, "Old", 1990) : db.addArtist("Old");
    for (const bool readOnly : { false, true }) {
        prompts.reports.clear();
        auto editor = openEditor(readOnly ? 0 : gone);
        if (readOnly)
            ASSERT_TRUE(
                QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        else
            ASSERT_TRUE((album ? db.catalogue().deleteAlbum(gone) : db.catalogue().deleteArtist(gone)).ok());
        const QString before = state();
        childOf<QLineEdit>(editor.get(), GetParam().nameField)->setText(QStringLiteral("Back"));
        qtkit::clickButton(editor.get(), "cmdOk");
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_EQ(prompts.reports.size(), 1) << readOnly;
        EXPECT_TRUE(prompts.reports[0].contains(
            QStringLiteral("Source:\t\t%1.cmdOk_Click").arg(editor->objectName())))
            << prompts.reports[0].toStdString();
        EXPECT_TRUE(editor->isVisible());
        EXPECT_FALSE(cancelled(editor.get()));
        EXPECT_EQ(state(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Editors, BothEditorsTest,
    ::testing::Values(
        EditorCase { true, "txtTitel", 58, "Titel" }, EditorCase { false, "txtArtiest", 59, "Artiest" }),
    [](const ::testing::TestParamInfo<EditorCase>& info) { return std::string(info.param.table); });

} // namespace
