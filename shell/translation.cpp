#include "shell/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

#ifndef QZ_BUILD_TRANSLATIONS
#define QZ_BUILD_TRANSLATIONS ""
#endif

namespace qz {
namespace {

Language language = Language::Japanese;
std::unique_ptr<QTranslator> translator;

QString lookUp(const std::string& id, const std::string& japanese) {
  const QString out = qtTrId(id.c_str());
  return out == QString::fromUtf8(id) ? QString::fromUtf8(japanese) : out;
}

// Fills %1 .. %9 of a template in one pass, so that a value's own % signs stay.
QString filled(const QString& t, const std::vector<QString>& values) {
  QString out;
  for (qsizetype i = 0; i < t.size(); ++i) {
    const QChar c = i + 1 < t.size() ? t[i + 1] : QChar();
    const int n = c.digitValue();
    if (t[i] == '%' && n >= 1 && n <= 9 && std::size_t(n) <= values.size()) {
      out += values[std::size_t(n - 1)];
      ++i;
    } else {
      out += t[i];
    }
  }
  return out;
}

}  // namespace

Language systemLanguage() {
  return QLocale::system().language() == QLocale::English ? Language::English : Language::Japanese;
}

std::string languageName(Language l) {
  return l == Language::English ? "English" : "日本語";
}

bool languageFromName(std::string_view name, Language& l) {
  for (Language candidate : {Language::Japanese, Language::English})
    if (languageName(candidate) == name) {
      l = candidate;
      return true;
    }
  return false;
}

QString translationFolder() {
  const QString exe = QCoreApplication::applicationDirPath();
  for (const QString& dir :
       {exe + "/translations", exe + "/../translations", exe + "/../../translations",
        exe + "/../share/qzshogi/translations", QString(QZ_BUILD_TRANSLATIONS)}) {
    if (!dir.isEmpty() && QFileInfo::exists(dir + "/qzshogi_en.qm")) return QDir::cleanPath(dir);
  }
  return {};
}

bool setLanguage(Language l) {
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
  language = Language::Japanese;
  if (l == Language::Japanese) return true;
  auto t = std::make_unique<QTranslator>();
  const QString folder = translationFolder();
  if (folder.isEmpty() || !t->load("qzshogi_en", folder)) return false;
  QCoreApplication::installTranslator(t.get());
  translator = std::move(t);
  language = l;
  return true;
}

Language currentLanguage() {
  return language;
}

QString shown(const 文面& m) {
  const bool english = language != Language::Japanese;
  const QString t = english && m.訳す ? lookUp(m.訳語鍵(), m.型) : QString::fromUtf8(m.型);
  if (m.値.empty()) return t;
  std::vector<QString> values;
  for (const 文面& v : m.値) values.push_back(shown(v));
  return filled(t, values);
}

}  // namespace qz
