// The error report and its window, message box placement and the program runner.
#include "shell/boxplacement.h"
#include "shell/errorreport.h"
#include "shell/programs.h"
#include "shell/ui/centeredmsgbox.h"
#include "shell/ui/errorwindow.h"
#include "shell/windowplacement.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, FourLinesWithFixedLabels)
{
    const QDateTime when(QDate(2026, 12, 6), QTime(22, 30, 5));
    const QString report = buildErrorReport({53, QStringLiteral("File not found"), QStringLiteral("Muziek")}, when);
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Date and time: \t")));
    // In the user's format: "22:30", "10:30 PM", "22.30"...
    EXPECT_TRUE(lines[0].contains(QRegularExpression(QStringLiteral("(22|10)[:.]30"))));
    EXPECT_EQ(lines[1], QStringLiteral("Error number:\t53"));
    EXPECT_EQ(lines[2], QStringLiteral("Description:\tFile not found"));
    EXPECT_EQ(lines[3], QStringLiteral("Source:\t\tMuziek"));

    const QString empty = buildErrorReport({0, {}, {}}, when);
    EXPECT_EQ(empty.split(QStringLiteral("\r\n")).size(), 4);
    EXPECT_TRUE(empty.endsWith(QStringLiteral("\r\nSource:\t\t")));
}

TEST(ErrorWindow, DetailsFoldOutAndBackIn)
{
    ErrorWindow window(QStringLiteral("report text"), QStringLiteral("Melotheek"), QStringLiteral("Error"));
    auto* details = window.findChild<QPushButton*>(QStringLiteral("cmdDetails"));
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("txtError"));
    ASSERT_TRUE(details && text);
    EXPECT_EQ(window.objectName(), QStringLiteral("Error"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Melotheek"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("report text"));
    EXPECT_TRUE(text->isReadOnly());
    const int collapsed = window.height();
    EXPECT_EQ(details->text(), QStringLiteral("Details >>"));
    // Collapsed, the report lies below the window's bottom edge.
    EXPECT_GE(text->geometry().top(), collapsed - 10);

    details->click();
    EXPECT_EQ(details->text(), QStringLiteral("Details <<"));
    EXPECT_EQ(window.height(), 3975 / 15);
    EXPECT_LE(text->geometry().bottom(), window.height());

    details->click();
    EXPECT_EQ(details->text(), QStringLiteral("Details >>"));
    EXPECT_EQ(window.height(), collapsed);
}

TEST(BoxPlacement, CentredHalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(centredBoxPosition(QRect(0, 0, 601, 400), QSize(300, 120)), QPoint(150, 140));
    EXPECT_EQ(centredBoxPosition(QRect(0, 0, 603, 400), QSize(300, 120)), QPoint(152, 140));
    EXPECT_EQ(centredBoxPosition(QRect(100, 50, 400, 300), QSize(200, 101)), QPoint(200, 150));
    // A box larger than its owner sticks out on both sides evenly.
    EXPECT_EQ(centredBoxPosition(QRect(10, 10, 100, 100), QSize(300, 100)), QPoint(-90, 10));
    EXPECT_EQ(requestedBoxPosition({-1, 20}, QSize(1920, 1080), QSize(301, 100)), QPoint(810, 20));
    EXPECT_EQ(requestedBoxPosition({5, -1}, QSize(1920, 1080), QSize(300, 100)), QPoint(5, 490));
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

// Presses a button of the message box that is about to open.
void answerNextBox(QMessageBox::StandardButton button, QRect* seenAt = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return answerNextBox(button, seenAt);
        if (seenAt)
            *seenAt = box->frameGeometry();
        box->button(button)->click();
    });
}

TEST(CenteredMsgBox, ReturnsTheButtonCodesAndSitsOverItsOwner)
{
    QWidget owner;
    owner.setGeometry(200, 100, 700, 500);
    owner.show();

    QRect seen;
    answerNextBox(QMessageBox::No, &seen);
    EXPECT_EQ(CenteredMsgBox(&owner, QStringLiteral("Quit?"), 292, QStringLiteral("Attention!")), 7);
    const QPoint expected = centredBoxPosition(owner.frameGeometry(), seen.size());
    EXPECT_EQ(seen.topLeft(), expected);

    answerNextBox(QMessageBox::Yes);
    EXPECT_EQ(CenteredMsgBox(&owner, QStringLiteral("Quit?"), 36, QStringLiteral("Attention!")), 6);
    answerNextBox(QMessageBox::Ok);
    EXPECT_EQ(CenteredMsgBox(&owner, QStringLiteral("Done."), 64, QString()), 1);
    answerNextBox(QMessageBox::Cancel);
    EXPECT_EQ(CenteredMsgBox(&owner, QStringLiteral("Go on?"), 1, QString()), 2);
}

TEST(Programs, InstTellsWhetherAProcessExists)
{
    EXPECT_TRUE(Inst(QCoreApplication::applicationPid()));
    EXPECT_FALSE(Inst(0));
    EXPECT_FALSE(Inst(-5));

    QProcess child;
    child.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(child.waitForFinished(5000));
    const qint64 ended = child.processId();
    EXPECT_FALSE(Inst(ended)); // reaped by waitForFinished, so it no longer exists
}

TEST(Programs, StartDetachedPassesArgumentsWithoutAShell)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("args.txt"));
    const QString script = dir.filePath(QStringLiteral("record.sh"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString error;
    const QString odd = QStringLiteral("/tmp/it's a \"list\"; rm -rf x.m3u");
    const qint64 pid = startDetached(script, {odd}, &error);
    ASSERT_GT(pid, 0) << error.toStdString();
    for (int i = 0; i < 200 && !QFile::exists(out); ++i)
        QThread::msleep(10);
    QThread::msleep(50);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()).trimmed(), odd);

    EXPECT_LT(startDetached(dir.filePath(QStringLiteral("missing")), {}, &error), 0);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
