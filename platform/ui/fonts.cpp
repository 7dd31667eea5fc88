#include "platform/ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>

namespace pemo::ui {
namespace {

// The first family of the list that is installed, else the first.
QString firstInstalled(std::initializer_list<const char*> families) {
  const QStringList installed = QFontDatabase::families();
  for (const char* f : families)
    if (installed.contains(QString::fromUtf8(f), Qt::CaseInsensitive)) return QString::fromUtf8(f);
  return QString::fromUtf8(*families.begin());
}

QString mapFamily(const std::string& storedName) {
  QString name = QString::fromStdString(storedName).normalized(QString::NormalizationForm_KC).simplified();
  // NFKC turns the full-width letters of the stored names into ASCII ("ＭＳ Ｐゴシック"
  // becomes "MS Pゴシック").
  const bool proportional = name.contains(QStringLiteral("MS P"), Qt::CaseInsensitive) ||
                            name.contains(QStringLiteral("MS UI"), Qt::CaseInsensitive);
  if (name.contains(QStringLiteral("明朝")) || name.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive))
    return proportional ? firstInstalled({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"})
                        : firstInstalled({"IPAMincho", "IPAPMincho", "Noto Serif CJK JP"});
  if (name.contains(QStringLiteral("ゴシック")) || name.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
      name.startsWith(QStringLiteral("MS "), Qt::CaseInsensitive) || name.isEmpty())
    return proportional || name.isEmpty() ? firstInstalled({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"})
                                          : firstInstalled({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"});
  return name;
}

}  // namespace

QString displayFamily(const std::string& storedName) {
  // Looking up the installed families is slow, and a page uses few names.
  static std::map<std::string, QString> known;
  auto it = known.find(storedName);
  if (it == known.end()) it = known.emplace(storedName, mapFamily(storedName)).first;
  return it->second;
}

QFont displayFont(const Font& font) {
  QFont f(displayFamily(font.name));
  if (font.size > 0) f.setPointSizeF(font.size);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

}  // namespace pemo::ui
