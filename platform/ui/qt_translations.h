#pragma once
// Both programs speak Japanese whatever the user's locale: Qt's own dialogs (colour,
// font, file, the buttons of message boxes) take their texts from the translations Qt
// ships, and dates and file types follow Qt's Japanese locale.
#include <QString>

class QCoreApplication;

namespace pemo::ui {

// The file Qt's own texts come from: "qtbase_ja.qm" in Qt's translations folder.
QString qtJapaneseTranslationFile();

// Makes Japanese Qt's default locale, and installs Qt's Japanese texts for the
// application's lifetime. False when the translation is not installed: the dialogs
// then keep Qt's English texts.
bool installQtJapaneseTexts(QCoreApplication& app);

}  // namespace pemo::ui
