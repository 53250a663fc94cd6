#pragma once

#include <functional>

class QWidget;

// Runs `action` on the next modal window once it is shown (the window a modal call such as
// exec() opens after this was scheduled); the action must close the window.
void whenModalShown(std::function<void(QWidget&)> action);

// Clicks the button `name` of `window`; fails the test when there is none.
void clickButton(QWidget& window, const char* name);
