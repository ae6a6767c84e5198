#pragma once

class QApplication;

namespace dryfriction {

// What every start of the program shares, before the main window is made:
// the application's name, its icon, a translation of its own texts for the
// user's language if there is one, and Qt's Russian translation, so that
// Qt's own dialogs and menus read "Да", "Нет" and so on like the rest.
void prepareApplication(QApplication& app);

}  // namespace dryfriction
