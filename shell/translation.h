// The window's language. Every text the window shows goes through shown():
// in Japanese it is the text itself; in English its template is looked up
// in the translation (qzshogi_en.qm) and filled with its values, each
// shown the same way. A text with no translation shows as it is.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "rules/message.h"

class QTranslator;

namespace qz {

enum class Language { Japanese, English };

// The language of the system's locale: English for an English locale,
// Japanese for every other.
Language systemLanguage();

// The settings-line value of a language ("日本語" / "English") and back.
std::string languageName(Language language);
bool languageFromName(std::string_view name, Language& language);

// Installs the translation of the language into the application; false
// when its translation file cannot be found or read (Japanese then shows).
bool setLanguage(Language language);
Language currentLanguage();

// The message as the window shows it in the current language.
QString shown(const 文面& message);

// The folder of the translation files: beside the build tree's programs, or
// share/qzshogi/translations when installed; empty when none is found.
QString translationFolder();

}  // namespace qz
