#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pemo::ui {

namespace {

constexpr const char* kQtBaseJapanese = "qtbase_ja";

QString translationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

// Qt's Japanese texts. Qt asks for the file types of its file dialog's list ("Folder",
// "Drive", ...) under the icon provider's name, but its Japanese translation still holds
// those words under the file dialog's: they are looked up there.
class QtJapaneseTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") == 0) context = "QFileDialog";
    return QTranslator::translate(context, source, disambiguation, n);
  }
};

}  // namespace

QString qtJapaneseTranslationFile() {
  return QDir(translationsFolder()).filePath(QString::fromLatin1(kQtBaseJapanese) + ".qm");
}

bool installQtJapaneseTexts(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  // Owned by the application, so it lives as long as the dialogs that use it.
  auto* translator = new QtJapaneseTexts(&app);
  if (!translator->load(QString::fromLatin1(kQtBaseJapanese), translationsFolder())) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace pemo::ui
