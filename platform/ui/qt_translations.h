#pragma once
// Qt's own dialogs (colour, font, file, the buttons of message boxes) speak the programs'
// language: Japanese, from the translations Qt ships.
#include <QString>

class QCoreApplication;

namespace pemo::ui {

// The file Qt's own texts come from: "qtbase_ja.qm" in Qt's translations folder.
QString qtJapaneseTranslationFile();

// Installs Qt's Japanese texts for the application's lifetime. False when the
// translation is not installed: the dialogs then keep Qt's English texts.
bool installQtJapaneseTexts(QCoreApplication& app);

}  // namespace pemo::ui
