#pragma once

#include "shell/boxplacement.h"

#include <QPoint>
#include <QString>

class QWidget;

// Shows a message box with the given button code (see MsgBox) and returns the pressed
// button's code. With BoxMode::CentreOnOwner the box is centred over `owner` (the active
// window when `owner` is null); with BoxMode::AtPosition it goes to `position`, -1 on an
// axis centring it on the screen there.
int CenteredMsgBox(QWidget* owner, const QString& prompt, int buttons, const QString& title,
                   BoxMode mode = BoxMode::CentreOnOwner, QPoint position = {-1, -1});
