// The error report and its window, message box placement and the program runner.
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/boxplacement.h"
#include "shell/errorreport.h"
#include "shell/programs.h"
#include "shell/ui/centeredmsgbox.h"
#include "shell/ui/errorwindow.h"
#include "shell/ui/userprompts.h"
#include "shell/windowplacement.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, FourLinesWithFixedLabelsAndTheSystemsShortDateAndTime)
{
    const QDateTime when(QDate(2026, 12, 6), QTime(22, 30, 5));
    const QString report
        = buildErrorReport({ 53, QStringLiteral("File not found"), QStringLiteral("Muziek") }, when);
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    // Whatever the user's locale: its own short date and time of the moment given.
    const QLocale system = QLocale::system();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Date and time: \t")));
    EXPECT_TRUE(lines[0].contains(system.toString(when.date(), QLocale::ShortFormat)))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(system.toString(when.time(), QLocale::ShortFormat)))
        << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1),
        QStringList({ "Error number:\t53", "Description:\tFile not found", "Source:\t\tMuziek" }));

    EXPECT_TRUE(buildErrorReport({ 0, {}, {} }, when).endsWith(QStringLiteral("\r\nSource:\t\t")));
}

TEST(ErrorWindow, DetailsFoldOutAndBackIn)
{
    ErrorWindow window(QStringLiteral("report text"), QStringLiteral("Melotheek"), QStringLiteral("Error"));
    auto* text = qtkit::childOf<QPlainTextEdit>(&window, "txtError");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("report text"));
    const int collapsed = window.height();
    // Collapsed, the report lies below the window's bottom edge; unfolded, inside it.
    EXPECT_GE(text->geometry().top(), collapsed - 10);
    qtkit::clickButton(&window, "cmdDetails");
    EXPECT_TRUE(window.detailsShown());
    EXPECT_LE(text->geometry().bottom(), window.height());
    qtkit::clickButton(&window, "cmdDetails");
    EXPECT_EQ(window.height(), collapsed);
}

TEST(BoxPlacement, CentredHalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(centredBoxPosition(QRect(0, 0, 601, 400), QSize(300, 120)), QPoint(150, 140));
    EXPECT_EQ(centredBoxPosition(QRect(0, 0, 603, 400), QSize(300, 120)), QPoint(152, 140));
    // A box larger than its owner sticks out on both sides evenly.
    EXPECT_EQ(centredBoxPosition(QRect(10, 10, 100, 100), QSize(300, 100)), QPoint(-90, 10));
    EXPECT_EQ(requestedBoxPosition({ -1, 20 }, QSize(1920, 1080), QSize(301, 100)), QPoint(810, 20));
    EXPECT_EQ(requestedBoxPosition({ 5, -1 }, QSize(1920, 1080), QSize(300, 100)), QPoint(5, 490));
}

TEST(WindowPlacement, APositionNoScreenShowsIsCentredOnThePrimary)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const struct {
        QPoint saved;
        QPoint placed;
    } cases[] = {
        {{100, 50}, {100, 50}},     // wholly on the primary screen
        {{2000, 300}, {2000, 300}}, // on the second screen
        {{1800, 10}, {1800, 10}},   // across both: the title bar can still be grabbed
        {{5000, 200}, {560, 240}},  // the screen it was on is gone
        {{100, -500}, {560, 240}},  // title bar above every screen
        {{-780, 100}, {560, 240}},  // only a sliver of the title bar is shown
    };
    for (const auto& c : cases)
        EXPECT_EQ(placedOnScreens(c.saved, QSize(800, 600), screens), c.placed) << c.saved.x() << "," << c.saved.y();
    // Larger than the screen: its top-left corner stays on the screen.
    EXPECT_EQ(placedOnScreens({-5000, 0}, QSize(2000, 1200), screens), QPoint(0, 0));
}

TEST(CenteredMsgBox, ReturnsThePressedButtonsCodeAndSitsOverItsOwner)
{
    QWidget owner;
    owner.setGeometry(200, 100, 700, 500);
    owner.show();
    const struct {
        int buttons;
        QMessageBox::StandardButton press;
        int code;
    } cases[] = { { MsgBox::yesNoQuestionDefaultNo, QMessageBox::No, MsgBox::no },
        { MsgBox::yesNoQuestion, QMessageBox::Yes, MsgBox::yes },
        { 1, QMessageBox::Cancel, MsgBox::cancel } };
    for (const auto& c : cases) {
        QRect seen;
        qtkit::onNextModal(QString(), [&seen, press = c.press](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seen = box->frameGeometry();
            ASSERT_NE(box->button(press), nullptr) << press;
            box->button(press)->click();
        });
        EXPECT_EQ(CenteredMsgBox(&owner, QStringLiteral("Go on?"), c.buttons, QString()), c.code)
            << c.buttons;
        EXPECT_EQ(seen.topLeft(), centredBoxPosition(owner.frameGeometry(), seen.size())) << c.buttons;
    }
}

TEST(Programs, InstTellsWhetherAProcessExistsAndStartDetachedUsesNoShell)
{
    EXPECT_TRUE(Inst(QCoreApplication::applicationPid()));
    EXPECT_FALSE(Inst(0) || Inst(-5));

    QProcess child;
    child.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(child.waitForFinished(5000));
    EXPECT_FALSE(Inst(child.processId())); // reaped by waitForFinished, so it no longer exists

    // A detached start passes its arguments without a shell.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("args.txt"));
    const QString script = dir.filePath(QStringLiteral("record.sh"));
    // Written beside and renamed, so the file is there only once it is complete.
    qtkit::writeFile(script,
        "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"$(dirname \"$0\")/args.txt\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString error;
    const QString odd = QStringLiteral("/tmp/it's a \"list\"; rm -rf x.m3u");
    ASSERT_GT(startDetached(script, { odd }, &error), 0) << error.toStdString();
    ASSERT_TRUE(qtkit::waitUntil([&] { return QFile::exists(out); }, "the started program's output"));
    EXPECT_EQ(QString::fromUtf8(qtkit::fileBytes(out)), odd + QLatin1Char('\n'));

    EXPECT_LT(startDetached(dir.filePath(QStringLiteral("missing")), {}, &error), 0);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
