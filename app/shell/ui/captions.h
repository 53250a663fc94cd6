#pragma once

#include "resources/captionbindings.h"

#include <QString>

#include <functional>
#include <span>

class QWidget;

// Sets the captions of `window` and its controls from message numbers: the window's own
// title, buttons, labels, menus and menu entries (found by objectName), and header sections
// of item views. `message` gives message k of the current language.
void applyCaptions(QWidget* window, std::span<const CaptionBinding> bindings,
                   const std::function<QString(int)>& message);
