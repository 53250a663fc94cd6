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
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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
    qint64 artist = db.addArtist(QStringLiteral("ABBA"));

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

    template <typename T> static T* field(const std::unique_ptr<TitleEditor>& editor, const char* name)
    {
        return childOf<T>(editor.get(), name);
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
        const auto rows = db.catalogue().OpenRecordset(
            QStringLiteral("SELECT Titel, Jaar, typeof(Jaar), Drager, Gekocht, Playlist, Bijzonderheden, "
                           "Lengte, CDid, datum_lamu, ArtiestId FROM Titel WHERE Id = ?"),
            { id });
        EXPECT_TRUE(rows.ok());
        return rows.ok() && !rows.value().rows.isEmpty() ? rows.value().rows.first() : QVariantList();
    }
    qint64 count(const char* table) const
    {
        return scalarRaw(db.path(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
    }

    QString picture(const QString& name, Qt::GlobalColor colour) const
    {
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(home.filePath(name), "JPG"));
        return home.filePath(name);
    }
    QString cover(qint64 id) const
    {
        return session.settings.coverDir + QString::number(id) + QStringLiteral(".jpg");
    }
};

TEST_F(TitleEditorTest, AddingStoresEveryFieldAndNullsWhereEmpty)
{
    auto editor = open();
    EXPECT_EQ(field<QLabel>(editor, "lblArtiest")->text(), QStringLiteral("ABBA"));
    EXPECT_EQ(formOf(editor), QStringList({ "", "", "CD", today(), "0", "", "" }));

    // Surrounding blanks are kept; letters typed into the year go nowhere; a carrier of
    // more than three characters is cut; a purchase date far in the future is taken.
    field<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("  Gold  "));
    QTest::keyClicks(field<QLineEdit>(editor, "txtJaar"), QStringLiteral("19a9x2-7"));
    EXPECT_EQ(field<QLineEdit>(editor, "txtJaar")->text(), QStringLiteral("1992"));
    field<QComboBox>(editor, "cboDrager")->setEditText(QStringLiteral("Vinyl"));
    field<QDateEdit>(editor, "dtpGekocht")->setDate(QDate(2099, 12, 31));
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
    ASSERT_EQ(count("Titel"), 1);
    const QVariantList row = stored(titleIdFromKey(session.currentTitleKey));
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row.mid(0, 9),
        (QVariantList { "  Gold  ", 1992, "integer", "Vin", "2099-12-31", 1, QString(50, QLatin1Char('c')),
            "75:42", QVariant() }));
    const QDateTime changed = QDateTime::fromString(row[9].toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_GE(changed, before);
    EXPECT_LE(changed, QDateTime::currentDateTime());
    EXPECT_EQ(row[10].toLongLong(), artist);

    // Empty year, comments and length are stored as Null.
    auto second = open();
    field<QLineEdit>(second, "txtTitel")->setText(QStringLiteral("Arrival"));
    field<QPushButton>(second, "cmdOk")->click();
    EXPECT_EQ(stored(titleIdFromKey(session.currentTitleKey)).mid(2, 6),
        (QVariantList { "null", "CD", today(), 0, QVariant(), QVariant() }));

    // A year that is no number (it can only be pasted around the field's rules) is refused.
    TitleInput pasted;
    pasted.titel = QStringLiteral("Gold");
    pasted.jaar = QStringLiteral("19x2");
    pasted.gekocht = QDate(2000, 1, 1);
    EXPECT_FALSE(storeTitle(db.catalogue(), pasted, 0, artist, QDateTime::currentDateTime()).ok());
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
    // A title longer than the typing limit (as a CD import may store) is shown whole.
    EXPECT_EQ(formOf(editor), QStringList({ longTitle, "1976", "LP", "2001-02-03", "1", "", "41:10" }));

    field<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1977"));
    field<QCheckBox>(editor, "chkPlaylist")->setChecked(false);
    field<QPushButton>(editor, "cmdOk")->click();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(session.currentTitleKey, titleKey(id));
    EXPECT_EQ(count("Titel"), 1);
    const QVariantList row = stored(id);
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row.mid(0, 2), (QVariantList { longTitle, 1977 }));
    EXPECT_EQ(row.mid(3, 3), (QVariantList { "LP", "2001-02-03", 0 }));
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
    EXPECT_EQ(formOf(oddEditor), QStringList({ "Odd", "1981", "CD", today(), "0", "", "39:00" }));

    // F1 opens the help page at the editor's topic.
    session.settings.help = home.filePath(QStringLiteral("English.html"));
    qtkit::writeFile(session.settings.help, {});
    oddEditor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(oddEditor.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].fragment(), QStringLiteral("105"));
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), session.settings.help);
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
    EXPECT_EQ(count("Titel"), 0);
}

TEST_F(TitleEditorTest, CoverIsCopiedAtOnceWhenEditing)
{
    const qint64 id = db.addAlbum(artist, QStringLiteral("Gold"), 1992);
    const QString coverFile = cover(id);
    auto editor = open(id);
    QSignalSpy shown(editor.get(), &TitleEditor::coverShown);
    const QString red = picture(QStringLiteral("red.jpg"), Qt::red);
    prompts.chosenFiles = { red, coverFile, QString() };
    for (int click = 0; click < 3; ++click)
        qtkit::clickButton(editor.get(), "cmdHoesje");
    EXPECT_EQ(qtkit::fileBytes(coverFile), qtkit::fileBytes(red));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], (QVariantList { coverFile, true }));
    // The album's own cover again: "Same file.", nothing copied; the dialog cancelled: nothing.
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(64));
    // A file that is no picture is reported and the cover stays (the other refusals are the
    // cover file's own, below).
    const QString notes = home.filePath(QStringLiteral("notes.jpg"));
    qtkit::writeFile(notes, "these are liner notes, not a picture");
    prompts.chosenFiles = { notes };
    qtkit::clickButton(editor.get(), "cmdHoesje");
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(
        prompts.reports[0].contains(QStringLiteral("Error number:\t%1").arg(CoverErrors::invalidPicture)));
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tTitel.cmdHoesje_Click")));
    EXPECT_EQ(qtkit::fileBytes(coverFile), qtkit::fileBytes(red));
    // The copy stays even when the editor is cancelled.
    qtkit::clickButton(editor.get(), "cmdAnnuleer");
    EXPECT_EQ(qtkit::fileBytes(coverFile), qtkit::fileBytes(red));
}

TEST_F(TitleEditorTest, CoverIsCopiedOnlyOnOkWhenAdding)
{
    const QString green = picture(QStringLiteral("green.jpg"), Qt::green);
    auto cancelled = open();
    prompts.chosenFiles = { green };
    field<QPushButton>(cancelled, "cmdHoesje")->click();
    EXPECT_EQ(cancelled->chosenCover(), green);
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
    EXPECT_EQ(qtkit::fileBytes(cover(id)), qtkit::fileBytes(green));
    // Only the cover itself is left in the folder: the copy went through a temporary file.
    EXPECT_EQ(qtkit::treeOf(session.settings.coverDir), QStringList { QStringLiteral("%1.jpg").arg(id) });
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
    qtkit::writeFile(huge, {});
    ASSERT_TRUE(QFile::resize(huge, maxCoverBytes + 1));
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    qtkit::writeFile(empty, {});
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    qtkit::writeFile(cut, qtkit::fileBytes(png).left(12));
    const std::pair<QString, int> refused[]
        = { { huge, CoverErrors::invalidPicture }, { empty, CoverErrors::invalidPicture },
              { cut, CoverErrors::invalidPicture }, { dir.path(), ErrorNumbers::fileAccess },
              { dir.filePath(QStringLiteral("missing.jpg")), ErrorNumbers::fileNotFound } };
    for (const auto& [path, number] : refused) {
        const auto error = checkCoverPicture(path, source);
        ASSERT_TRUE(error.has_value()) << path.toStdString();
        EXPECT_EQ(error->number, number) << path.toStdString();
    }

    // A failed copy leaves the existing cover as it was; a missing cover folder is reported.
    const QString target = dir.filePath(QStringLiteral("7.jpg"));
    ASSERT_TRUE(QFile::copy(png, target));
    EXPECT_TRUE(copyCover(empty, target, source).has_value());
    EXPECT_EQ(qtkit::fileBytes(target), qtkit::fileBytes(png));
    EXPECT_EQ(copyCover(png, dir.filePath(QStringLiteral("Gone/7.jpg")), source).value_or(AppError {}).number,
        ErrorNumbers::pathNotFound);
}

TEST_F(TitleEditorTest, ListButtonTicksTheFlagAndOpensTheMusicFolderChooser)
{
    const qint64 id = db.addAlbum(artist, QStringLiteral("Gold"), 1992);
    auto editor = open(id);
    QString tag;
    qtkit::onNextModal(QStringLiteral("Locatie"), [&tag](QWidget* chooser) {
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

// ---- what both editors share ----

enum class EditorKind { Album, Artist };

struct EditorCase {
    EditorKind kind;
    const char* nameField;
    int blankNameMessage; // the prompt for a name of blanks
    const char* table;
};

class BothEditorsTest : public TitleEditorTest, public ::testing::WithParamInterface<EditorCase> {
protected:
    bool album() const { return GetParam().kind == EditorKind::Album; }

    // Adding (id 0) or editing row `id` (an album of `artist`, or an artist named "Old").
    std::unique_ptr<QDialog> openEditor(qint64 id = 0)
    {
        if (album())
            return open(id);
        session.currentArtistName = id != 0 ? QStringLiteral("Old") : QString();
        auto editor = std::make_unique<ArtistEditor>(session, prompts);
        editor->setArtiestId(id);
        editor->show();
        return editor;
    }
    qint64 rows() const { return count(GetParam().table); }
    // What the editor hands back to the main window.
    QString handedBack() const
    {
        return session.currentTitleKey + QLatin1Char('|') + session.currentArtistName;
    }
    static bool cancelled(const QDialog* editor)
    {
        if (const auto* title = qobject_cast<const TitleEditor*>(editor))
            return title->userCancelled();
        return qobject_cast<const ArtistEditor*>(editor)->userCancelled();
    }
    QLineEdit* nameOf(const std::unique_ptr<QDialog>& editor) const
    {
        return childOf<QLineEdit>(editor.get(), GetParam().nameField);
    }
};

TEST_P(BothEditorsTest, ANameOfBlanksIsRefused)
{
    auto editor = openEditor();
    const qint64 before = rows();
    nameOf(editor)->setText(QStringLiteral("   "));
    qtkit::clickButton(editor.get(), "cmdOk");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(GetParam().blankNameMessage));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(rows(), before);
}

TEST_P(BothEditorsTest, CancelAndEscapeStoreNothing)
{
    for (const bool escape : { false, true }) {
        auto editor = openEditor();
        const qint64 before = rows();
        const QString handed = handedBack();
        nameOf(editor)->setText(QStringLiteral("Queen"));
        if (escape)
            QTest::keyClick(editor.get(), Qt::Key_Escape);
        else
            qtkit::clickButton(editor.get(), "cmdAnnuleer");
        EXPECT_TRUE(cancelled(editor.get())) << escape;
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(handedBack(), handed);
    }
}

TEST_P(BothEditorsTest, StoreFailuresAreReportedAndTheWindowStaysOpen)
{
    // A row deleted behind the editor's back is not silently re-created; a catalogue that
    // cannot be written takes nothing.
    const qint64 gone = album() ? db.addAlbum(artist, QStringLiteral("Old"), 1990) : db.addArtist("Old");
    for (const bool readOnly : { false, true }) {
        prompts.reports.clear();
        auto editor = openEditor(readOnly ? 0 : gone);
        if (readOnly)
            ASSERT_TRUE(
                QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        else
            ASSERT_TRUE(
                (album() ? db.catalogue().deleteAlbum(gone) : db.catalogue().deleteArtist(gone)).ok());
        const qint64 before = rows();
        const QString handed = handedBack();
        nameOf(editor)->setText(QStringLiteral("Back"));
        qtkit::clickButton(editor.get(), "cmdOk");
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_EQ(prompts.reports.size(), 1) << readOnly;
        EXPECT_TRUE(prompts.reports[0].contains(
            QStringLiteral("Source:\t\t%1.cmdOk_Click").arg(editor->objectName())))
            << prompts.reports[0].toStdString();
        EXPECT_TRUE(editor->isVisible());
        EXPECT_FALSE(cancelled(editor.get()));
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(handedBack(), handed);
    }
}

INSTANTIATE_TEST_SUITE_P(Editors, BothEditorsTest,
    ::testing::Values(EditorCase { EditorKind::Album, "txtTitel", 58, "Titel" },
        EditorCase { EditorKind::Artist, "txtArtiest", 59, "Artiest" }),
    [](const ::testing::TestParamInfo<EditorCase>& info) { return std::string(info.param.table); });

} // namespace
