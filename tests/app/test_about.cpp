// The about window and its texts.
#include "qtkit/modal.h"
#include "shell/aboutinfo.h"
#include "shell/ui/overwindow.h"
#include "shell/ui/picturelabel.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// A program file without a date (the window's case with one is below): the version alone.
TEST(AboutTexts, BuildIdentificationWithoutADate)
{
    EXPECT_EQ(buildIdentification(QStringLiteral("1.2.3"), QDateTime()), QStringLiteral("Version: 1.2.3"));
}

// Dates the running program's file (this test) for as long as it lives, then puts the
// file's own date back.
class ProgramFileDated {
public:
    explicit ProgramFileDated(const QDateTime& when)
        : m_saved(QFileInfo(m_path).lastModified())
    {
        EXPECT_TRUE(setDate(when));
    }
    ~ProgramFileDated() { setDate(m_saved); }

private:
    bool setDate(const QDateTime& when)
    {
        QFile program(m_path);
        return program.open(QIODevice::ReadOnly)
            && program.setFileTime(when, QFileDevice::FileModificationTime);
    }

    const QString m_path = QCoreApplication::applicationFilePath();
    QDateTime m_saved;
};

TEST(OverWindow, ShowsTheVersionWithTheProgramFilesDateAndMailsTheBuild)
{
    TestHome home;
    const ProgramFileDated dated(QDateTime(QDate(2021, 3, 9), QTime(12, 0)));
    FakePrompts prompts;
    OverWindow window(home.session(), prompts);
    EXPECT_EQ(qtkit::childOf<QLabel>(&window, "lblCopy")->text(),
        QStringLiteral("Version: " MELOTHEEK_VERSION " (20210309)"));
    EXPECT_TRUE(qtkit::childOf<QLabel>(&window, "lblVersie_0")
                    ->text()
                    .endsWith(QString::number(QDate::currentDate().year())));

    // The mail link names the build in its subject and leaves the window open.
    window.show();
    QTest::mouseClick(qtkit::childOf<PictureLabel>(&window, "lblEmail"), Qt::LeftButton);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    const QUrl mail = prompts.openedUrls[0];
    EXPECT_EQ(
        mail.scheme() + QLatin1Char(':') + mail.path(), QStringLiteral("mailto:" MELOTHEEK_CONTACT_EMAIL));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
        QStringLiteral("Melotheek (compilation Version: " MELOTHEEK_VERSION " (20210309) )"));
    EXPECT_FALSE(mail.toString(QUrl::FullyEncoded).contains(QLatin1Char(' ')));
    EXPECT_TRUE(window.isVisible());
}

TEST(OverWindow, EscapeOrAClickClosesOtherKeysDoNot)
{
    TestHome home;
    FakePrompts prompts;
    OverWindow window(home.session(), prompts);
    window.show();
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    // A click on the picture closes as well as one anywhere else.
    window.show();
    QTest::mouseClick(qtkit::childOf<PictureLabel>(&window, "imgVersie"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
