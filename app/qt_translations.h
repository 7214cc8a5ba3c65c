// Qt's own texts (standard buttons, the file, print and font dialogs, their
// questions) in Japanese, like the rest of the interface.
#pragma once

class QCoreApplication;

// Loads Qt's Japanese translation from Qt's translations folder; false when
// it is not installed, and the dialogs then stay in English.
bool installQtTranslations(QCoreApplication& application);
