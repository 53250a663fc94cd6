// The progress window every long job runs behind: the job runs on a thread of its own while
// the window, modal over the whole program, shows its step and count; Cancel, Escape and the
// close box ask the job to stop where Cancel is offered, and do nothing where it is not.
#include "qtkit/modal.h"
#include "shell/ui/progresswindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

TEST(ProgressWindow, RunsTheJobElsewhereShowsItsProgressAndPassesOnACancel)
{
    for (const auto cancel : { ProgressWindow::Cancel::Offered, ProgressWindow::Cancel::NotOffered }) {
        const bool offered = cancel == ProgressWindow::Cancel::Offered;
        QWidget owner;
        owner.show();
        ProgressWindow window(&owner, QStringLiteral("Backup"), cancel);
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;

        qtkit::onNextModal("Voortgang", [&](QWidget* shown) {
            EXPECT_EQ(shown->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(shown->windowTitle(), "Backup");
            auto* step = qtkit::childOf<QLabel>(shown, "lblStap");
            auto* bar = qtkit::childOf<QProgressBar>(shown, "pbVoortgang");
            qtkit::waitUntil([&] { return step->text() == "Writing Covers.cab" && bar->text() == "3 of 240"; },
                "the job's step and count");
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            EXPECT_EQ(shown->findChild<QPushButton*>("cmdAnnuleren") != nullptr, offered);
            QTest::keyClick(shown, Qt::Key_Escape);
            EXPECT_TRUE(shown->isVisible()) << "the window waits for its job";
            std::lock_guard lock(mutex);
            release = true;
            released.notify_all();
        });
        QThread* const uiThread = QThread::currentThread();
        const auto [ranElsewhere, sawCancel] = window.run([&](ProgressReport& progress) {
            progress.setStep(QStringLiteral("Writing Covers.cab"));
            progress.setCount(3, 240);
            std::unique_lock lock(mutex);
            EXPECT_TRUE(released.wait_for(lock, std::chrono::seconds(10), [&] { return release; }));
            return std::pair(QThread::currentThread() != uiThread, progress.cancelRequested());
        });
        EXPECT_TRUE(ranElsewhere);
        EXPECT_EQ(sawCancel, offered);
        EXPECT_EQ(window.cancelRequested(), offered);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

} // namespace
