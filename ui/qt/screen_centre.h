#pragma once

class QWidget;

// Moves a top-level window, frame included, to the middle of the screen it is on.
void CentreOnScreen(QWidget* window);
