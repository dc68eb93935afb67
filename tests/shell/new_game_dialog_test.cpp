// The new-game dialog: it opens on the last choices, enables only what they
// use, and gives back what was chosen.
#include "shell/new_game_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

namespace qz {
namespace {

// Opens the dialog on last, lets act change it while it is open, and
// returns what it gives back.
std::optional<新規対局設定> run(const 新規対局設定& last, std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    act(*d);
  });
  return runNewGameDialog(nullptr, last);
}

QComboBox* combo(QDialog& d, int n) {
  return d.findChildren<QComboBox*>().at(n);
}

QPushButton* button(QDialog& d, int n) {
  return d.findChildren<QPushButton*>().at(n);
}

TEST(NewGameDialog, OpensOnTheLastChoicesAndGivesBackWhatWasChosen) {
  const 新規対局設定 last{true, false, 4, 2, {600, 30, 0}, true};
  const auto same = run(last, [](QDialog& d) { d.accept(); });
  EXPECT_EQ(same, last);

  const auto changed = run(last, [](QDialog& d) {
    d.findChildren<QRadioButton*>().at(1)->setChecked(true);  // two people
    EXPECT_FALSE(combo(d, 0)->isEnabled());                   // no side to choose
    combo(d, 2)->setCurrentIndex(0);                          // 下手 10枚落ち
    combo(d, 3)->setCurrentIndex(3);                          // Fischer
    auto spins = d.findChildren<QSpinBox*>();
    EXPECT_FALSE(spins.at(1)->isEnabled());  // byoyomi
    spins.at(0)->setValue(5);
    spins.at(2)->setValue(7);
    d.findChild<QCheckBox*>()->setChecked(false);
    d.accept();
  });
  ASSERT_TRUE(changed);
  EXPECT_EQ(*changed, (新規対局設定{false, false, 4, -10, {300, 0, 7}, false}));
}

TEST(NewGameDialog, ACancelGivesNothingAndAControlOfNoTimeCannotStart) {
  EXPECT_FALSE(run({}, [](QDialog& d) { d.reject(); }));
  run({}, [](QDialog& d) {
    combo(d, 3)->setCurrentIndex(1);  // sudden death
    d.findChildren<QSpinBox*>().at(0)->setValue(0);
    EXPECT_FALSE(button(d, 0)->isEnabled());
    d.reject();
  });
}

}  // namespace
}  // namespace qz
