#pragma once

class QCoreApplication;

namespace tabulo::ui {

// Loads Qt's own Japanese texts (the file and font dialogs, the context menus
// of text boxes, the buttons of standard boxes) from the system's Qt
// translations, so that the toolkit's windows speak the program's language
// whatever the desktop's locale. Returns whether they were found; without
// them those texts stay English and everything else works the same.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace tabulo::ui
