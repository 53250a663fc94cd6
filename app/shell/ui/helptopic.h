#pragma once

#include <QString>
#include <functional>

class QWidget;
class Session;
class UserPrompts;

// Opens the place `anchor` (an id in the page; "" for its top) of the help page of the current
// language (the `Help` setting) with the desktop's browser. A missing page or a desktop that
// opens nothing is reported in `window`'s error report.
void openHelpTopic(QWidget* window, Session& session, UserPrompts& prompts, const QString& anchor);

// F1 anywhere in `window` opens its place in the help page; `anchor` is asked at the key press,
// for windows whose place depends on what they show.
void addHelpKey(QWidget* window, Session& session, UserPrompts& prompts, std::function<QString()> anchor);
void addHelpKey(QWidget* window, Session& session, UserPrompts& prompts, const QString& anchor);
