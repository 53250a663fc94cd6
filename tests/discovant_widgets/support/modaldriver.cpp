#include "support/modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

void whenModalShown(std::function<void(QWidget&)> action)
{
    QTimer::singleShot(0, [action = std::move(action)]() mutable {
        if (QWidget* window = QApplication::activeModalWidget())
            action(*window);
        else
            whenModalShown(std::move(action));
    });
}

void clickButton(QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}
