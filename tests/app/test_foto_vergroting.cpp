// The artist photo window and the cover enlargement: real pictures at their natural size,
// pictures too large for the screen, files that are no pictures, and replacing a photo.
#include "extras/picturefiles.h"
#include "extras/ui/fotowindow.h"
#include "extras/ui/vergroting.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/picturelabel.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace {

using qtkit::pictureBytes;
using qtkit::writeFile;

// A real BMP whose header claims 30000 x 30000 pixels (3.6 GB decoded) over a few bytes of data.
QByteArray bmpClaimingHugeSize()
{
    QByteArray bytes = pictureBytes({ 2, 2 }, Qt::blue, "BMP");
    qToLittleEndian<qint32>(30000, bytes.data() + 18);
    qToLittleEndian<qint32>(30000, bytes.data() + 22);
    return bytes;
}

class PictureTest : public ::testing::Test {
protected:
    TestHome home;
    Session& session = home.session();
    FakePrompts prompts;
    QWidget main;
    const qint64 artist = 4;
    const qint64 album = 9;

    void SetUp() override
    {
        main.setGeometry(50, 50, 500, 400);
        main.show();
    }

    QString storedPhoto() const { return photoPath(session.settings.fotoDir, artist); }
    QString storedCover() const { return coverPath(session.settings.coverDir, album); }
    static PictureLabel* photo(FotoWindow& w) { return qtkit::childOf<PictureLabel>(&w, "imgFoto"); }
    QSize screenSize() const { return QGuiApplication::primaryScreen()->availableGeometry().size(); }
};

TEST_F(PictureTest, LoadPictureReadsByContentAndNeverDecodesAHugePictureWhole)
{
    const QByteArray jpeg = pictureBytes({ 640, 480 }, Qt::red);
    const struct {
        const char* name;
        std::optional<QByteArray> bytes; // none: no such file ("." is the folder itself)
        QSize bounds;
        QSize shown; // empty: not shown, with a reason naming the file
        bool scaled;
    } cases[] = { { "really-a-png.jpg", pictureBytes({ 30, 20 }, Qt::green, "PNG"), { 100, 100 }, { 30, 20 },
                      false },
        { "big.jpg", pictureBytes({ 1600, 400 }, Qt::red), { 400, 400 }, { 400, 100 }, true },
        { "huge.bmp", bmpClaimingHugeSize(), { 800, 600 }, {}, false },
        { "notes.jpg", "This is not a picture at all.\n", { 800, 600 }, {}, false },
        { "cut-in-the-header.jpg", jpeg.left(200), { 800, 600 }, {}, false },
        { "absent.jpg", std::nullopt, { 800, 600 }, {}, false },
        { ".", std::nullopt, { 800, 600 }, {}, false } };
    for (const auto& c : cases) {
        const QString path = home.filePath(QLatin1String(c.name));
        if (c.bytes)
            writeFile(path, *c.bytes);
        const LoadedPicture loaded = loadPicture(path, c.bounds);
        EXPECT_EQ(loaded.image.isNull() ? QSize() : loaded.image.size(), c.shown) << c.name;
        EXPECT_EQ(loaded.scaled, c.scaled) << c.name;
        EXPECT_EQ(loaded.error.contains(path), c.shown.isEmpty())
            << c.name << ": " << loaded.error.toStdString();
    }
}

TEST_F(PictureTest, CopyReplacesTheTargetWholeOrNotAtAll)
{
    const QString a = home.filePath(QStringLiteral("a.jpg"));
    const QString b = home.filePath(QStringLiteral("b.jpg"));
    const QByteArray large(3 << 20, 'a'); // more than one copy chunk
    writeFile(a, large);
    writeFile(b, "old");
    QString error;
    ASSERT_TRUE(copyPictureFile(a, b, &error)) << error.toStdString();
    EXPECT_EQ(qtkit::fileBytes(b), large);

    // Onto itself, also when reached through a link: refused, the file intact.
    ASSERT_TRUE(QFile::link(home.path(), home.filePath(QStringLiteral("link"))));
    const QString viaLink = home.filePath(QStringLiteral("link/a.jpg"));
    EXPECT_TRUE(isSameFile(a, viaLink));
    EXPECT_TRUE(isSameFile(a, home.path() + QStringLiteral("/a.jpg")));
    EXPECT_FALSE(isSameFile(a, b));
    EXPECT_FALSE(copyPictureFile(viaLink, a, &error));
    EXPECT_EQ(qtkit::fileBytes(a), large);

    EXPECT_FALSE(copyPictureFile(home.filePath(QStringLiteral("none.jpg")), b, &error));
    EXPECT_EQ(qtkit::fileBytes(b), large);
    EXPECT_FALSE(copyPictureFile(a, home.filePath(QStringLiteral("no/folder/x.jpg")), &error));
}

TEST_F(PictureTest, FotoReportsAMissingOrBadPhotoAndFitsAHugeOneOnTheScreen)
{
    // No photo, then one that is no picture: each reported with its error number.
    for (const auto& [bytes, reported] : { std::pair<QByteArray, const char*> { {}, "Error number:\t53" },
             { "GIF89a but not really", "Error number:\t75" } }) {
        if (!bytes.isEmpty())
            writeFile(storedPhoto(), bytes);
        prompts.reports.clear();
        FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
        ASSERT_EQ(prompts.reports.size(), 1) << reported;
        EXPECT_TRUE(prompts.reports[0].contains(QLatin1String(reported))) << prompts.reports[0].toStdString();
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("4.jpg")));
        EXPECT_FALSE(window.showsPhoto());
        EXPECT_FALSE(photo(window)->pixmap().isNull());
    }
    // A photo claiming to be huge, and a real one larger than the screen: the window fits it.
    for (const QByteArray& bytes : { bmpClaimingHugeSize(), pictureBytes({ 3000, 2000 }, Qt::yellow) }) {
        writeFile(storedPhoto(), bytes);
        FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
        window.show();
        EXPECT_TRUE(QRect(QPoint(), screenSize()).contains(QRect(QPoint(), window.frameGeometry().size())));
    }
}

TEST_F(PictureTest, FotoShowsThePhotoAndCopiesAChosenOneUnlessItIsTheStoredOneOrNoPicture)
{
    writeFile(storedPhoto(), pictureBytes({ 180, 240 }, Qt::darkCyan));
    const QByteArray original = qtkit::fileBytes(storedPhoto());
    FotoWindow window(session, prompts, artist, QStringLiteral("Nina Simone"), &main);
    window.show();
    EXPECT_TRUE(window.showsPhoto());
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(180, 240));
    // Right click shows the artist id.
    QTest::mouseClick(photo(window), Qt::RightButton);
    EXPECT_EQ(photo(window)->toolTip(), QStringLiteral("4"));

    const QString bad = home.filePath(QStringLiteral("bad.jpg"));
    writeFile(bad, "plain text");
    // Cancelled; the stored photo itself (the user is told); not a picture (reported): the
    // stored photo stays.
    for (const QString& chosen : { QString(), storedPhoto(), bad }) {
        prompts.chosenFiles = { chosen };
        qtkit::clickButton(&window, "cmdFoto");
        EXPECT_EQ(qtkit::fileBytes(storedPhoto()), original);
    }
    EXPECT_EQ(prompts.boxes.size(), 1);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Foto.cmdFoto_Click")));
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(180, 240));

    // A good one: copied over the stored photo and shown.
    const QString chosen = home.filePath(QStringLiteral("new photo.jpg"));
    writeFile(chosen, pictureBytes({ 150, 120 }, Qt::blue));
    prompts.chosenFiles = { chosen };
    window.choosePhoto();
    EXPECT_EQ(qtkit::fileBytes(storedPhoto()), qtkit::fileBytes(chosen));
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(150, 120));
    EXPECT_EQ(prompts.reports.size(), 1);

    // A photo folder that is gone: reported.
    session.settings.fotoDir = home.filePath(QStringLiteral("Gone/"));
    prompts.chosenFiles = { chosen };
    window.choosePhoto();
    EXPECT_EQ(prompts.reports.size(), 2);

    // A left click closes; Escape closes whatever has the focus.
    QTest::mouseClick(photo(window), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    auto* choose = qtkit::childOf<QPushButton>(&window, "cmdFoto");
    choose->setFocus();
    QTest::keyClick(choose, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PictureTest, VergrotingShowsTheCoverAtNaturalSizeFitsTheScreenAndFallsBackToTheBuiltInPicture)
{
    writeFile(storedCover(), pictureBytes({ 300, 200 }, Qt::magenta));
    QPointer<Vergroting> window = new Vergroting(session, prompts, album, QRect(120, 90, 150, 150), &main);
    window->show();
    EXPECT_TRUE(window->showsCover());
    EXPECT_EQ(window->geometry(), QRect(124, 90, 300, 200));
    EXPECT_EQ(qtkit::childOf<QLabel>(window, "imgVergroting")->pixmap().size(), QSize(300, 200));
    // Released over the enlargement: it closes and goes away.
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(10, 10));
    qtkit::waitUntil([&] { return window.isNull(); }, "the enlargement to go away");

    // A cover twice the screen's size is shown fitted; one that cannot be shown (the refusals
    // of loadPicture above) and no file: the built-in picture stands in at the small cover's size.
    const QSize screen = screenSize();
    const QRect cover(screen.width() - 100, screen.height() - 100, 80, 80);
    const std::pair<QByteArray, bool> covers[]
        = { { pictureBytes(screen * 2, Qt::cyan), true }, { bmpClaimingHugeSize(), false }, { {}, false } };
    for (const auto& [bytes, shown] : covers) {
        if (bytes.isEmpty())
            QFile::remove(storedCover());
        else
            writeFile(storedCover(), bytes);
        auto* fitted = new Vergroting(session, prompts, album, cover, &main);
        fitted->show();
        EXPECT_EQ(fitted->showsCover(), shown);
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(fitted->geometry()));
        if (!shown) {
            EXPECT_EQ(fitted->size(), QSize(80, 80));
        }
        fitted->close();
    }
    EXPECT_TRUE(prompts.reports.isEmpty()); // the main window reports bad covers, not this
}

} // namespace

// The built-in pictures fill every device pixel of a scaled screen: twice the pixels at 200 %,
// the same size on the window.
TEST(BuiltinPictures, AreDrawnForTheScreensDevicePixels)
{
    for (const qreal ratio : { 1.0, 1.5, 2.0 }) {
        const QPixmap pictures[] = { BuiltinPictures::noCover(QSize(110, 90), ratio),
            BuiltinPictures::plainLogo(32, ratio), BuiltinPictures::playlistIcon(32, ratio) };
        const QSize sizes[] = { QSize(110, 90), QSize(32, 32), QSize(32, 32) };
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(pictures[i].deviceIndependentSize().toSize(), sizes[i]) << ratio;
            EXPECT_EQ(pictures[i].size(), sizes[i] * ratio) << ratio;
        }
    }
}
