#pragma once

#include "discovant/cddb/lookupui.h"

class QWidget;

namespace discovant::widgets {

// Places one of the component's windows: at PopUpLocTop/PopUpLocLeft (screen pixels), each
// coordinate that is 0 centred on the window's screen instead.
void placePopUp(QWidget& window, const PopUpSettings& popUp);

} // namespace discovant::widgets
