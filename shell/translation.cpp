#include "shell/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

#ifndef QZ_BUILD_TRANSLATIONS
#define QZ_BUILD_TRANSLATIONS ""
#endif

namespace qz {
namespace {

// The marked templates (texts with %1, %2 ...), collected from the
// translation source when the program is built.
const char* const templateTexts[] = {
#include "translation_templates.inc"
    nullptr};

Language language = Language::Japanese;
std::unique_ptr<QTranslator> translator;

struct Template {
  QString text;
  QRegularExpression pattern;  // the Japanese text with a group for each %N
  std::vector<int> groups;     // the %N of each capture group, in order
};

// A template as a pattern: the first %N becomes a group, a repeated %N must
// match the same text again.
Template compile(const QString& text) {
  Template t{text, {}, {}};
  QString pattern = "^";
  static const QRegularExpression place("%([1-9])");
  qsizetype at = 0;
  for (auto it = place.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
    const int n = m.captured(1).toInt();
    const auto seen = std::find(t.groups.begin(), t.groups.end(), n);
    if (seen == t.groups.end()) {
      t.groups.push_back(n);
      pattern += "(.+)";
    } else {
      pattern += QString("\\%1").arg(seen - t.groups.begin() + 1);
    }
    at = m.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(at)) + "$";
  t.pattern.setPattern(pattern);
  t.pattern.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
  return t;
}

const std::vector<Template>& templates() {
  static const std::vector<Template> all = [] {
    std::vector<Template> v;
    for (const char* const* t = templateTexts; *t != nullptr; ++t)
      v.push_back(compile(QString::fromUtf8(*t)));
    // The template with the most fixed text is tried first, so that a text
    // made from a longer template is not taken for a shorter one's.
    std::stable_sort(v.begin(), v.end(), [](const Template& a, const Template& b) {
      return a.text.size() - qsizetype(a.groups.size()) * 2 >
             b.text.size() - qsizetype(b.groups.size()) * 2;
    });
    return v;
  }();
  return all;
}

bool lookUp(const QString& text, QString& out) {
  const QByteArray id = text.toUtf8();
  out = qtTrId(id.constData());
  return out != text || text.isEmpty();
}

QString translated(const QString& text) {
  QString out;
  if (lookUp(text, out)) return out;
  for (const Template& t : templates()) {
    const auto m = t.pattern.match(text);
    if (!m.hasMatch() || !lookUp(t.text, out)) continue;
    for (std::size_t g = 0; g < t.groups.size(); ++g)
      out.replace(QString("%%1").arg(t.groups[g]), translated(m.captured(int(g) + 1)));
    return out;
  }
  // A text of several lines: each line on its own.
  static const QRegularExpression breaks("[\r\n]+");
  if (!text.contains(breaks)) return text;
  QString joined;
  qsizetype at = 0;
  for (auto it = breaks.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    joined += translated(text.mid(at, m.capturedStart() - at)) + m.captured();
    at = m.capturedEnd();
  }
  return joined + translated(text.mid(at));
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

QString shown(std::string_view japanese) {
  const QString text = QString::fromUtf8(japanese.data(), qsizetype(japanese.size()));
  return language == Language::Japanese ? text : translated(text);
}

}  // namespace qz
