// The artist photo window and the cover enlargement: real pictures at their natural size,
// pictures too large for the screen, files that are no pictures, and replacing a photo.
#include "extras/picturefiles.h"
#include "extras/ui/fotowindow.h"
#include "extras/ui/vergroting.h"
#include "shell/session.h"
#include "shell/ui/picturelabel.h"
#include "support/fakeprompts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writePicture(const QString& path, QSize size, QColor colour, const char* format = "JPG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

// A real BMP whose header claims 30000 x 30000 pixels (3.6 GB decoded) over a few bytes of data.
QByteArray bmpClaimingHugeSize()
{
    QImage tiny(2, 2, QImage::Format_RGB32);
    tiny.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    tiny.save(&buffer, "BMP");
    qToLittleEndian<qint32>(30000, bytes.data() + 18);
    qToLittleEndian<qint32>(30000, bytes.data() + 22);
    return bytes;
}

class PictureTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    Session session{dir.path()};
    QWidget main;
    const qint64 artist = 4;
    const qint64 album = 9;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        session.settings.taal = QStringLiteral("200");
        session.settings.fotoDir = dir.path() + QStringLiteral("/Foto/");
        session.settings.coverDir = dir.path() + QStringLiteral("/Covers/");
        ASSERT_TRUE(QDir().mkpath(session.settings.fotoDir));
        ASSERT_TRUE(QDir().mkpath(session.settings.coverDir));
        main.setGeometry(50, 50, 500, 400);
        main.show();
    }

    QString storedPhoto() const { return photoPath(session.settings.fotoDir, artist); }
    QString storedCover() const { return coverPath(session.settings.coverDir, album); }
    static PictureLabel* photo(FotoWindow& w) { return w.findChild<PictureLabel*>(QStringLiteral("imgFoto")); }
    QSize screenSize() const { return QGuiApplication::primaryScreen()->availableGeometry().size(); }
};

TEST_F(PictureTest, LoadPictureReadsByContentAndNeverDecodesAHugePictureWhole)
{
    const QString png = dir.filePath(QStringLiteral("really-a-png.jpg"));
    writePicture(png, {30, 20}, Qt::green, "PNG");
    LoadedPicture loaded = loadPicture(png, {100, 100});
    EXPECT_EQ(loaded.image.size(), QSize(30, 20));
    EXPECT_FALSE(loaded.scaled);

    const QString big = dir.filePath(QStringLiteral("big.jpg"));
    writePicture(big, {1600, 400}, Qt::red);
    loaded = loadPicture(big, {400, 400});
    EXPECT_EQ(loaded.image.size(), QSize(400, 100));
    EXPECT_TRUE(loaded.scaled);

    const QString huge = dir.filePath(QStringLiteral("huge.bmp"));
    writeFile(huge, bmpClaimingHugeSize());
    loaded = loadPicture(huge, {800, 600});
    EXPECT_TRUE(loaded.image.isNull() || loaded.image.width() <= 800);

    const QString text = dir.filePath(QStringLiteral("notes.jpg"));
    writeFile(text, "This is not a picture at all.\n");
    loaded = loadPicture(text, {800, 600});
    EXPECT_TRUE(loaded.image.isNull());
    EXPECT_TRUE(loaded.error.contains(QStringLiteral("notes.jpg")));

    const QString truncated = dir.filePath(QStringLiteral("half.jpg"));
    writePicture(big, {640, 480}, Qt::red);
    writeFile(truncated, bytesOf(big).left(200));
    loaded = loadPicture(truncated, {800, 600}); // whatever it yields, it returns

    loaded = loadPicture(dir.filePath(QStringLiteral("absent.jpg")), {800, 600});
    EXPECT_TRUE(loaded.image.isNull());
    EXPECT_TRUE(loaded.error.contains(QStringLiteral("absent.jpg")));
    loaded = loadPicture(dir.path(), {800, 600}); // a folder
    EXPECT_TRUE(loaded.image.isNull());
}

TEST_F(PictureTest, CopyReplacesTheTargetWholeOrNotAtAll)
{
    const QString a = dir.filePath(QStringLiteral("a.jpg"));
    const QString b = dir.filePath(QStringLiteral("b.jpg"));
    writeFile(a, QByteArray(3 << 20, 'a')); // more than one copy chunk
    writeFile(b, "old");
    QString error;
    ASSERT_TRUE(copyPictureFile(a, b, &error)) << error.toStdString();
    EXPECT_EQ(bytesOf(b), bytesOf(a));

    // Onto itself, also when reached through a link: refused, the file intact.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath(QStringLiteral("link"))));
    const QString viaLink = dir.filePath(QStringLiteral("link/a.jpg"));
    EXPECT_TRUE(isSameFile(a, viaLink));
    EXPECT_TRUE(isSameFile(a, dir.path() + QStringLiteral("//a.jpg")));
    EXPECT_FALSE(isSameFile(a, b));
    EXPECT_FALSE(copyPictureFile(viaLink, a, &error));
    EXPECT_EQ(bytesOf(a).size(), 3 << 20);

    EXPECT_FALSE(copyPictureFile(dir.filePath(QStringLiteral("none.jpg")), b, &error));
    EXPECT_EQ(bytesOf(b), bytesOf(a));
    EXPECT_FALSE(copyPictureFile(a, dir.filePath(QStringLiteral("no/folder/x.jpg")), &error));
}

TEST_F(PictureTest, FotoShowsThePhotoAtItsNaturalSize)
{
    writePicture(storedPhoto(), {180, 240}, Qt::darkCyan);
    FotoWindow window(session, prompts, artist, QStringLiteral("Nina Simone"), &main);
    window.show();
    EXPECT_TRUE(window.isModal());
    EXPECT_TRUE(window.showsPhoto());
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(180, 240));
    EXPECT_EQ(photo(window)->toolTip(), QStringLiteral("Nina Simone"));
    EXPECT_GE(window.width(), 180);
    EXPECT_GE(window.height(), 240);

    // Right click shows the artist id, left click closes.
    QTest::mouseClick(photo(window), Qt::RightButton);
    EXPECT_EQ(photo(window)->toolTip(), QStringLiteral("4"));
    QTest::mouseClick(photo(window), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    // Escape closes whichever control has the focus.
    window.show();
    auto* choose = window.findChild<QPushButton*>(QStringLiteral("cmdFoto"));
    choose->setFocus();
    QTest::keyClick(choose, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PictureTest, FotoReportsAMissingOrBadPhotoAndShowsTheBuiltInPicture)
{
    {
        FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
        ASSERT_EQ(prompts.reports.size(), 1);
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t53")));
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("4.jpg")));
        EXPECT_FALSE(window.showsPhoto());
        EXPECT_FALSE(photo(window)->pixmap().isNull());
    }
    writeFile(storedPhoto(), "GIF89a but not really");
    {
        FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
        ASSERT_EQ(prompts.reports.size(), 2);
        EXPECT_TRUE(prompts.reports[1].contains(QStringLiteral("Error number:\t75")));
        EXPECT_FALSE(window.showsPhoto());
    }
    writeFile(storedPhoto(), bmpClaimingHugeSize());
    {
        FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
        window.show();
        EXPECT_LE(window.width(), screenSize().width());
        EXPECT_LE(window.height(), screenSize().height());
    }
    // A real photo larger than the screen is shrunk to fit it.
    writePicture(storedPhoto(), {3000, 2000}, Qt::yellow);
    FotoWindow window(session, prompts, artist, QStringLiteral("Nobody"), &main);
    window.show();
    EXPECT_TRUE(window.showsPhoto());
    EXPECT_LE(window.frameGeometry().width(), screenSize().width());
    EXPECT_LE(window.frameGeometry().height(), screenSize().height());
}

TEST_F(PictureTest, ChoosingAPhotoCopiesItUnlessItIsTheStoredOneOrNoPicture)
{
    writePicture(storedPhoto(), {100, 100}, Qt::red);
    const QByteArray original = bytesOf(storedPhoto());
    FotoWindow window(session, prompts, artist, QStringLiteral("Nina Simone"), &main);
    window.show();

    // Cancelled.
    window.findChild<QPushButton*>(QStringLiteral("cmdFoto"))->click();
    ASSERT_EQ(prompts.fileDialogTitles.size(), 1);
    EXPECT_EQ(prompts.fileDialogTitles[0], QStringLiteral("Image"));
    EXPECT_EQ(bytesOf(storedPhoto()), original);

    // The stored photo itself, by its own path or through a link.
    ASSERT_TRUE(QFile::link(session.settings.fotoDir, dir.filePath(QStringLiteral("fotolink"))));
    prompts.chosenFiles = {storedPhoto(), dir.filePath(QStringLiteral("fotolink/4.jpg"))};
    window.choosePhoto();
    window.choosePhoto();
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Same file."));
    EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
    EXPECT_EQ(bytesOf(storedPhoto()), original);

    // Not a picture: reported, the stored photo stays.
    const QString bad = dir.filePath(QStringLiteral("bad.jpg"));
    writeFile(bad, "plain text");
    prompts.chosenFiles = {bad};
    window.choosePhoto();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Foto.cmdFoto_Click")));
    EXPECT_EQ(bytesOf(storedPhoto()), original);
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(100, 100));

    // A good one: copied over the stored photo and shown, tool-tip the artist id.
    const QString chosen = dir.filePath(QStringLiteral("new photo.jpg"));
    writePicture(chosen, {150, 120}, Qt::blue);
    prompts.chosenFiles = {chosen};
    window.choosePhoto();
    EXPECT_EQ(bytesOf(storedPhoto()), bytesOf(chosen));
    EXPECT_EQ(photo(window)->pixmap().size(), QSize(150, 120));
    EXPECT_EQ(photo(window)->toolTip(), QStringLiteral("4"));
    EXPECT_EQ(prompts.reports.size(), 1);

    // A photo folder that is gone: reported.
    session.settings.fotoDir = dir.path() + QStringLiteral("/Gone/");
    prompts.chosenFiles = {chosen};
    window.choosePhoto();
    EXPECT_EQ(prompts.reports.size(), 2);
}

TEST_F(PictureTest, VergrotingShowsTheCoverAtNaturalSizeOverTheSmallCover)
{
    writePicture(storedCover(), {300, 200}, Qt::magenta);
    const QRect cover(120, 90, 150, 150);
    QPointer<Vergroting> window = new Vergroting(session, prompts, album, cover, &main);
    window->show();
    EXPECT_TRUE(window->showsCover());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->size(), QSize(300, 200));
    EXPECT_EQ(window->pos(), QPoint(124, 90));
    auto* picture = window->findChild<QLabel*>(QStringLiteral("imgVergroting"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(300, 200));

    // Released over the enlargement: it closes and goes away.
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(PictureTest, VergrotingFitsTheScreenAndFallsBackToTheBuiltInPicture)
{
    const QSize screen = screenSize();
    writePicture(storedCover(), screen * 2, Qt::cyan);
    const QRect cover(screen.width() - 100, screen.height() - 100, 80, 80);
    auto* big = new Vergroting(session, prompts, album, cover, &main);
    big->show();
    EXPECT_TRUE(big->showsCover());
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(big->geometry()));
    big->close();

    writeFile(storedCover(), bmpClaimingHugeSize());
    auto* huge = new Vergroting(session, prompts, album, cover, &main);
    EXPECT_LE(huge->width(), screen.width());
    huge->close();

    writeFile(storedCover(), "no picture");
    auto* bad = new Vergroting(session, prompts, album, cover, &main);
    EXPECT_FALSE(bad->showsCover());
    EXPECT_EQ(bad->size(), QSize(80, 80));
    bad->close();

    QFile::remove(storedCover());
    auto* none = new Vergroting(session, prompts, album, QRect(), &main);
    EXPECT_FALSE(none->showsCover());
    EXPECT_FALSE(none->size().isEmpty());
    none->close();
    EXPECT_TRUE(prompts.reports.isEmpty()); // the main window reports bad covers, not this
}

} // namespace
