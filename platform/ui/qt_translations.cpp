#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace pemo::ui {

namespace {

constexpr const char* kQtBaseJapanese = "qtbase_ja";

QString translationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

}  // namespace

QString qtJapaneseTranslationFile() {
  return QDir(translationsFolder()).filePath(QString::fromLatin1(kQtBaseJapanese) + ".qm");
}

bool installQtJapaneseTexts(QCoreApplication& app) {
  // Owned by the application, so it lives as long as the dialogs that use it.
  auto* translator = new QTranslator(&app);
  if (!translator->load(QString::fromLatin1(kQtBaseJapanese), translationsFolder())) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace pemo::ui
