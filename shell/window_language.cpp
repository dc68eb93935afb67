#include "shell/window_language.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVariant>

#include "rules/message.h"
#include "shell/main_window.h"
#include "shell/record_panel.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

// The captions of the window's own controls, for lupdate to collect.
[[maybe_unused]] constexpr const char* windowTexts[] = {
    QZ_TR("QZ 氷結将棋"),
    QZ_TR("対局"),
    QZ_TR("新規対局…"),
    QZ_TR("対局(人間)"),
    QZ_TR("スタート"),
    QZ_TR("対局(COM)"),
    QZ_TR("先手"),
    QZ_TR("後手"),
    QZ_TR("COM対局ﾚﾍﾞﾙ"),
    QZ_TR("LEVEL1"),
    QZ_TR("LEVEL2"),
    QZ_TR("LEVEL3"),
    // The ladder's captions, as computer/levels.h lists them.
    QZ_TR("LEVEL3A (LEVEL3よりR約250上)"),
    QZ_TR("LEVEL3B (LEVEL3よりR約400上)"),
    QZ_TR("LEVEL3C (LEVEL3よりR約550上)"),
    QZ_TR("LEVEL3D (LEVEL3よりR約700上)"),
    QZ_TR("LEVEL3E (LEVEL3よりR約850上)"),
    QZ_TR("LEVEL3F (LEVEL3よりR約1050上)"),
    QZ_TR("LEVEL3G (LEVEL3よりR約1200上)"),
    QZ_TR("LEVEL4"),
    QZ_TR("LEVEL5"),
    QZ_TR("ヒント"),
    QZ_TR("投了"),
    QZ_TR("待った"),
    QZ_TR("棋譜一覧"),
    QZ_TR("終わり"),
    QZ_TR("局面"),
    QZ_TR("最初"),
    QZ_TR("反転"),
    QZ_TR("局面編集…"),
    QZ_TR("戻"),
    QZ_TR("進"),
    QZ_TR("△"),
    QZ_TR("▽"),
    QZ_TR("棋譜"),
    QZ_TR("読込"),
    QZ_TR("書込"),
    QZ_TR("ｵﾌﾟｼｮﾝ"),
    QZ_TR("背景画"),
    QZ_TR("緑"),
    QZ_TR("畳"),
    QZ_TR("竹"),
    QZ_TR("宇宙"),
    QZ_TR("煉瓦"),
    QZ_TR("移動指導"),
    QZ_TR("経過時間"),
    QZ_TR("BGM"),
    QZ_TR("その他"),
    QZ_TR("はい"),
    QZ_TR("いいえ"),
    QZ_TR("対 局 名："),
    QZ_TR("先    手 ："),
    QZ_TR("後    手 ："),
    QZ_TR("ﾌｧｲﾙ名 ："),
    QZ_TR("RETURN"),
    QZ_TR("表示倍率"),
    QZ_TR("COMの投了"),
    QZ_TR("効果音"),
    QZ_TR("確認メッセージ"),
    QZ_TR("利き表示"),
    // The record formats' menu items.
    QZ_TR("ファイルを開く…"),
    QZ_TR("KIFで保存…"),
    QZ_TR("CSAで保存…"),
    QZ_TR("棋譜解析…"),
    QZ_TR("編集"),
    QZ_TR("局面をコピー (SFEN)"),
    QZ_TR("棋譜をコピー (KIF)"),
    QZ_TR("棋譜をコピー (USI)"),
    QZ_TR("貼り付け"),
};

constexpr const char* languageKey = "言語";
constexpr const char* japaneseProperty = "qzJapanese";

// The text a control was made with: remembered the first time it is
// translated, so that switching back and forth always starts from it.
QString original(QObject* o, const QString& now) {
  const QVariant kept = o->property(japaneseProperty);
  if (kept.isValid()) return kept.toString();
  o->setProperty(japaneseProperty, now);
  return now;
}

QString translatedCaption(QObject* o, const QString& now) {
  return shown(original(o, now).toStdString());
}

}  // namespace

WindowLanguage::WindowLanguage(MainWindow& window, SettingsFile& settings,
                               std::function<void()> redraw)
    : window_(window), settings_(settings), redraw_(std::move(redraw)) {
  Language language = systemLanguage();
  if (const auto kept = settings_.extra(languageKey)) languageFromName(*kept, language);
  setLanguage(language);

  QMenu* option = window_.action(MenuItem::OPTION)->menu();
  QMenu* menu = option->addMenu("言語 / Language");
  menu->setProperty(japaneseProperty, "言語 / Language");
  auto* group = new QActionGroup(menu);
  for (Language l : {Language::Japanese, Language::English}) {
    QAction* a = menu->addAction(QString::fromStdString(languageName(l)));
    a->setProperty(japaneseProperty, a->text());  // each language by its own name
    a->setCheckable(true);
    a->setChecked(l == currentLanguage());
    a->setObjectName(l == Language::English ? "LANGUAGE_EN" : "LANGUAGE_JA");
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, a, [this, l] { choose(l); });
  }
  retranslate();
}

void WindowLanguage::choose(Language language) {
  setLanguage(language);
  settings_.setExtra(languageKey, languageName(currentLanguage()));
  retranslate();
  if (redraw_) redraw_();
}

void WindowLanguage::retranslate() {
  window_.setWindowTitle(translatedCaption(&window_, window_.windowTitle()));
  for (QAction* a : window_.findChildren<QAction*>()) {
    if (a->text().isEmpty() && !a->property(japaneseProperty).isValid()) continue;
    a->setText(translatedCaption(a, a->text()));
  }
  for (QLabel* l : window_.findChildren<QLabel*>()) l->setText(translatedCaption(l, l->text()));
  for (QPushButton* b : window_.findChildren<QPushButton*>())
    b->setText(translatedCaption(b, b->text()));
  window_.recordFilePanel().fitLabels(window_.view().scale());
}

}  // namespace qz
