#include "shell/new_game_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "computer/levels.h"
#include "records/game_record.h"
#include "shell/translation.h"

namespace qz {
namespace {

// The kinds of time control, in the order the dialog lists them.
enum 時間の種類 { 時間なし, 切れ負け, 秒読み, フィッシャー };

時間の種類 種類(const 持ち時間設定& t) {
  if (!t.有効()) return 時間なし;
  if (t.加算秒 > 0) return フィッシャー;
  if (t.秒読み秒 > 0) return 秒読み;
  return 切れ負け;
}

QSpinBox* spin(QWidget* parent, int max, int value, const char* suffix) {
  auto* s = new QSpinBox(parent);
  s->setRange(0, max);
  s->setValue(value);
  s->setSuffix(shown(suffix));
  return s;
}

// The widgets, and what they say once OK is pressed.
struct Form {
  QRadioButton* computer;
  QRadioButton* person;
  QComboBox* side;
  QComboBox* level;
  QComboBox* handicap;
  QComboBox* clockKind;
  QSpinBox* minutes;
  QSpinBox* byoyomi;
  QSpinBox* increment;
  QCheckBox* repetition;

  新規対局設定 chosen() const {
    新規対局設定 s;
    s.対COM = computer->isChecked();
    s.MAN先 = side->currentIndex() == 0;
    s.レベル = level->currentData().toInt();
    s.ハンデ = handicap->currentData().toInt();
    const int kind = clockKind->currentIndex();
    if (kind != 時間なし) {
      s.時間.本体秒 = minutes->value() * 60;
      if (kind == 秒読み) s.時間.秒読み秒 = byoyomi->value();
      if (kind == フィッシャー) s.時間.加算秒 = increment->value();
    }
    s.千日手 = repetition->isChecked();
    return s;
  }

  // Only what the choices use can be changed; a control that would end the
  // game before its first move cannot be started.
  void update(QPushButton* ok) const {
    side->setEnabled(computer->isChecked());
    level->setEnabled(computer->isChecked());
    const int kind = clockKind->currentIndex();
    minutes->setEnabled(kind != 時間なし);
    byoyomi->setEnabled(kind == 秒読み);
    increment->setEnabled(kind == フィッシャー);
    ok->setEnabled(kind == 時間なし || chosen().時間.有効());
  }
};

}  // namespace

std::optional<新規対局設定> runNewGameDialog(QWidget* parent, const 新規対局設定& last) {
  QDialog dialog(parent);
  dialog.setObjectName("NEW_GAME_DIALOG");
  dialog.setWindowTitle(shown(QZ_TR("新規対局")));
  auto* form = new QFormLayout;
  Form f{};
  f.computer = new QRadioButton(shown(QZ_TR("コンピュータと")), &dialog);
  f.person = new QRadioButton(shown(QZ_TR("二人で")), &dialog);
  (last.対COM ? f.computer : f.person)->setChecked(true);
  auto* opponent = new QHBoxLayout;
  opponent->addWidget(f.computer);
  opponent->addWidget(f.person);
  form->addRow(shown(QZ_TR("相手")), opponent);

  f.side = new QComboBox(&dialog);
  f.side->addItems({shown(QZ_TR("先手（あなたから）")), shown(QZ_TR("後手（コンピュータから）"))});
  f.side->setCurrentIndex(last.MAN先 ? 0 : 1);
  form->addRow(shown(QZ_TR("手番")), f.side);

  f.level = new QComboBox(&dialog);
  for (const レベル段& l : レベル一覧()) {
    f.level->addItem(shown(std::string(l.表題)), l.番号);
    if (l.番号 == last.レベル) f.level->setCurrentIndex(f.level->count() - 1);
  }
  form->addRow(shown(QZ_TR("レベル")), f.level);

  f.handicap = new QComboBox(&dialog);
  for (int g = -最高段級; g <= 最高段級; ++g) {
    f.handicap->addItem(shown(ハンデの名(g)), g);
    if (g == last.ハンデ) f.handicap->setCurrentIndex(f.handicap->count() - 1);
  }
  form->addRow(shown(QZ_TR("手合割")), f.handicap);

  f.clockKind = new QComboBox(&dialog);
  f.clockKind->addItems({shown(QZ_TR("なし")), shown(QZ_TR("切れ負け")), shown(QZ_TR("秒読み")),
                         shown(QZ_TR("フィッシャー（一手ごとに加算）"))});
  f.clockKind->setCurrentIndex(種類(last.時間));
  form->addRow(shown(QZ_TR("持ち時間")), f.clockKind);
  const 持ち時間設定 t = last.時間.有効() ? last.時間 : 持ち時間設定{600, 30, 10};
  f.minutes = spin(&dialog, 持ち時間上限秒 / 60, t.本体秒 / 60, QZ_TR(" 分"));
  f.byoyomi = spin(&dialog, 3600, t.秒読み秒 > 0 ? t.秒読み秒 : 30, QZ_TR(" 秒"));
  f.increment = spin(&dialog, 3600, t.加算秒 > 0 ? t.加算秒 : 10, QZ_TR(" 秒"));
  form->addRow(shown(QZ_TR("持ち時間（各）")), f.minutes);
  form->addRow(shown(QZ_TR("秒読み")), f.byoyomi);
  form->addRow(shown(QZ_TR("一手ごとの加算")), f.increment);

  f.repetition = new QCheckBox(shown(QZ_TR("千日手で終局（四度目の同一局面）")), &dialog);
  f.repetition->setChecked(last.千日手);
  form->addRow(QString(), f.repetition);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(shown(QZ_TR("対局開始")));
  buttons->button(QDialogButtonBox::Cancel)->setText(shown(QZ_TR("キャンセル")));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);

  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  const auto refresh = [&f, ok] { f.update(ok); };
  QObject::connect(f.computer, &QRadioButton::toggled, &dialog, refresh);
  QObject::connect(f.clockKind, &QComboBox::currentIndexChanged, &dialog, refresh);
  for (QSpinBox* s : {f.minutes, f.byoyomi, f.increment})
    QObject::connect(s, &QSpinBox::valueChanged, &dialog, refresh);
  refresh();

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return f.chosen();
}

}  // namespace qz
