// The look of the touch panel: the program sets it once at start, and the screen tests set
// the same one, so that their pictures show what the panel shows.
#pragma once

class QApplication;

// Sets the panel's style and the rules every page shares on the application.
void applyPanelStyle(QApplication& app);
