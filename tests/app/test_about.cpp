// The about window and its texts.
#include "qtkit/modal.h"
#include "shell/aboutinfo.h"
#include "shell/ui/overwindow.h"
#include "shell/ui/picturelabel.h"
#include "support/testhome.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
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

TEST(OverWindow, ShowsTheVersionWithTheProgramFilesDateAndClosesOnEscapeOrAClick)
{
    TestHome home;
    const ProgramFileDated dated(QDateTime(QDate(2021, 3, 9), QTime(12, 0)));
    OverWindow window(home.session());
    EXPECT_EQ(qtkit::childOf<QLabel>(&window, "lblCopy")->text(),
        QStringLiteral("Version: " MELOTHEEK_VERSION " (20210309)"));
    EXPECT_TRUE(qtkit::childOf<QLabel>(&window, "lblVersie_0")
                    ->text()
                    .endsWith(QString::number(QDate::currentDate().year())));
    // Other keys do not close it.
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
