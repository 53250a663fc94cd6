// The about window and its texts.
#include "shell/aboutinfo.h"
#include "shell/session.h"
#include "shell/ui/overwindow.h"
#include "shell/ui/picturelabel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AboutTexts, YearLineAndBuildIdentification)
{
    EXPECT_TRUE(yearLine(QDate(2026, 12, 6)).endsWith(QStringLiteral("2026")));
    EXPECT_TRUE(yearLine(QDate(2031, 1, 1)).endsWith(QStringLiteral("2031")));
    EXPECT_EQ(buildIdentification(QStringLiteral("1.2.3"), QDateTime(QDate(2026, 3, 9), QTime(8, 0))),
        QStringLiteral("Version: 1.2.3 (20260309)"));
    EXPECT_EQ(buildIdentification(QStringLiteral("1.2.3"), QDateTime()), QStringLiteral("Version: 1.2.3"));
    // The running program's own file dates the build.
    EXPECT_EQ(programFileDate(), QFileInfo(QCoreApplication::applicationFilePath()).lastModified());
}

class OverTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    Session session { home.path() };

    static QString text(const OverWindow& window, const char* name)
    {
        auto* label = window.findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
};

TEST_F(OverTest, ShowsNameVersionAndBuildDate)
{
    session.settings.taal = QStringLiteral("300");
    OverWindow window(session);
    EXPECT_EQ(window.objectName(), QStringLiteral("Over"));
    EXPECT_EQ(text(window, "lblVersie_1"), QStringLiteral("Melotheek"));
    const QString build
        = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().toString("yyyyMMdd");
    EXPECT_EQ(text(window, "lblCopy"), QStringLiteral("Version: " MELOTHEEK_VERSION " (%1)").arg(build));
    EXPECT_TRUE(text(window, "lblVersie_0").endsWith(QString::number(QDate::currentDate().year())));
}

TEST_F(OverTest, EscapeOrAClickClosesOtherKeysDoNot)
{
    OverWindow window(session);
    window.show();
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    window.show();
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(window.width() - 4, window.height() - 4));
    EXPECT_FALSE(window.isVisible());

    window.show();
    auto* picture = window.findChild<PictureLabel*>(QStringLiteral("imgVersie"));
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
