#pragma once

class QLabel;
class QWidget;

// Pieces the import wizards share: the bold step heading and its explanation, and growing a
// window whose wrapped explanation needs more lines than its layout's minimum allows for.

// A bold label, the wizard's current step, named `objectName`.
QLabel* newHeadingLabel(QWidget* parent, const char* objectName);
// A word-wrapped label, the step's explanation, named `objectName`.
QLabel* newExplanationLabel(QWidget* parent, const char* objectName);

// A window's minimum height does not follow a wrapped text's height: grows `window` (and its
// minimum) to what its layout needs at the current width, so the text never overlaps the
// fields below it.
void growToLayoutHeight(QWidget* window);
