#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Drives a window that is about to be run modally: once the application's active modal
// window is the one named `objectName`, `action` runs on it (from the event loop, so it may
// click its buttons). When no such window appears within a few seconds the test fails and
// the modal window in the way is closed, so the test goes on instead of hanging.
void onNextModal(const QString& objectName, std::function<void(QWidget*)> action);

// A child of `window` by objectName; records a test failure when there is none.
template <typename T> T* childOf(const QWidget* window, const char* name)
{
    T* child = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(child, nullptr) << name;
    return child;
}
