#pragma once

// Driving windows headless: the modal window a call is about to open, the message boxes it
// asks, children by objectName, and waiting for a condition with a deadline. Nothing here
// waits without one: a window that never comes fails the test with its name instead of
// hanging it.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace qtkit {

inline constexpr std::chrono::milliseconds kWindowDeadline { 5000 };

// Runs `action` from the event loop on the next modal window named `objectName` ("" for
// whichever modal window comes first) once it is the active modal window; the action must
// close it (nested questions it raises may be answered first): a window still shown after
// twice the deadline fails the test and is closed. When none appears within `timeout`, the test fails naming the window, and the
// modal window in the way (if any) is closed so that the test goes on.
void onNextModal(const QString& objectName, std::function<void(QWidget*)> action,
                 std::chrono::milliseconds timeout = kWindowDeadline);

// Answers the next message box with `button`; `text` receives its text when given.
void answerNextBox(QMessageBox::StandardButton button, QString* text = nullptr);

// Processes events until `condition` holds; false, with a failure naming `what`, when it
// still does not hold at `timeout`.
bool waitUntil(const std::function<bool()>& condition, const char* what,
               std::chrono::milliseconds timeout = kWindowDeadline);

// A child of `parent` by objectName; records a test failure when there is none.
template <typename T> T* childOf(const QObject* parent, const char* name)
{
    T* child = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(child, nullptr) << "no child " << name;
    return child;
}

// Clicks the button `name` of `window`; fails the test when there is none.
void clickButton(const QWidget* window, const char* name);

} // namespace qtkit
