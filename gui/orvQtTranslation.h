// Qt's own texts (the standard buttons of the boxes: "Yes", "No", "Cancel", ...) in the
// panel's language: Qt's catalogues are delivered beside the program's in gui_langues/.
#pragma once

class QString;

// Installs Qt's catalogue of `language` in place of the one a previous call installed.
// Without a catalogue for it, Qt's English texts show. Returns whether one was installed.
bool installQtTranslation(const QString& language);
