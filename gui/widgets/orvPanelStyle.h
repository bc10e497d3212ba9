// The look of the touch panel: the program sets it once at start, and the screen tests set
// the same one, so that their pictures show what the panel shows.
#pragma once

class QApplication;

// Sets the panel's style and text font on the application and gives every message box of
// the program one look: a frame, its title inside, buttons and text sized for fingers.
void applyPanelStyle(QApplication& app);
